#ifndef YAVO_KEYBOARDBACKEND_H
#define YAVO_KEYBOARDBACKEND_H

namespace Platform {

// Where the process's keyboard comes from. A backend reports the keys'
// states into the process-wide KeyStateTable; the key hook and key
// injection of the input method belong here as well. Exactly one backend is
// current at a time: the null backend unless another one was made current.
class KeyboardBackend
{
public:
    virtual ~KeyboardBackend();

    // The current backend; never null.
    static KeyboardBackend *current();

    // Makes the backend current (not owned; nullptr brings back the null
    // backend). The key states start afresh: every key up and untoggled.
    static void setCurrent(KeyboardBackend *backend);

protected:
    KeyboardBackend() = default;

    // What a backend reports when a key's state changes.
    static void reportKeyState(int virtualKey, bool down, bool toggled);

private:
    KeyboardBackend(const KeyboardBackend &) = delete;
    KeyboardBackend &operator=(const KeyboardBackend &) = delete;
};

// The backend of a machine without the platform's keyboard services: it
// reports no key, so every key reads as up and untoggled.
class NullKeyboardBackend : public KeyboardBackend
{
public:
    static NullKeyboardBackend *instance();
};

} // namespace Platform

#endif
