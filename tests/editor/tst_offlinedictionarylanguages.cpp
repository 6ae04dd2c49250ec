// The offline dictionary over the databases the build makes from the aspell
// word lists, in each of the nine languages: these lists have words and no
// entries, so every look-up is a word without an entry and its similar words.
#include "dictfixture.h"
#include "editor/yavokoshadialog.h"
#include "modalanswerer.h"
#include "testmain.h"
#include "widgets/unicodelineedit.h"

#include <QLabel>
#include <QTextBlock>
#include <QTextBrowser>

class TestOfflineDictionaryLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void listsSimilarWords_data();
    void listsSimilarWords();

private:
    QScopedPointer<AppDictFolder> m_dct;
};

void TestOfflineDictionaryLanguages::initTestCase()
{
    if (DictFixture::builtDictionaries().isEmpty())
        QSKIP(qPrintable(DictFixture::noBuiltDictionariesReason()));
    m_dct.reset(new AppDictFolder);
    QVERIFY(m_dct->addBuiltDatabases());
}

void TestOfflineDictionaryLanguages::listsSimilarWords_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("dictionary");
    QTest::addColumn<QString>("word");
    for (const DictFixture::BuiltLanguage &row : DictFixture::builtLanguages())
        QTest::newRow(row.name) << row.language << row.dictionary << row.word;
}

void TestOfflineDictionaryLanguages::listsSimilarWords()
{
    QFETCH(int, language);
    QFETCH(QString, dictionary);
    QFETCH(QString, word);
    if (!DictFixture::builtDictionaries().contains(dictionary))
        QSKIP(qPrintable(QStringLiteral("the build had no aspell-%1").arg(dictionary)));

    ModalAnswerer answerer;
    YavoKoshaDialog dialog(nullptr);
    dialog.setLanguage(language, 0);
    auto *field = dialog.findChild<UnicodeLineEdit *>(QStringLiteral("wordLineEdit"));
    auto *browser = dialog.findChild<QTextBrowser *>(QStringLiteral("textBrowser"));
    auto *status = dialog.findChild<QLabel *>(QStringLiteral("statusBar"));
    QVERIFY(field && browser && status);
    // Found: no "Dictionary is not found" box, and the field takes words.
    QVERIFY(field->isEnabled());
    QVERIFY(browser->isEnabled());

    dialog.searchWord(word);
    QCOMPARE(status->text(), QStringLiteral("Word not found. Sorry!"));
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(answerer.seen(), QStringList());

    // The word, then its similar words: at most the first ten of the list
    // that hold it, each a link.
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
}

YAVO_TEST_MAIN(TestOfflineDictionaryLanguages)
#include "tst_offlinedictionarylanguages.moc"
