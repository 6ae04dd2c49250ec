#include "fakekeyboardbackend.h"

FakeKeyboardBackend::FakeKeyboardBackend()
{
    setCurrent(this);
}

void FakeKeyboardBackend::setKeyState(int virtualKey, bool down, bool toggled)
{
    reportKeyState(virtualKey, down, toggled);
}
