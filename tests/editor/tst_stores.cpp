#include "dictfixture.h"
#include "dictionary/dictdatabase.h"
#include "editor/history.h"
#include "editor/userdict.h"
#include "testmain.h"
#include "testplugins.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTextCodec>
#include <QLoggingCategory>

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

// The user's data folder of the sandbox in place.
QString userDataFile(const QString &name)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
            .filePath(QStringLiteral("Quenvel/Yavo/") + name);
}

// Only inside a sandbox: the files are in its data folder.
StoreKind storeKind(const QString &name)
{
    if (name == QLatin1String("history"))
        return {userDataFile("history.dat"), "QSQLCIPHER", historyKey, {"Find", "Replace"}};
    return {userDataFile("usrdic.dat"), "QSQLITE", QString(), {"UnicodeWords"}};
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
    QString errorString() const
    {
        return m_history ? m_history->errorString() : m_userDict->errorString();
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

QString storeText(const QString &table)
{
    return QStringLiteral("%1 one\n%1 two \u0C95\n%1 three").arg(table);
}

// Copies of a store's file that the store put beside it.
QStringList keptFiles(const StoreKind &kind)
{
    const QFileInfo file(kind.file);
    QStringList paths;
    const QStringList names = file.dir().entryList({file.completeBaseName() + ".*-*." + file.suffix()},
                                                   QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &name : names)
        paths << file.dir().filePath(name);
    return paths;
}

bool flipBit(const QString &path, qint64 offset, int bit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || !file.seek(offset))
        return false;
    char byte = 0;
    if (!file.getChar(&byte) || !file.seek(offset))
        return false;
    return file.putChar(char(byte ^ (1 << bit)));
}

// Where the stored text's bytes lie in the file, from a piece of them.
qint64 offsetOfStoredBytes(const QString &path, const QByteArray &blob, int at)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray piece = blob.mid(at, 32);
    const int found = file.readAll().indexOf(piece);
    return found < 0 ? -1 : found;
}

// The page that holds a table of a store, and the store's page size.
QPair<int, int> tablePage(const StoreKind &kind, const QString &table)
{
    Inspector inspector(kind);
    QSqlQuery query(inspector.db());
    if (!query.exec(QStringLiteral("PRAGMA page_size")) || !query.next())
        return {-1, -1};
    const int pageSize = query.value(0).toInt();
    query.prepare(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = ?"));
    query.addBindValue(table);
    if (!query.exec() || !query.next())
        return {-1, -1};
    return {query.value(0).toInt(), pageSize};
}

enum class Damage { Truncated, BitFlippedRow, PlainSqlite, NotADatabase, Directory, ReadOnly };
enum class Kept { Moved, Copied, InPlace };

// Puts the damage on a store that holds storeText() in each table; lost
// names the table whose text the damage reaches.
bool damage(const StoreKind &kind, Damage what, const QString &lost)
{
    const QString path = kind.file;
    switch (what) {
    case Damage::Truncated: {
        // Cut in the middle of the lost table's page and everything after it.
        const QPair<int, int> page = tablePage(kind, lost);
        return page.first > 0 && QFile::resize(path, qint64(page.first - 1) * page.second + page.second / 2);
    }
    case Damage::BitFlippedRow: {
        if (kind.key.isEmpty()) {
            // Plain SQLite has no checksums: the bit lands in the stored text,
            // in its zlib checksum, so every line still inflates.
            const QByteArray blob = qCompress(storeText(lost).toUtf8(), 9);
            const qint64 at = offsetOfStoredBytes(path, blob, blob.size() - 32);
            return at >= 0 && flipBit(path, at + 31, 0);
        }
        // An encrypted page whose bits change no longer decrypts.
        const QPair<int, int> page = tablePage(kind, lost);
        return page.first > 0 && flipBit(path, qint64(page.first - 1) * page.second + page.second / 2, 3);
    }
    case Damage::PlainSqlite: {
        QFile::remove(path);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("plain"));
        db.setDatabaseName(path);
        bool written = db.open();
        QSqlQuery query(db);
        if (kind.key.isEmpty()) {
            // Some other program's database, under the store's name.
            written = written && query.exec(QStringLiteral("CREATE TABLE Notes (data TEXT)"))
                    && query.exec(QStringLiteral("INSERT INTO Notes VALUES ('theirs')"));
        } else {
            // The store's own tables, written without encryption.
            for (const QString &table : kind.tables) {
                written = written && query.exec(QStringLiteral("CREATE TABLE %1 (data TEXT)").arg(table));
                query.prepare(QStringLiteral("INSERT INTO %1 (data) VALUES (?)").arg(table));
                query.addBindValue(qCompress(storeText(table).toUtf8(), 9));
                written = written && query.exec();
            }
        }
        query = QSqlQuery();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("plain"));
        return written;
    }
    case Damage::NotADatabase: {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
                && file.write("Not a database, just some words.\n") > 0;
    }
    case Damage::Directory:
        return QFile::remove(path) && QDir().mkpath(path + "/inside")
                && QFile(path + "/inside/file").open(QIODevice::WriteOnly);
    case Damage::ReadOnly:
        return QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    }
    return false;
}

void addStoreRows()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("history") << "history";
    QTest::newRow("user dictionary") << "userdict";
}

} // namespace

Q_DECLARE_METATYPE(Damage)
Q_DECLARE_METATYPE(Kept)

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
    void damagedFile_data();
    void damagedFile();
    void bitFlippedWords_data();
    void bitFlippedWords();
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
    TestSandbox sandbox;
    const StoreKind store = storeKind(kind);
    // The data folder has no folder of the suite yet; the store makes it.
    QVERIFY(!QFileInfo::exists(sandbox.userDataDir()));
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
    TestSandbox sandbox;
    const StoreKind store = storeKind(kind);

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
    TestSandbox sandbox;
    const StoreKind store = storeKind(kind);
    const QString table = store.tables.constFirst();
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
    TestSandbox sandbox;
    const StoreKind store = storeKind(kind);
    // The folder's name is taken by a plain file, so there is no folder for
    // the database.
    QVERIFY(!sandbox.writeFile(QDir(sandbox.root()).relativeFilePath(sandbox.userDataDir()),
                               "not a folder").isEmpty());

    // The line the debug output has always had, when debug output is asked for.
    QLoggingCategory::setFilterRules(QStringLiteral("yavo.editor.debug=true"));
    QTest::ignoreMessage(QtDebugMsg, "Db not available!");
    Store unavailable(kind);
    QLoggingCategory::setFilterRules(QString());
    QVERIFY(unavailable.errorString().contains(store.file));
    for (const QString &table : store.tables) {
        QVERIFY(unavailable.load(table).isNull());
        if (kind == QLatin1String("userdict"))
            QCOMPARE(unavailable.save(table, QStringLiteral("x")), false);
        else
            unavailable.save(table, QStringLiteral("x"));
    }
    QVERIFY(QFileInfo(sandbox.userDataDir()).isFile());
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
    TestSandbox sandbox;
    const StoreKind store = storeKind(kind);
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
    TestSandbox sandbox;
    const StoreKind store = storeKind(kind);
    const QString table = store.tables.constFirst();
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

    const QByteArray head = fileHead(userDataFile("history.dat"), 16);
    QCOMPARE(head.size(), 16);
    QVERIFY(head != QByteArray("SQLite format 3\0", 16));
    QFile file(userDataFile("history.dat"));
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
    QDir().mkpath(sandbox.userDataDir());
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
    // Their file is moved aside untouched, and the history goes on in a new one.
    const QStringList kept = keptFiles(history);
    QCOMPARE(kept.size(), 1);
    QCOMPARE(fileHead(kept.constFirst(), 1 << 20), before);
    QCOMPARE(History().load(QStringLiteral("Find")), QStringLiteral("mine"));
    StoreKind theirs = history;
    theirs.file = kept.constFirst();
    Inspector other(theirs, otherKey);
    QCOMPARE(other.rows("Find"), QList<QByteArray>{qCompress(QByteArray("theirs"))});
}

void TestStores::damagedFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<QString>("lost");       // the table the damage reaches
    QTest::addColumn<QStringList>("loaded"); // the texts loaded, table by table
    QTest::addColumn<Kept>("kept");

    const QString f = storeText("Find");
    const QString r = storeText("Replace");
    const QString u = storeText("UnicodeWords");
    QTest::newRow("history, truncated") << "history" << Damage::Truncated << "Replace" << QStringList{f, ""} << Kept::Moved;
    QTest::newRow("history, bit-flipped row") << "history" << Damage::BitFlippedRow << "Find" << QStringList{"", r} << Kept::Moved;
    QTest::newRow("history, plain SQLite") << "history" << Damage::PlainSqlite << "" << QStringList{f, r} << Kept::Moved;
    QTest::newRow("history, not a database") << "history" << Damage::NotADatabase << "" << QStringList{"", ""} << Kept::Moved;
    QTest::newRow("history, directory") << "history" << Damage::Directory << "" << QStringList{"", ""} << Kept::Moved;
    QTest::newRow("history, read-only") << "history" << Damage::ReadOnly << "" << QStringList{f, r} << Kept::Moved;
    QTest::newRow("user dictionary, truncated") << "userdict" << Damage::Truncated << "UnicodeWords" << QStringList{""} << Kept::Moved;
    QTest::newRow("user dictionary, bit-flipped row") << "userdict" << Damage::BitFlippedRow << "UnicodeWords" << QStringList{u} << Kept::Copied;
    QTest::newRow("user dictionary, another program's SQLite") << "userdict" << Damage::PlainSqlite << "" << QStringList{""} << Kept::InPlace;
    QTest::newRow("user dictionary, not a database") << "userdict" << Damage::NotADatabase << "" << QStringList{""} << Kept::Moved;
    QTest::newRow("user dictionary, directory") << "userdict" << Damage::Directory << "" << QStringList{""} << Kept::Moved;
    QTest::newRow("user dictionary, read-only") << "userdict" << Damage::ReadOnly << "" << QStringList{u} << Kept::Moved;
}

void TestStores::damagedFile()
{
    QFETCH(QString, kind);
    QFETCH(Damage, damage);
    QFETCH(QString, lost);
    QFETCH(QStringList, loaded);
    QFETCH(Kept, kept);
    TestSandbox sandbox;
    const StoreKind store = storeKind(kind);
    for (const QString &table : store.tables)
        QVERIFY(Store(kind).save(table, storeText(table)));
    QVERIFY(::damage(store, damage, lost));
    const bool wasFile = QFileInfo(store.file).isFile();
    const QByteArray damagedBytes = fileHead(store.file, 1 << 20);

    {
        Store damaged(kind);
        for (int i = 0; i < store.tables.size(); ++i)
            QCOMPARE(damaged.load(store.tables.at(i)), loaded.at(i));

        const QStringList copies = keptFiles(store);
        if (kept == Kept::InPlace) {
            QCOMPARE(copies, QStringList());
            QCOMPARE(damaged.errorString(), QString());
        } else {
            // Told to the user, with where the damaged file now is.
            QCOMPARE(copies.size(), 1);
            QVERIFY2(damaged.errorString().contains(copies.constFirst()), qPrintable(damaged.errorString()));
            if (wasFile)
                QCOMPARE(fileHead(copies.constFirst(), 1 << 20), damagedBytes);
            else
                QVERIFY(QFileInfo::exists(copies.constFirst() + "/inside/file"));
        }
    }
    if (kept == Kept::InPlace)
        QCOMPARE(Inspector(store).rows("Notes"), QList<QByteArray>{"theirs"});

    // The next save works, and the store is sound again.
    for (const QString &table : store.tables)
        QVERIFY(Store(kind).save(table, "new " + table));
    Store next(kind);
    for (const QString &table : store.tables)
        QCOMPARE(next.load(table), "new " + table);
    QCOMPARE(next.errorString(), QString());
    QVERIFY(QFileInfo(store.file).isWritable());
    QCOMPARE(keptFiles(store).size(), kept == Kept::InPlace ? 0 : 1);
}

void TestStores::bitFlippedWords_data()
{
    QTest::addColumn<bool>("loadFirst");
    QTest::newRow("loaded, then saved") << true;
    QTest::newRow("saved without a load") << false;
}

void TestStores::bitFlippedWords()
{
    QFETCH(bool, loadFirst);
    TestSandbox sandbox;
    const StoreKind store = storeKind("userdict");
    const QString table = store.tables.constFirst();
    QStringList words;
    QRandomGenerator random(7);
    for (int i = 0; i < 30000; ++i) {
        QString word;
        for (int letters = 2 + random.bounded(6); letters > 0; --letters)
            word += QChar(char16_t(0x0C95 + random.bounded(0x23)));
        words << word;
    }
    QVERIFY(UserDict().save(words.join('\n'), table));
    // One bit, nine tenths into the stored text.
    const QByteArray blob = qCompress(words.join('\n').toUtf8(), 9);
    const qint64 at = offsetOfStoredBytes(store.file, blob, blob.size() * 9 / 10);
    QVERIFY(at >= 0);
    QVERIFY(flipBit(store.file, at, 5));
    const QByteArray damagedBytes = fileHead(store.file, 1 << 22);

    const QString typed = QStringLiteral("\u0C85\u0C86");
    if (!loadFirst) {
        // Whoever saves has not seen the stored words: they are not replaced.
        UserDict blind;
        QVERIFY(!blind.save(typed, table));
        QVERIFY(!blind.errorString().isEmpty());
    }
    QStringList recovered;
    {
        UserDict reader;
        recovered = reader.load(table).split('\n');
        QCOMPARE(reader.errorString().isEmpty(), !loadFirst);
    }
    // The words up to the damage come back in order, and nearly all of them:
    // a flipped bit costs a word or a stream's tail, never the list.
    int intact = 0;
    while (intact < recovered.size() && recovered.at(intact) == words.at(intact))
        ++intact;
    QVERIFY2(intact > words.size() * 8 / 10, qPrintable(QString::number(intact)));
    int unknown = 0;
    const QSet<QString> known(words.cbegin(), words.cend());
    for (const QString &word : qAsConst(recovered))
        unknown += known.contains(word) ? 0 : 1;
    QVERIFY2(unknown <= 3, qPrintable(QString::number(unknown)));
    const QStringList copies = keptFiles(store);
    QCOMPARE(copies.size(), 1);
    QCOMPARE(fileHead(copies.constFirst(), 1 << 22), damagedBytes);

    // The editor's save: what was loaded and what was typed since.
    QVERIFY(UserDict().save((recovered + QStringList{typed}).join('\n'), table));
    UserDict next;
    QCOMPARE(next.load(table), (recovered + QStringList{typed}).join('\n'));
    QCOMPARE(next.errorString(), QString());
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
    QVERIFY(fileHead(userDataFile("history.dat"), 16) != QByteArray("SQLite format 3\0", 16));
    QCOMPARE(fileHead(userDataFile("usrdic.dat"), 16), QByteArray("SQLite format 3\0", 16));
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
