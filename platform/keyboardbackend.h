#ifndef YAVO_KEYBOARDBACKEND_H
#define YAVO_KEYBOARDBACKEND_H

#include "platform/keyboardinput.h"

namespace Platform {

// What the process puts in front of every application's keyboard: it sees
// each key event first and decides whether the application gets it.
class KeyboardHook
{
public:
    virtual ~KeyboardHook();

    // Non-zero keeps the event from the application; CallNextHookEx's
    // answer lets it through.
    virtual qintptr hookProc(int nCode, quintptr wParam, const KBDLLHOOKSTRUCT &event) = 0;

    // The keys now go to another application or field than before, or the
    // caret moved by other means than keys: what the hook typed is not
    // where the next key lands. Backends that learn of such changes call
    // it; the default does nothing.
    virtual void inputContextChanged();
};

// The hook is the last of the chain: the next in line is the application,
// which gets the event when the hook passes it on.
inline qintptr CallNextHookEx(void *, int, quintptr, const KBDLLHOOKSTRUCT &)
{
    return 0;
}

// Where the process's keyboard comes from. A backend reports the keys'
// states into the process-wide KeyStateTable, hands every key event to the
// installed hook and carries out the records the hook sends. Exactly one
// backend is current at a time: the null backend unless another one was
// made current.
class KeyboardBackend
{
public:
    virtual ~KeyboardBackend();

    // The current backend; never null.
    static KeyboardBackend *current();

    // Makes the backend current (not owned; nullptr brings back the null
    // backend). The key states start afresh: every key up and untoggled.
    static void setCurrent(KeyboardBackend *backend);

    // Puts the hook (not owned) in front of the keyboard, in place of any
    // earlier one. False when the backend cannot; lastError() says why.
    virtual bool installHook(KeyboardHook *hook);
    // Takes the hook away when it is the installed one.
    virtual void removeHook(KeyboardHook *hook);
    KeyboardHook *installedHook() const { return m_hook; }

    // Carries out the records in order and returns how many it carried
    // out: fewer than count when it had to stop, 0 when it could do none.
    virtual unsigned sendInput(const INPUT *inputs, unsigned count) = 0;

    // The code of the last failure, 0 when there was none.
    virtual quint32 lastError() const;

protected:
    KeyboardBackend() = default;

    // What a backend reports when a key's state changes.
    static void reportKeyState(int virtualKey, bool down, bool toggled);

    // Hands a key event to the installed hook; true when the hook keeps it
    // from the application. Without a hook every event passes.
    bool deliverKeyEvent(quintptr message, const KBDLLHOOKSTRUCT &event);

private:
    KeyboardBackend(const KeyboardBackend &) = delete;
    KeyboardBackend &operator=(const KeyboardBackend &) = delete;

    KeyboardHook *m_hook = nullptr;
};

// The backend of a machine without the platform's keyboard services: it
// reports no key, so every key reads as up and untoggled; no hook can be
// installed and nothing can be typed.
class NullKeyboardBackend : public KeyboardBackend
{
public:
    static NullKeyboardBackend *instance();

    // The platform's "not implemented on this system".
    static constexpr quint32 ErrorCallNotImplemented = 120;

    bool installHook(KeyboardHook *hook) override;
    unsigned sendInput(const INPUT *inputs, unsigned count) override;
    quint32 lastError() const override;

private:
    quint32 m_lastError = 0;
};

} // namespace Platform

#endif
