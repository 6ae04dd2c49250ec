#ifndef YAVO_SQLCIPHERDRIVER_H
#define YAVO_SQLCIPHERDRIVER_H

#include <QSqlDriver>
#include <QSqlError>

struct sqlite3;

// A Qt SQL driver over SQLCipher: SQLite whose pages are encrypted once the
// caller has run "PRAGMA key = '...';" on the fresh connection. Opening reads
// no page, so the key statement can still take effect after open().
class SqlCipherDriver : public QSqlDriver
{
    Q_OBJECT

public:
    explicit SqlCipherDriver(QObject *parent = nullptr);
    ~SqlCipherDriver() override;

    bool hasFeature(DriverFeature feature) const override;
    bool open(const QString &db, const QString &user, const QString &password,
              const QString &host, int port, const QString &connectOptions) override;
    void close() override;
    QSqlResult *createResult() const override;

    bool beginTransaction() override;
    bool commitTransaction() override;
    bool rollbackTransaction() override;

    QStringList tables(QSql::TableType type) const override;
    QSqlRecord record(const QString &tableName) const override;
    QString escapeIdentifier(const QString &identifier, IdentifierType type) const override;

    sqlite3 *connection() const { return m_db; }

    // The library's own message and code for the last failure on db.
    static QSqlError makeError(const QString &text, sqlite3 *db, QSqlError::ErrorType type);

private:
    bool runStatement(const char *statement, QSqlError::ErrorType errorType,
                      const QString &failureText);
    QStringList firstColumn(const QString &statement) const;

    sqlite3 *m_db = nullptr;
};

#endif
