#include "private/singlerowstore_p.h"

#include "dictionary/compressedtext.h"
#include "private/editorlogging_p.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

SingleRowStore::SingleRowStore()
    : m_connectionName(QStringLiteral("SingleRowStore/%1").arg(quintptr(this), 0, 16))
{
}

SingleRowStore::~SingleRowStore()
{
    closeConnection();
}

void SingleRowStore::closeConnection()
{
    if (!db.isValid())
        return;
    db.close();
    // The connection goes only once no handle refers to it.
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

void SingleRowStore::openStore(const QString &driver, const QString &fileName,
                               const QString &keyStatement, const QStringList &tables)
{
    closeConnection();
    db = QSqlDatabase::addDatabase(driver, m_connectionName);
    // The file name is relative to the current folder, so that is where its
    // folder must exist, wherever the program itself is.
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    db.setDatabaseName(fileName);
    if (!db.open()) {
        qCDebug(lcEditor) << "Db not available!";
        return;
    }
    QSqlQuery query(db);
    if (!keyStatement.isEmpty())
        execQuery(query, keyStatement, true);
    for (const QString &table : tables) {
        if (!tableExists(table))
            execQuery(query, QStringLiteral("CREATE TABLE %1 (data TEXT);").arg(quotedTable(table)), true);
    }
}

bool SingleRowStore::execQuery(QSqlQuery &query, const QString &statement, bool clear)
{
    if (statement.isEmpty()) {
        qCDebug(lcEditor) << "Error : Query text is empty";
        return false;
    }
    const bool ran = query.exec(statement);
    if (!ran)
        qCDebug(lcEditor).noquote() << statement << query.lastError().text();
    if (clear)
        query.clear();
    return ran;
}

bool SingleRowStore::tableExists(const QString &name)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' AND name=:name"));
    query.bindValue(QStringLiteral(":name"), name);
    return query.exec() && query.next();
}

QString SingleRowStore::quotedTable(const QString &table) const
{
    // A table name cannot be a bound parameter; quoting it as an identifier
    // keeps it from ever being read as SQL.
    return db.driver()->escapeIdentifier(table, QSqlDriver::TableName);
}

QString SingleRowStore::load(const QString &table)
{
    if (!db.isOpen() || !tableExists(table))
        return QString();
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT data FROM %1;").arg(quotedTable(table))) || !query.next())
        return QString();
    return CompressedText::unpack(query.value(0).toByteArray());
}

bool SingleRowStore::save(const QString &table, const QString &text)
{
    // Only opening creates the tables; an unknown name is not created here.
    if (!db.isOpen() || !tableExists(table))
        return false;

    // Drop, create and insert stand or fall together, so a failure part-way
    // keeps the old text instead of leaving an empty table.
    if (!db.transaction()) {
        qCDebug(lcEditor).noquote() << "BEGIN" << db.lastError().text();
        return false;
    }
    const QString name = quotedTable(table);
    bool saved = false;
    {
        QSqlQuery query(db);
        if (execQuery(query, QStringLiteral("DROP TABLE %1;").arg(name), false)
                && execQuery(query, QStringLiteral("CREATE TABLE %1 (data TEXT);").arg(name), false)) {
            const QString insert = QStringLiteral("INSERT INTO %1 (data) VALUES(:data);").arg(name);
            query.prepare(insert);
            query.bindValue(QStringLiteral(":data"), CompressedText::pack(text));
            saved = query.exec();
            if (!saved)
                qCDebug(lcEditor).noquote() << insert << query.lastError().text();
        }
        query.finish();
    }
    if (saved && !db.commit()) {
        qCDebug(lcEditor).noquote() << "COMMIT" << db.lastError().text();
        saved = false;
    }
    if (!saved)
        db.rollback();
    return saved;
}
