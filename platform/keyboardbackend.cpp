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

KeyboardHook::~KeyboardHook() = default;

void KeyboardHook::inputContextChanged()
{
}

bool KeyboardHook::convertsKeys() const
{
    return false;
}

KeyboardBackendListener::~KeyboardBackendListener() = default;

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

bool KeyboardBackend::installHook(KeyboardHook *hook)
{
    m_hook = hook;
    return true;
}

void KeyboardBackend::removeHook(KeyboardHook *hook)
{
    if (m_hook == hook)
        m_hook = nullptr;
}

quint32 KeyboardBackend::lastError() const
{
    return 0;
}

KeyboardBackend::Availability KeyboardBackend::availability() const
{
    return Availability::Available;
}

void KeyboardBackend::endComposition()
{
}

void KeyboardBackend::setMenu(const QVector<InputMethodMenuEntry> &)
{
}

void KeyboardBackend::notifyAvailabilityChanged()
{
    if (m_listener)
        m_listener->availabilityChanged();
}

void KeyboardBackend::notifyMenuEntryActivated(const QString &id, bool checked)
{
    if (m_listener)
        m_listener->menuEntryActivated(id, checked);
}

void KeyboardBackend::reportKeyState(int virtualKey, bool down, bool toggled)
{
    KeyStateTable::instance().setState(virtualKey, down, toggled);
}

bool KeyboardBackend::deliverKeyEvent(quintptr message, const KBDLLHOOKSTRUCT &event)
{
    return m_hook && m_hook->hookProc(HC_ACTION, message, event) != 0;
}

NullKeyboardBackend *NullKeyboardBackend::instance()
{
    static NullKeyboardBackend backend;
    return &backend;
}

bool NullKeyboardBackend::installHook(KeyboardHook *)
{
    m_lastError = ErrorCallNotImplemented;
    return false;
}

unsigned NullKeyboardBackend::sendInput(const INPUT *, unsigned)
{
    m_lastError = ErrorCallNotImplemented;
    return 0;
}

quint32 NullKeyboardBackend::lastError() const
{
    return m_lastError;
}

KeyboardBackend::Availability NullKeyboardBackend::availability() const
{
    return Availability::Unavailable;
}

} // namespace Platform
