#ifndef YAVO_SINGLEINSTANCE_H
#define YAVO_SINGLEINSTANCE_H

#include <QList>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;
class QLockFile;

namespace Platform {

// Keeps one copy of a program running per user and identity: the first
// copy takes a lock file and listens on a local socket; a later copy finds
// the lock taken and hands its message to the first over that socket.
// The default identity is the program file's path, so two installations in
// different folders run side by side.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(QObject *parent = nullptr);
    explicit SingleInstance(const QString &identity, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The identity of a program file (its canonical path, when it exists).
    static QString identityOf(const QString &programPath);
    // The local socket of an identity for the current user: a path in the
    // user's runtime folder.
    static QString serverNameOf(const QString &identity);
    QString serverName() const { return m_serverName; }

    // True when another process holds the identity. The first call of a
    // process that finds it free takes it and starts listening.
    bool isRunning();

    // Hands the message to the running copy, waiting at most timeout ms
    // (the copy may still be starting); true once that copy received it.
    bool sendMessage(const QString &message, int timeout);

Q_SIGNALS:
    void messageReceived(const QString &message);

private Q_SLOTS:
    void onNewConnection();

private:
    void claim();
    void readMessage(QLocalSocket *socket);
    void drop(QLocalSocket *socket);

    QString m_serverName;
    QLockFile *m_lock = nullptr;
    QLocalServer *m_server = nullptr;
    bool m_checked = false;
    bool m_running = false;
    // The connections being served, oldest first.
    QList<QLocalSocket *> m_connections;
};

} // namespace Platform

#endif
