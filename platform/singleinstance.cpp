#include "platform/singleinstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

namespace Platform {

namespace {

// The answer of a copy that received a message.
constexpr char receivedAnswer = 'A';
// How long a starting copy may take to listen between two connection tries.
constexpr int retryInterval = 50;

} // namespace

SingleInstance::SingleInstance(QObject *parent)
    : SingleInstance(identityOf(QCoreApplication::applicationFilePath()), parent)
{
}

SingleInstance::SingleInstance(const QString &identity, QObject *parent)
    : QObject(parent)
    , m_serverName(serverNameOf(identity))
{
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
    delete m_lock;
}

QString SingleInstance::identityOf(const QString &programPath)
{
    const QFileInfo info(programPath);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

QString SingleInstance::serverNameOf(const QString &identity)
{
    // The user's runtime folder holds the socket and the lock: each user
    // has copies of its own, and nobody else can reach them.
    const QByteArray hash = QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Sha1);
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(QStringLiteral("yavo-") + QString::fromLatin1(hash.toHex().left(20)));
}

bool SingleInstance::isRunning()
{
    if (!m_checked) {
        m_checked = true;
        claim();
    }
    return m_running;
}

void SingleInstance::claim()
{
    m_lock = new QLockFile(m_serverName + QStringLiteral(".lock"));
    // A lock is stale only when its process is gone, however old it is.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0) && m_lock->error() == QLockFile::LockFailedError) {
        m_running = true;
        return;
    }
    // This copy runs. A socket left by a copy that died is in the way.
    QLocalServer::removeServer(m_serverName);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    if (!m_server->listen(m_serverName))
        qWarning("SingleInstance: cannot listen on %s: %s", qPrintable(m_serverName),
                 qPrintable(m_server->errorString()));
}

bool SingleInstance::sendMessage(const QString &message, int timeout)
{
    QDeadlineTimer deadline(timeout);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(int(qMax<qint64>(0, deadline.remainingTime()))))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(quint64(qMin<qint64>(retryInterval, deadline.remainingTime())));
        if (deadline.hasExpired())
            return false;
    }
    QByteArray packet;
    QDataStream out(&packet, QIODevice::WriteOnly);
    out << message;
    socket.write(packet);
    if (!socket.waitForBytesWritten(int(qMax<qint64>(0, deadline.remainingTime()))))
        return false;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(int(qMax<qint64>(0, deadline.remainingTime()))))
            return false;
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == receivedAnswer;
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
        readMessage(socket);
    }
}

void SingleInstance::readMessage(QLocalSocket *socket)
{
    QDataStream in(socket);
    in.startTransaction();
    QString message;
    in >> message;
    if (!in.commitTransaction())
        return; // the rest is still on its way
    socket->putChar(receivedAnswer);
    socket->flush();
    socket->disconnectFromServer();
    emit messageReceived(message);
}

} // namespace Platform
