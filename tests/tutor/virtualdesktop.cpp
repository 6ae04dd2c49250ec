#include "virtualdesktop.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int StartTimeoutMs = 10000;

// Runs a program with its output thrown away; keepFd stays open in it.
pid_t spawn(const QList<QByteArray> &arguments, int keepFd = -1)
{
    QList<QByteArray> args = arguments;
    QVector<char *> argv;
    for (QByteArray &argument : args)
        argv << argument.data();
    argv << nullptr;

    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    const int null = open("/dev/null", O_RDWR);
    dup2(null, STDIN_FILENO);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    for (int fd = STDERR_FILENO + 1; fd < 1024; ++fd) {
        if (fd != keepFd)
            close(fd);
    }
    execvp(argv[0], argv.data());
    _exit(127);
}

void stop(pid_t &pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    pid = 0;
}

} // namespace

VirtualDesktop::~VirtualDesktop()
{
    stop(m_windowManager);
    stop(m_server);
}

bool VirtualDesktop::start(bool withWindowManager)
{
    return startServer() && (!withWindowManager || startWindowManager());
}

bool VirtualDesktop::startServer()
{
    // The server writes the display number it chose into the pipe.
    int fds[2];
    if (pipe(fds) != 0) {
        m_error = QStringLiteral("no pipe");
        return false;
    }
    m_server = spawn({"Xvfb", "-displayfd", QByteArray::number(fds[1]), "-screen", "0", "1280x1024x24",
                      "-nolisten", "tcp"},
                     fds[1]);
    close(fds[1]);
    QByteArray display;
    pollfd reader{fds[0], POLLIN, 0};
    char c = 0;
    while (poll(&reader, 1, StartTimeoutMs) > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
        display += c;
    close(fds[0]);
    if (m_server <= 0 || display.isEmpty()) {
        m_error = QStringLiteral("Xvfb did not start (is it installed?)");
        return false;
    }
    qputenv("DISPLAY", ':' + display);
    return true;
}

bool VirtualDesktop::startWindowManager()
{
    // Openbox runs its start-up command once it manages the screen.
    QTemporaryDir folder;
    const QString ready = folder.filePath(QStringLiteral("ready"));
    m_windowManager = spawn({"openbox", "--sm-disable", "--startup", "touch '" + QFile::encodeName(ready) + '\''});
    const QDeadlineTimer deadline(StartTimeoutMs);
    while (!QFile::exists(ready) && !deadline.hasExpired()) {
        if (waitpid(m_windowManager, nullptr, WNOHANG) != 0) {
            m_windowManager = 0;
            break;
        }
        QThread::msleep(20);
    }
    if (!QFile::exists(ready)) {
        m_error = QStringLiteral("openbox did not start (is it installed?)");
        return false;
    }
    return true;
}
