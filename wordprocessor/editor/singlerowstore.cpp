#include "private/singlerowstore_p.h"

#include "dictionary/compressedtext.h"
#include "private/editorlogging_p.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// SQLite keeps a transaction's journal beside the file; it belongs to the
// file and moves with it.
const char *const companionSuffixes[] = {"-journal", "-wal", "-shm"};

// Beside the file, under a name that says what it is and when it was put
// there, so the user finds it: "usrdic.damaged-20261210-142501.dat".
QString keptPath(const QString &fileName, const QString &tag)
{
    const QFileInfo info(fileName);
    const QString stem = QStringLiteral("%1.%2-%3").arg(
            info.completeBaseName(), tag,
            QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString path = info.dir().filePath(stem + suffix);
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = info.dir().filePath(QStringLiteral("%1-%2%3").arg(stem).arg(n).arg(suffix));
    return path;
}

bool moveAside(const QString &from, const QString &to)
{
    QDir dir;
    if (!dir.rename(from, to))
        return false;
    for (const char *suffix : companionSuffixes) {
        const QString companion = from + QLatin1String(suffix);
        if (QFileInfo::exists(companion))
            dir.rename(companion, to + QLatin1String(suffix));
    }
    return true;
}

// Marked read-only, or not ours to write: either way a save would fail.
bool isReadOnly(const QFileInfo &info)
{
    return !info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner);
}

} // namespace

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

void SingleRowStore::report(const QString &message)
{
    qCWarning(lcEditor).noquote() << message;
    if (!m_errorString.isEmpty())
        m_errorString += QLatin1Char('\n');
    m_errorString += message;
}

void SingleRowStore::openStore(const QString &driver, const QString &fileName,
                               const QString &keyStatement, const QStringList &tables,
                               const QString &storeName)
{
    closeConnection();
    m_driver = driver;
    m_fileName = fileName;
    m_keyStatement = keyStatement;
    m_tables = tables;
    m_storeName = storeName;
    db = QSqlDatabase::addDatabase(driver, m_connectionName);
    // The folder may have gone since the path was made.
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    db.setDatabaseName(fileName);

    const QFileInfo info(fileName);
    const bool readOnly = info.isFile() && isReadOnly(info);
    const QString problem = whyUnusable();
    if (problem.isEmpty() && db.isOpen()) {
        createMissingTables();
    } else if (problem.isEmpty()) {
        qCDebug(lcEditor) << "Db not available!";
        report(tr("%1 (%2) could not be opened: %3.")
                       .arg(m_storeName, m_fileName, db.lastError().text()));
    } else {
        replaceUnusableFile(problem, readOnly);
    }
}

void SingleRowStore::runKeyStatement(QSqlDatabase &database, const QString &keyStatement)
{
    if (keyStatement.isEmpty())
        return;
    QSqlQuery query(database);
    execQuery(query, keyStatement, true);
}

void SingleRowStore::createMissingTables()
{
    QSqlQuery query(db);
    for (const QString &table : qAsConst(m_tables)) {
        if (!tableExists(table))
            execQuery(query, QStringLiteral("CREATE TABLE %1 (data TEXT);").arg(quotedTable(table)), true);
    }
}

// Opens the file and says why it cannot serve as the store. Empty when it
// can, and when it did not open: opening reads nothing of the file, so that
// failure is the driver's or the folder's, never the file's, and the file
// stays where it is.
QString SingleRowStore::whyUnusable()
{
    const QFileInfo info(m_fileName);
    if (info.exists() && !info.isFile())
        return tr("it is not a file");
    if (info.exists() && isReadOnly(info))
        return tr("it is read-only");
    if (!db.open())
        return QString();
    runKeyStatement(db, m_keyStatement);
    // Reads every page: a truncated file, a damaged page, another key or no
    // database at all fails here rather than in the middle of a save.
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("PRAGMA quick_check;")))
        return check.lastError().text();
    const QString verdict = check.next() ? check.value(0).toString() : QString();
    return verdict == QLatin1String("ok") ? QString() : verdict.section(QLatin1Char('\n'), 0, 0);
}

void SingleRowStore::replaceUnusableFile(const QString &problem, bool readOnly)
{
    db.close();
    const QString kept = keptPath(m_fileName, readOnly ? QStringLiteral("read-only")
                                                       : QStringLiteral("damaged"));
    if (!moveAside(m_fileName, kept)) {
        // Left where it is, so at least what reads is still served.
        if (db.open())
            runKeyStatement(db, m_keyStatement);
        report(tr("%1 (%2) cannot be used: %3. It could not be moved aside either, "
                  "so nothing can be saved in it.")
                       .arg(m_storeName, m_fileName, problem));
        return;
    }

    const Rows rows = readableRows(kept);
    if (!db.open()) {
        report(tr("%1 (%2) cannot be used: %3. It was kept as %4, but no new one could be made: %5.")
                       .arg(m_storeName, m_fileName, problem, kept, db.lastError().text()));
        return;
    }
    runKeyStatement(db, m_keyStatement);
    createMissingTables();
    for (const auto &row : rows) {
        // The old file is kept, so a damaged text is stored as far as it reads.
        const CompressedText::Recovered text = CompressedText::recover(row.second);
        writeRow(row.first, text.damaged ? CompressedText::pack(text.text) : row.second);
    }
    report(tr("%1 (%2) could not be used: %3. It was kept as %4, and a new one was made "
              "with what could be read from it.")
                   .arg(m_storeName, m_fileName, problem, kept));
}

// The first row of each table that still reads, opening the file without
// writing to it: with the key, and else without, as an unencrypted copy of
// an encrypted store is still the user's text.
SingleRowStore::Rows SingleRowStore::readableRows(const QString &path)
{
    Rows rows;
    const QString name = m_connectionName + QStringLiteral("/kept");
    QStringList keys{m_keyStatement};
    if (!m_keyStatement.isEmpty())
        keys.append(QString());
    for (const QString &key : qAsConst(keys)) {
        {
            QSqlDatabase kept = QSqlDatabase::addDatabase(m_driver, name);
            kept.setDatabaseName(path);
            kept.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            if (QFileInfo(path).isFile() && kept.open()) {
                runKeyStatement(kept, key);
                for (const QString &table : qAsConst(m_tables)) {
                    QSqlQuery query(kept);
                    if (query.exec(QStringLiteral("SELECT data FROM %1;").arg(quotedTable(table)))
                            && query.next())
                        rows.append({table, query.value(0).toByteArray()});
                }
            }
        }
        QSqlDatabase::removeDatabase(name);
        if (!rows.isEmpty())
            break;
    }
    return rows;
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

bool SingleRowStore::readRow(const QString &table, QByteArray *blob)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT data FROM %1;").arg(quotedTable(table))) || !query.next())
        return false;
    *blob = query.value(0).toByteArray();
    return true;
}

QString SingleRowStore::load(const QString &table)
{
    QByteArray blob;
    if (!db.isOpen() || !tableExists(table) || !readRow(table, &blob))
        return QString();
    const CompressedText::Recovered text = CompressedText::recover(blob);
    if (text.damaged)
        keepDamagedRow(table, text.text);
    return text.text;
}

// A copy of the file as it is goes beside it, and then the row holds what
// could be read of it: the next save replaces a text that was read, and the
// damaged bytes are still there for whoever can do better. Without the copy
// the row is left alone. Gives the copy's path, or an empty string.
QString SingleRowStore::keepDamagedRow(const QString &table, const QString &recoveredText)
{
    const QString kept = keptPath(m_fileName, QStringLiteral("damaged"));
    QFile original(m_fileName);
    if (!original.copy(kept)) {
        report(tr("%1 (%2) is partly damaged, and only what could be read of it was loaded. "
                  "No copy of the damaged file could be made (%3), so it is left as it is.")
                       .arg(m_storeName, m_fileName, original.errorString()));
        return QString();
    }
    writeRow(table, CompressedText::pack(recoveredText));
    report(tr("%1 (%2) is partly damaged; what could be read of it was kept. "
              "A copy of the damaged file was kept as %3.")
                   .arg(m_storeName, m_fileName, kept));
    return kept;
}

bool SingleRowStore::save(const QString &table, const QString &text)
{
    // Only opening creates the tables; an unknown name is not created here.
    if (!db.isOpen() || !tableExists(table))
        return false;

    // Whoever saves now never saw a damaged text, so it would be lost with
    // the old row: it is kept first, and this save refused.
    QByteArray old;
    if (readRow(table, &old)) {
        const CompressedText::Recovered stored = CompressedText::recover(old);
        if (stored.damaged) {
            keepDamagedRow(table, stored.text);
            report(tr("%1 (%2) was not saved: the text stored in it was damaged and had not been read.")
                           .arg(m_storeName, m_fileName));
            return false;
        }
    }
    QString failure;
    if (writeRow(table, CompressedText::pack(text), &failure))
        return true;
    report(tr("%1 (%2) could not be saved: %3.").arg(m_storeName, m_fileName, failure));
    return false;
}

bool SingleRowStore::writeRow(const QString &table, const QByteArray &blob, QString *failure)
{
    // Drop, create and insert stand or fall together, so a failure part-way
    // keeps the old text instead of leaving an empty table.
    if (!db.transaction()) {
        qCDebug(lcEditor).noquote() << "BEGIN" << db.lastError().text();
        if (failure)
            *failure = db.lastError().text();
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
            query.bindValue(QStringLiteral(":data"), blob);
            saved = query.exec();
            if (!saved)
                qCDebug(lcEditor).noquote() << insert << query.lastError().text();
        }
        if (!saved && failure)
            *failure = query.lastError().text();
        query.finish();
    }
    if (saved && !db.commit()) {
        qCDebug(lcEditor).noquote() << "COMMIT" << db.lastError().text();
        if (failure)
            *failure = db.lastError().text();
        saved = false;
    }
    if (!saved)
        db.rollback();
    return saved;
}
