#include "editor/userdict.h"

#include "core/userdatafolder.h"
#include "private/singlerowstore_p.h"

class UserDictPrivate : public SingleRowStore
{
public:
    explicit UserDictPrivate(UserDict *userDict)
        : q(userDict)
    {
    }

    void openDatabase()
    {
        openStore(QStringLiteral("QSQLITE"), UserDataFolder::userDictionaryFile(), QString(),
                  {QStringLiteral("UnicodeWords")}, UserDict::tr("The user dictionary"));
    }

    UserDict *q;
};

UserDict::UserDict(QObject *parent)
    : QObject(parent)
    , d(new UserDictPrivate(this))
{
    d->openDatabase();
}

UserDict::~UserDict()
{
    delete d;
}

QString UserDict::load(const QString &table)
{
    return d->load(table);
}

bool UserDict::save(const QString &text, const QString &table)
{
    return d->save(table, text);
}

QString UserDict::errorString() const
{
    return d->errorString();
}
