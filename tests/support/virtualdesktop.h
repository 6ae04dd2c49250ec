#ifndef YAVO_VIRTUALDESKTOP_H
#define YAVO_VIRTUALDESKTOP_H

#include <QFlags>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <sys/types.h>

// An X desktop of the calling test alone: a virtual X server (Xvfb) on a
// display it picks itself (-displayfd, so that parallel runs never collide),
// and on request a window manager (openbox) and a session bus of its own.
// It starts and stops its programs without Qt's process machinery, so it
// may come up before the application object exists (see useDisplay()).
// Programs started with environment() run on it; keys typed with type() and
// key() are real X events (XTest, through xdotool). Everything it started
// ends with the object.
class VirtualDesktop
{
public:
    enum Part {
        Server = 0x0,
        WindowManager = 0x1,
        SessionBus = 0x2,
    };
    Q_DECLARE_FLAGS(Parts, Part)

    VirtualDesktop() = default;
    ~VirtualDesktop();

    VirtualDesktop(const VirtualDesktop &) = delete;
    VirtualDesktop &operator=(const VirtualDesktop &) = delete;

    // The programs these parts need that are not installed, or an empty list.
    static QStringList missingPrograms(Parts parts);

    // False when a part does not come up; errorString() says which.
    bool start(Parts parts);
    QString errorString() const { return m_error; }

    QString display() const { return m_display; }
    QString sessionBusAddress() const { return m_sessionBus; }
    // Points the calling process's DISPLAY at the desktop; before the
    // application object exists, the application then shows on it.
    void useDisplay() const;
    // The calling process's environment, with the desktop's display and
    // session bus, and Qt programs drawn on the display.
    QProcessEnvironment environment() const;

    // Brings the window to the front with the keyboard focus.
    bool activate(const QString &window);
    // Types the text, one key after the other, with the delay between
    // two keys; '\r' is Enter and '\b' Backspace.
    bool type(const QString &text, int delayMsecs);
    // Presses a key combination such as "ctrl+F11".
    bool key(const QString &combination);
    // Puts the window's top left corner at the point of the screen.
    bool move(const QString &window, int x, int y);
    // Clicks the left mouse button at the point of the window, as a user
    // does who turns to that window.
    bool click(const QString &window, int x, int y);

private:
    bool startServer();
    bool startSessionBus();
    bool startWindowManager();
    bool xdotool(const QStringList &arguments);

    pid_t m_server = 0;
    pid_t m_sessionBusDaemon = 0;
    pid_t m_windowManager = 0;
    QString m_display;
    QString m_sessionBus;
    QString m_error;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(VirtualDesktop::Parts)

#endif
