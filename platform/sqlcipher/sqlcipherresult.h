#ifndef YAVO_SQLCIPHERRESULT_H
#define YAVO_SQLCIPHERRESULT_H

#include <QSqlError>
#include <QSqlRecord>
#include <QSqlResult>
#include <QVector>

class SqlCipherDriver;
struct sqlite3;
struct sqlite3_stmt;

// One statement on an SqlCipherDriver connection. A run steps the statement
// to its end and keeps the rows, so no read transaction stays open between
// calls and the rows can be visited in any order.
class SqlCipherResult : public QSqlResult
{
public:
    explicit SqlCipherResult(const SqlCipherDriver *driver);
    ~SqlCipherResult() override;

protected:
    bool reset(const QString &query) override;
    bool prepare(const QString &query) override;
    bool exec() override;

    QVariant data(int column) override;
    bool isNull(int column) override;
    bool fetch(int row) override;
    bool fetchFirst() override;
    bool fetchLast() override;
    int size() override;
    int numRowsAffected() override;
    QVariant lastInsertId() const override;
    QSqlRecord record() const override;
    void detachFromResultSet() override;

private:
    void finalize();
    void clearRows();
    bool fail(const QString &text, QSqlError::ErrorType type);
    bool bindValues();
    QVariant columnValue(int column) const;

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_statement = nullptr;
    QSqlRecord m_record;
    QVector<QVector<QVariant>> m_rows;
    int m_rowsAffected = -1;
    qint64 m_lastInsertId = 0;
};

#endif
