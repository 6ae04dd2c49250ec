#include "virtualdesktop.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QVector>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int StartTimeoutMs = 20000;
constexpr int StopTimeoutMs = 5000;

QVector<char *> pointers(QList<QByteArray> &strings)
{
    QVector<char *> result;
    for (QByteArray &string : strings)
        result << string.data();
    result << nullptr;
    return result;
}

// Runs a program in the environment with its output thrown away; keepFd
// stays open in it. Everything the child needs is made before the fork, as
// the calling process may have threads.
pid_t spawn(QList<QByteArray> arguments, const QProcessEnvironment &environment, int keepFd = -1)
{
    QList<QByteArray> variables;
    for (const QString &variable : environment.toStringList())
        variables << variable.toLocal8Bit();
    const QVector<char *> argv = pointers(arguments);
    const QVector<char *> envp = pointers(variables);

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
    execvpe(argv[0], argv.data(), envp.data());
    _exit(127);
}

// Runs a program that writes one line into the descriptor it is told in its
// arguments ("%fd" there stands for it) once it is ready; line is that line,
// empty when the program ends or says nothing in time.
pid_t spawnReporting(QList<QByteArray> arguments, const QProcessEnvironment &environment, QByteArray *line)
{
    int fds[2];
    if (pipe(fds) != 0)
        return 0;
    for (QByteArray &argument : arguments)
        argument.replace("%fd", QByteArray::number(fds[1]));
    const pid_t pid = spawn(arguments, environment, fds[1]);
    close(fds[1]);
    const QDeadlineTimer deadline(StartTimeoutMs);
    pollfd reader{fds[0], POLLIN, 0};
    char c = 0;
    while (poll(&reader, 1, deadline.remainingTime()) > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
        *line += c;
    close(fds[0]);
    return pid;
}

void stop(pid_t &pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    const QDeadlineTimer deadline(StopTimeoutMs);
    while (waitpid(pid, nullptr, WNOHANG) == 0) {
        if (deadline.hasExpired()) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            break;
        }
        QThread::msleep(10);
    }
    pid = 0;
}

} // namespace

VirtualDesktop::~VirtualDesktop()
{
    stop(m_windowManager);
    stop(m_sessionBusDaemon);
    stop(m_server);
}

QStringList VirtualDesktop::missingPrograms(Parts parts)
{
    QStringList programs{QStringLiteral("Xvfb")};
    if (parts & SessionBus)
        programs << QStringLiteral("dbus-daemon");
    if (parts & WindowManager)
        programs << QStringLiteral("openbox");
    QStringList missing;
    for (const QString &program : programs) {
        if (QStandardPaths::findExecutable(program).isEmpty())
            missing << program;
    }
    return missing;
}

bool VirtualDesktop::start(Parts parts)
{
    // The window manager talks to the session bus when there is one.
    return startServer() && (!(parts & SessionBus) || startSessionBus())
        && (!(parts & WindowManager) || startWindowManager());
}

bool VirtualDesktop::startServer()
{
    QByteArray number;
    m_server = spawnReporting({"Xvfb", "-displayfd", "%fd", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"},
                              environment(), &number);
    if (number.isEmpty()) {
        m_error = QStringLiteral("Xvfb did not start (is it installed?)");
        return false;
    }
    m_display = QLatin1Char(':') + QString::fromLatin1(number);
    return true;
}

bool VirtualDesktop::startSessionBus()
{
    QByteArray address;
    m_sessionBusDaemon = spawnReporting({"dbus-daemon", "--session", "--nofork", "--print-address=%fd"},
                                        environment(), &address);
    if (address.isEmpty()) {
        m_error = QStringLiteral("dbus-daemon did not start (is it installed?)");
        return false;
    }
    m_sessionBus = QString::fromLocal8Bit(address);
    return true;
}

bool VirtualDesktop::startWindowManager()
{
    // Openbox runs its start-up command once it manages the screen.
    QTemporaryDir folder;
    const QString ready = folder.filePath(QStringLiteral("ready"));
    m_windowManager = spawn({"openbox", "--sm-disable", "--startup", "touch '" + QFile::encodeName(ready) + '\''},
                            environment());
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

void VirtualDesktop::useDisplay() const
{
    qputenv("DISPLAY", m_display.toLocal8Bit());
}

QProcessEnvironment VirtualDesktop::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    if (!m_sessionBus.isEmpty())
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_sessionBus);
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    // No accessibility bus of its own for every program.
    environment.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
    environment.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("memory"));
    return environment;
}

bool VirtualDesktop::activate(const QString &window)
{
    return xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
}

bool VirtualDesktop::type(const QString &text, int delayMsecs)
{
    return xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QString::number(delayMsecs), QStringLiteral("--"), text});
}

bool VirtualDesktop::key(const QString &combination)
{
    return xdotool({QStringLiteral("key"), combination});
}

bool VirtualDesktop::move(const QString &window, int x, int y)
{
    return xdotool({QStringLiteral("windowmove"), QStringLiteral("--sync"), window, QString::number(x), QString::number(y)});
}

bool VirtualDesktop::click(const QString &window, int x, int y)
{
    return xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QStringLiteral("--sync"),
                    QString::number(x), QString::number(y), QStringLiteral("click"), QStringLiteral("1")});
}

bool VirtualDesktop::xdotool(const QStringList &arguments)
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral("xdotool"), arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}
