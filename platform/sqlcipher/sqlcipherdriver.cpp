#include "sqlcipherdriver.h"

#include "sqlcipherresult.h"

#include <QSqlField>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

#include <sqlite3.h>

namespace {

QString fromUtf16(const void *text)
{
    return text ? QString::fromUtf16(static_cast<const char16_t *>(text)) : QString();
}

// SQLCipher answers this pragma with its version; plain SQLite ignores the
// unknown pragma and answers nothing. A connection without a codec would
// write the "encrypted" database in clear, so the driver must know.
bool hasCodec(sqlite3 *db)
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA cipher_version;", -1, &statement, nullptr) != SQLITE_OK)
        return false;
    bool answered = false;
    if (sqlite3_step(statement) == SQLITE_ROW) {
        const unsigned char *version = sqlite3_column_text(statement, 0);
        answered = version && *version;
    }
    sqlite3_finalize(statement);
    return answered;
}

QVariant::Type fieldType(const QString &declaredType)
{
    // SQLite's own affinity rules, reduced to the types Qt knows.
    const QString type = declaredType.toUpper();
    if (type.contains(QLatin1String("INT")))
        return QVariant::LongLong;
    if (type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("CLOB"))
            || type.contains(QLatin1String("TEXT")))
        return QVariant::String;
    if (type.isEmpty() || type.contains(QLatin1String("BLOB")))
        return QVariant::ByteArray;
    if (type.contains(QLatin1String("REAL")) || type.contains(QLatin1String("FLOA"))
            || type.contains(QLatin1String("DOUB")))
        return QVariant::Double;
    return QVariant::String;
}

// Already one quoted identifier: quotes at both ends and every quote inside
// doubled. Anything else, '"a" OR "b"' included, gets quoted again.
bool isQuoted(const QString &identifier)
{
    const int size = identifier.size();
    if (size < 2 || identifier.front() != QLatin1Char('"') || identifier.back() != QLatin1Char('"'))
        return false;
    for (int i = 1; i < size - 1; ++i) {
        if (identifier.at(i) != QLatin1Char('"'))
            continue;
        if (i + 1 >= size - 1 || identifier.at(i + 1) != QLatin1Char('"'))
            return false;
        ++i;
    }
    return true;
}

} // namespace

SqlCipherDriver::SqlCipherDriver(QObject *parent)
    : QSqlDriver(parent)
{
}

SqlCipherDriver::~SqlCipherDriver()
{
    close();
}

QSqlError SqlCipherDriver::makeError(const QString &text, sqlite3 *db, QSqlError::ErrorType type)
{
    if (!db)
        return QSqlError(text, QString(), type);
    return QSqlError(text, fromUtf16(sqlite3_errmsg16(db)), type,
                     QString::number(sqlite3_extended_errcode(db)));
}

bool SqlCipherDriver::hasFeature(DriverFeature feature) const
{
    switch (feature) {
    case Transactions:
    case BLOB:
    case Unicode:
    case PreparedQueries:
    case PositionalPlaceholders:
    case LastInsertId:
    case LowPrecisionNumbers:
    case SimpleLocking:
    case FinishQuery:
        return true;
    default:
        return false;
    }
}

bool SqlCipherDriver::open(const QString &db, const QString &, const QString &,
                           const QString &, int, const QString &connectOptions)
{
    if (isOpen())
        close();

    // The one option of Qt's own SQLite driver that a store needs: reading a
    // file without ever writing to it.
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    const QStringList options = connectOptions.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &option : options) {
        if (option.trimmed() == QLatin1String("QSQLITE_OPEN_READONLY"))
            flags = SQLITE_OPEN_READONLY;
    }

    // Nothing here may read or write a page: the cipher is chosen by the
    // key statement the caller runs next, and a page touched before it
    // would be read as plain SQLite.
    sqlite3 *connection = nullptr;
    const int rc = sqlite3_open_v2(db.toUtf8().constData(), &connection, flags, nullptr);
    if (rc != SQLITE_OK) {
        setLastError(makeError(tr("Error opening database"), connection, QSqlError::ConnectionError));
        sqlite3_close(connection);
        setOpenError(true);
        return false;
    }
    if (!hasCodec(connection)) {
        sqlite3_close(connection);
        setLastError(QSqlError(tr("Error opening database"),
                               tr("The SQLite library in use cannot encrypt"),
                               QSqlError::ConnectionError));
        setOpenError(true);
        return false;
    }
    sqlite3_busy_timeout(connection, 5000);

    m_db = connection;
    setOpen(true);
    setOpenError(false);
    return true;
}

void SqlCipherDriver::close()
{
    if (!m_db)
        return;
    // Statements still held by results are finalised by them later; the
    // connection goes away once the last of them is gone.
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    setOpen(false);
    setOpenError(false);
}

QSqlResult *SqlCipherDriver::createResult() const
{
    return new SqlCipherResult(this);
}

bool SqlCipherDriver::runStatement(const char *statement, QSqlError::ErrorType errorType,
                                   const QString &failureText)
{
    if (!isOpen() || isOpenError())
        return false;
    if (sqlite3_exec(m_db, statement, nullptr, nullptr, nullptr) != SQLITE_OK) {
        setLastError(makeError(failureText, m_db, errorType));
        return false;
    }
    return true;
}

bool SqlCipherDriver::beginTransaction()
{
    return runStatement("BEGIN", QSqlError::TransactionError, tr("Unable to begin transaction"));
}

bool SqlCipherDriver::commitTransaction()
{
    return runStatement("COMMIT", QSqlError::TransactionError, tr("Unable to commit transaction"));
}

bool SqlCipherDriver::rollbackTransaction()
{
    return runStatement("ROLLBACK", QSqlError::TransactionError, tr("Unable to roll back transaction"));
}

QStringList SqlCipherDriver::firstColumn(const QString &statement) const
{
    QStringList values;
    if (!m_db)
        return values;
    sqlite3_stmt *prepared = nullptr;
    if (sqlite3_prepare16_v2(m_db, statement.utf16(), -1, &prepared, nullptr) != SQLITE_OK)
        return values;
    while (sqlite3_step(prepared) == SQLITE_ROW)
        values << fromUtf16(sqlite3_column_text16(prepared, 0));
    sqlite3_finalize(prepared);
    return values;
}

QStringList SqlCipherDriver::tables(QSql::TableType type) const
{
    QStringList names;
    if (type & QSql::Tables)
        names << firstColumn(QStringLiteral(
                "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite_%'"));
    if (type & QSql::Views)
        names << firstColumn(QStringLiteral("SELECT name FROM sqlite_master WHERE type='view'"));
    if (type & QSql::SystemTables)
        names << QStringLiteral("sqlite_master");
    return names;
}

QSqlRecord SqlCipherDriver::record(const QString &tableName) const
{
    QSqlRecord result;
    if (!m_db || tableName.isEmpty())
        return result;
    const QString statement = QStringLiteral("PRAGMA table_info(%1)")
            .arg(escapeIdentifier(tableName, TableName));
    sqlite3_stmt *prepared = nullptr;
    if (sqlite3_prepare16_v2(m_db, statement.utf16(), -1, &prepared, nullptr) != SQLITE_OK)
        return result;
    // table_info answers: cid, name, type, notnull, dflt_value, pk.
    while (sqlite3_step(prepared) == SQLITE_ROW) {
        QSqlField field(fromUtf16(sqlite3_column_text16(prepared, 1)),
                        fieldType(fromUtf16(sqlite3_column_text16(prepared, 2))), tableName);
        field.setRequired(sqlite3_column_int(prepared, 3) != 0);
        result.append(field);
    }
    sqlite3_finalize(prepared);
    return result;
}

QString SqlCipherDriver::escapeIdentifier(const QString &identifier, IdentifierType) const
{
    if (isQuoted(identifier))
        return identifier;
    QString quoted = identifier;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
