#include "platform/singleinstance.h"

#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>

#include <memory>

using Platform::SingleInstance;

namespace {

const QString program = QStringLiteral(YAVOIME_PROGRAM);

// Whether a copy of the program at this path listens for later copies.
bool listening(const QString &path)
{
    QLocalSocket socket;
    socket.connectToServer(SingleInstance::serverNameOf(SingleInstance::identityOf(path)));
    return socket.waitForConnected(100);
}

// Starts the program headless in the sandbox's current folder.
std::unique_ptr<QProcess> start(const QString &path)
{
    auto process = std::make_unique<QProcess>();
    process->setProgram(path);
    process->setWorkingDirectory(QDir::currentPath());
    process->start();
    return process;
}

void stop(QProcess &process)
{
    process.kill();
    process.waitForFinished(10000);
}

} // namespace

class TestYavoIMEProgram : public QObject
{
    Q_OBJECT

private slots:
    void secondStartEnds();
    void secondInstallationRuns();
};

// A second start wakes the running copy and ends at once with 0, saying so
// in one line; the program leaves files it did not make alone.
void TestYavoIMEProgram::secondStartEnds()
{
    QFile log(QStringLiteral("log.txt"));
    QVERIFY(log.open(QIODevice::WriteOnly));
    log.write("the user's own file\n");
    log.close();

    std::unique_ptr<QProcess> first = start(program);
    QVERIFY(first->waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(listening(program), 20000);

    std::unique_ptr<QProcess> second = start(program);
    QVERIFY(second->waitForFinished(20000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    const QStringList warnings = QString::fromLocal8Bit(second->readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(warnings.filter(QStringLiteral("running already")).size(), 1);
    QCOMPARE(first->state(), QProcess::Running);
    QVERIFY(QFile::exists(QStringLiteral("log.txt")));

    // A copy that died leaves nothing in the way of the next start.
    stop(*first);
    std::unique_ptr<QProcess> next = start(program);
    QTRY_VERIFY_WITH_TIMEOUT(listening(program), 20000);
    QCOMPARE(next->state(), QProcess::Running);
    stop(*next);
}

void TestYavoIMEProgram::secondInstallationRuns()
{
    const QString other = QDir::current().filePath(QStringLiteral("other/YavoIME"));
    QVERIFY(QDir().mkpath(QFileInfo(other).absolutePath()));
    QVERIFY(QFile::copy(program, other));

    std::unique_ptr<QProcess> first = start(program);
    QTRY_VERIFY_WITH_TIMEOUT(listening(program), 20000);
    std::unique_ptr<QProcess> second = start(other);
    QTRY_VERIFY_WITH_TIMEOUT(listening(other), 20000);
    QCOMPARE(first->state(), QProcess::Running);
    QCOMPARE(second->state(), QProcess::Running);
    stop(*second);
    stop(*first);
}

YAVO_TEST_GUILESS_MAIN(TestYavoIMEProgram)
#include "tst_yavoimeprogram.moc"
