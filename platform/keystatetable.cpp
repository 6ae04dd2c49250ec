#include "platform/keystatetable.h"

#include <cstddef>

namespace Platform {

namespace {

bool isVirtualKey(int virtualKey)
{
    return virtualKey >= 0 && virtualKey < VirtualKeyCount;
}

struct SidedKey
{
    int left;
    int right;
    int shared;
};

constexpr SidedKey sidedKeys[] = {
    {VK_LSHIFT, VK_RSHIFT, VK_SHIFT},
    {VK_LCONTROL, VK_RCONTROL, VK_CONTROL},
    {VK_LMENU, VK_RMENU, VK_MENU},
};

} // namespace

KeyStateTable &KeyStateTable::instance()
{
    static KeyStateTable table;
    return table;
}

KeyStateTable::KeyStateTable()
{
    clear();
}

unsigned char KeyStateTable::state(int virtualKey) const
{
    return isVirtualKey(virtualKey) ? m_states[std::size_t(virtualKey)] : 0;
}

void KeyStateTable::setState(int virtualKey, bool down, bool toggled)
{
    if (!isVirtualKey(virtualKey))
        return;
    m_states[std::size_t(virtualKey)] = (down ? KeyStateDown : 0) | (toggled ? KeyStateToggled : 0);
    updateSharedKey(virtualKey);
}

void KeyStateTable::clear()
{
    m_states.fill(0);
}

void KeyStateTable::updateSharedKey(int virtualKey)
{
    for (const SidedKey &key : sidedKeys) {
        if (virtualKey != key.left && virtualKey != key.right)
            continue;
        const bool down = (m_states[std::size_t(key.left)] | m_states[std::size_t(key.right)]) & KeyStateDown;
        unsigned char &shared = m_states[std::size_t(key.shared)];
        shared = (shared & ~KeyStateDown) | (down ? KeyStateDown : 0);
        return;
    }
}

short GetKeyState(int nVirtKey)
{
    const unsigned char state = KeyStateTable::instance().state(nVirtKey);
    short result = state & KeyStateToggled;
    if (state & KeyStateDown)
        result |= short(0xFF80);
    return result;
}

} // namespace Platform
