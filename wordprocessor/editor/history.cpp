#include "editor/history.h"

#include "dictionary/dictdatabase.h"
#include "private/singlerowstore_p.h"

class HistoryPrivate : public SingleRowStore
{
public:
    explicit HistoryPrivate(History *history)
        : q(history)
    {
    }

    void openDatabase()
    {
        openStore(QStringLiteral("QSQLCIPHER"), QStringLiteral("./dat/history.dat"),
                  databaseKeyStatement, {QStringLiteral("Find"), QStringLiteral("Replace")});
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
    // Failures are in the debug output; the panel has no use for them.
    d->save(table, text);
}
