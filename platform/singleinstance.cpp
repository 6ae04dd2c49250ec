#include "platform/singleinstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QtEndian>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QVariant>

namespace Platform {

namespace {

// The answer of a copy that received a message.
constexpr char receivedAnswer = 'A';
// How long a starting copy may take to listen between two connection tries.
constexpr int retryInterval = 50;
// What a message may hold, in bytes: the copies tell each other a few words.
constexpr quint32 maxMessageBytes = 4096;
// A message is a string as a data stream writes it: its length in bytes,
// big-endian (all ones for a null string), then its UTF-16 code units.
constexpr int lengthBytes = 4;
constexpr quint32 nullStringLength = 0xFFFFFFFF;
// A later copy writes its message as soon as it is connected; a connection
// that has not delivered one by then is idle or hostile.
constexpr int connectionDeadline = 3000;
// Connections served at once. Every one holds a descriptor, and only a
// starting copy has any business here.
constexpr int maxConnections = 8;
// Where a connection keeps the length of its message once it has read it.
constexpr char messageLengthProperty[] = "yavoMessageLength";

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
    m_server->setMaxPendingConnections(maxConnections);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    if (!m_server->listen(m_serverName))
        qWarning("SingleInstance: cannot listen on %s: %s", qPrintable(m_serverName),
                 qPrintable(m_server->errorString()));
}

bool SingleInstance::sendMessage(const QString &message, int timeout)
{
    if (quint32(message.size()) * 2 > maxMessageBytes)
        return false;
    QByteArray packet;
    QDataStream out(&packet, QIODevice::WriteOnly);
    out << message;
    const QDeadlineTimer deadline(timeout);
    const auto remaining = [&deadline] { return int(qMax<qint64>(0, deadline.remainingTime())); };
    for (;;) {
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(remaining())) {
            socket.write(packet);
            socket.waitForBytesWritten(remaining());
            while (socket.bytesAvailable() < 1 && socket.waitForReadyRead(remaining())) {
            }
            char answer = 0;
            if (socket.getChar(&answer))
                return answer == receivedAnswer;
            // Closed unheard: the running copy was busy with other
            // connections (it lets idle ones go after a few seconds).
        }
        if (deadline.hasExpired())
            return false;
        QThread::msleep(quint64(qMin(retryInterval, remaining())));
        if (deadline.hasExpired())
            return false;
    }
}

void SingleInstance::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        // A starting copy writes its message as soon as it is connected, so
        // the newest connection is the one most likely to be one: the
        // oldest makes room for it.
        if (m_connections.size() >= maxConnections)
            drop(m_connections.constFirst());
        m_connections.append(socket);
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] { drop(socket); });
        // Whatever a sender writes beyond a message is never read.
        socket->setReadBufferSize(lengthBytes + maxMessageBytes + 1);
        // The deadline goes with its connection: thousands of connections
        // opened and closed leave no timers behind.
        auto *deadline = new QTimer(socket);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, this, [this, socket] { drop(socket); });
        deadline->start(connectionDeadline);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
        readMessage(socket);
    }
}

void SingleInstance::drop(QLocalSocket *socket)
{
    if (!m_connections.removeOne(socket))
        return; // dropped already
    disconnect(socket, nullptr, this, nullptr);
    socket->abort();
    socket->deleteLater();
}

// Called at every arrival of bytes: once the length is read, only the count
// of bytes is looked at until the whole message is there, so a slow sender
// costs no more than a fast one.
void SingleInstance::readMessage(QLocalSocket *socket)
{
    QVariant expected = socket->property(messageLengthProperty);
    if (!expected.isValid()) {
        if (socket->bytesAvailable() < lengthBytes)
            return;
        uchar header[lengthBytes];
        socket->read(reinterpret_cast<char *>(header), lengthBytes);
        const quint32 length = qFromBigEndian<quint32>(header);
        if (length != nullStringLength && (length > maxMessageBytes || length % 2 != 0)) {
            drop(socket);
            return;
        }
        expected = length;
        socket->setProperty(messageLengthProperty, expected);
    }
    const quint32 length = expected.toUInt();
    const qint64 size = length == nullStringLength ? 0 : qint64(length);
    if (socket->bytesAvailable() > size) {
        drop(socket);
        return;
    }
    if (socket->bytesAvailable() < size)
        return; // the rest is still on its way
    const QByteArray bytes = socket->read(size);
    QString message;
    if (length != nullStringLength) {
        message.resize(int(size / 2));
        qFromBigEndian<quint16>(bytes.constData(), message.size(), message.data());
    }
    socket->putChar(receivedAnswer);
    socket->flush();
    socket->disconnectFromServer();
    emit messageReceived(message);
}

} // namespace Platform
