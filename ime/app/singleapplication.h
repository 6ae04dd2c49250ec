#ifndef YAVO_SINGLEAPPLICATION_H
#define YAVO_SINGLEAPPLICATION_H

#include <QApplication>
#include <QPointer>

namespace Platform {
class SingleInstance;
}

// An application of which one copy runs per user: a later copy finds the
// running one, hands it a message and ends. The identity is the program
// file's path unless one is given.
class SingleApplication : public QApplication
{
    Q_OBJECT

public:
    SingleApplication(int &argc, char **argv, bool guiEnabled = true);
    SingleApplication(const QString &id, int &argc, char **argv);
    ~SingleApplication() override;

    // True when another copy runs; otherwise this copy becomes the one
    // that runs and receives the messages of later copies.
    bool isRunning();
    // Hands the message to the running copy; true once it received it
    // within timeout ms.
    bool sendMessage(const QString &message, int timeout = 5000);

    // Waits at most timeout ms for the running copy to end, and becomes the
    // one that runs; false when the other copy is still there.
    bool waitToRun(int timeout);

    // The window raised and activated when a message arrives, when
    // activateOnMessage is set.
    void setActivationWindow(QWidget *window, bool activateOnMessage = true);
    QWidget *activationWindow() const;

public Q_SLOTS:
    void activateWindow();

Q_SIGNALS:
    void messageReceived(const QString &message);

private:
    Platform::SingleInstance *newInstance();
    void setInstance(Platform::SingleInstance *instance);

    QString m_identity; // empty: the program file's

    Platform::SingleInstance *m_instance = nullptr;
    QPointer<QWidget> m_window;
    bool m_activateOnMessage = false;
};

#endif
