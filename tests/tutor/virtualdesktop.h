#ifndef YAVO_VIRTUALDESKTOP_H
#define YAVO_VIRTUALDESKTOP_H

#include <QString>

#include <sys/types.h>

// An X desktop of the calling process alone: a virtual X server (Xvfb) on a
// display number it picks itself, so that parallel runs never collide, and
// optionally the openbox window manager on it. Start it before the
// application object exists: it points DISPLAY at the new server. Both
// programs end with the object.
class VirtualDesktop
{
public:
    VirtualDesktop() = default;
    ~VirtualDesktop();

    VirtualDesktop(const VirtualDesktop &) = delete;
    VirtualDesktop &operator=(const VirtualDesktop &) = delete;

    // False when the server or the window manager does not come up;
    // errorString() says why.
    bool start(bool withWindowManager);
    QString errorString() const { return m_error; }

private:
    bool startServer();
    bool startWindowManager();

    pid_t m_server = 0;
    pid_t m_windowManager = 0;
    QString m_error;
};

#endif
