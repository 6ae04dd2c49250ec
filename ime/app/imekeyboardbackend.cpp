#include "ime/app/imekeyboardbackend.h"

#include "platform/keyboardbackend.h"

std::unique_ptr<Platform::KeyboardBackend> chooseKeyboardBackend()
{
    // No keyboard service of this desktop is reachable yet.
    return nullptr;
}
