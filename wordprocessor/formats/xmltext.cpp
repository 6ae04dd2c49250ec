#include "private/xmltext_p.h"

namespace {

bool isXmlChar(char16_t c)
{
    if (c < 0x20)
        return c == 0x09 || c == 0x0A || c == 0x0D;
    return c != 0xFFFE && c != 0xFFFF;
}

} // namespace

QString XmlText::sanitized(const QString &text)
{
    QString result;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        bool ok;
        int width = 1;
        if (QChar::isHighSurrogate(c)) {
            ok = i + 1 < n && QChar::isLowSurrogate(text.at(i + 1).unicode());
            width = ok ? 2 : 1;
        } else if (QChar::isLowSurrogate(c)) {
            ok = false;
        } else {
            ok = isXmlChar(c);
        }
        if (!ok && result.isNull()) {
            result.reserve(n);
            result.append(text.constData(), i);
        }
        if (!result.isNull()) {
            if (ok)
                result.append(text.constData() + i, width);
            else
                result.append(QChar(QChar::ReplacementCharacter));
        }
        i += width - 1;
    }
    return result.isNull() ? text : result;
}

QString XmlText::toBlockText(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        switch (c.unicode()) {
        case 0x0A:
        case 0x0D:
        case 0x2029:
        case 0xFDD0:
        case 0xFDD1:
            c = QLatin1Char(' ');
            break;
        default:
            break;
        }
    }
    return result;
}
