#ifndef YAVO_SINGLEROWSTORE_P_H
#define YAVO_SINGLEROWSTORE_P_H

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class QSqlQuery;

// What the search history and the user dictionary stores have in common: a
// database whose tables each hold one column and one row, a compressed text.
// Each store has an SQL connection of its own, removed with the store, so
// stores open at the same time do not cut each other off. A store lives for
// one load or one save.
class SingleRowStore
{
public:
    SingleRowStore();
    ~SingleRowStore();

    SingleRowStore(const SingleRowStore &) = delete;
    SingleRowStore &operator=(const SingleRowStore &) = delete;

    // Opens the store's connection with driver on fileName (a path relative
    // to the current folder, whose folder is created), runs the key
    // statement when there is one and creates the missing tables.
    void openStore(const QString &driver, const QString &fileName,
                   const QString &keyStatement, const QStringList &tables);

    bool execQuery(QSqlQuery &query, const QString &statement, bool clear);
    bool tableExists(const QString &name);

    // The text stored in table; null when there is none.
    QString load(const QString &table);
    // Replaces the text stored in table. The old row goes only when the new
    // one is written: all or nothing.
    bool save(const QString &table, const QString &text);

protected:
    QSqlDatabase db;

private:
    QString quotedTable(const QString &table) const;
    void closeConnection();

    const QString m_connectionName;
};

#endif
