#ifndef YAVO_SQLCIPHERDRIVERPLUGIN_H
#define YAVO_SQLCIPHERDRIVERPLUGIN_H

#include <QSqlDriverPlugin>

// Hands Qt an SqlCipherDriver for the key "QSQLCIPHER".
class SqlCipherDriverPlugin : public QSqlDriverPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QSqlDriverFactoryInterface_iid FILE "qsqlcipher.json")

public:
    explicit SqlCipherDriverPlugin(QObject *parent = nullptr);

    QSqlDriver *create(const QString &key) override;
};

#endif
