// The build tool that makes a dictionary database from an aspell word list,
// run on a stand-in for aspell, its output read back by the programs' own
// reader.
#include "dictfixture.h"
#include "testmain.h"

#include "core/languagetable.h"
#include "dictionary/dictdatabase.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// Answers "dump master" with dump.txt and "expand" with expand.txt, keeping
// what expand was given; exits with the code in exit.txt.
const QByteArray fakeAspell = R"(#!/bin/sh
here=$(dirname "$0")
echo "$*" >> "$here/calls.txt"
case "$*" in
    *" dump master") cat "$here/dump.txt" ;;
    *" expand") cat > "$here/expand-input.txt"; cat "$here/expand.txt" ;;
esac
exit $(cat "$here/exit.txt")
)";

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The stand-in, in a folder of its own while this lives.
class FakeAspell
{
public:
    FakeAspell(const QByteArray &dump, const QByteArray &expand, const QByteArray &exitCode)
    {
        const QDir dir(m_dir.path());
        m_ready = writeFile(program(), fakeAspell)
                && QFile::setPermissions(program(), QFileDevice::ReadOwner | QFileDevice::ExeOwner)
                && writeFile(dir.filePath("dump.txt"), dump) && writeFile(dir.filePath("expand.txt"), expand)
                && writeFile(dir.filePath("exit.txt"), exitCode);
    }

    bool isReady() const { return m_ready; }
    QString program() const { return QDir(m_dir.path()).filePath("aspell"); }
    // What "expand" was given; empty when it was not asked.
    QByteArray expandInput() const { return readFile(QDir(m_dir.path()).filePath("expand-input.txt")); }

private:
    QTemporaryDir m_dir;
    bool m_ready = false;
};

} // namespace

class TestMakeDictDatabase : public QObject
{
    Q_OBJECT

private slots:
    void makesTheDatabase_data();
    void makesTheDatabase();
    void failsWithoutOutput_data();
    void failsWithoutOutput();
};

void TestMakeDictDatabase::makesTheDatabase_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QByteArray>("dump");
    QTest::addColumn<QByteArray>("expand");   // empty: expand must not be asked
    QTest::addColumn<QStringList>("words");

    QTest::newRow("plain list") << 0 << QByteArray("ಮನೆ\nಕನ್ನಡ\nಅ\n") << QByteArray()
                                << QStringList{"ಅ", "ಕನ್ನಡ", "ಮನೆ"};
    QTest::newRow("repeated and blank lines") << 8 << QByteArray("\nமொழி\n  \nமொழி\nதமிழ்\n") << QByteArray()
                                              << QStringList{"தமிழ்", "மொழி"};
    QTest::newRow("affix flags expanded") << 4 << QByteArray("भाषा/A\nघर\n")
                                          << QByteArray("भाषा भाषाएँ भाषाओं\nघर\n")
                                          << QStringList{"घर", "भाषा", "भाषाएँ", "भाषाओं"};
}

// The format the programs read: the language's name as in the language
// table, the word count and today's date; all words once, in code-unit order,
// no empty word; Dict empty.
void TestMakeDictDatabase::makesTheDatabase()
{
    QFETCH(int, language);
    QFETCH(QByteArray, dump);
    QFETCH(QByteArray, expand);
    QFETCH(QStringList, words);

    const FakeAspell aspell(dump, expand, "0");
    QVERIFY(aspell.isReady());
    AppDictFolder dct;
    const QString output = dct.filePath(QStringLiteral("made.db"));
    const int code = QProcess::execute(QStringLiteral(YAVO_MAKEDICTDATABASE),
                                       {QString::number(language), QStringLiteral("xx"), output,
                                        aspell.program()});
    QCOMPARE(code, 0);
    QCOMPARE(QDir(dct.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"made.db"});
    QCOMPARE(aspell.expandInput(), expand.isEmpty() ? QByteArray() : dump);

    DictDatabase reader;
    QVERIFY(reader.open(language, true));
    QCOMPARE(reader.allWords(), words);
    QCOMPARE(reader.info(), (QStringList{QString::number(words.size()),
                                         QDate::currentDate().toString(Qt::ISODate),
                                         LanguageTable::languageName(language)}));
    QString entry;
    QVERIFY(reader.meaning(words.constFirst(), entry));
    QVERIFY(entry.isEmpty());
}

void TestMakeDictDatabase::failsWithoutOutput_data()
{
    QTest::addColumn<QStringList>("arguments");   // "%aspell" and "%out" stand for the paths
    QTest::addColumn<QByteArray>("exitCode");     // of the stand-in aspell
    QTest::addColumn<int>("expected");

    QTest::newRow("aspell fails") << QStringList{"0", "kn", "%out", "%aspell"} << QByteArray("1") << 1;
    QTest::newRow("no words") << QStringList{"0", "kn", "%out", "%aspell"} << QByteArray("0") << 1;
    QTest::newRow("no aspell") << QStringList{"0", "kn", "%out", "/nonexistent/aspell"} << QByteArray("0") << 1;
    QTest::newRow("English has no list") << QStringList{"9", "en", "%out", "%aspell"} << QByteArray("0") << 2;
    QTest::newRow("missing output") << QStringList{"0", "kn"} << QByteArray("0") << 2;
}

// An output that is there was made whole: the build must not take a failed
// run's file for a made one.
void TestMakeDictDatabase::failsWithoutOutput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, exitCode);
    QFETCH(int, expected);

    // A failing aspell still writes words; one that succeeds, none.
    const FakeAspell aspell(exitCode == "1" ? QByteArray("ಅ\n") : QByteArray("\n"), QByteArray(), exitCode);
    QVERIFY(aspell.isReady());

    QTemporaryDir out;
    const QString output = QDir(out.path()).filePath(QStringLiteral("kn.db"));
    arguments.replaceInStrings(QStringLiteral("%out"), output);
    arguments.replaceInStrings(QStringLiteral("%aspell"), aspell.program());
    QProcess tool;
    tool.start(QStringLiteral(YAVO_MAKEDICTDATABASE), arguments);
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), expected);
    QVERIFY(!tool.readAllStandardError().isEmpty());
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

YAVO_TEST_GUILESS_MAIN(TestMakeDictDatabase)
#include "tst_makedictdatabase.moc"
