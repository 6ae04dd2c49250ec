#include "sqlcipherdriverplugin.h"

#include "sqlcipherdriver.h"

SqlCipherDriverPlugin::SqlCipherDriverPlugin(QObject *parent)
    : QSqlDriverPlugin(parent)
{
}

QSqlDriver *SqlCipherDriverPlugin::create(const QString &key)
{
    if (key == QLatin1String("QSQLCIPHER"))
        return new SqlCipherDriver;
    return nullptr;
}
