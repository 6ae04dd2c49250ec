#include "dictfixture.h"
#include "dictionary/dictdatabase.h"
#include "editor/history.h"
#include "editor/userdict.h"
#include "testmain.h"
#include "testplugins.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextCodec>

#include <memory>

namespace {

const QString historyKey = QStringLiteral("PRAGMA key = '7c1e9d04b2a6f35e8d10';");
const QString kannadaText = QStringLiteral("\u0C95\u0CA8\u0CCD\u0CA8\u0CA1\n\u0CAA\u0CA6");

// The two stores are built alike; the tests run on either through this.
struct StoreKind
{
    QString file;
    QString driver;
    QString key;
    QStringList tables;
};

StoreKind storeKind(const QString &name)
{
    if (name == QLatin1String("history"))
        return {"dat/history.dat", "QSQLCIPHER", historyKey, {"Find", "Replace"}};
    return {"dat/usrdic.dat", "QSQLITE", QString(), {"UnicodeWords"}};
}

// One store object of either kind, alive while this lives.
class Store
{
public:
    explicit Store(const QString &kind)
    {
        if (kind == QLatin1String("history"))
            m_history = std::make_unique<History>();
        else
            m_userDict = std::make_unique<UserDict>();
    }
    QString load(const QString &table)
    {
        return m_history ? m_history->load(table) : m_userDict->load(table);
    }
    // The history store reports nothing; true stands for "no answer".
    bool save(const QString &table, const QString &text)
    {
        if (!m_history)
            return m_userDict->save(text, table);
        m_history->save(table, text);
        return true;
    }

private:
    std::unique_ptr<History> m_history;
    std::unique_ptr<UserDict> m_userDict;
};

// Looks into a store's file through a connection of its own.
class Inspector
{
public:
    explicit Inspector(const StoreKind &kind, const QString &key = QString())
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(kind.driver, m_name);
        db.setDatabaseName(kind.file);
        m_open = db.open();
        const QString keyStatement = key.isNull() ? kind.key : key;
        if (m_open && !keyStatement.isEmpty())
            QSqlQuery(db).exec(keyStatement);
    }
    ~Inspector() { QSqlDatabase::removeDatabase(m_name); }

    bool isOpen() const { return m_open; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }
    QStringList tables() const
    {
        QStringList names = db().tables();
        names.sort();
        return names;
    }
    QList<QByteArray> rows(const QString &table) const
    {
        QList<QByteArray> result;
        QSqlQuery query(db());
        if (!query.exec(QStringLiteral("SELECT data FROM \"%1\"").arg(table)))
            return {QByteArrayLiteral("<no table>")};
        while (query.next())
            result << query.value(0).toByteArray();
        return result;
    }

private:
    QString m_name = QStringLiteral("inspector");
    bool m_open = false;
};

DictContent dictionaryOf(const QString &word)
{
    DictContent content;
    content.languageName = QStringLiteral("Kannada");
    content.wordsText = word;
    return content;
}

// The store's own connection, when it is the only one there is.
QSqlDatabase onlyConnection()
{
    const QStringList names = QSqlDatabase::connectionNames();
    return names.size() == 1 ? QSqlDatabase::database(names.constFirst(), false) : QSqlDatabase();
}

QString incompressibleText(int size)
{
    QRandomGenerator random(42);
    QString text(size, Qt::Uninitialized);
    for (QChar &c : text)
        c = QChar(char16_t(0x4E00 + random.bounded(0x5000)));
    return text;
}

QByteArray fileHead(const QString &path, int size)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(size) : QByteArray();
}

void addStoreRows()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("history") << "history";
    QTest::newRow("user dictionary") << "userdict";
}

} // namespace

class TestStores : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void firstUse_data() { addStoreRows(); }
    void firstUse();
    void roundTrip_data();
    void roundTrip();
    void failedSaveKeepsTheOldText_data() { addStoreRows(); }
    void failedSaveKeepsTheOldText();
    void notAvailable_data() { addStoreRows(); }
    void notAvailable();
    void tableNamesAreNeverSql_data();
    void tableNamesAreNeverSql();
    void textsAreUtf8WhateverTheLocale_data() { addStoreRows(); }
    void textsAreUtf8WhateverTheLocale();
    void historyIsEncryptedOnDisk();
    void historyWithAnotherKey();
    void storesTakeTurns();
    void storesOpenTogether();
};

void TestStores::initTestCase()
{
    addTestPluginPath();
    QVERIFY(QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLCIPHER")));
}

void TestStores::firstUse()
{
    QFETCH(QString, kind);
    const StoreKind store = storeKind(kind);
    TestSandbox sandbox;
    // The current folder has no "dat" yet; the store makes it there.
    QVERIFY(!QFileInfo::exists(QStringLiteral("dat")));
    {
        Store first(kind);
        for (const QString &table : store.tables) {
            const QString text = first.load(table);
            QVERIFY(text.isEmpty());
        }
    }
    QVERIFY(QFileInfo(store.file).isFile());
    Inspector inspector(store);
    QCOMPARE(inspector.tables(), store.tables);
    for (const QString &table : store.tables)
        QCOMPARE(inspector.rows(table), QList<QByteArray>());
}

void TestStores::roundTrip_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("text");

    QTest::newRow("find") << "history" << "Find" << "second\nfirst";
    QTest::newRow("replace, trailing empty entry") << "history" << "Replace" << QString(kannadaText + "\n");
    QTest::newRow("find, empty") << "history" << "Find" << "";
    QTest::newRow("find, quotes and SQL") << "history" << "Find" << "it's \"x\"'); DROP TABLE Replace; --";
    QTest::newRow("user words") << "userdict" << "UnicodeWords" << kannadaText;
    QTest::newRow("user words, empty") << "userdict" << "UnicodeWords" << "";
    QTest::newRow("user words, long") << "userdict" << "UnicodeWords" << incompressibleText(20000);
}

void TestStores::roundTrip()
{
    QFETCH(QString, kind);
    QFETCH(QString, table);
    QFETCH(QString, text);
    const StoreKind store = storeKind(kind);
    TestSandbox sandbox;

    // Every other table of the store holds a text of its own.
    QStringList others = store.tables;
    others.removeOne(table);
    for (const QString &other : others)
        QVERIFY(Store(kind).save(other, "other " + other));

    QVERIFY(Store(kind).save(table, QStringLiteral("earlier text")));
    QVERIFY(Store(kind).save(table, text));

    {
        Store reader(kind);
        QCOMPARE(reader.load(table), text);
        for (const QString &other : others)
            QCOMPARE(reader.load(other), "other " + other);
    }

    Inspector inspector(store);
    const QList<QByteArray> rows = inspector.rows(table);
    QCOMPARE(rows.size(), 1);
    if (text.isEmpty())
        QCOMPARE(rows.constFirst(), QByteArray(4, '\0'));
    // Stored as a BLOB of qCompress'ed UTF-8.
    QCOMPARE(qUncompress(rows.constFirst()), text.toUtf8());
    for (const QString &other : others)
        QCOMPARE(inspector.rows(other).size(), 1);
}

void TestStores::failedSaveKeepsTheOldText()
{
    QFETCH(QString, kind);
    const StoreKind store = storeKind(kind);
    const QString table = store.tables.constFirst();
    TestSandbox sandbox;
    QVERIFY(Store(kind).save(table, QStringLiteral("old words")));

    {
        Store writer(kind);
        // The store's own connection may not grow the file, so the drop and
        // the create succeed and the insert of a large text fails.
        QSqlQuery query(onlyConnection());
        QVERIFY(query.exec(QStringLiteral("PRAGMA page_count")) && query.next());
        const int pages = query.value(0).toInt();
        QVERIFY(query.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages)));
        // A statement left pending would lock the table and fail the drop
        // instead of the insert.
        query.finish();
        const bool saved = writer.save(table, incompressibleText(60000));
        if (kind == QLatin1String("userdict"))
            QCOMPARE(saved, false);
    }
    QCOMPARE(Store(kind).load(table), QStringLiteral("old words"));
    QCOMPARE(Inspector(store).rows(table).size(), 1);
}

void TestStores::notAvailable()
{
    QFETCH(QString, kind);
    const StoreKind store = storeKind(kind);
    TestSandbox sandbox;
    // "dat" is taken by a plain file, so there is no folder for the database.
    QVERIFY(!sandbox.writeFile("cwd/dat", "not a folder").isEmpty());

    QTest::ignoreMessage(QtDebugMsg, "Db not available!");
    Store unavailable(kind);
    for (const QString &table : store.tables) {
        QVERIFY(unavailable.load(table).isNull());
        if (kind == QLatin1String("userdict"))
            QCOMPARE(unavailable.save(table, QStringLiteral("x")), false);
        else
            unavailable.save(table, QStringLiteral("x"));
    }
    QVERIFY(QFileInfo(QStringLiteral("dat")).isFile());
}

void TestStores::tableNamesAreNeverSql_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("table");

    QTest::newRow("unknown") << "userdict" << "Nope";
    QTest::newRow("letter case differs") << "history" << "find";
    QTest::newRow("quote and statement") << "history" << "Find'; DROP TABLE Replace; --";
    QTest::newRow("double quote and statement") << "userdict" << "UnicodeWords\"; DROP TABLE UnicodeWords; --";
    QTest::newRow("quoted name") << "history" << "'Find'";
}

void TestStores::tableNamesAreNeverSql()
{
    QFETCH(QString, kind);
    QFETCH(QString, table);
    const StoreKind store = storeKind(kind);
    TestSandbox sandbox;
    for (const QString &known : store.tables)
        QVERIFY(Store(kind).save(known, "kept " + known));

    {
        Store store(kind);
        QVERIFY(store.load(table).isNull());
        const bool saved = store.save(table, QStringLiteral("x"));
        if (kind == QLatin1String("userdict"))
            QCOMPARE(saved, false);
    }

    Inspector inspector(store);
    QCOMPARE(inspector.tables(), store.tables);
    Store reader(kind);
    for (const QString &known : store.tables)
        QCOMPARE(reader.load(known), "kept " + known);
}

void TestStores::textsAreUtf8WhateverTheLocale()
{
    QFETCH(QString, kind);
    const StoreKind store = storeKind(kind);
    const QString table = store.tables.constFirst();
    TestSandbox sandbox;
    // A locale codec without the Indic letters must not turn them into '?'.
    QTextCodec *saved = QTextCodec::codecForLocale();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
    const bool savedText = Store(kind).save(table, kannadaText);
    const QString loaded = Store(kind).load(table);
    QTextCodec::setCodecForLocale(saved);
    QVERIFY(savedText);
    QCOMPARE(loaded, kannadaText);
    QCOMPARE(Inspector(store).rows(table), QList<QByteArray>{qCompress(kannadaText.toUtf8(), 9)});
}

void TestStores::historyIsEncryptedOnDisk()
{
    TestSandbox sandbox;
    History().save(QStringLiteral("Find"), kannadaText);
    History().save(QStringLiteral("Replace"), QStringLiteral("plain words"));

    const QByteArray head = fileHead(QStringLiteral("dat/history.dat"), 16);
    QCOMPARE(head.size(), 16);
    QVERIFY(head != QByteArray("SQLite format 3\0", 16));
    QFile file(QStringLiteral("dat/history.dat"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray everything = file.readAll();
    QVERIFY(!everything.contains("CREATE TABLE"));
    QVERIFY(!everything.contains("Replace"));
    file.close();

    // Readable again with the key, through a connection of our own.
    {
        Inspector withKey(storeKind("history"));
        QVERIFY(withKey.isOpen());
        QCOMPARE(withKey.rows("Find"), QList<QByteArray>{qCompress(kannadaText.toUtf8(), 9)});
    }
    // And not without it.
    {
        Inspector withoutKey(storeKind("history"), QStringLiteral("SELECT 1"));
        QCOMPARE(withoutKey.rows("Find"), QList<QByteArray>{"<no table>"});
    }
    {
        StoreKind plain = storeKind("history");
        plain.driver = QStringLiteral("QSQLITE");
        Inspector plainSqlite(plain, QStringLiteral("SELECT 1"));
        QCOMPARE(plainSqlite.rows("Find"), QList<QByteArray>{"<no table>"});
    }
}

void TestStores::historyWithAnotherKey()
{
    TestSandbox sandbox;
    QDir().mkpath(QStringLiteral("dat"));
    const StoreKind history = storeKind("history");
    const QString otherKey = QStringLiteral("PRAGMA key = 'another key';");
    {
        Inspector other(history, otherKey);
        QSqlQuery query(other.db());
        QVERIFY(query.exec(QStringLiteral("CREATE TABLE Find (data TEXT)")));
        query.prepare(QStringLiteral("INSERT INTO Find (data) VALUES (?)"));
        query.addBindValue(qCompress(QByteArray("theirs")));
        QVERIFY(query.exec());
    }
    const QByteArray before = fileHead(history.file, 1 << 20);

    {
        History store;
        QVERIFY(store.load(QStringLiteral("Find")).isEmpty());
        store.save(QStringLiteral("Find"), QStringLiteral("mine"));
    }
    QCOMPARE(fileHead(history.file, 1 << 20), before);
    Inspector other(history, otherKey);
    QCOMPARE(other.rows("Find"), QList<QByteArray>{qCompress(QByteArray("theirs"))});
}

void TestStores::storesTakeTurns()
{
    TestSandbox sandbox;
    // The plain SQLite driver loaded in between must not leave the history
    // unencrypted.
    QVERIFY(UserDict().save(QStringLiteral("a\nb"), QStringLiteral("UnicodeWords")));
    History().save(QStringLiteral("Find"), QStringLiteral("f"));
    QVERIFY(UserDict().save(QStringLiteral("c"), QStringLiteral("UnicodeWords")));
    History().save(QStringLiteral("Replace"), QStringLiteral("r"));

    QCOMPARE(History().load(QStringLiteral("Find")), QStringLiteral("f"));
    QCOMPARE(UserDict().load(QStringLiteral("UnicodeWords")), QStringLiteral("c"));
    QCOMPARE(History().load(QStringLiteral("Replace")), QStringLiteral("r"));
    QVERIFY(fileHead(QStringLiteral("dat/history.dat"), 16) != QByteArray("SQLite format 3\0", 16));
    QCOMPARE(fileHead(QStringLiteral("dat/usrdic.dat"), 16), QByteArray("SQLite format 3\0", 16));
    // No store leaves its connection behind.
    QCOMPARE(QSqlDatabase::connectionNames(), QStringList());
}

void TestStores::storesOpenTogether()
{
    // The find panel, the user dictionary editor and the offline dictionary
    // may all be open at once; none may cut the others off.
    TestSandbox sandbox;
    AppDictFolder dct;
    const QString word = QStringLiteral("\u0C95");
    QVERIFY(DictFixture::writeDatabase(dct.filePath("kn.db"),
                                       dictionaryOf(word)));
    {
        History history;
        UserDict userDict;
        DictDatabase reader;
        QVERIFY(reader.open(0, true));
        history.save(QStringLiteral("Find"), QStringLiteral("f"));
        QVERIFY(userDict.save(kannadaText, QStringLiteral("UnicodeWords")));
        QCOMPARE(reader.allWords(), QStringList{word});
        QCOMPARE(history.load(QStringLiteral("Find")), QStringLiteral("f"));
        QCOMPARE(userDict.load(QStringLiteral("UnicodeWords")), kannadaText);
        QVERIFY(reader.open(0, true));
        QCOMPARE(history.load(QStringLiteral("Find")), QStringLiteral("f"));
    }
    QCOMPARE(QSqlDatabase::connectionNames(), QStringList());
    QCOMPARE(History().load(QStringLiteral("Find")), QStringLiteral("f"));
    QCOMPARE(UserDict().load(QStringLiteral("UnicodeWords")), kannadaText);
}

YAVO_TEST_GUILESS_MAIN(TestStores)
#include "tst_stores.moc"
