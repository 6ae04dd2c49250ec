#ifndef YAVO_IBUSTESTSESSION_H
#define YAVO_IBUSTESTSESSION_H

#include <QProcess>
#include <QString>

#include <memory>

typedef struct _IBusBus IBusBus;
typedef struct _IBusInputContext IBusInputContext;

// An IBus daemon of the calling process alone: it runs inside a session bus
// of its own (dbus-run-session), listens on a socket below the given folder
// and keeps its configuration in memory, so neither the user's daemon nor
// the user's settings are ever touched. The process's IBUS_ADDRESS points
// at it, so programs started afterwards find it.
class IBusTestSession
{
public:
    IBusTestSession();
    ~IBusTestSession();

    IBusTestSession(const IBusTestSession &) = delete;
    IBusTestSession &operator=(const IBusTestSession &) = delete;

    // componentFolder: where the daemon reads component files; empty for
    // none. False when the daemon cannot start; errorString() says why.
    bool start(const QString &folder, const QString &componentFolder = QString());
    QString errorString() const { return m_error; }

    // The test's own connection to the daemon.
    IBusBus *bus() const { return m_bus; }

    // Waits until a program owns the bus name (or none does, when owned
    // is false).
    bool waitForName(const char *name, bool owned, int timeoutMs = 10000) const;

private:
    QProcess m_daemon;
    IBusBus *m_bus = nullptr;
    QString m_error;
    QByteArray m_savedAddress;
    bool m_hadAddress = false;
};

// An application's text field on the daemon: an input context with the
// engine set, and the text it holds. Keys typed go to the engine; what the
// engine commits, deletes and forwards changes the text, and a key press
// the engine lets through types its own character, as an application would.
class IBusTestClient
{
public:
    // surroundingText: whether the field tells the engine its text.
    IBusTestClient(IBusBus *bus, bool surroundingText);
    ~IBusTestClient();

    IBusTestClient(const IBusTestClient &) = delete;
    IBusTestClient &operator=(const IBusTestClient &) = delete;

    bool isValid() const { return m_context != nullptr; }
    bool setEngine(const char *name, int timeoutMs = 10000);

    // Types each character with its key on a US keyboard (Shift held where
    // it needs it); '\n' is Enter.
    void type(const QString &keys);
    // One key event; true when the engine kept it from the application.
    bool sendKey(quint32 keysym, quint32 state);
    // A key pressed and released while the modifiers (IBus masks) are held,
    // with the presses and releases of the modifier keys themselves.
    bool press(quint32 keysym, quint32 modifiers = 0);

    QString text() const { return m_text; }
    void setText(const QString &text);
    // The user puts the caret elsewhere with the mouse: the field tells the
    // engine its text anew and, when it resets its input method on such
    // moves, resets it.
    void moveCaret(int position, bool reset);

    // What the engine did since the client began.
    int commits() const { return m_commits; }
    int deletions() const { return m_deletions; }
    int forwardedKeys() const { return m_forwardedKeys; }

private:
    struct Signals;
    void insert(const QString &text);
    void remove(int offset, int characters);
    void applyForwardedKey(quint32 keysym, quint32 state);
    void tellSurroundingText();

    IBusInputContext *m_context = nullptr;
    bool m_surroundingText = false;
    QString m_text;
    int m_caret = 0; // in UTF-16 code units
    int m_commits = 0;
    int m_deletions = 0;
    int m_forwardedKeys = 0;
};

#endif
