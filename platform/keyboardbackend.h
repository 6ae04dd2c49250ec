#ifndef YAVO_KEYBOARDBACKEND_H
#define YAVO_KEYBOARDBACKEND_H

#include "platform/keyboardinput.h"

#include <QString>
#include <QVector>

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

    // True while the hook turns keys into text (Indic input on): the keys
    // it passes on then belong to the text it types, and a backend that
    // could not keep them in order with that text types them itself.
    virtual bool convertsKeys() const;
};

// An entry of the menu that a desktop shows for its input method, where
// the program's settings are within reach without a tray icon.
struct InputMethodMenuEntry
{
    enum Kind {
        Command,  // does something when chosen
        Toggle,   // on or off
        Choice,   // one of the entries of its submenu
        Submenu
    };

    QString id; // one entry's alone in the whole menu
    QString label;
    Kind kind = Command;
    bool checked = false;
    bool enabled = true;
    QVector<InputMethodMenuEntry> entries; // of a submenu
};

// What a backend tells the program besides key events.
class KeyboardBackendListener
{
public:
    virtual ~KeyboardBackendListener();

    // KeyboardBackend::availability() changed.
    virtual void availabilityChanged() = 0;
    // The user chose the entry of the desktop's menu; for a toggle or a
    // choice, checked is the state the user asked for.
    virtual void menuEntryActivated(const QString &id, bool checked) = 0;
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

    enum class Availability {
        Unavailable, // keys never come: typing is left alone
        Waiting,     // keys come once the desktop's input-method service is back
        Available
    };

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

    // Whether keys reach the hook; a backend that tells the listener when
    // it changes.
    virtual Availability availability() const;

    // The hook's composition is over: what it typed so far stays as it is
    // and will not be deleted by later records.
    virtual void endComposition();

    // The menu the desktop offers for the input method; a backend whose
    // desktop has none ignores it.
    virtual void setMenu(const QVector<InputMethodMenuEntry> &entries);

    // Who hears of availability changes and menu choices (not owned; null
    // for nobody).
    void setListener(KeyboardBackendListener *listener) { m_listener = listener; }
    KeyboardBackendListener *listener() const { return m_listener; }

protected:
    KeyboardBackend() = default;

    void notifyAvailabilityChanged();
    void notifyMenuEntryActivated(const QString &id, bool checked);

    // What a backend reports when a key's state changes.
    static void reportKeyState(int virtualKey, bool down, bool toggled);

    // Hands a key event to the installed hook; true when the hook keeps it
    // from the application. Without a hook every event passes.
    bool deliverKeyEvent(quintptr message, const KBDLLHOOKSTRUCT &event);

private:
    KeyboardBackend(const KeyboardBackend &) = delete;
    KeyboardBackend &operator=(const KeyboardBackend &) = delete;

    KeyboardHook *m_hook = nullptr;
    KeyboardBackendListener *m_listener = nullptr;
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
    Availability availability() const override;

private:
    quint32 m_lastError = 0;
};

} // namespace Platform

#endif
