#include "core/userdatafolder.h"

#include "filesizelimit.h"
#include "testmain.h"
#include "testsandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>

namespace {

// What the old places hold: each file's text is its own name.
const QStringList allOldFiles{"dat/history.dat", "dat/usrdic.dat", "usr.dct"};

QByteArray contentOf(const QString &name)
{
    return "content of " + name.toUtf8();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList names(const QStringList &paths)
{
    QStringList result;
    for (const QString &path : paths)
        result << QFileInfo(path).fileName();
    return result;
}

} // namespace

class TestUserDataFolder : public QObject
{
    Q_OBJECT

private slots:
    void pathsLieInTheDataFolder();
    void adoptOldFiles_data();
    void adoptOldFiles();
    void dataFolderThatCannotBeMade();
    void programsStartedTogether();
    void waitsWhileAnotherProgramAdopts();
    void failedCopyIsTakenAtTheNextStart();
};

void TestUserDataFolder::pathsLieInTheDataFolder()
{
    TestSandbox sandbox;
    // The word processor names itself with its version: the files must not
    // move with it.
    const QString savedName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("YavoPad-5.0.6"));
    const QString folder = UserDataFolder::path();
    QCoreApplication::setApplicationName(savedName);

    QCOMPARE(folder, sandbox.userDataDir());
    QCOMPARE(UserDataFolder::path(), folder);
    QVERIFY(!QFileInfo::exists(folder));
    const QDir dir(folder);
    QCOMPARE(UserDataFolder::historyFile(), dir.filePath("history.dat"));
    QCOMPARE(UserDataFolder::userDictionaryFile(), dir.filePath("usrdic.dat"));
    QCOMPARE(UserDataFolder::userWordFile(), dir.filePath("usr.dct"));
    // Made on first use, and only the folder.
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestUserDataFolder::adoptOldFiles_data()
{
    QTest::addColumn<QStringList>("oldFiles");   // in the start folder
    QTest::addColumn<QStringList>("newFiles");   // in the data folder beforehand
    QTest::addColumn<bool>("readOnly");          // the old files are marked read-only
    QTest::addColumn<QStringList>("copied");     // names in the data folder

    QTest::newRow("no old files") << QStringList() << QStringList() << false << QStringList();
    QTest::newRow("all three") << allOldFiles << QStringList() << false
                               << QStringList{"history.dat", "usrdic.dat", "usr.dct"};
    QTest::newRow("the word file alone") << QStringList{"usr.dct"} << QStringList() << false
                                         << QStringList{"usr.dct"};
    QTest::newRow("a store with its journal")
            << QStringList{"dat/usrdic.dat", "dat/usrdic.dat-journal"} << QStringList() << false
            << QStringList{"usrdic.dat"};
    QTest::newRow("read-only originals") << allOldFiles << QStringList() << true
                                         << QStringList{"history.dat", "usrdic.dat", "usr.dct"};
    // Decided file by file: what the data folder holds stays as it is, and
    // what an earlier start left out (it ended, or another copy of the
    // program was copying) follows now.
    QTest::newRow("data folder holds the dictionary") << allOldFiles << QStringList{"usrdic.dat"} << false
                                                      << QStringList{"history.dat", "usr.dct"};
    QTest::newRow("data folder holds the word file alone") << allOldFiles << QStringList{"usr.dct"}
                                                           << false << QStringList{"history.dat", "usrdic.dat"};
    QTest::newRow("data folder holds all three") << allOldFiles
                                                 << QStringList{"history.dat", "usrdic.dat", "usr.dct"}
                                                 << false << QStringList();
    QTest::newRow("a journal without its store is left alone")
            << QStringList{"dat/usrdic.dat", "dat/usrdic.dat-journal"} << QStringList{"usrdic.dat-journal"}
            << false << QStringList{"usrdic.dat"};
}

void TestUserDataFolder::adoptOldFiles()
{
    QFETCH(QStringList, oldFiles);
    QFETCH(QStringList, newFiles);
    QFETCH(bool, readOnly);
    QFETCH(QStringList, copied);

    TestSandbox sandbox;
    const QDir start(sandbox.currentDir());
    for (const QString &old : oldFiles) {
        QVERIFY(!sandbox.writeFile("cwd/" + old, contentOf(old)).isEmpty());
        if (readOnly)
            QVERIFY(QFile::setPermissions(start.filePath(old), QFileDevice::ReadOwner));
    }
    for (const QString &name : newFiles)
        QVERIFY(!sandbox.writeUserFile(name, "already there").isEmpty());

    const QStringList result = UserDataFolder::adoptOldFiles(start.path());
    QCOMPARE(names(result), copied);

    const QDir data(sandbox.userDataDir());
    for (const QString &old : oldFiles) {
        // The originals stay as they were.
        QCOMPARE(readFile(start.filePath(old)), contentOf(old));
        const QString name = QFileInfo(old).fileName();
        const QString copy = data.filePath(name);
        if (newFiles.contains(name))
            QCOMPARE(readFile(copy), QByteArray("already there"));
        else if (copied.contains(name) || (name.endsWith("-journal") && !copied.isEmpty()))
            QCOMPARE(readFile(copy), contentOf(old));
        else
            QVERIFY(!QFileInfo::exists(copy));
        // The next save must go into the copy, whatever the original allowed.
        if (copied.contains(name))
            QVERIFY(QFile::permissions(copy) & QFileDevice::WriteOwner);
    }
    // Nothing else is left there: no temporary copy, no lock.
    QStringList expected = newFiles + copied;
    for (const QString &old : oldFiles) {
        const QString name = QFileInfo(old).fileName();
        if (name.endsWith("-journal") && !copied.isEmpty())
            expected << name;
    }
    expected.removeDuplicates();
    expected.sort();
    QCOMPARE(data.entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    // Only once: the data folder now holds the user's files.
    QCOMPARE(UserDataFolder::adoptOldFiles(start.path()), QStringList());
}

// Two word processors started together against one data folder: each old
// file arrives whole, copied by one of them, and nothing else is left.
void TestUserDataFolder::programsStartedTogether()
{
    TestSandbox sandbox;
    // Large enough that one copy is still under way when the other starts.
    QByteArray history(48 << 20, Qt::Uninitialized);
    for (int i = 0; i < history.size(); ++i)
        history[i] = char(i % 251);
    QVERIFY(!sandbox.writeFile("cwd/dat/history.dat", history).isEmpty());
    QVERIFY(!sandbox.writeFile("cwd/usr.dct", contentOf("usr.dct")).isEmpty());
    const QDir data(sandbox.userDataDir());

    for (int round = 0; round < 3; ++round) {
        QVERIFY(QDir(data).removeRecursively());
        QProcess first;
        QProcess second;
        for (QProcess *program : {&first, &second})
            program->start(QStringLiteral(YAVO_ADOPTER), {sandbox.currentDir()});
        QStringList copies;
        for (QProcess *program : {&first, &second}) {
            QVERIFY(program->waitForFinished(120000));
            QCOMPARE(program->exitStatus(), QProcess::NormalExit);
            QCOMPARE(program->exitCode(), 0);
            copies << QString::fromLocal8Bit(program->readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        }
        copies.sort();
        QCOMPARE(names(copies), (QStringList{"history.dat", "usr.dct"}));
        QCOMPARE(data.entryList(QDir::Files | QDir::Hidden, QDir::Name), (QStringList{"history.dat", "usr.dct"}));
        QVERIFY(readFile(data.filePath("history.dat")) == history);
        QCOMPARE(readFile(data.filePath("usr.dct")), contentOf("usr.dct"));
    }
}

void TestUserDataFolder::dataFolderThatCannotBeMade()
{
    TestSandbox sandbox;
    QVERIFY(!sandbox.writeFile("cwd/usr.dct", "words").isEmpty());
    // A file stands where the folder would go.
    QVERIFY(!sandbox.writeFile(QDir(sandbox.root()).relativeFilePath(sandbox.userDataDir()),
                               "not a folder").isEmpty());
    QCOMPARE(UserDataFolder::adoptOldFiles(sandbox.currentDir()), QStringList());
    QCOMPARE(readFile(QDir(sandbox.currentDir()).filePath("usr.dct")), QByteArray("words"));
    QVERIFY(QFileInfo(sandbox.userDataDir()).isFile());
}

// The data folder's lock held by a running program: the files come only
// once it lets go, and then whole.
void TestUserDataFolder::waitsWhileAnotherProgramAdopts()
{
    TestSandbox sandbox;
    QVERIFY(!sandbox.writeFile("cwd/usr.dct", contentOf("usr.dct")).isEmpty());
    const QDir data(sandbox.userDataDir());
    QVERIFY(QDir().mkpath(data.path()));
    QLockFile other(data.filePath(".adoption.lock"));
    QVERIFY(other.tryLock(0));

    QProcess adopter;
    adopter.start(QStringLiteral(YAVO_ADOPTER), {sandbox.currentDir()});
    QVERIFY(adopter.waitForStarted());
    QVERIFY(!adopter.waitForFinished(500));
    QVERIFY(!QFileInfo::exists(data.filePath("usr.dct")));

    other.unlock();
    QVERIFY(adopter.waitForFinished(120000));
    QCOMPARE(adopter.exitCode(), 0);
    QCOMPARE(names(QString::fromLocal8Bit(adopter.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)),
             QStringList{"usr.dct"});
    QCOMPARE(readFile(data.filePath("usr.dct")), contentOf("usr.dct"));
}

// A copy that cannot be finished (the disk is full) leaves nothing behind,
// not even the journal copied for it, and the next start takes what is
// still missing.
void TestUserDataFolder::failedCopyIsTakenAtTheNextStart()
{
    TestSandbox sandbox;
    const QByteArray store(64 * 1024, 's');
    QVERIFY(!sandbox.writeFile("cwd/dat/usrdic.dat", store).isEmpty());
    QVERIFY(!sandbox.writeFile("cwd/dat/usrdic.dat-journal", "journal").isEmpty());
    QVERIFY(!sandbox.writeFile("cwd/usr.dct", contentOf("usr.dct")).isEmpty());
    const QDir data(sandbox.userDataDir());
    {
        const FileSizeLimit diskFull(4096);
        QCOMPARE(names(UserDataFolder::adoptOldFiles(sandbox.currentDir())), QStringList{"usr.dct"});
    }
    QCOMPARE(data.entryList(QDir::Files | QDir::Hidden, QDir::Name), QStringList{"usr.dct"});

    QCOMPARE(names(UserDataFolder::adoptOldFiles(sandbox.currentDir())), QStringList{"usrdic.dat"});
    QCOMPARE(data.entryList(QDir::Files | QDir::Hidden, QDir::Name),
             (QStringList{"usr.dct", "usrdic.dat", "usrdic.dat-journal"}));
    QVERIFY(readFile(data.filePath("usrdic.dat")) == store);
    QCOMPARE(readFile(data.filePath("usrdic.dat-journal")), QByteArray("journal"));
    QCOMPARE(readFile(data.filePath("usr.dct")), contentOf("usr.dct"));
}

YAVO_TEST_GUILESS_MAIN(TestUserDataFolder)
#include "tst_userdatafolder.moc"
