#include "dictfixture.h"
#include "dictionary/dictdatabase.h"
#include "modalanswerer.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

const QString kannadaA = QStringLiteral("\u0C85");
const QString kannadaKa = QStringLiteral("\u0C95");

DictContent dictionary(const QString &language, const QStringList &words,
                       const QList<DictEntry> &entries = {})
{
    DictContent content;
    content.languageName = language;
    content.wordCount = QString::number(words.size());
    content.wordsText = words.join(QLatin1Char('\n'));
    content.entries = entries;
    return content;
}

} // namespace

class TestDictDatabase : public QObject
{
    Q_OBJECT

private slots:
    void open_data();
    void open();
    void firstInFolderOrderWins();
    void allWords_data();
    void allWords();
    void info();
    void suggestions_data();
    void suggestions();
    void meaning_data();
    void meaning();
    void meaningWhenTheDatabaseIsGone();
    void findEntryLine_data();
    void findEntryLine();
    void exec();
    void ensureUtilsPutsUserWordsFirst();
};

void TestDictDatabase::open_data()
{
    QTest::addColumn<bool>("folder");
    // file name -> stored language name; "" writes a file that is no database
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("fileFound");

    QTest::newRow("no folder") << false << QStringList() << 0 << false << QString();
    QTest::newRow("empty folder") << true << QStringList() << 0 << false << QString();
    QTest::newRow("the language") << true << QStringList{"kn.db=Kannada"} << 0 << true << "kn.db";
    QTest::newRow("letter case ignored") << true << QStringList{"kn.db=kANNADA"} << 0 << true << "kn.db";
    QTest::newRow("another language") << true << QStringList{"te.db=Telugu"} << 0 << false << QString();
    QTest::newRow("chosen among several") << true
            << QStringList{"te.db=Telugu", "kn.db=Kannada", "hi.db=Hindi"} << 1 << true << "te.db";
    QTest::newRow("non-databases passed over") << true
            << QStringList{"dict.dat=", "notes.txt=", "kn.db=Kannada"} << 0 << true << "kn.db";
    QTest::newRow("only non-databases") << true << QStringList{"dict.dat=", "notes.txt="} << 0 << false << QString();
    QTest::newRow("no language past the table") << true << QStringList{"kn.db=Kannada"} << 12 << false << QString();
}

void TestDictDatabase::open()
{
    QFETCH(bool, folder);
    QFETCH(QStringList, files);
    QFETCH(int, language);
    QFETCH(bool, found);
    QFETCH(QString, fileFound);

    AppDictFolder dct(folder);
    for (const QString &file : files) {
        const QString name = file.section(QLatin1Char('='), 0, 0);
        const QString stored = file.section(QLatin1Char('='), 1);
        if (stored.isEmpty())
            QVERIFY(DictFixture::writeFile(dct.filePath(name), DictFixture::wordFileBytes({"x", "y"})));
        else
            QVERIFY(DictFixture::writeDatabase(dct.filePath(name), dictionary(stored, {name})));
    }

    for (bool force : {true, false}) {
        // Expects no dialog: one that comes is closed and reported.
        ModalAnswerer answerer;
        DictDatabase reader;
        QCOMPARE(reader.open(language, force), found);
        // Files that open but are no dictionary never show a message.
        QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
        // Each fixture database holds its own file name as its one word.
        QCOMPARE(reader.allWords(), found ? QStringList{fileFound} : QStringList());
    }
}

void TestDictDatabase::firstInFolderOrderWins()
{
    AppDictFolder dct;
    QVERIFY(DictFixture::writeDatabase(dct.filePath("a.db"), dictionary("Kannada", {"a.db"})));
    QVERIFY(DictFixture::writeDatabase(dct.filePath("b.db"), dictionary("Kannada", {"b.db"})));
    const QString first = QDir(dct.path()).entryList(QDir::Files, QDir::Unsorted).constFirst();

    DictDatabase reader;
    QVERIFY(reader.open(0, true));
    QCOMPARE(reader.allWords(), QStringList{first});
}

void TestDictDatabase::allWords_data()
{
    QTest::addColumn<DictContent>("content");
    QTest::addColumn<QStringList>("words");

    DictContent plain = dictionary("Kannada", {kannadaA, kannadaKa, "abc"});
    QTest::newRow("stored order") << plain << QStringList{kannadaA, kannadaKa, "abc"};

    DictContent trailing = plain;
    trailing.wordsText += QLatin1Char('\n');
    QTest::newRow("trailing line feed gives an empty word")
            << trailing << QStringList{kannadaA, kannadaKa, "abc", ""};

    DictContent noRow = plain;
    noRow.hasWordsRow = false;
    QTest::newRow("no row") << noRow << QStringList();

    DictContent broken = plain;
    broken.rawWords = QByteArray("\x00\x00\x00\x10not a zlib stream", 21);
    QTest::newRow("does not decompress") << broken << QStringList();

    DictContent nul = plain;
    nul.rawWords = qCompress(QByteArray("one\ntwo\0three", 13));
    QTest::newRow("text ends at the first NUL") << nul << QStringList{"one", "two"};
}

void TestDictDatabase::allWords()
{
    QFETCH(DictContent, content);
    QFETCH(QStringList, words);

    AppDictFolder dct;
    QVERIFY(DictFixture::writeDatabase(dct.filePath("kn.db"), content));
    DictDatabase reader;
    QVERIFY(reader.open(0, true));
    QCOMPARE(reader.allWords(), words);
    // The connection is replaced and closed on every call; a second call
    // reads the file anew.
    QCOMPARE(reader.allWords(), words);
}

void TestDictDatabase::info()
{
    AppDictFolder dct;
    DictContent content = dictionary("KANNADA", {"x"});
    content.wordCount = "12345";
    content.creationDate = "2011-02-03";
    QVERIFY(DictFixture::writeDatabase(dct.filePath("kn.db"), content));

    DictDatabase reader;
    QCOMPARE(reader.info(), QStringList());
    QVERIFY(reader.open(0, true));
    QCOMPARE(reader.info(), (QStringList{"12345", "2011-02-03", "KANNADA"}));
}

void TestDictDatabase::suggestions_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("expected");

    QStringList many;
    for (int i = 0; i < 14; ++i)
        many << QStringLiteral("w%1").arg(i);
    QTest::newRow("containing, in list order") << QStringList{"cab", "abc", "xyz", "ab"} << "ab"
            << QStringList{"cab", "abc", "ab"};
    QTest::newRow("case-sensitive") << QStringList{"AB", "ab"} << "ab" << QStringList{"ab"};
    QTest::newRow("at most ten") << many << "w" << QStringList(many.mid(0, 10));
    QTest::newRow("empty word: the first ten") << many << "" << QStringList(many.mid(0, 10));
    // Duplicates go after the cut, so fewer than ten may remain.
    QTest::newRow("duplicates removed after the cut")
            << (QStringList{"w1", "w1"} + many) << "w"
            << QStringList{"w1", "w0", "w2", "w3", "w4", "w5", "w6", "w7"};
    QTest::newRow("nothing matches") << many << "zz" << QStringList();
}

void TestDictDatabase::suggestions()
{
    QFETCH(QStringList, words);
    QFETCH(QString, word);
    QFETCH(QStringList, expected);

    AppDictFolder dct;
    QVERIFY(DictFixture::writeDatabase(dct.filePath("kn.db"), dictionary("Kannada", words)));
    DictDatabase reader;
    QVERIFY(reader.open(0, true));
    QCOMPARE(reader.suggestions(word), expected);
}

void TestDictDatabase::meaning_data()
{
    QTest::addColumn<QList<DictEntry>>("entries");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("entry");

    const QString ka = kannadaKa;
    const QList<DictEntry> entries = {
        {ka, ka + "<b>first headword</b>\nother<i>line</i>"},
        {"zebra", "zebra<i>a striped animal</i>"},
        {"apple", "Apple<p>a fruit</p>"},
        {" spaced ", "spaced<p>trimmed headword</p>"},
    };
    QTest::newRow("first headword has its entry") << entries << ka << QString(ka + "<b>first headword</b>");
    QTest::newRow("entry of its own row") << entries << "zebra" << "zebra<i>a striped animal</i>";
    QTest::newRow("head compared ignoring case") << entries << "apple" << "Apple<p>a fruit</p>";
    QTest::newRow("headword trimmed") << entries << "spaced" << "spaced<p>trimmed headword</p>";
    QTest::newRow("unknown word keeps the caller's text") << entries << "pear" << "unchanged";

    // Rows whose rowids are not their places in the table: a dictionary
    // with gaps must still give each word its own entry.
    const QList<DictEntry> gaps = {
        {"one", "one<p>1</p>", 7},
        {"two", "two<p>2</p>", 3},
        {"three", "three<p>3</p>", 42},
    };
    QTest::newRow("rowid with gaps, first") << gaps << "two" << "two<p>2</p>";
    QTest::newRow("rowid with gaps, last") << gaps << "three" << "three<p>3</p>";
    QTest::newRow("headword without its line") << QList<DictEntry>{{"word", "other<p>x</p>"}}
            << "word" << "";
}

void TestDictDatabase::meaning()
{
    QFETCH(QList<DictEntry>, entries);
    QFETCH(QString, word);
    QFETCH(QString, entry);

    AppDictFolder dct;
    QVERIFY(DictFixture::writeDatabase(dct.filePath("kn.db"), dictionary("Kannada", {"x"}, entries)));
    DictDatabase reader;
    QVERIFY(reader.open(0, false));
    QString result = QStringLiteral("unchanged");
    QVERIFY(reader.meaning(word, result));
    QCOMPARE(result, entry);
}

void TestDictDatabase::meaningWhenTheDatabaseIsGone()
{
    AppDictFolder dct;
    const QString path = dct.filePath("kn.db");
    QVERIFY(DictFixture::writeDatabase(path, dictionary("Kannada", {"x"}, {{"x", "x<p>y</p>"}})));
    DictDatabase reader;
    QVERIFY(reader.open(0, true));
    QVERIFY(QFile::remove(path));

    QString entry = QStringLiteral("before");
    QVERIFY(!reader.meaning("x", entry));
    QCOMPARE(entry, QStringLiteral("before"));
    QCOMPARE(reader.allWords(), QStringList());
    QCOMPARE(reader.suggestions("x"), QStringList());
    // Reading never re-creates the file it no longer finds.
    QVERIFY(!QFile::exists(path));
}

void TestDictDatabase::findEntryLine_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("line");

    QTest::newRow("first match") << "ab" << "xy<p>1</p>\nAB<p>2</p>\nab<p>3</p>" << "AB<p>2</p>";
    QTest::newRow("line without a bracket is all head") << "plain" << "x<p>\nPlain" << "Plain";
    QTest::newRow("head must be the whole word") << "ab" << "abc<p>1</p>\nab c<p>2</p>" << "";
    QTest::newRow("empty word matches an empty line") << "" << "a<p>\n\nb" << "";
    QTest::newRow("no lines") << "ab" << "" << "";
}

void TestDictDatabase::findEntryLine()
{
    QFETCH(QString, word);
    QFETCH(QString, data);
    QFETCH(QString, line);
    const QString result = DictDatabase::findEntryLine(word, data);
    QCOMPARE(result, line);
    QVERIFY(!result.isNull());
}

void TestDictDatabase::exec()
{
    AppDictFolder dct;
    QVERIFY(DictFixture::writeDatabase(dct.filePath("kn.db"), dictionary("Kannada", {"x"})));
    DictDatabase reader;
    QVERIFY(reader.open(0, true));

    // The database the reader found stays open on its own connection.
    const QStringList connections = QSqlDatabase::connectionNames();
    QCOMPARE(connections.size(), 1);
    QSqlQuery query(QSqlDatabase::database(connections.constFirst(), false));
    QCOMPARE(DictDatabase::exec(query, QString(), false), false);
    // Key statements are passed over: the dictionaries are not encrypted.
    QCOMPARE(DictDatabase::exec(query, "pragma KEY = 'whatever';", false), true);
    QCOMPARE(DictDatabase::exec(query, "SELECT languageName FROM DictInfo;", false), true);
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(), QStringLiteral("Kannada"));
    QCOMPARE(DictDatabase::exec(query, "SELECT languageName FROM DictInfo;", true), true);
    QVERIFY(!query.isActive());
    QCOMPARE(DictDatabase::exec(query, "SELECT nothing FROM nowhere;", false), false);
}

void TestDictDatabase::ensureUtilsPutsUserWordsFirst()
{
    TestSandbox sandbox;   // "usr.dct" is read from the user's data folder
    AppDictFolder dct;
    const QString kii = QStringLiteral("\u0C95\u0CC0");
    const QString ki = QStringLiteral("\u0C95\u0CBF");
    QVERIFY(!sandbox.writeUserFile("usr.dct", kii.toUtf8()).isEmpty());
    QVERIFY(DictFixture::writeDatabase(dct.filePath("kn.db"), dictionary("Kannada", {ki + "x", "zz"})));

    DictDatabase reader;
    QVERIFY(reader.open(0, true));
    QCOMPARE(reader.suggestions(ki), QStringList{ki + "x"});
    reader.ensureUtils();
    QCOMPARE(reader.suggestions(ki), (QStringList{kii, ki + "x"}));
}

YAVO_TEST_MAIN(TestDictDatabase)
#include "tst_dictdatabase.moc"
