// The dictionary databases the build makes from Debian's aspell word lists,
// read as the programs read them: beside the program, through DictDatabase,
// the word list of completion and spelling, and the offline dictionary.
#include "dictfixture.h"
#include "modalanswerer.h"
#include "testmain.h"

#include "core/languagetable.h"
#include "dictionary/dictdatabase.h"
#include "editor/yavokoshadialog.h"
#include "utils/utils.h"
#include "widgets/unicodelineedit.h"

#include <QCompleter>
#include <QDate>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStringListModel>
#include <QTextBlock>
#include <QTextBrowser>

namespace {

// The word list as aspell gives it, each word once.
QSet<QString> aspellWords(const QString &dictionary)
{
    QProcess aspell;
    aspell.start(QStringLiteral("aspell"), {QStringLiteral("--encoding=utf-8"), QStringLiteral("-d"),
                                            dictionary, QStringLiteral("dump"), QStringLiteral("master")});
    if (!aspell.waitForFinished(60000) || aspell.exitCode() != 0)
        return {};
    const QStringList words = QString::fromUtf8(aspell.readAllStandardOutput())
            .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    return QSet<QString>(words.cbegin(), words.cend());
}

} // namespace

class TestBuiltDictionaries : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyLanguage_data();
    void everyLanguage();
    void kannadaWordList_data();
    void kannadaWordList();

private:
    QScopedPointer<AppDictFolder> m_dct;
};

void TestBuiltDictionaries::initTestCase()
{
    if (DictFixture::builtDictionaries().isEmpty())
        QSKIP(qPrintable(DictFixture::noBuiltDictionariesReason()));
    m_dct.reset(new AppDictFolder);
    QVERIFY(m_dct->addBuiltDatabases());
}

void TestBuiltDictionaries::everyLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("dictionary");
    QTest::addColumn<QString>("word");   // one the list must hold: "language"

    QTest::newRow("Kannada") << 0 << "kn" << QStringLiteral("ಭಾಷೆ");
    QTest::newRow("Telugu") << 1 << "te" << QStringLiteral("భాష");
    QTest::newRow("Malayalam") << 2 << "ml" << QStringLiteral("ഭാഷ");
    QTest::newRow("Oriya") << 3 << "or" << QStringLiteral("ଭାଷା");
    QTest::newRow("Hindi") << 4 << "hi" << QStringLiteral("भाषा");
    QTest::newRow("Gujarati") << 5 << "gu" << QStringLiteral("ભાષા");
    QTest::newRow("Bengali") << 6 << "bn" << QStringLiteral("ভাষা");
    QTest::newRow("Gurmukhi") << 7 << "pa" << QStringLiteral("ਭਾਸ਼ਾ");
    QTest::newRow("Tamil") << 8 << "ta" << QStringLiteral("மொழி");
}

// Each database is found for its language among all nine, says what it is,
// holds the whole aspell list (every word, once, and nothing else), and
// serves the offline dictionary.
void TestBuiltDictionaries::everyLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, dictionary);
    QFETCH(QString, word);
    if (!DictFixture::builtDictionaries().contains(dictionary))
        QSKIP(qPrintable(QStringLiteral("the build had no aspell-%1").arg(dictionary)));

    // No box on the way: neither a database that does not open nor one
    // that is not found.
    ModalAnswerer answerer;
    DictDatabase reader;
    QVERIFY(reader.open(language, false));

    const QStringList info = reader.info();
    QCOMPARE(info.size(), 3);
    QCOMPARE(info.at(2), LanguageTable::languageName(language));
    QVERIFY2(QDate::fromString(info.at(1), Qt::ISODate).isValid(), qPrintable(info.at(1)));

    const QStringList words = reader.allWords();
    QCOMPARE(info.at(0), QString::number(words.size()));
    const QSet<QString> distinct(words.cbegin(), words.cend());
    QCOMPARE(distinct.size(), words.size());
    QVERIFY(!distinct.contains(QString()));
    QVERIFY(distinct.contains(word));
    const QSet<QString> expected = aspellWords(dictionary);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(distinct.size(), expected.size());
    QVERIFY(distinct == expected);

    // The offline dictionary: these lists have words and no entries, so a
    // look-up is a word without an entry, told as such, with its similar
    // words.
    YavoKoshaDialog dialog(nullptr);
    dialog.setLanguage(language, 0);
    auto *field = dialog.findChild<UnicodeLineEdit *>(QStringLiteral("wordLineEdit"));
    auto *browser = dialog.findChild<QTextBrowser *>(QStringLiteral("textBrowser"));
    auto *status = dialog.findChild<QLabel *>(QStringLiteral("statusBar"));
    QVERIFY(field && browser && status);
    // Found: the field takes words.
    QVERIFY(field->isEnabled());
    QVERIFY(browser->isEnabled());

    dialog.searchWord(word);
    QCOMPARE(status->text(), QStringLiteral("Word not found. Sorry!"));

    // The word, then at most the first ten words of the list that hold it,
    // each a link.
    QTextBlock block = browser->document()->begin();
    QCOMPARE(block.text().trimmed(), word);
    QStringList similar;
    for (block = block.next(); block.isValid(); block = block.next()) {
        QVERIFY2(block.begin().fragment().charFormat().isAnchor(), qPrintable(block.text()));
        similar << block.text();
    }
    QVERIFY(!similar.isEmpty());
    QVERIFY(similar.size() <= 10);
    for (const QString &candidate : qAsConst(similar))
        QVERIFY2(candidate.contains(word), qPrintable(candidate));
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(answerer.seen(), QStringList());
}

void TestBuiltDictionaries::kannadaWordList_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("misspelled");
    QTest::addColumn<QString>("suggested");   // among the suggestions; empty: none checked

    QTest::newRow("namaskAra") << QStringLiteral("ನಮಸ್ಕಾರ") << false << QString();
    QTest::newRow("kannaDa") << QStringLiteral("ಕನ್ನಡ") << false << QString();
    QTest::newRow("tantrAMSa") << QStringLiteral("ತಂತ್ರಾಂಶ") << false << QString();
    QTest::newRow("bhAShe") << QStringLiteral("ಭಾಷೆ") << false << QString();
    QTest::newRow("kannaDha") << QStringLiteral("ಕನ್ನಢ") << true << QStringLiteral("ಕನ್ನಡ");
    QTest::newRow("bhASe") << QStringLiteral("ಭಾಶೆ") << true << QStringLiteral("ಭಾಷೆ");
}

// The one list of completion and spelling, as the word processor builds it
// 300 ms after start: from the Kannada database.
void TestBuiltDictionaries::kannadaWordList()
{
    QFETCH(QString, word);
    QFETCH(bool, misspelled);
    QFETCH(QString, suggested);
    if (!DictFixture::builtDictionaries().contains(QStringLiteral("kn")))
        QSKIP("the build had no aspell-kn");

    Utils utils;
    QCompleter *completer = utils.completer();
    QCOMPARE(utils.isMisspelled(word), misspelled);
    if (!suggested.isEmpty()) {
        const QStringList suggestions = utils.suggestions(word);
        QVERIFY2(suggestions.contains(suggested), qPrintable(suggestions.join(QLatin1Char(' '))));
    }
    // Completion offers the words of the list that begin with what is typed.
    const QString prefix = (misspelled ? suggested : word).left(3);
    completer->setCompletionPrefix(prefix);
    QStringList offered;
    for (int row = 0; completer->setCurrentRow(row); ++row)
        offered << completer->currentCompletion();
    QVERIFY2(offered.contains(misspelled ? suggested : word), qPrintable(prefix));
    for (const QString &completion : qAsConst(offered))
        QVERIFY2(completion.startsWith(prefix), qPrintable(completion));
}

YAVO_TEST_MAIN(TestBuiltDictionaries)
#include "tst_builtdictionaries.moc"
