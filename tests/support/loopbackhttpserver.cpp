#include "loopbackhttpserver.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHostAddress>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QUrl>

#include <utility>

namespace {

QByteArray routeKey(const QByteArray &method, const QString &path)
{
    return method + ' ' + path.toUtf8();
}

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return QByteArrayLiteral("OK");
    case 301: return QByteArrayLiteral("Moved Permanently");
    case 302: return QByteArrayLiteral("Found");
    case 304: return QByteArrayLiteral("Not Modified");
    case 404: return QByteArrayLiteral("Not Found");
    case 500: return QByteArrayLiteral("Internal Server Error");
    default: return QByteArrayLiteral("Status");
    }
}

} // namespace

LoopbackHttpServer::LoopbackHttpServer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackHttpServer::onNewConnection);
    if (!m_server.listen(QHostAddress::LocalHost))
        qWarning("LoopbackHttpServer: %s", qPrintable(m_server.errorString()));
    m_savedProxy = QNetworkProxy::applicationProxy();
    QNetworkProxy::setApplicationProxy(
            QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), port()));
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    // Connections still open go while the buffers they remove themselves
    // from exist.
    qDeleteAll(m_server.findChildren<QTcpSocket *>());
    QNetworkProxy::setApplicationProxy(m_savedProxy);
}

void LoopbackHttpServer::serve(const QString &path, const Response &response, const QByteArray &method)
{
    m_routes.insert(routeKey(method, path), response);
}

QList<QByteArray> LoopbackHttpServer::requestLines() const
{
    QList<QByteArray> lines;
    for (const Request &request : m_requests)
        lines << request.requestLine;
    return lines;
}

void LoopbackHttpServer::release()
{
    const auto held = std::exchange(m_held, {});
    for (const auto &entry : held) {
        if (entry.first)
            respond(entry.first, entry.second);
    }
}

bool LoopbackHttpServer::waitForRequests(int n, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (m_requests.size() < n && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return m_requests.size() >= n;
}

void LoopbackHttpServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this, socket] { m_buffers.remove(socket); });
    }
}

void LoopbackHttpServer::onReadyRead(QTcpSocket *socket)
{
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    Request request;
    if (!parse(buffer, request))
        return;
    m_requests << request;
    const Response response = m_routes.value(routeKey(request.method, request.path),
                                             Response{404, {}, QByteArrayLiteral("not here"), false});
    if (response.held)
        m_held << qMakePair(QPointer<QTcpSocket>(socket), response);
    else
        respond(socket, response);
    emit requestReceived();
}

// One whole request (head and, by Content-Length, body) is taken from the
// front of the buffer; false while it has not all arrived.
bool LoopbackHttpServer::parse(QByteArray &buffer, Request &request) const
{
    const int headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return false;
    const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
    request.requestLine = lines.value(0).trimmed();
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines.at(i).indexOf(':');
        if (colon > 0)
            request.headers.insert(lines.at(i).left(colon).trimmed().toLower(),
                                   lines.at(i).mid(colon + 1).trimmed());
    }
    const int length = request.headers.value("content-length").toInt();
    if (buffer.size() < headEnd + 4 + length)
        return false;
    request.body = buffer.mid(headEnd + 4, length);
    buffer.remove(0, headEnd + 4 + length);

    const QList<QByteArray> parts = request.requestLine.split(' ');
    request.method = parts.value(0);
    request.path = QUrl::fromEncoded(parts.value(1)).path();
    return true;
}

void LoopbackHttpServer::respond(QTcpSocket *socket, const Response &response)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' '
            + reasonPhrase(response.status) + "\r\n";
    for (const auto &header : response.headers)
        head += header.first + ": " + header.second + "\r\n";
    head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head + response.body);
    socket->disconnectFromHost();
}
