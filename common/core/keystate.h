#ifndef YAVO_KEYSTATE_H
#define YAVO_KEYSTATE_H

// Whether a modifier or lock key is down at the moment of the call, as the
// platform keeps it for the input thread. Nothing is cached: build one on the
// stack and ask.
class KeyState
{
public:
    KeyState() = default;

    bool isShiftDown() const;
    bool isAltDown() const;
    bool isCtrlDown() const;
    bool isLeftWinDown() const;
    bool isRightWinDown() const;
    // Held down at this moment, whatever the lock's toggle.
    bool isScrollLockDown() const;
    // Toggled on, or the key held down.
    bool isCapsLockOn() const;
};

#endif
