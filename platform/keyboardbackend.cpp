#include "platform/keyboardbackend.h"

#include "platform/keystatetable.h"

namespace Platform {

namespace {

// Null while the null backend is current.
KeyboardBackend *&currentBackend()
{
    static KeyboardBackend *backend = nullptr;
    return backend;
}

} // namespace

KeyboardBackend::~KeyboardBackend()
{
    // A backend that goes away while current must not be called afterwards.
    if (currentBackend() == this)
        setCurrent(nullptr);
}

KeyboardBackend *KeyboardBackend::current()
{
    KeyboardBackend *backend = currentBackend();
    return backend ? backend : NullKeyboardBackend::instance();
}

void KeyboardBackend::setCurrent(KeyboardBackend *backend)
{
    currentBackend() = backend == NullKeyboardBackend::instance() ? nullptr : backend;
    KeyStateTable::instance().clear();
}

void KeyboardBackend::reportKeyState(int virtualKey, bool down, bool toggled)
{
    KeyStateTable::instance().setState(virtualKey, down, toggled);
}

NullKeyboardBackend *NullKeyboardBackend::instance()
{
    static NullKeyboardBackend backend;
    return &backend;
}

} // namespace Platform
