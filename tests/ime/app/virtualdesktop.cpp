#include "virtualdesktop.h"

#include "processline.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr int startMsecs = 20000;

} // namespace

VirtualDesktop::~VirtualDesktop()
{
    stop(m_windowManager);
    stop(m_sessionBusDaemon);
    stop(m_server);
}

QStringList VirtualDesktop::missingPrograms()
{
    QStringList missing;
    for (const QString &program : {QStringLiteral("Xvfb"), QStringLiteral("dbus-daemon"), QStringLiteral("openbox"),
                                   QStringLiteral("xdotool")}) {
        if (QStandardPaths::findExecutable(program).isEmpty())
            missing.append(program);
    }
    return missing;
}

bool VirtualDesktop::start()
{
    m_server.setProcessChannelMode(QProcess::SeparateChannels);
    m_server.setStandardErrorFile(QProcess::nullDevice());
    m_server.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                           QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                                           QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    const QString number = readProcessLine(m_server, startMsecs);
    if (number.isEmpty()) {
        m_error = QStringLiteral("Xvfb did not start");
        return false;
    }
    m_display = QLatin1Char(':') + number;

    m_sessionBusDaemon.setStandardErrorFile(QProcess::nullDevice());
    m_sessionBusDaemon.start(QStringLiteral("dbus-daemon"),
                             {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    m_sessionBus = readProcessLine(m_sessionBusDaemon, startMsecs);
    if (m_sessionBus.isEmpty()) {
        m_error = QStringLiteral("dbus-daemon did not start");
        return false;
    }

    // Openbox runs its start-up command once it manages the screen.
    const QString ready = QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                              .filePath(QStringLiteral("yavo-openbox-ready-%1").arg(number));
    QFile::remove(ready);
    m_windowManager.setProcessEnvironment(environment());
    m_windowManager.setStandardOutputFile(QProcess::nullDevice());
    m_windowManager.setStandardErrorFile(QProcess::nullDevice());
    m_windowManager.start(QStringLiteral("openbox"), {QStringLiteral("--startup"), QStringLiteral("touch ") + ready});
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(ready)) {
        if (m_windowManager.state() == QProcess::NotRunning || timer.elapsed() > startMsecs) {
            m_error = QStringLiteral("openbox did not start");
            return false;
        }
        QThread::msleep(20);
    }
    QFile::remove(ready);
    return true;
}

QProcessEnvironment VirtualDesktop::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
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

bool VirtualDesktop::xdotool(const QStringList &arguments)
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral("xdotool"), arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

void VirtualDesktop::stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}
