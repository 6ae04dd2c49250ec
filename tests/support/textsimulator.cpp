#include "textsimulator.h"

#include "platform/virtualkeys.h"

using namespace Platform;

void TextSimulator::apply(const INPUT &record)
{
    const KEYBDINPUT &key = record.ki;
    if (record.type != INPUT_KEYBOARD || (key.dwFlags & KEYEVENTF_KEYUP))
        return;
    if (key.dwFlags & KEYEVENTF_UNICODE)
        m_text += QChar(key.wScan);
    else if (key.wVk == VK_BACK)
        m_text.chop(1);
    else if (key.wVk == VK_RETURN)
        m_text += QLatin1Char('\n');
}

void TextSimulator::type(QChar c)
{
    if (c == QLatin1Char('\b'))
        m_text.chop(1);
    else
        m_text += c;
}

void TextSimulator::apply(const QVector<INPUT> &records)
{
    for (const INPUT &record : records)
        apply(record);
}

QString describeRecords(const QVector<INPUT> &records)
{
    QString out;
    for (int i = 0; i < records.size(); i += 2) {
        const KEYBDINPUT &down = records.at(i).ki;
        const bool paired = i + 1 < records.size()
            && records.at(i).type == INPUT_KEYBOARD && records.at(i + 1).type == INPUT_KEYBOARD
            && records.at(i + 1).ki.wVk == down.wVk && records.at(i + 1).ki.wScan == down.wScan
            && records.at(i + 1).ki.dwFlags == (down.dwFlags | KEYEVENTF_KEYUP)
            && !(down.dwFlags & KEYEVENTF_KEYUP);
        if (!paired)
            return out + QStringLiteral("<bad pair>");
        if (down.dwFlags & KEYEVENTF_UNICODE)
            out += QChar(down.wScan);
        else if (down.wVk == VK_BACK)
            out += QStringLiteral("<BS>");
        else if (down.wVk == VK_RETURN)
            out += QStringLiteral("<RET>");
        else
            out += QStringLiteral("<vk %1>").arg(down.wVk);
    }
    return out;
}
