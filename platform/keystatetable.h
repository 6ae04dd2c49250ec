#ifndef YAVO_KEYSTATETABLE_H
#define YAVO_KEYSTATETABLE_H

#include "platform/virtualkeys.h"

#include <array>

namespace Platform {

// The state of every virtual key as the keyboard backend last reported it:
// one byte a key holding KeyStateDown and KeyStateToggled. There is one
// table for the process, as the platform keeps one for the input thread;
// backends write it, GetKeyState reads it.
//
// The left and right Shift, Ctrl and Alt keys also drive their shared code
// (VK_SHIFT, VK_CONTROL, VK_MENU), which reads as held while either side is.
class KeyStateTable
{
public:
    static KeyStateTable &instance();

    unsigned char state(int virtualKey) const;
    void setState(int virtualKey, bool down, bool toggled);

    // Every key up and untoggled.
    void clear();

private:
    KeyStateTable();
    void updateSharedKey(int virtualKey);

    std::array<unsigned char, VirtualKeyCount> m_states;
};

// Stand-in for the platform call of the same name. A held key sets the high
// bits as well as KeyStateDown, as the platform's answer does, so callers
// that test either 0x8000 or 0x80 agree; the low bit is the toggle. Codes
// outside 0..255 read as up.
short GetKeyState(int nVirtKey);

} // namespace Platform

#endif
