#include "dictfixture.h"
#include "testmain.h"
#include "utils/utils.h"
#include "utils/wordcompleter.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QLoggingCategory>
#include <QPointer>
#include <QStringListModel>
#include <QtEndian>

namespace {

// Kannada letters by name, so the tables below read as words.
const QString KA = QStringLiteral("\u0C95");
const QString KHA = QStringLiteral("\u0C96");
const QString LA = QStringLiteral("\u0CB2");
const QString RA = QStringLiteral("\u0CB0");
const QString SHA = QStringLiteral("\u0CB6");
const QString SSA = QStringLiteral("\u0CB7");
const QString SA = QStringLiteral("\u0CB8");
const QString A = QStringLiteral("\u0C85");
const QString AA = QStringLiteral("\u0C86");
const QString SIGN_AA = QStringLiteral("\u0CBE");
const QString SIGN_I = QStringLiteral("\u0CBF");
const QString SIGN_II = QStringLiteral("\u0CC0");
const QString VIRAMA = QStringLiteral("\u0CCD");
const QString ANUSVARA = QStringLiteral("\u0C82");
const QString VISARGA = QStringLiteral("\u0C83");

const QByteArray utf8Bom("\xEF\xBB\xBF");

QByteArray lines(const QStringList &words)
{
    return words.join(QLatin1Char('\n')).toUtf8() + '\n';
}

DictContent kannadaDictionary(const QStringList &words)
{
    DictContent content;
    content.languageName = QStringLiteral("Kannada");
    content.wordsText = words.join(QLatin1Char('\n'));
    return content;
}

// The list the completer offers its words from.
QStringListModel *wordModel(Utils &utils)
{
    auto *completer = qobject_cast<WordCompleter *>(utils.completer());
    return completer ? qobject_cast<QStringListModel *>(completer->wordModel()) : nullptr;
}

QStringList wordList(Utils &utils)
{
    QStringListModel *model = wordModel(utils);
    return model ? model->stringList() : QStringList{"<no model>"};
}

} // namespace

class TestWordList : public QObject
{
    Q_OBJECT

private slots:
    void beforeTheListIsBuilt();
    void layeredOrder();
    void missingSources();
    void damagedWordFile_data();
    void damagedWordFile();
    void misspellingFollowsTheList();
    void addWords();
    void suggestions_data();
    void suggestions();
    void suggestionsFromTheUserDictionary();
    void suggestionsFollowTheList();
    void userWordFile();
    void addToUserDictionary();
    void completerSettings();
    void popupWidthFollowsTheFont();
    void wordsStayOutOfTheLog_data();
    void wordsStayOutOfTheLog();
    void theWordModelGoesWithItsList();
};

void TestWordList::beforeTheListIsBuilt()
{
    TestSandbox sandbox;
    AppDictFolder dct;
    Utils utils;
    QVERIFY(utils.isMisspelled(QString()));
    QVERIFY(utils.isMisspelled(KA));
    utils.ignoreWord(KA);
    QVERIFY(utils.isMisspelled(KA));
    QCOMPARE(utils.suggestions(KA), QStringList());
    // Nothing to add to yet: no crash, and the words come from the user's
    // files once the list is built.
    utils.addWord(KA);
    utils.addWords({KA, KHA});
    QVERIFY(utils.isMisspelled(KHA));
    QVERIFY(utils.addToUserDictionary(LA, nullptr));
    QVERIFY(utils.addToUserDictionary(RA, utils.completer()));
    QCOMPARE(wordList(utils), (QStringList{LA, RA}));
}

void TestWordList::layeredOrder()
{
    TestSandbox sandbox;
    AppDictFolder dct;
    // "usr.dct": file order, trimmed, blank lines dropped, each word once.
    QVERIFY(!sandbox.writeUserFile("usr.dct", utf8Bom + lines({"  u2 ", "u1", "", "   ", "u2", "d1"})).isEmpty());
    // The database: stored order, without words already in "usr.dct".
    QVERIFY(DictFixture::writeDatabase(dct.filePath("kn.db"), kannadaDictionary({"d2", "d1", "u1", "d3", "d2"})));
    // "dict.dat": its own words sorted once each, compared with nothing else.
    QVERIFY(DictFixture::writeFile(dct.filePath("dict.dat"), DictFixture::wordFileBytes({"f2", "d3", "F1", "f2", "u2"})));

    Utils utils;
    QCOMPARE(wordList(utils), (QStringList{"u2", "u1", "d1", "d2", "d3", "F1", "d3", "f2", "u2"}));
    // Built once.
    QCOMPARE(utils.completer(), utils.completer());
}

void TestWordList::missingSources()
{
    TestSandbox sandbox;
    AppDictFolder dct(false);
    Utils utils;
    QCOMPARE(wordList(utils), QStringList());
    QVERIFY(utils.isMisspelled(KA));
    QCOMPARE(utils.suggestions(QString()), QStringList());
}

void TestWordList::damagedWordFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("words");

    const QByteArray good = DictFixture::wordFileBytes({"b", "a"});
    auto be32 = [](quint32 value) {
        QByteArray bytes(4, '\0');
        qToBigEndian(value, bytes.data());
        return bytes;
    };

    QTest::newRow("sound file") << good << QStringList{"a", "b"};
    QTest::newRow("null string is an empty word")
            << DictFixture::wordFileBytes({"b", QString()}) << QStringList{"", "b"};
    QTest::newRow("huge count") << QByteArray(be32(0x7FFFFFFF) + good.mid(4)) << QStringList();
    QTest::newRow("largest count") << QByteArray(be32(0xFFFFFFFF) + good.mid(4)) << QStringList();
    QTest::newRow("count beyond the strings") << QByteArray(be32(3) + good.mid(4)) << QStringList();
    QTest::newRow("huge string length") << QByteArray(be32(1) + be32(0x7FFFFFFE) + "\0a") << QStringList();
    QTest::newRow("odd string length") << QByteArray(be32(1) + be32(3) + QByteArray("\0a\0", 3)) << QStringList();
    QTest::newRow("truncated string") << good.left(good.size() - 1) << QStringList();
    QTest::newRow("short count") << QByteArray("\0\0", 2) << QStringList();
    QTest::newRow("empty file") << QByteArray() << QStringList();
}

void TestWordList::damagedWordFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, words);

    TestSandbox sandbox;
    AppDictFolder dct;
    QVERIFY(!sandbox.writeUserFile("usr.dct", lines({"u"})).isEmpty());
    QVERIFY(DictFixture::writeFile(dct.filePath("dict.dat"), bytes));
    Utils utils;
    // A bad file costs its own words only.
    QCOMPARE(wordList(utils), QStringList{"u"} + words);
}

void TestWordList::misspellingFollowsTheList()
{
    TestSandbox sandbox;
    AppDictFolder dct;
    QVERIFY(!sandbox.writeUserFile("usr.dct", lines({KA, "Word"})).isEmpty());
    Utils utils;
    utils.completer();

    QVERIFY(!utils.isMisspelled(KA));
    QVERIFY(!utils.isMisspelled("Word"));
    QVERIFY(utils.isMisspelled("word"));            // exact, case included
    QVERIFY(utils.isMisspelled(KA + " "));
    QVERIFY(utils.isMisspelled(QString()));

    utils.ignoreWord("word");
    utils.ignoreWord("word");
    QVERIFY(utils.isIgnored("word"));
    QVERIFY(!utils.isMisspelled("word"));

    utils.addWord(KHA);
    QVERIFY(!utils.isMisspelled(KHA));

    // Whoever holds the model may change it; the answers follow.
    QStringListModel *model = wordModel(utils);
    model->setStringList({LA});
    QVERIFY(!utils.isMisspelled(LA));
    QVERIFY(utils.isMisspelled(KA));
    model->setData(model->index(0), RA);
    QVERIFY(!utils.isMisspelled(RA));
    QVERIFY(utils.isMisspelled(LA));
    model->insertRows(1, 1);
    model->setData(model->index(1), SA);
    QVERIFY(!utils.isMisspelled(SA));
    model->removeRows(0, 1);
    QVERIFY(utils.isMisspelled(RA));
}

void TestWordList::addWords()
{
    TestSandbox sandbox;
    AppDictFolder dct;
    QVERIFY(!sandbox.writeUserFile("usr.dct", lines({"a", "b"})).isEmpty());
    Utils utils;
    utils.completer();

    utils.addWord("a");
    QCOMPARE(wordList(utils), (QStringList{"a", "b"}));
    utils.addWords({"c", "b", "d", "c"});
    QCOMPARE(wordList(utils), (QStringList{"a", "b", "c", "d"}));
    utils.addWord("e");
    QCOMPARE(wordList(utils), (QStringList{"a", "b", "c", "d", "e"}));
    for (const QString &word : QStringList{"a", "c", "e"})
        QVERIFY(!utils.isMisspelled(word));
}

void TestWordList::suggestions_data()
{
    QTest::addColumn<QStringList>("known");
    QTest::addColumn<QStringList>("ignored");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("expected");

    const QString ki = KA + SIGN_I;
    QTest::newRow("vowel sign, then consonant swap")
            << QStringList{KA + SIGN_II, KHA + SIGN_I} << QStringList() << ki
            << QStringList{KHA + SIGN_I, KA + SIGN_II};

    // KA LA: every kind of change at position 1, listed last-found first,
    // then the words that contain the word.
    const QString kala = KA + LA;
    const QStringList allKinds = {
        KA + VIRAMA + LA,            // virama inserted
        KA + ANUSVARA + LA,          // anusvara inserted
        kala + VISARGA,              // visarga appended
        KA + RA + VIRAMA + LA,       // RA and virama inserted
        KA + SIGN_AA + LA,           // sign AA inserted before a consonant
        KHA + LA,                    // KA swapped for KHA
    };
    QStringList reversed(allKinds.crbegin(), allKinds.crend());
    QTest::newRow("every change, last found first")
            << (QStringList{kala + "x"} + allKinds) << QStringList() << kala
            << (reversed + QStringList{kala + "x"});
    QTest::newRow("the word itself is among them")
            << QStringList{kala} << QStringList() << kala << QStringList{kala};
    QTest::newRow("virama removed")
            << QStringList{kala} << QStringList() << QString(KA + VIRAMA + LA) << QStringList{kala};
    QTest::newRow("sign AA removed")
            << QStringList{kala} << QStringList() << QString(KA + SIGN_AA + LA) << QStringList{kala};
    QTest::newRow("independent vowel")
            << QStringList{AA + KA} << QStringList() << QString(A + KA) << QStringList{AA + KA};
    QTest::newRow("SHA gives SSA, then SA")
            << QStringList{SSA, SA} << QStringList() << SHA << QStringList{SA, SSA};
    QTest::newRow("SA gives SSA, not SHA")
            << QStringList{SHA, SSA} << QStringList() << SA << QStringList{SSA};
    QTest::newRow("one letter: visarga, vowel and consonant swaps only")
            << QStringList{KA + VISARGA, KHA, KA + VIRAMA, KA + SIGN_AA} << QStringList() << KA
            << QStringList{KHA, KA + VISARGA, KA + VIRAMA, KA + SIGN_AA};
    QTest::newRow("ignored candidate is offered")
            << QStringList() << QStringList{KA + SIGN_II} << ki << QStringList{KA + SIGN_II};
    QTest::newRow("empty word: short words, visarga first")
            << QStringList{"abc", "ab", "a", VISARGA, "ab", "xyz", ""} << QStringList() << QString()
            << QStringList{VISARGA, "ab", "a", ""};
    QTest::newRow("length within two")
            << QStringList{"ab", "abcd", "abcde", "xab", "xxabxx"} << QStringList() << "ab"
            << QStringList{"ab", "abcd", "xab"};

    QStringList many;
    for (int i = 0; i < 20; ++i)
        many << QStringLiteral("ab%1").arg(i);
    QTest::newRow("at most fifteen") << many << QStringList() << "ab" << QStringList(many.mid(0, 15));
    QTest::newRow("unknown and unlike") << QStringList{"xyz"} << QStringList() << "ab" << QStringList();
}

void TestWordList::suggestions()
{
    QFETCH(QStringList, known);
    QFETCH(QStringList, ignored);
    QFETCH(QString, word);
    QFETCH(QStringList, expected);

    TestSandbox sandbox;
    AppDictFolder dct;
    // Through the database, since "usr.dct" drops empty and repeated lines.
    QVERIFY(DictFixture::writeDatabase(dct.filePath("kn.db"), kannadaDictionary(known)));
    Utils utils;
    utils.completer();
    for (const QString &w : ignored)
        utils.ignoreWord(w);
    QCOMPARE(utils.suggestions(word), expected);
}

void TestWordList::suggestionsFromTheUserDictionary()
{
    // Only the user's own words, as a fresh install without dictionaries has.
    TestSandbox sandbox;
    AppDictFolder dct(false);
    QVERIFY(!sandbox.writeUserFile("usr.dct", utf8Bom + lines({KA + SIGN_II, KHA + SIGN_I})).isEmpty());
    Utils utils;
    utils.completer();
    QCOMPARE(utils.suggestions(KA + SIGN_I), (QStringList{KHA + SIGN_I, KA + SIGN_II}));
    QVERIFY(!utils.isMisspelled(KHA + SIGN_I));
    QVERIFY(utils.isMisspelled(KA + SIGN_I));
}

void TestWordList::suggestionsFollowTheList()
{
    TestSandbox sandbox;
    AppDictFolder dct;
    // "dict.dat" repeats a word of the database, so the list holds it twice
    // until a word is added, which removes the second copy.
    QVERIFY(DictFixture::writeDatabase(dct.filePath("kn.db"), kannadaDictionary({"ab", "xab"})));
    QVERIFY(DictFixture::writeFile(dct.filePath("dict.dat"), DictFixture::wordFileBytes({"abc", "ab"})));
    Utils utils;
    QCOMPARE(wordList(utils), (QStringList{"ab", "xab", "ab", "abc"}));
    QCOMPARE(utils.suggestions("ab"), (QStringList{"ab", "xab", "abc"}));
    QCOMPARE(utils.suggestions("b"), (QStringList{"ab", "xab", "abc"}));

    utils.addWords({"zab", "ab", "yyab"});
    QCOMPARE(wordList(utils), (QStringList{"ab", "xab", "abc", "zab", "yyab"}));
    QCOMPARE(utils.suggestions("ab"), (QStringList{"ab", "xab", "abc", "zab", "yyab"}));
    utils.addWord("abx");
    QCOMPARE(utils.suggestions("ab"), (QStringList{"ab", "xab", "abc", "zab", "yyab", "abx"}));

    // Whoever holds the model may change it; the suggestions follow.
    QStringListModel *model = wordModel(utils);
    model->setStringList({"qab", "ab"});
    QCOMPARE(utils.suggestions("ab"), (QStringList{"qab", "ab"}));
    model->setData(model->index(0), "abq");
    QCOMPARE(utils.suggestions("ab"), (QStringList{"abq", "ab"}));
}

void TestWordList::userWordFile()
{
    TestSandbox sandbox;
    const QString path = QStringLiteral("words.txt");

    QVERIFY(Utils::appendLine(KA, path));
    QVERIFY(Utils::appendLine("b", path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // One byte-order mark, before the first line only.
    QCOMPARE(file.readAll(), QByteArray(utf8Bom + KA.toUtf8() + "\nb\n"));
    file.close();
    QCOMPARE(Utils::readLines(path), (QStringList{KA, "b"}));

    QVERIFY(Utils::writeLines({"x", KHA, "x "}, path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray(utf8Bom + "x\n" + KHA.toUtf8() + "\nx "));
    file.close();
    QCOMPARE(Utils::readLines(path), (QStringList{"x", KHA}));

    // Other Unicode encodings are recognised by their byte-order mark.
    QFile utf16(QStringLiteral("utf16.txt"));
    QVERIFY(utf16.open(QIODevice::WriteOnly));
    const QString text = KA + QStringLiteral("\n ") + KHA + QStringLiteral(" \n");
    utf16.write("\xFF\xFE");
    utf16.write(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    utf16.close();
    QCOMPARE(Utils::readLines(utf16.fileName()), (QStringList{KA, KHA}));

    QCOMPARE(Utils::readLines("missing.txt"), QStringList());
    QVERIFY(!Utils::appendLine("x", "no/such/folder/words.txt"));
    QVERIFY(!Utils::writeLines({"x"}, "no/such/folder/words.txt"));
}

void TestWordList::addToUserDictionary()
{
    TestSandbox sandbox;
    AppDictFolder dct;
    Utils utils;
    QCompleter *completer = utils.completer();

    QVERIFY(utils.addToUserDictionary(KA, nullptr));
    QVERIFY(utils.isMisspelled(KA));       // the file only
    // The completer has looked words up before the word comes.
    utils.addWord(KA + VIRAMA + KHA);
    completer->setCompletionPrefix(KHA);
    QCOMPARE(completer->completionCount(), 0);
    QVERIFY(utils.addToUserDictionary(KHA, completer));
    QVERIFY(!utils.isMisspelled(KHA));     // and the list
    completer->setCompletionPrefix(KHA + VIRAMA);
    completer->setCompletionPrefix(KHA);
    QCOMPARE(completer->completionCount(), 1);
    QCOMPARE(completer->currentCompletion(), KHA);
    const QString userWords = QDir(sandbox.userDataDir()).filePath(QStringLiteral("usr.dct"));
    QCOMPARE(Utils::readLines(userWords), (QStringList{KA, KHA}));

    // The next build reads them back.
    Utils next;
    QCOMPARE(wordList(next), (QStringList{KA, KHA}));

    // A file whose last line has no line end, as editors often leave it:
    // the new word still gets a line of its own.
    QVERIFY(!sandbox.writeUserFile("usr.dct", utf8Bom + LA.toUtf8()).isEmpty());
    QVERIFY(utils.addToUserDictionary(RA, completer));
    QCOMPARE(Utils::readLines(userWords), (QStringList{LA, RA}));
}

void TestWordList::completerSettings()
{
    TestSandbox sandbox;
    AppDictFolder dct;
    Utils utils;
    QCompleter *completer = utils.completer();
    QCOMPARE(completer->parent(), &utils);
    QCOMPARE(completer->modelSorting(), QCompleter::UnsortedModel);
    QCOMPARE(completer->caseSensitivity(), Qt::CaseInsensitive);
    QCOMPARE(completer->wrapAround(), false);
    QCOMPARE(completer->completionMode(), QCompleter::PopupCompletion);

    QAbstractItemView *popup = completer->popup();
    QCOMPARE(popup->font().family(), QStringLiteral("Tunga"));
    QCOMPARE(popup->font().pointSize(), 11);
    QStyleOptionViewItem option;
    QCOMPARE(popup->itemDelegate()->sizeHint(option, QModelIndex()).height(), 26);
}

// The popup is as wide as its widest word in its font, however often the
// words were measured before.
void TestWordList::popupWidthFollowsTheFont()
{
    TestSandbox sandbox;
    AppDictFolder dct;
    Utils utils;
    QCompleter *completer = utils.completer();
    utils.addWords({KA, KA + SIGN_AA + RA + VIRAMA + SSA + SIGN_II + LA + SIGN_I, "ab", "abcdefgh"});
    QAbstractItemView *popup = completer->popup();
    QListView measured;
    measured.setModel(completer->completionModel());
    for (const QString &prefix : {QString(), QStringLiteral("a"), QString()}) {
        completer->setCompletionPrefix(prefix);
        for (const int pointSize : {11, 30, 11}) {
            popup->setFont(QFont(QStringLiteral("Tunga"), pointSize));
            measured.setFont(popup->font());
            QCOMPARE(popup->sizeHintForColumn(0), measured.sizeHintForColumn(0));
        }
    }
}

namespace {
QStringList logged;
} // namespace

void TestWordList::wordsStayOutOfTheLog_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<bool>("shown");
    QTest::newRow("by default") << QString() << false;
    QTest::newRow("debug asked for") << "yavo.dictionary.debug=true" << true;
    QTest::newRow("another library's debug") << "yavo.editor.debug=true" << false;
}

void TestWordList::wordsStayOutOfTheLog()
{
    QFETCH(QString, rules);
    QFETCH(bool, shown);
    TestSandbox sandbox;
    AppDictFolder dct;
    const QString privateWord = QStringLiteral("private\u0C95word");
    QVERIFY(DictFixture::writeFile(dct.filePath("dict.dat"), DictFixture::wordFileBytes({privateWord})));

    QLoggingCategory::setFilterRules(rules);
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &message) { logged << message; });
    Utils utils;
    const QStringList words = wordList(utils);
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());

    QCOMPARE(words, QStringList{privateWord});
    QCOMPARE(logged.filter(privateWord).size(), shown ? 1 : 0);
    if (!shown)
        QCOMPARE(logged, QStringList());
}

void TestWordList::theWordModelGoesWithItsList()
{
    TestSandbox sandbox;
    AppDictFolder dct;
    QVERIFY(!sandbox.writeUserFile("usr.dct", lines({KA})).isEmpty());
    QPointer<QAbstractItemModel> earlier;
    QPointer<QAbstractItemModel> current;
    {
        Utils utils;
        earlier = utils.loadWords(0);
        current = wordModel(utils);
        QVERIFY(current && current != earlier);
        // A model handed out earlier stays usable while its list lives.
        QCOMPARE(earlier->rowCount(), 1);
    }
    QVERIFY(earlier.isNull());
    QVERIFY(current.isNull());
}

YAVO_TEST_MAIN(TestWordList)
#include "tst_wordlist.moc"
