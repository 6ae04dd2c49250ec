#include "testmain.h"
#include "testplugins.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString driverName = QStringLiteral("QSQLCIPHER");
const QString keyStatement = QStringLiteral("PRAGMA key = 'test key';");
const QByteArray plainHeader("SQLite format 3\0", 16);

// A named connection on a file of the current folder, removed with it.
class Connection
{
public:
    Connection(const QString &file, const QString &key = keyStatement,
               const QString &driver = driverName, const QString &options = QString())
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(driver, m_name);
        db.setDatabaseName(file);
        db.setConnectOptions(options);
        m_opened = db.open();
        if (m_opened && !key.isEmpty())
            QSqlQuery(db).exec(key);
    }
    ~Connection()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    bool opened() const { return m_opened; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name = QStringLiteral("driver-test");
    bool m_opened = false;
};

QByteArray fileHead(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(16) : QByteArray();
}

} // namespace

class TestSqlCipherDriver : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void encryptsWithTheKey();
    void readOnly();
    void values();
    void oneStatementAtATime();
    void transactions();
    void nothingRunsOnAClosedConnection();
    void tablesAndRecords();
    void escapeIdentifier_data();
    void escapeIdentifier();
    void refusesWithoutCodec();
};

void TestSqlCipherDriver::initTestCase()
{
    addTestPluginPath();
    QVERIFY(QSqlDatabase::drivers().contains(driverName));
}

void TestSqlCipherDriver::encryptsWithTheKey()
{
    TestSandbox sandbox;
    {
        Connection c(QStringLiteral("a.db"));
        QVERIFY(c.opened());
        QSqlQuery query(c.db());
        QVERIFY(query.exec("CREATE TABLE t (x TEXT)"));
        QVERIFY(query.exec("INSERT INTO t VALUES ('visible?')"));
    }
    const QByteArray head = fileHead(QStringLiteral("a.db"));
    QCOMPARE(head.size(), 16);
    QVERIFY(head != plainHeader);

    // Opening reads nothing, so an existing file opens before its key is
    // known; the key then unlocks it.
    {
        Connection c(QStringLiteral("a.db"));
        QVERIFY(c.opened());
        QSqlQuery query(c.db());
        QVERIFY2(query.exec("SELECT x FROM t"), qPrintable(query.lastError().text()));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toString(), QStringLiteral("visible?"));
    }
    for (const QString &wrong : {QString(), QStringLiteral("PRAGMA key = 'wrong';")}) {
        Connection c(QStringLiteral("a.db"), wrong);
        QVERIFY(c.opened());
        QSqlQuery query(c.db());
        QVERIFY(!query.exec("SELECT x FROM t"));
        QVERIFY(!query.lastError().databaseText().isEmpty());
    }
}

void TestSqlCipherDriver::readOnly()
{
    TestSandbox sandbox;
    {
        Connection c(QStringLiteral("r.db"));
        QVERIFY(QSqlQuery(c.db()).exec("CREATE TABLE t (x TEXT)"));
        QVERIFY(QSqlQuery(c.db()).exec("INSERT INTO t VALUES ('kept')"));
    }
    const QString readOnly = QStringLiteral("QSQLITE_OPEN_READONLY");
    {
        Connection c(QStringLiteral("r.db"), keyStatement, driverName, readOnly);
        QVERIFY(c.opened());
        QSqlQuery query(c.db());
        QVERIFY(query.exec("SELECT x FROM t") && query.next());
        QCOMPARE(query.value(0).toString(), QStringLiteral("kept"));
        query.finish();
        QVERIFY(!query.exec("INSERT INTO t VALUES ('more')"));
        QVERIFY(!query.exec("DROP TABLE t"));
    }
    // Nor is a missing file made.
    Connection missing(QStringLiteral("missing.db"), keyStatement, driverName, readOnly);
    QVERIFY(!missing.opened());
    QVERIFY(!QFile::exists(QStringLiteral("missing.db")));
}

void TestSqlCipherDriver::values()
{
    TestSandbox sandbox;
    Connection c(QStringLiteral("v.db"));
    QSqlQuery query(c.db());
    QVERIFY(query.exec("CREATE TABLE v (i INTEGER, r REAL, s TEXT, b BLOB, n TEXT, again TEXT)"));

    const QByteArray blob("\0\1\2binary\xff", 10);
    const QString text = QStringLiteral("\u0C95\u0CA8\u0CCD\u0CA8\u0CA1 'quoted'");
    QVERIFY(query.prepare("INSERT INTO v VALUES (:i, :r, :s, :b, :n, :s)"));
    query.bindValue(":i", qint64(1) << 40);
    query.bindValue(":r", 2.5);
    query.bindValue(":s", text);
    query.bindValue(":b", blob);
    query.bindValue(":n", QVariant(QVariant::String));
    QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
    QCOMPARE(query.numRowsAffected(), 1);
    QCOMPARE(query.lastInsertId().toLongLong(), 1);

    QVERIFY(query.prepare("INSERT INTO v (i, s) VALUES (?, ?)"));
    query.addBindValue(7);
    query.addBindValue(QStringLiteral("second"));
    QVERIFY(query.exec());

    QVERIFY(query.exec("SELECT i, r, s, b, n, again, typeof(b) FROM v ORDER BY rowid"));
    QVERIFY(query.isSelect());
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toLongLong(), qint64(1) << 40);
    QCOMPARE(query.value(1).toDouble(), 2.5);
    QCOMPARE(query.value(2).toString(), text);
    QCOMPARE(query.value(3).toByteArray(), blob);
    QVERIFY(query.isNull(4));
    QCOMPARE(query.value(5).toString(), text);
    QCOMPARE(query.value(6).toString(), QStringLiteral("blob"));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), 7);
    QCOMPARE(query.value(2).toString(), QStringLiteral("second"));
    QVERIFY(!query.next());
    // Rows may be visited again.
    QVERIFY(query.first());
    QCOMPARE(query.value(0).toLongLong(), qint64(1) << 40);

    QVERIFY(query.prepare("SELECT ? + ?"));
    query.addBindValue(1);
    QVERIFY(!query.exec());   // one value for two places
}

void TestSqlCipherDriver::oneStatementAtATime()
{
    TestSandbox sandbox;
    Connection c(QStringLiteral("m.db"));
    QSqlQuery query(c.db());
    QVERIFY(query.exec("CREATE TABLE t (x)"));
    QVERIFY(!query.exec("SELECT 1; DROP TABLE t;"));
    QVERIFY(c.db().tables().contains("t"));
    QVERIFY(query.exec("SELECT 1;  \n"));
    QVERIFY(!query.exec("SELECT nothing FROM nowhere"));
    QCOMPARE(query.lastError().type(), QSqlError::StatementError);
}

void TestSqlCipherDriver::transactions()
{
    TestSandbox sandbox;
    Connection c(QStringLiteral("t.db"));
    QSqlDatabase db = c.db();
    QVERIFY(db.driver()->hasFeature(QSqlDriver::Transactions));
    QSqlQuery query(db);
    QVERIFY(query.exec("CREATE TABLE t (x)"));

    QVERIFY(db.transaction());
    QVERIFY(query.exec("DROP TABLE t"));
    QVERIFY(query.exec("CREATE TABLE u (y)"));
    QVERIFY(db.rollback());
    QCOMPARE(db.tables(), QStringList{"t"});

    QVERIFY(db.transaction());
    QVERIFY(query.exec("INSERT INTO t VALUES (1)"));
    QVERIFY(db.commit());
    QVERIFY(query.exec("SELECT count(*) FROM t") && query.next());
    QCOMPARE(query.value(0).toInt(), 1);
    QVERIFY(!db.commit());
}

void TestSqlCipherDriver::nothingRunsOnAClosedConnection()
{
    TestSandbox sandbox;
    Connection c(QStringLiteral("c.db"));
    QSqlDatabase db = c.db();
    QVERIFY(QSqlQuery(db).exec("CREATE TABLE t (x)"));
    QSqlQuery prepared(db);
    QVERIFY(prepared.prepare("INSERT INTO t VALUES (1)"));
    QSqlQuery failed(db);
    QVERIFY(!failed.prepare("SELEC nonsense"));

    db.close();
    QVERIFY(!prepared.exec());
    QCOMPARE(prepared.lastError().type(), QSqlError::ConnectionError);
    QVERIFY(!failed.exec());

    // Nor on the file once it is opened again: the statements belonged to
    // the connection that is gone.
    QVERIFY(db.open());
    QVERIFY(QSqlQuery(db).exec(keyStatement));
    QVERIFY(!prepared.exec());
    QSqlQuery count(db);
    QVERIFY(count.exec("SELECT count(*) FROM t") && count.next());
    QCOMPARE(count.value(0).toInt(), 0);
}

void TestSqlCipherDriver::tablesAndRecords()
{
    TestSandbox sandbox;
    Connection c(QStringLiteral("r.db"));
    QSqlDatabase db = c.db();
    QSqlQuery query(db);
    QVERIFY(query.exec("CREATE TABLE \"odd \"\"name\" (id INTEGER NOT NULL, label TEXT, raw BLOB)"));
    QVERIFY(query.exec("CREATE VIEW w AS SELECT id FROM \"odd \"\"name\""));

    QCOMPARE(db.tables(QSql::Tables), QStringList{"odd \"name"});
    QCOMPARE(db.tables(QSql::Views), QStringList{"w"});
    const QSqlRecord record = db.record("odd \"name");
    QCOMPARE(record.count(), 3);
    QCOMPARE(record.fieldName(0), QStringLiteral("id"));
    QCOMPARE(record.field(0).type(), QVariant::LongLong);
    QCOMPARE(record.field(0).requiredStatus(), QSqlField::Required);
    QCOMPARE(record.field(1).type(), QVariant::String);
    QCOMPARE(record.field(2).type(), QVariant::ByteArray);

    QVERIFY(query.exec("SELECT id, label FROM w JOIN \"odd \"\"name\" USING (id)"));
    QCOMPARE(query.record().fieldName(1), QStringLiteral("label"));
}

void TestSqlCipherDriver::escapeIdentifier_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("plain") << "Find" << "\"Find\"";
    QTest::newRow("already quoted") << "\"Find\"" << "\"Find\"";
    QTest::newRow("quote inside") << "a\"b" << "\"a\"\"b\"";
    QTest::newRow("two quoted names") << "\"a\" OR \"b\"" << "\"\"\"a\"\" OR \"\"b\"\"\"";
    QTest::newRow("statement") << "x\"; DROP TABLE t; --" << "\"x\"\"; DROP TABLE t; --\"";
}

void TestSqlCipherDriver::escapeIdentifier()
{
    QFETCH(QString, identifier);
    QFETCH(QString, escaped);
    TestSandbox sandbox;
    Connection c(QStringLiteral("e.db"));
    QCOMPARE(c.db().driver()->escapeIdentifier(identifier, QSqlDriver::TableName), escaped);
}

void TestSqlCipherDriver::refusesWithoutCodec()
{
    // Plain SQLite forced into a process before the driver comes takes over
    // the driver's SQLite calls: the history must then not be written at all
    // rather than written in clear.
    const QString plainSqlite = QStringLiteral(YAVO_PLAIN_SQLITE);
    if (plainSqlite.isEmpty() || !QFile::exists(plainSqlite))
        QSKIP("no plain SQLite library to force into the probe");

    for (bool forced : {false, true}) {
        TestSandbox sandbox;
        QProcess probe;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("yavo.editor.debug=true"));
        if (forced)
            environment.insert(QStringLiteral("LD_PRELOAD"), plainSqlite);
        probe.setProcessEnvironment(environment);
        probe.start(QStringLiteral(YAVO_SQLCIPHER_PROBE),
                    {QStringLiteral(YAVO_PLUGIN_DIR), sandbox.currentDir()});
        QVERIFY(probe.waitForFinished(30000));
        QCOMPARE(probe.exitCode(), 0);
        const QByteArray out = probe.readAllStandardOutput();
        const QByteArray err = probe.readAllStandardError();
        const QByteArray head = fileHead(QDir(sandbox.userDataDir()).filePath(QStringLiteral("history.dat")));
        if (forced) {
            QVERIFY2(err.contains("Db not available!"), err.constData());
            QCOMPARE(out, QByteArray());
            QVERIFY(head != plainHeader);
        } else {
            QCOMPARE(out, QByteArray("secret words"));
            QCOMPARE(head.size(), 16);
            QVERIFY(head != plainHeader);
        }
    }
}

YAVO_TEST_GUILESS_MAIN(TestSqlCipherDriver)
#include "tst_sqlcipherdriver.moc"
