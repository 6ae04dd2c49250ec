// The program as a person starts it, headless: with or without arguments it
// opens its window and loads its views without an error, and leaves no
// compiled views in the user's cache folder.

#include "testmain.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

class TestYavoTypingTutor : public QObject
{
    Q_OBJECT

private slots:
    void startsWhateverTheArguments_data();
    void startsWhateverTheArguments();
};

void TestYavoTypingTutor::startsWhateverTheArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("none") << QStringList();
    QTest::newRow("a file and an option") << QStringList{QStringLiteral("notes.txt"), QStringLiteral("--layout=2")};
}

void TestYavoTypingTutor::startsWhateverTheArguments()
{
    QFETCH(QStringList, arguments);

    QTemporaryDir cache;
    QVERIFY(cache.isValid());
    QProcess tutor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache.path());
    environment.remove(QStringLiteral("QML_DISABLE_DISK_CACHE"));
    tutor.setProcessEnvironment(environment);
    tutor.setProcessChannelMode(QProcess::MergedChannels);
    tutor.start(QStringLiteral(TUTOR_PROGRAM), arguments);
    QVERIFY(tutor.waitForStarted());

    // The root view says so when it is complete.
    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT((output += tutor.readAll()).contains("Chase me!!!"), 20000);
    QCOMPARE(tutor.state(), QProcess::Running);
    tutor.kill();
    tutor.waitForFinished();
    output += tutor.readAll();
    // A view that does not load names its file in the error.
    QVERIFY2(!output.contains("qrc:/qrc/"), output.constData());
    QCOMPARE(QDir(cache.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

YAVO_TEST_GUILESS_MAIN(TestYavoTypingTutor)
#include "tst_yavotypingtutor.moc"
