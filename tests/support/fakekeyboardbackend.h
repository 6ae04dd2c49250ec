#ifndef YAVO_FAKEKEYBOARDBACKEND_H
#define YAVO_FAKEKEYBOARDBACKEND_H

#include "platform/keyboardbackend.h"

// A keyboard a test drives by hand. It is the current backend while it
// lives (all keys up at first) and gives the place back to the null backend
// when it goes.
class FakeKeyboardBackend : public Platform::KeyboardBackend
{
public:
    FakeKeyboardBackend();

    void setKeyState(int virtualKey, bool down, bool toggled = false);
};

#endif
