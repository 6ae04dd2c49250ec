#ifndef YAVO_VIRTUALDESKTOP_H
#define YAVO_VIRTUALDESKTOP_H

#include <QProcess>
#include <QString>
#include <QStringList>

// A desktop of the calling test alone: an X server on a display it picks
// itself (Xvfb -displayfd, so that parallel runs never collide), a session
// bus and a window manager (openbox). Programs started with environment()
// run on it; keys typed with type() and key() are real X events (XTest).
class VirtualDesktop
{
public:
    VirtualDesktop() = default;
    ~VirtualDesktop();

    VirtualDesktop(const VirtualDesktop &) = delete;
    VirtualDesktop &operator=(const VirtualDesktop &) = delete;

    // The programs it needs, or an empty list.
    static QStringList missingPrograms();

    // False when a part does not come up; errorString() says which.
    bool start();
    QString errorString() const { return m_error; }

    QString display() const { return m_display; }
    QString sessionBusAddress() const { return m_sessionBus; }
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

private:
    bool xdotool(const QStringList &arguments);
    static void stop(QProcess &process);

    QProcess m_server;
    QProcess m_sessionBusDaemon;
    QProcess m_windowManager;
    QString m_display;
    QString m_sessionBus;
    QString m_error;
};

#endif
