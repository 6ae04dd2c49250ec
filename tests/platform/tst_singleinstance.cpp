#include "platform/singleinstance.h"

#include "testmain.h"

#include <QFile>
#include <QSignalSpy>
#include <QSysInfo>

#include <future>

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

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void firstCopyRuns();
    void messageReachesTheRunningCopy_data();
    void messageReachesTheRunningCopy();
    void noRunningCopyGetsNoMessage();
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
    QTest::newRow("long, with line feeds") << QString(QStringLiteral("line\n")).repeated(20000);
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
