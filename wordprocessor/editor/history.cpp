#include "editor/history.h"

#include "core/userdatafolder.h"
#include "dictionary/dictdatabase.h"
#include "private/singlerowstore_p.h"

#include <QCoreApplication>

class HistoryPrivate : public SingleRowStore
{
public:
    explicit HistoryPrivate(History *history)
        : q(history)
    {
    }

    void openDatabase()
    {
        openStore(QStringLiteral("QSQLCIPHER"), UserDataFolder::historyFile(),
                  databaseKeyStatement, {QStringLiteral("Find"), QStringLiteral("Replace")},
                  QCoreApplication::translate("History", "The search history"));
    }

    History *q;
};

History::History(QObject *parent)
    : QObject(parent)
    , d(new HistoryPrivate(this))
{
    d->openDatabase();
}

History::~History()
{
    delete d;
}

QString History::load(const QString &table)
{
    return d->load(table);
}

void History::save(const QString &table, const QString &text)
{
    // The panel has no use for the result; what went wrong is in errorString().
    d->save(table, text);
}

QString History::errorString() const
{
    return d->errorString();
}
