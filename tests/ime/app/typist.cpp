#include "typist.h"

#include "platform/virtualkeys.h"

using namespace Platform;

namespace {

struct KeyOf
{
    int virtualKey = 0;
    bool shift = false;
};

// The keys of the characters that are no letters, as the US keyboard has them.
KeyOf keyOf(QChar c)
{
    static const struct
    {
        char normal;
        char shifted;
        int virtualKey;
    } others[] = {
        {';', ':', 186}, {'=', '+', 187}, {',', '<', 188}, {'-', '_', 189}, {'.', '>', 190},
        {'/', '?', 191}, {'`', '~', 192}, {'[', '{', 219}, {']', '}', 221}, {'\'', '"', 222},
        {'0', ')', '0'}, {'1', '!', '1'}, {'2', '@', '2'}, {'3', '#', '3'}, {'4', '$', '4'},
        {'5', '%', '5'}, {'6', '^', '6'}, {'7', '&', '7'}, {'8', '*', '8'}, {'9', '(', '9'},
    };
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
        return {c.toUpper().unicode(), false};
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        return {c.unicode(), true};
    if (c == QLatin1Char(' '))
        return {VK_SPACE, false};
    if (c == QLatin1Char('\n'))
        return {VK_RETURN, false};
    if (c == QLatin1Char('\b'))
        return {VK_BACK, false};
    for (const auto &key : others) {
        if (c == QLatin1Char(key.normal))
            return {key.virtualKey, false};
        if (c == QLatin1Char(key.shifted))
            return {key.virtualKey, true};
    }
    qFatal("Typist: no key for U+%04X", c.unicode());
    return {};
}

} // namespace

Typist::Typist(FakeKeyboardBackend &keyboard)
    : m_keyboard(keyboard)
{
}

void Typist::type(const QString &keys)
{
    for (const QChar c : keys) {
        const KeyOf key = keyOf(c);
        if (key.shift) {
            m_keyboard.setKeyState(VK_LSHIFT, true);
            deliver(WM_KEYDOWN, VK_LSHIFT, QChar());
        }
        press(key.virtualKey, c);
        if (key.shift) {
            m_keyboard.setKeyState(VK_LSHIFT, false);
            deliver(WM_KEYUP, VK_LSHIFT, QChar());
        }
    }
}

bool Typist::press(int virtualKey, QChar reaches)
{
    const bool kept = keyDown(virtualKey, reaches);
    release(virtualKey);
    return kept;
}

bool Typist::keyDown(int virtualKey, QChar reaches)
{
    return deliver(WM_KEYDOWN, virtualKey, reaches);
}

bool Typist::release(int virtualKey)
{
    return deliver(WM_KEYUP, virtualKey, QChar());
}

bool Typist::deliver(quintptr message, int virtualKey, QChar reaches)
{
    const bool up = message == WM_KEYUP || message == WM_SYSKEYUP;
    const bool kept = m_keyboard.deliver(message, virtualKey, 0, up ? LLKHF_UP : 0);
    const QVector<INPUT> sent = m_keyboard.takeSent();
    m_application.apply(sent);
    m_records += describeRecords(sent);
    if (!kept && !reaches.isNull())
        m_application.type(reaches);
    return kept;
}
