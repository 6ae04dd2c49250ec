#include "testmain.h"
#include "utils/wordcompleter.h"
#include "utils/wordprefixmodel.h"

#include <QCompleter>
#include <QStringListModel>

namespace {

const QString ZWJ = QStringLiteral("\u200D");
const QString ZWNJ = QStringLiteral("\u200C");
// ಕಾರ್ಯ, and the forms the layouts write with a joiner after the virama.
const QString KARYA = QStringLiteral("\u0C95\u0CBE\u0CB0\u0CCD\u0CAF");
const QString KAR = QStringLiteral("\u0C95\u0CBE\u0CB0\u0CCD");
const QString KANNADA = QStringLiteral("\u0C95\u0CA8\u0CCD\u0CA8\u0CA1");
// A letter outside the Basic Multilingual Plane and its lower case.
const QString DESERET_LONG_I = QStringLiteral("\U00010400");
const QString DESERET_LONG_I_SMALL = QStringLiteral("\U00010428");

// Words out of order, with a repeated word and words that differ in case
// only, as the layered list has them.
QStringList fixtureWords()
{
    return {
        QStringLiteral("Apple"), KANNADA, QStringLiteral("apricot"), KAR + ZWJ + QStringLiteral("\u0CAF"),
        QStringLiteral("APPLE"), QStringLiteral("banana"), KARYA, QStringLiteral("ab"),
        KAR + ZWNJ + QStringLiteral("\u0CAF"), QStringLiteral("Apple"), QStringLiteral("\u03A3\u03BF\u03C6"),
        QStringLiteral("stra\u00DFe"), DESERET_LONG_I + QStringLiteral("x"), QStringLiteral("a"),
        KANNADA + QStringLiteral("\u0CB5"), QString(), QStringLiteral("Ab c"),
    };
}

// The rows of the words that start with the prefix, case aside, in list order.
QVector<int> rowsStartingWith(const QStringList &words, const QString &prefix)
{
    QVector<int> rows;
    for (int row = 0; row < words.size(); ++row) {
        if (words.at(row).startsWith(prefix, Qt::CaseInsensitive))
            rows.append(row);
    }
    return rows;
}

QVector<int> shownRows(const WordPrefixModel &model)
{
    QVector<int> rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows.append(model.mapToSource(model.index(row, 0)).row());
    return rows;
}

QStringList offered(QCompleter &completer, const QString &prefix)
{
    completer.setCompletionPrefix(prefix);
    QStringList words;
    QAbstractItemModel *completions = completer.completionModel();
    for (int row = 0; row < completions->rowCount(); ++row)
        words.append(completions->index(row, 0).data().toString());
    return words;
}

void configure(QCompleter &completer)
{
    completer.setModelSorting(QCompleter::UnsortedModel);
    completer.setCaseSensitivity(Qt::CaseInsensitive);
    completer.setCompletionMode(QCompleter::PopupCompletion);
}

// A word list that counts the reads of its words.
class CountingModel : public QStringListModel
{
public:
    using QStringListModel::QStringListModel;
    QVariant data(const QModelIndex &index, int role) const override
    {
        ++reads;
        return QStringListModel::data(index, role);
    }
    mutable int reads = 0;
};

} // namespace

class TestWordCompleter : public QObject
{
    Q_OBJECT

private slots:
    void lookUpMatchesEveryWord_data() { addPrefixes(); }
    void lookUpMatchesEveryWord();
    void offersWhatQtOffers_data() { addPrefixes(); }
    void offersWhatQtOffers();
    void listChanges_data();
    void listChanges();
    void aPrefixReadsItsOwnWordsOnly();

private:
    static void addPrefixes();
};

void TestWordCompleter::addPrefixes()
{
    QTest::addColumn<QString>("prefix");
    QTest::newRow("none") << QString();
    QTest::newRow("lower case") << "ap";
    QTest::newRow("upper case") << "AP";
    QTest::newRow("mixed case") << "aPp";
    QTest::newRow("a whole word") << "apple";
    QTest::newRow("one letter") << "a";
    QTest::newRow("with a space") << "ab ";
    QTest::newRow("final sigma") << "\u03C2";
    QTest::newRow("sigma") << "\u03C3\u039F";
    QTest::newRow("sharp s") << "STRA\u00DF";
    QTest::newRow("outside the BMP, other case") << DESERET_LONG_I_SMALL;
    QTest::newRow("Kannada") << KANNADA;
    QTest::newRow("Kannada, unfinished cluster") << KAR;
    QTest::newRow("Kannada with ZWJ") << KAR + ZWJ;
    QTest::newRow("Kannada with ZWNJ") << KAR + ZWNJ;
    QTest::newRow("Kannada without joiner") << KAR + QStringLiteral("\u0CAF");
    QTest::newRow("no such word") << "zz";
    QTest::newRow("longer than every word") << "applesauce";
    QTest::newRow("past the last word") << "\uFFFF";
}

void TestWordCompleter::lookUpMatchesEveryWord()
{
    QFETCH(QString, prefix);
    const QStringList words = fixtureWords();
    QStringListModel list(words);
    WordPrefixModel model;
    model.setSourceModel(&list);
    model.setPrefix(prefix);
    QCOMPARE(shownRows(model), rowsStartingWith(words, prefix));
    // And back again, from the rows of the list.
    for (int row = 0; row < words.size(); ++row) {
        const QModelIndex shown = model.mapFromSource(list.index(row));
        QCOMPARE(shown.isValid(), words.at(row).startsWith(prefix, Qt::CaseInsensitive));
        if (shown.isValid())
            QCOMPARE(shown.data().toString(), words.at(row));
    }
}

void TestWordCompleter::offersWhatQtOffers()
{
    QFETCH(QString, prefix);
    QStringListModel list(fixtureWords());
    QCompleter plain(&list);
    configure(plain);
    WordCompleter words;
    words.setWordModel(&list);
    configure(words);
    // After another prefix too, whose matches the completer keeps.
    for (const QString &before : {QString(), QStringLiteral("a"), KAR}) {
        offered(plain, before);
        offered(words, before);
        QCOMPARE(offered(words, prefix), offered(plain, prefix));
        QCOMPARE(words.currentRow(), plain.currentRow());
        QCOMPARE(words.currentCompletion(), plain.currentCompletion());
    }
    words.setCaseSensitivity(Qt::CaseSensitive);
    plain.setCaseSensitivity(Qt::CaseSensitive);
    QCOMPARE(offered(words, prefix), offered(plain, prefix));
    words.setFilterMode(Qt::MatchContains);
    plain.setFilterMode(Qt::MatchContains);
    QCOMPARE(offered(words, prefix), offered(plain, prefix));
}

void TestWordCompleter::listChanges_data()
{
    QTest::addColumn<QString>("change");
    for (const char *change : {"append a word", "append a word the prefix takes", "replace the list",
                               "add through the list's rows", "insert at the top", "remove in the middle",
                               "rename a word", "sort", "delete the list"})
        QTest::newRow(change) << QString::fromLatin1(change);
}

// The index follows the list however it changes, whether the index was
// built before (a look-up) or not.
void TestWordCompleter::listChanges()
{
    QFETCH(QString, change);
    const QString prefix = QStringLiteral("ap");
    for (const bool lookedUpBefore : {true, false}) {
        auto *list = new QStringListModel(fixtureWords());
        WordPrefixModel model;
        model.setSourceModel(list);
        model.setPrefix(prefix);
        if (lookedUpBefore)
            QCOMPARE(shownRows(model), rowsStartingWith(list->stringList(), prefix));

        if (change == "append a word") {
            list->insertRows(list->rowCount(), 1);
            list->setData(list->index(list->rowCount() - 1), QStringLiteral("cherry"));
        } else if (change == "append a word the prefix takes") {
            list->insertRows(list->rowCount(), 1);
            list->setData(list->index(list->rowCount() - 1), QStringLiteral("APRIL"));
        } else if (change == "replace the list") {
            list->setStringList(list->stringList() + QStringList{"apex", "Ap"});
        } else if (change == "add through the list's rows") {
            list->insertRows(2, 2);
            list->setData(list->index(2), QStringLiteral("apse"));
            list->setData(list->index(3), QStringLiteral("Apt"));
        } else if (change == "insert at the top") {
            list->insertRows(0, 1);
            list->setData(list->index(0), QStringLiteral("aPPle"));
        } else if (change == "remove in the middle") {
            list->removeRows(1, 3);
        } else if (change == "rename a word") {
            list->setData(list->index(0), QStringLiteral("pear"));
            list->setData(list->index(5), QStringLiteral("apology"));
        } else if (change == "sort") {
            list->sort(0);
        } else if (change == "delete the list") {
            delete list;
            list = nullptr;
            QCOMPARE(model.rowCount(), 0);
            QVERIFY(!model.index(0, 0).isValid());
            continue;
        }
        QCOMPARE(shownRows(model), rowsStartingWith(list->stringList(), prefix));
        // The next prefix sees the change as well.
        model.setPrefix(QStringLiteral("A"));
        QCOMPARE(shownRows(model), rowsStartingWith(list->stringList(), QStringLiteral("A")));
        delete list;
    }
}

// Qt's completer alone reads every word of the list at each new prefix.
void TestWordCompleter::aPrefixReadsItsOwnWordsOnly()
{
    QStringList words;
    for (int i = 0; i < 5000; ++i)
        words.append(QStringLiteral("w%1").arg(i * 7919 % 5000));
    CountingModel list(words);
    WordCompleter completer;
    completer.setWordModel(&list);
    configure(completer);
    // The index is built once, at the first look-up.
    completer.setCompletionPrefix(QStringLiteral("w1"));
    list.reads = 0;
    const QStringList found = offered(completer, QStringLiteral("w42"));
    QCOMPARE(found.size(), rowsStartingWith(words, QStringLiteral("w42")).size());
    QVERIFY2(list.reads < words.size() / 2, qPrintable(QStringLiteral("%1 reads").arg(list.reads)));
}

YAVO_TEST_MAIN(TestWordCompleter)
#include "tst_wordcompleter.moc"
