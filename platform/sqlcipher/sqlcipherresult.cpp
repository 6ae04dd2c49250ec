#include "sqlcipherresult.h"

#include "sqlcipherdriver.h"

#include <QCoreApplication>
#include <QSqlField>

#include <sqlite3.h>

namespace {

QString translate(const char *text)
{
    return QCoreApplication::translate("SqlCipherResult", text);
}

QVariant::Type declaredFieldType(sqlite3_stmt *statement, int column)
{
    const char *declared = sqlite3_column_decltype(statement, column);
    const QByteArray type = QByteArray(declared ? declared : "").toUpper();
    if (type.contains("INT"))
        return QVariant::LongLong;
    if (type.contains("REAL") || type.contains("FLOA") || type.contains("DOUB"))
        return QVariant::Double;
    if (type.contains("BLOB"))
        return QVariant::ByteArray;
    return QVariant::String;
}

bool onlyWhiteSpace(const char16_t *tail)
{
    if (!tail)
        return true;
    return QString::fromUtf16(tail).trimmed().isEmpty();
}

} // namespace

SqlCipherResult::SqlCipherResult(const SqlCipherDriver *driver)
    : QSqlResult(driver)
    , m_db(driver->connection())
{
}

SqlCipherResult::~SqlCipherResult()
{
    finalize();
}

void SqlCipherResult::finalize()
{
    if (m_statement) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
}

void SqlCipherResult::clearRows()
{
    m_rows.clear();
    m_record.clear();
    m_rowsAffected = -1;
}

bool SqlCipherResult::fail(const QString &text, QSqlError::ErrorType type)
{
    setLastError(SqlCipherDriver::makeError(text, m_db, type));
    return false;
}

bool SqlCipherResult::reset(const QString &query)
{
    if (!prepare(query))
        return false;
    return exec();
}

bool SqlCipherResult::prepare(const QString &query)
{
    finalize();
    clearRows();
    setActive(false);
    setAt(QSql::BeforeFirstRow);

    const auto *owner = static_cast<const SqlCipherDriver *>(driver());
    m_db = owner ? owner->connection() : nullptr;
    if (!m_db || !owner->isOpen() || owner->isOpenError())
        return fail(translate("Database is not open"), QSqlError::ConnectionError);

    const void *tail = nullptr;
    const int rc = sqlite3_prepare16_v2(m_db, query.utf16(), (query.size() + 1) * 2,
                                        &m_statement, &tail);
    if (rc != SQLITE_OK) {
        fail(translate("Unable to prepare statement"), QSqlError::StatementError);
        finalize();
        return false;
    }
    // One statement a call: a second one hidden in the text is refused, not
    // silently dropped or run.
    if (!onlyWhiteSpace(static_cast<const char16_t *>(tail))) {
        setLastError(QSqlError(translate("Unable to execute multiple statements at a time"),
                               QString(), QSqlError::StatementError));
        finalize();
        return false;
    }
    return true;
}

bool SqlCipherResult::bindValues()
{
    const QVector<QVariant> values = boundValues();
    const int expected = m_statement ? sqlite3_bind_parameter_count(m_statement) : 0;
    if (expected != values.size()) {
        setLastError(QSqlError(translate("Parameter count mismatch"), QString(),
                               QSqlError::StatementError));
        return false;
    }
    for (int i = 0; i < values.size(); ++i) {
        const QVariant &value = values.at(i);
        const int index = i + 1;
        int rc = SQLITE_OK;
        if (value.isNull()) {
            rc = sqlite3_bind_null(m_statement, index);
        } else {
            switch (value.userType()) {
            case QMetaType::QByteArray: {
                const QByteArray bytes = value.toByteArray();
                rc = sqlite3_bind_blob(m_statement, index, bytes.constData(), bytes.size(),
                                       SQLITE_TRANSIENT);
                break;
            }
            case QMetaType::Bool:
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::Long:
            case QMetaType::LongLong:
            case QMetaType::Short:
            case QMetaType::Char:
                rc = sqlite3_bind_int64(m_statement, index, value.toLongLong());
                break;
            case QMetaType::ULongLong:
            case QMetaType::ULong:
            case QMetaType::UShort:
            case QMetaType::UChar:
                rc = sqlite3_bind_int64(m_statement, index, qint64(value.toULongLong()));
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                rc = sqlite3_bind_double(m_statement, index, value.toDouble());
                break;
            default: {
                const QString text = value.toString();
                rc = sqlite3_bind_text16(m_statement, index, text.utf16(), text.size() * 2,
                                         SQLITE_TRANSIENT);
                break;
            }
            }
        }
        if (rc != SQLITE_OK)
            return fail(translate("Unable to bind parameters"), QSqlError::StatementError);
    }
    return true;
}

QVariant SqlCipherResult::columnValue(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(m_statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_statement, column));
    case SQLITE_BLOB: {
        const void *blob = sqlite3_column_blob(m_statement, column);
        const int bytes = sqlite3_column_bytes(m_statement, column);
        return QVariant(QByteArray(static_cast<const char *>(blob), bytes));
    }
    case SQLITE_NULL:
        return QVariant(m_record.field(column).type());
    default: {
        const void *text = sqlite3_column_text16(m_statement, column);
        const int bytes = sqlite3_column_bytes16(m_statement, column);
        return QVariant(QString(static_cast<const QChar *>(text), bytes / 2));
    }
    }
}

bool SqlCipherResult::exec()
{
    clearRows();
    setActive(false);
    setAt(QSql::BeforeFirstRow);

    // A statement keeps a closed connection alive in the library, and
    // would still write to the file behind it; and with no statement the
    // connection may be freed already, so it is not asked for its error.
    const auto *owner = static_cast<const SqlCipherDriver *>(driver());
    if (!owner || !owner->isOpen() || owner->isOpenError() || owner->connection() != m_db) {
        finalize();
        m_db = nullptr;
        return fail(translate("Database is not open"), QSqlError::ConnectionError);
    }
    if (!m_statement)
        return fail(translate("No statement to run"), QSqlError::StatementError);

    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    if (!bindValues())
        return false;

    const int columns = sqlite3_column_count(m_statement);
    for (int column = 0; column < columns; ++column) {
        const QString name = QString::fromUtf16(
                static_cast<const char16_t *>(sqlite3_column_name16(m_statement, column)));
        m_record.append(QSqlField(name, declaredFieldType(m_statement, column)));
    }

    int rc;
    while ((rc = sqlite3_step(m_statement)) == SQLITE_ROW) {
        QVector<QVariant> row;
        row.reserve(columns);
        for (int column = 0; column < columns; ++column)
            row.append(columnValue(column));
        m_rows.append(row);
    }
    if (rc != SQLITE_DONE) {
        fail(translate("Unable to fetch row"), QSqlError::StatementError);
        sqlite3_reset(m_statement);
        m_rows.clear();
        return false;
    }
    m_rowsAffected = columns > 0 ? 0 : sqlite3_changes(m_db);
    m_lastInsertId = sqlite3_last_insert_rowid(m_db);
    // The rows are kept; resetting now ends the statement's read and leaves
    // no lock behind between calls.
    sqlite3_reset(m_statement);
    setSelect(columns > 0);
    setActive(true);
    return true;
}

QVariant SqlCipherResult::data(int column)
{
    const int row = at();
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_rows.at(row).size())
        return QVariant();
    return m_rows.at(row).at(column);
}

bool SqlCipherResult::isNull(int column)
{
    return data(column).isNull();
}

bool SqlCipherResult::fetch(int row)
{
    if (!isActive() || row < 0 || row >= m_rows.size())
        return false;
    setAt(row);
    return true;
}

bool SqlCipherResult::fetchFirst()
{
    return fetch(0);
}

bool SqlCipherResult::fetchLast()
{
    return fetch(m_rows.size() - 1);
}

int SqlCipherResult::size()
{
    return -1;
}

int SqlCipherResult::numRowsAffected()
{
    return m_rowsAffected;
}

QVariant SqlCipherResult::lastInsertId() const
{
    return m_lastInsertId != 0 ? QVariant(m_lastInsertId) : QVariant();
}

QSqlRecord SqlCipherResult::record() const
{
    return isActive() && isSelect() ? m_record : QSqlRecord();
}

void SqlCipherResult::detachFromResultSet()
{
    m_rows.clear();
    m_rows.squeeze();
}
