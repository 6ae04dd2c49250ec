#ifndef YAVO_IBUSTESTSESSION_H
#define YAVO_IBUSTESTSESSION_H

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>

typedef struct _IBusBus IBusBus;
typedef struct _IBusInputContext IBusInputContext;
typedef struct _IBusPropList IBusPropList;
typedef struct _IBusProperty IBusProperty;

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
    // After stop(), starts a new daemon, in the same folder (the address
    // programs know) or in another one (an address they do not know).
    bool start(const QString &folder, const QString &componentFolder = QString());
    // Kills the daemon, as a crash would.
    bool stop();
    QString errorString() const { return m_error; }

    // The test's own connection to the daemon.
    IBusBus *bus() const { return m_bus; }

    // Waits until a program owns the bus name (or none does, when owned
    // is false).
    bool waitForName(const char *name, bool owned, int timeoutMs = 10000) const;

private:
    qint64 daemonProcessId() const;

    QProcess m_daemon;
    IBusBus *m_bus = nullptr;
    QString m_error;
    QByteArray m_savedAddress;
    bool m_hadAddress = false;
};

// An application's text field on the daemon: an input context with the
// engine set, and the text it holds. Keys typed go to the engine; what the
// engine commits and forwards changes the text, the pre-edit is shown apart
// from it, and a key press the engine lets through types its own
// character, as an application would.
class IBusTestClient
{
public:
    enum Kind {
        // Leaves the pre-edit to the daemon: the daemon commits it when the
        // field resets its input method or loses the focus.
        PlainClient,
        // Commits its own copy of the pre-edit before it resets its input
        // method, as Qt 5's input module does when the focus moves inside
        // its window; when the window loses the focus, it commits nothing.
        QtClient
    };

    explicit IBusTestClient(IBusBus *bus, Kind kind = PlainClient);
    ~IBusTestClient();

    IBusTestClient(const IBusTestClient &) = delete;
    IBusTestClient &operator=(const IBusTestClient &) = delete;

    bool isValid() const { return m_context != nullptr; }
    bool setEngine(const char *name, int timeoutMs = 10000);

    // Types each character with its key on a US keyboard (Shift held where
    // it needs it); '\n' is Enter, '\b' Backspace.
    void type(const QString &keys);
    // One key event; true when the engine kept it from the application.
    bool sendKey(quint32 keysym, quint32 state);
    // A key pressed and released while the modifiers (IBus masks) are held,
    // with the presses and releases of the modifier keys themselves.
    bool press(quint32 keysym, quint32 modifiers = 0);

    // The field's text, without the pre-edit.
    QString text() const { return m_text; }
    QString preedit() const { return m_preeditVisible ? m_preedit : QString(); }
    void setText(const QString &text);
    // The user puts the caret elsewhere with the mouse; a field that resets
    // its input method on such moves resets it.
    void moveCaret(int position, bool reset);
    // The field loses the keyboard focus (its window does, for a Qt
    // field) and gets it back.
    void focusOut();
    void focusIn();

    // What the engine did since the client began.
    int commits() const { return m_commits; }
    int deletions() const { return m_deletions; }
    int forwardedKeys() const { return m_forwardedKeys; }

    // The engine's menu as the desktop's panel shows it.
    struct Property
    {
        QByteArray key;
        QString label;
        int type = 0;   // IBusPropType
        bool checked = false;
        bool sensitive = true;
        QVector<Property> children;
    };
    QVector<Property> properties() const { return m_properties; }
    // The user chooses the entry; checked is the state the panel asks for.
    void activateProperty(const QByteArray &key, bool checked);
    // Waits until the menu fulfils the condition.
    template<typename Condition>
    bool waitForProperties(Condition condition, int timeoutMs = 10000);

private:
    struct Signals;
    void insert(const QString &text);
    void remove(int offset, int characters);
    void applyForwardedKey(quint32 keysym, quint32 state);
    void commitOwnPreedit();
    bool waitUntil(const std::function<bool()> &condition, int timeoutMs);

    IBusInputContext *m_context = nullptr;
    Kind m_kind = PlainClient;
    QString m_text;
    QString m_preedit;
    bool m_preeditVisible = false;
    int m_caret = 0; // in UTF-16 code units
    int m_commits = 0;
    int m_deletions = 0;
    int m_forwardedKeys = 0;
    QVector<Property> m_properties;
};

template<typename Condition>
bool IBusTestClient::waitForProperties(Condition condition, int timeoutMs)
{
    return waitUntil([&] { return condition(m_properties); }, timeoutMs);
}

#endif
