#ifndef YAVO_KEYBOARDINPUT_H
#define YAVO_KEYBOARDINPUT_H

#include <QtGlobal>

// The records a keyboard hook sees and the records it injects, under their
// Windows names, so the input method's pipeline reads in the vocabulary it
// was designed in. Only the fields somebody reads are kept; the values are
// the platform's own.
namespace Platform {

// Messages of a key event, as the hook's wParam.
constexpr quintptr WM_KEYDOWN = 0x0100;
constexpr quintptr WM_KEYUP = 0x0101;
constexpr quintptr WM_SYSKEYDOWN = 0x0104;
constexpr quintptr WM_SYSKEYUP = 0x0105;

// The hook code of an event the hook is to look at.
constexpr int HC_ACTION = 0;

// One key event as the low-level keyboard hook receives it.
struct KBDLLHOOKSTRUCT
{
    quint32 vkCode = 0;
    quint32 scanCode = 0;
    quint32 flags = 0;
    quint32 time = 0;
    quintptr dwExtraInfo = 0;
};

// Bits of KBDLLHOOKSTRUCT::flags.
constexpr quint32 LLKHF_INJECTED = 0x10;
constexpr quint32 LLKHF_UP = 0x80;

// One injected keyboard event.
struct KEYBDINPUT
{
    quint16 wVk = 0;
    quint16 wScan = 0;
    quint32 dwFlags = 0;
    quint32 time = 0;
    quintptr dwExtraInfo = 0;
};

constexpr quint32 INPUT_KEYBOARD = 1;

struct INPUT
{
    quint32 type = 0;
    KEYBDINPUT ki;
};

// Bits of KEYBDINPUT::dwFlags: a key-up, and a key-down or key-up whose
// wScan is a UTF-16 code unit to type rather than a key.
constexpr quint32 KEYEVENTF_KEYUP = 0x0002;
constexpr quint32 KEYEVENTF_UNICODE = 0x0004;

} // namespace Platform

#endif
