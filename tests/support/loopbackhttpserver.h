#ifndef YAVO_LOOPBACKHTTPSERVER_H
#define YAVO_LOOPBACKHTTPSERVER_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMetaType>
#include <QNetworkProxy>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

// A tiny HTTP/1.1 server on 127.0.0.1 for the network clients' tests: it
// answers from a table of canned responses and records every request exactly
// as it arrived. While it lives it is also the application's HTTP proxy, so
// a client asking for "http://kn.wiktionary.test/..." reaches it without any
// name being resolved, and its request line carries the whole address:
//
//     LoopbackHttpServer server;
//     server.serve(QStringLiteral("/wiki/x"), {200, {}, "<p>x</p>"});
//     ... client.search("x") ...
//     QCOMPARE(server.requests().first().requestLine,
//              QByteArray("GET http://kn.wiktionary.test/wiki/x?action=render HTTP/1.1"));
//
// Each response closes its connection. A path without an entry answers 404.
class LoopbackHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Response
    {
        int status = 200;
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;
        // Kept back until release(): the request arrives, the answer waits.
        bool held = false;
    };

    struct Request
    {
        QByteArray requestLine;   // "GET http://host/path?query HTTP/1.1"
        QByteArray method;
        QString path;             // decoded path of the address
        QHash<QByteArray, QByteArray> headers;   // names in lower case
        QByteArray body;
    };

    explicit LoopbackHttpServer(QObject *parent = nullptr);
    ~LoopbackHttpServer() override;

    bool isListening() const { return m_server.isListening(); }
    quint16 port() const { return m_server.serverPort(); }

    // The response to requests with this method for this decoded path (the
    // query is not looked at).
    void serve(const QString &path, const Response &response,
               const QByteArray &method = QByteArrayLiteral("GET"));

    QList<Request> requests() const { return m_requests; }
    QList<QByteArray> requestLines() const;

    // Sends every response held so far.
    void release();

    // Processes events until the count of requests reaches n.
    bool waitForRequests(int n, int timeoutMs = 5000);

Q_SIGNALS:
    void requestReceived();

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);
    bool parse(QByteArray &buffer, Request &request) const;
    void respond(QTcpSocket *socket, const Response &response);

    QTcpServer m_server;
    QNetworkProxy m_savedProxy;
    QHash<QByteArray, Response> m_routes;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QList<Request> m_requests;
    QList<QPair<QPointer<QTcpSocket>, Response>> m_held;
};

Q_DECLARE_METATYPE(LoopbackHttpServer::Response)

#endif
