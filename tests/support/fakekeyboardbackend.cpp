#include "fakekeyboardbackend.h"

#include "keystatetable.h"

FakeKeyboardBackend::FakeKeyboardBackend()
{
    setCurrent(this);
}

void FakeKeyboardBackend::setKeyState(int virtualKey, bool down, bool toggled)
{
    reportKeyState(virtualKey, down, toggled);
}

void FakeKeyboardBackend::releaseAllKeys()
{
    Platform::KeyStateTable::instance().clear();
}
