#ifndef YAVO_VIRTUALKEYS_H
#define YAVO_VIRTUALKEYS_H

// The Windows names of the keys and key-state bits the input method works
// with, so that its code reads in the vocabulary it was designed in. Only the
// codes somebody uses are listed; the values are the platform's own.
namespace Platform {

constexpr int VK_BACK = 0x08;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
constexpr int VK_CAPITAL = 0x14;
constexpr int VK_SPACE = 0x20;
constexpr int VK_LWIN = 0x5B;
constexpr int VK_RWIN = 0x5C;
constexpr int VK_F11 = 0x7A;
constexpr int VK_SCROLL = 0x91;
constexpr int VK_LSHIFT = 0xA0;
constexpr int VK_RSHIFT = 0xA1;
constexpr int VK_LCONTROL = 0xA2;
constexpr int VK_RCONTROL = 0xA3;
constexpr int VK_LMENU = 0xA4;
constexpr int VK_RMENU = 0xA5;
constexpr int VK_PACKET = 0xE7;

// Virtual-key codes are bytes.
constexpr int VirtualKeyCount = 256;

// Bits of a key's state: held down at the moment, and the toggle of a lock
// key (Caps Lock, Scroll Lock), which flips with every press.
constexpr unsigned char KeyStateDown = 0x80;
constexpr unsigned char KeyStateToggled = 0x01;

} // namespace Platform

#endif
