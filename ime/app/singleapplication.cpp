#include "ime/app/singleapplication.h"

#include "platform/singleinstance.h"

#include <QDeadlineTimer>
#include <QThread>
#include <QWidget>

using Platform::SingleInstance;

namespace {

// How often a copy waiting for another to end looks again.
constexpr int waitInterval = 50;

} // namespace

SingleApplication::SingleApplication(int &argc, char **argv, bool guiEnabled)
    : QApplication(argc, argv, guiEnabled)
{
    setInstance(newInstance());
}

SingleApplication::SingleApplication(const QString &id, int &argc, char **argv)
    : QApplication(argc, argv)
    , m_identity(id)
{
    setInstance(newInstance());
}

SingleInstance *SingleApplication::newInstance()
{
    return m_identity.isEmpty() ? new SingleInstance(this) : new SingleInstance(m_identity, this);
}

void SingleApplication::setInstance(SingleInstance *instance)
{
    delete m_instance;
    m_instance = instance;
    connect(m_instance, &SingleInstance::messageReceived, this, &SingleApplication::messageReceived);
}

SingleApplication::~SingleApplication() = default;

bool SingleApplication::isRunning()
{
    return m_instance->isRunning();
}

bool SingleApplication::sendMessage(const QString &message, int timeout)
{
    return isRunning() && m_instance->sendMessage(message, timeout);
}

bool SingleApplication::waitToRun(int timeout)
{
    if (!isRunning())
        return true;
    QDeadlineTimer deadline(timeout);
    for (;;) {
        SingleInstance *instance = newInstance();
        if (!instance->isRunning()) {
            setInstance(instance);
            return true;
        }
        delete instance;
        if (deadline.hasExpired())
            return false;
        // The daemon may ask for the engine meanwhile.
        processEvents();
        QThread::msleep(waitInterval);
    }
}

void SingleApplication::setActivationWindow(QWidget *window, bool activateOnMessage)
{
    if (m_activateOnMessage)
        disconnect(this, &SingleApplication::messageReceived, this, &SingleApplication::activateWindow);
    m_window = window;
    m_activateOnMessage = activateOnMessage;
    if (m_activateOnMessage)
        connect(this, &SingleApplication::messageReceived, this, &SingleApplication::activateWindow);
}

QWidget *SingleApplication::activationWindow() const
{
    return m_window;
}

void SingleApplication::activateWindow()
{
    // A window that is not shown stays hidden: waking the program must not
    // make a window appear that the user never opened.
    if (!m_window || !m_window->isVisible())
        return;
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->raise();
    m_window->activateWindow();
}
