#include "ime/app/singleapplication.h"

#include "platform/singleinstance.h"

#include <QWidget>

using Platform::SingleInstance;

SingleApplication::SingleApplication(int &argc, char **argv, bool guiEnabled)
    : QApplication(argc, argv, guiEnabled)
    , m_instance(new SingleInstance(this))
{
    connect(m_instance, &SingleInstance::messageReceived, this, &SingleApplication::messageReceived);
}

SingleApplication::SingleApplication(const QString &id, int &argc, char **argv)
    : QApplication(argc, argv)
    , m_instance(new SingleInstance(id, this))
{
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
