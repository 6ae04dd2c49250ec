#ifndef YAVO_SINGLEROWSTORE_P_H
#define YAVO_SINGLEROWSTORE_P_H

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class QSqlQuery;

// What the search history and the user dictionary stores have in common: a
// database whose tables each hold one column and one row, a compressed text.
// Each store has an SQL connection of its own, removed with the store, so
// stores open at the same time do not cut each other off. A store lives for
// one load or one save.
//
// Damage never costs the user's texts: a file that cannot serve as the store
// is moved aside, not deleted, and a new one is made with what could be read
// from it; a text whose bytes are damaged gives what still reads, after a
// copy of the file is kept beside it. Each such event is reported through
// errorString() for the caller to show, and logged as a warning.
class SingleRowStore
{
    Q_DECLARE_TR_FUNCTIONS(SingleRowStore)

public:
    SingleRowStore();
    ~SingleRowStore();

    SingleRowStore(const SingleRowStore &) = delete;
    SingleRowStore &operator=(const SingleRowStore &) = delete;

    // Opens the store's connection with driver on fileName (whose folder is
    // created when missing), runs the key statement when there is one and
    // creates the missing tables. storeName is how the user's messages name
    // the store.
    void openStore(const QString &driver, const QString &fileName, const QString &keyStatement,
                   const QStringList &tables, const QString &storeName);

    bool execQuery(QSqlQuery &query, const QString &statement, bool clear);
    bool tableExists(const QString &name);

    // The text stored in table; null when there is none.
    QString load(const QString &table);
    // Replaces the text stored in table. The old row goes only when the new
    // one is written, and only when it was readable: a damaged text nobody
    // has read is never replaced.
    bool save(const QString &table, const QString &text);

    // What went wrong since the store was opened, for the user; empty when
    // nothing did.
    QString errorString() const { return m_errorString; }

protected:
    QSqlDatabase db;

private:
    using Rows = QList<QPair<QString, QByteArray>>;

    QString quotedTable(const QString &table) const;
    void closeConnection();
    void runKeyStatement(QSqlDatabase &database, const QString &keyStatement);
    void createMissingTables();
    QString whyUnusable();
    void replaceUnusableFile(const QString &problem, bool readOnly);
    Rows readableRows(const QString &path);
    bool readRow(const QString &table, QByteArray *blob);
    bool writeRow(const QString &table, const QByteArray &blob, QString *failure = nullptr);
    QString keepDamagedRow(const QString &table, const QString &recoveredText);
    void report(const QString &message);

    const QString m_connectionName;
    QString m_driver;
    QString m_fileName;
    QString m_keyStatement;
    QStringList m_tables;
    QString m_storeName;
    QString m_errorString;
};

#endif
