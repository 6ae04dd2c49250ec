#include "testmain.h"

#include "tutor/logmessagehandler.h"

#include <QFile>
#include <QRegularExpression>
#include <QUrl>

Q_LOGGING_CATEGORY(tutorTest, "yavo.tutor.test")

class TestLogMessageHandler : public QObject
{
    Q_OBJECT

private slots:
    void logFileIsInTheCurrentFolder();
    void writesWarningsAndCriticalMessagesOnly_data();
    void writesWarningsAndCriticalMessagesOnly();
};

void TestLogMessageHandler::logFileIsInTheCurrentFolder()
{
    QCOMPARE(logFileUrl.toLocalFile(), QStringLiteral("yavo_typing_tutor.log"));
}

void TestLogMessageHandler::writesWarningsAndCriticalMessagesOnly_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("line");

    QTest::newRow("warning") << int(QtWarningMsg)
        << "^\\[\\d{4}\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3}\\] <\\d+> Warning \\(yavo\\.tutor\\.test\\) "
           "\\| .*:\\d+ \\(.*\\) 'k\u0C85y'\n$";
    QTest::newRow("critical") << int(QtCriticalMsg) << "^\\[.*\\] <\\d+> Critical \\(yavo\\.tutor\\.test\\) .* 'k\u0C85y'\n$";
    QTest::newRow("debug") << int(QtDebugMsg) << QString();
    QTest::newRow("info") << int(QtInfoMsg) << QString();
}

void TestLogMessageHandler::writesWarningsAndCriticalMessagesOnly()
{
    QFETCH(int, type);
    QFETCH(QString, line);

    TemporaryCurrentDir folder;
    QtMessageHandler previous = qInstallMessageHandler(logMessageHandler);
    const QString message = QStringLiteral("k\u0C85y");
    switch (type) {
    case QtWarningMsg:
        qCWarning(tutorTest).noquote() << message;
        break;
    case QtCriticalMsg:
        qCCritical(tutorTest).noquote() << message;
        break;
    case QtDebugMsg:
        qCDebug(tutorTest).noquote() << message;
        break;
    default:
        qCInfo(tutorTest).noquote() << message;
    }
    qInstallMessageHandler(previous);

    QFile log(QStringLiteral("yavo_typing_tutor.log"));
    if (line.isEmpty()) {
        QVERIFY(!log.exists());
        return;
    }
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(log.readAll());
    QVERIFY2(QRegularExpression(line).match(written).hasMatch(), qPrintable(written));
}

YAVO_TEST_MAIN(TestLogMessageHandler)
#include "tst_logmessagehandler.moc"
