#include "platform/singleinstance.h"

#include "testmain.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QSysInfo>
#include <QtEndian>
#include <QtCore/private/qhooks_p.h>

#include <algorithm>
#include <atomic>
#include <future>
#include <memory>
#include <vector>

using Platform::SingleInstance;

namespace {

// A later copy, in a thread of its own as it would be in a process of its
// own: its wait must not hold up the running copy's event loop.
std::future<bool> sendFromAnotherCopy(const QString &identity, const QString &message, int timeout)
{
    return std::async(std::launch::async, [=] {
        SingleInstance later(identity);
        return later.isRunning() && later.sendMessage(message, timeout);
    });
}

// The UTF-16 code units of a text, big-endian, as a data stream writes them.
QByteArray utf16(const QString &text)
{
    QByteArray units(text.size() * 2, '\0');
    qToBigEndian<quint16>(text.utf16(), text.size(), units.data());
    return units;
}

// A string as the copies send it: a length in bytes, big-endian, then code
// units (which a hostile sender need not make agree with the length).
QByteArray packet(quint32 length, const QByteArray &units)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(length, bytes.data());
    return bytes + units;
}

// A raw connection to a running copy, as any process of the user could make.
std::unique_ptr<QLocalSocket> connectTo(const SingleInstance &running)
{
    auto socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(running.serverName());
    return socket->waitForConnected(5000) ? std::move(socket) : nullptr;
}

// Whether a later copy's message reaches the running copy, whose signal
// `received` records, and the later copy hears that it did.
bool laterCopyIsHeard(QSignalSpy &received)
{
    const int before = received.count();
    std::future<bool> sent = sendFromAnotherCopy(QStringLiteral("/opt/yavo/YavoIME"), QStringLiteral("Wake up!"), 5000);
    return QTest::qWaitFor([&] { return received.count() > before; })
        && QTest::qWaitFor([&] { return sent.wait_for(std::chrono::seconds(0)) == std::future_status::ready; })
        && sent.get() && received.count() == before + 1;
}

// Counts the objects of the process that live: what a connection leaves
// behind after it is gone shows up here, parent or none.
class LiveObjects
{
public:
    LiveObjects()
    {
        s_count = 0;
        m_added = qtHookData[QHooks::AddQObject];
        m_removed = qtHookData[QHooks::RemoveQObject];
        qtHookData[QHooks::AddQObject] = reinterpret_cast<quintptr>(&added);
        qtHookData[QHooks::RemoveQObject] = reinterpret_cast<quintptr>(&removed);
    }
    ~LiveObjects()
    {
        qtHookData[QHooks::AddQObject] = m_added;
        qtHookData[QHooks::RemoveQObject] = m_removed;
    }
    LiveObjects(const LiveObjects &) = delete;
    LiveObjects &operator=(const LiveObjects &) = delete;

    // Created less destroyed since this counter began.
    int count() const { return s_count; }

private:
    static void added(QObject *) { ++s_count; }
    static void removed(QObject *) { --s_count; }

    static std::atomic<int> s_count;
    quintptr m_added;
    quintptr m_removed;
};

std::atomic<int> LiveObjects::s_count{0};

// A process of the user that connects and closes at once, again and again.
void connectAndClose(const SingleInstance &running, int times)
{
    for (int i = 0; i < times; ++i) {
        QLocalSocket socket;
        socket.connectToServer(running.serverName());
        socket.waitForConnected(5000);
        socket.abort();
        QCoreApplication::processEvents();
    }
}

int connectionsServed(const SingleInstance &running)
{
    return running.findChildren<QLocalSocket *>().size();
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void firstCopyRuns();
    void messageReachesTheRunningCopy_data();
    void messageReachesTheRunningCopy();
    void noRunningCopyGetsNoMessage();
    void hostileSenderIsClosed_data();
    void hostileSenderIsClosed();
    void slowSenderIsHeard();
    void connectionsAreBounded();
    void connectionFloodLeavesNothingBehind();
    void heldConnectionsLeaveRoomForACopy();
    void onlyTheUserReachesTheSocket();
    void identityFollowsTheProgramPath();
};

void TestSingleInstance::firstCopyRuns()
{
    SingleInstance first(QStringLiteral("/opt/yavo/YavoIME"));
    QVERIFY(!first.isRunning());
    QVERIFY(!first.isRunning());
    SingleInstance second(QStringLiteral("/opt/yavo/YavoIME"));
    QVERIFY(second.isRunning());
    // Another installation is another program.
    SingleInstance elsewhere(QStringLiteral("/home/user/yavo/YavoIME"));
    QVERIFY(!elsewhere.isRunning());
}

void TestSingleInstance::messageReachesTheRunningCopy_data()
{
    QTest::addColumn<QString>("message");
    QTest::newRow("wake up") << "Wake up!";
    QTest::newRow("empty") << "";
    QTest::newRow("as long as a message may be, with line feeds") << QString(QStringLiteral("line\n")).repeated(409) + "end";
}

void TestSingleInstance::messageReachesTheRunningCopy()
{
    QFETCH(QString, message);

    const QString identity = QStringLiteral("/opt/yavo/YavoIME");
    SingleInstance running(identity);
    QVERIFY(!running.isRunning());
    QSignalSpy received(&running, &SingleInstance::messageReceived);

    std::future<bool> sent = sendFromAnotherCopy(identity, message, 5000);
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(received.first().first().toString(), message);
    QTRY_VERIFY(sent.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
    QVERIFY(sent.get());
    QCOMPARE(received.count(), 1);
}

void TestSingleInstance::hostileSenderIsClosed_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // Whether the copy can tell at once; otherwise it waits a few seconds.
    QTest::addColumn<bool>("atOnce");

    QTest::newRow("length of four gigabytes") << packet(0xFFFFFFFE, utf16("ab")) << true;
    QTest::newRow("length beyond a message") << packet(4098, QByteArray(4098, 'a')) << true;
    QTest::newRow("odd length") << packet(3, QByteArray("abc")) << true;
    QTest::newRow("more than the message") << packet(2, utf16("a") + "trailing") << true;
    QTest::newRow("nothing, idle") << QByteArray() << false;
    QTest::newRow("part of a length") << QByteArray(2, '\0') << false;
    QTest::newRow("part of a message") << packet(10, utf16("ab")) << false;
}

// Whatever another process writes into the socket, the running copy closes
// the connection without a message, and soon: no descriptor is held for a
// sender that never finishes.
void TestSingleInstance::hostileSenderIsClosed()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, atOnce);

    SingleInstance running(QStringLiteral("/opt/yavo/YavoIME"));
    QVERIFY(!running.isRunning());
    QSignalSpy received(&running, &SingleInstance::messageReceived);
    std::unique_ptr<QLocalSocket> socket = connectTo(running);
    QVERIFY(socket);
    QElapsedTimer clock;
    clock.start();
    socket->write(bytes);
    socket->flush();
    QTRY_VERIFY_WITH_TIMEOUT(socket->state() == QLocalSocket::UnconnectedState, 10000);
    if (atOnce)
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(socket->bytesAvailable(), qint64(0));
    QCOMPARE(received.count(), 0);

    // The copy still hears a later copy.
    QVERIFY(laterCopyIsHeard(received));
}

void TestSingleInstance::slowSenderIsHeard()
{
    SingleInstance running(QStringLiteral("/opt/yavo/YavoIME"));
    QVERIFY(!running.isRunning());
    QSignalSpy received(&running, &SingleInstance::messageReceived);
    std::unique_ptr<QLocalSocket> socket = connectTo(running);
    QVERIFY(socket);
    const QByteArray bytes = packet(16, utf16("Wake up!"));
    for (char byte : bytes) {
        socket->write(&byte, 1);
        socket->flush();
        QTest::qWait(5);
    }
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(received.first().first().toString(), QStringLiteral("Wake up!"));
    QTRY_VERIFY(socket->bytesAvailable() > 0);
    QCOMPARE(socket->read(1), QByteArray("A"));
}

// Connections beyond a few are closed as they come, and the ones held are
// let go after a few seconds; then a later copy is heard again.
void TestSingleInstance::connectionsAreBounded()
{
    SingleInstance running(QStringLiteral("/opt/yavo/YavoIME"));
    QVERIFY(!running.isRunning());
    QSignalSpy received(&running, &SingleInstance::messageReceived);
    std::vector<std::unique_ptr<QLocalSocket>> sockets;
    for (int i = 0; i < 40; ++i) {
        sockets.push_back(std::make_unique<QLocalSocket>());
        sockets.back()->connectToServer(running.serverName());
    }
    const auto open = [&sockets] {
        QCoreApplication::processEvents();
        return std::count_if(sockets.begin(), sockets.end(), [](const std::unique_ptr<QLocalSocket> &socket) {
            return socket->state() != QLocalSocket::UnconnectedState;
        });
    };
    QTRY_VERIFY2(open() <= 8, qPrintable(QString::number(open())));
    QTRY_COMPARE_WITH_TIMEOUT(open(), 0L, 10000);
    QCOMPARE(received.count(), 0);
    QVERIFY(laterCopyIsHeard(received));
}

// Connections opened and closed as fast as a process can: once the copy
// has let them go, nothing of them is left (no timer waiting out a
// connection's deadline), and the copy still hears a later copy.
void TestSingleInstance::connectionFloodLeavesNothingBehind()
{
    SingleInstance running(QStringLiteral("/opt/yavo/YavoIME"));
    QVERIFY(!running.isRunning());
    QSignalSpy received(&running, &SingleInstance::messageReceived);
    // What the first connection makes once for all stays out of the count.
    connectAndClose(running, 1);
    QTRY_COMPARE(connectionsServed(running), 0);

    LiveObjects live;
    connectAndClose(running, 300);
    QTRY_COMPARE(connectionsServed(running), 0);
    QCOMPARE(live.count(), 0);
    QCOMPARE(received.count(), 0);
    QVERIFY(laterCopyIsHeard(received));
}

// Eight connections that say nothing, held open: a copy that starts
// meanwhile still finds the running one and is heard.
void TestSingleInstance::heldConnectionsLeaveRoomForACopy()
{
    SingleInstance running(QStringLiteral("/opt/yavo/YavoIME"));
    QVERIFY(!running.isRunning());
    QSignalSpy received(&running, &SingleInstance::messageReceived);
    std::vector<std::unique_ptr<QLocalSocket>> held;
    for (int i = 0; i < 8; ++i) {
        held.push_back(connectTo(running));
        QVERIFY(held.back());
    }
    QTRY_COMPARE(connectionsServed(running), 8);
    QVERIFY(laterCopyIsHeard(received));
    QCOMPARE(received.first().first().toString(), QStringLiteral("Wake up!"));
}

void TestSingleInstance::onlyTheUserReachesTheSocket()
{
    SingleInstance running(QStringLiteral("/opt/yavo/YavoIME"));
    QVERIFY(!running.isRunning());
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
        | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    const QFileInfo socket(running.serverName());
    QVERIFY(socket.exists());
    QCOMPARE(socket.permissions() & others, QFileDevice::Permissions());
    QCOMPARE(QFileInfo(socket.absolutePath()).permissions() & others, QFileDevice::Permissions());
}

void TestSingleInstance::noRunningCopyGetsNoMessage()
{
    // A copy that died left its lock behind: it counts for nothing.
    const QString identity = QStringLiteral("/opt/yavo/gone/YavoIME");
    QFile stale(SingleInstance::serverNameOf(identity) + QStringLiteral(".lock"));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("2147483646\nYavoIME\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();

    SingleInstance client(identity);
    QVERIFY(!client.sendMessage(QStringLiteral("Wake up!"), 200));
    QVERIFY(!client.isRunning());
}

void TestSingleInstance::identityFollowsTheProgramPath()
{
    const QString program = QCoreApplication::applicationFilePath();
    QCOMPARE(SingleInstance::identityOf(program), QFileInfo(program).canonicalFilePath());
    QVERIFY(SingleInstance::serverNameOf(QStringLiteral("/a/YavoIME"))
            != SingleInstance::serverNameOf(QStringLiteral("/b/YavoIME")));
}

YAVO_TEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
