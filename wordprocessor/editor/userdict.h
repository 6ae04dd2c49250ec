#ifndef YAVO_USERDICT_H
#define YAVO_USERDICT_H

#include <QObject>
#include <QString>

class UserDictPrivate;

// The user's own words, one text joined by line feeds in the table
// "UnicodeWords" of the SQLite database "usrdic.dat" of the user's data
// folder. A store lives for one load or one save.
class UserDict : public QObject
{
    Q_OBJECT

public:
    explicit UserDict(QObject *parent = nullptr);
    ~UserDict() override;

    QString load(const QString &table);
    bool save(const QString &text, const QString &table);

    // What went wrong since the store was made, to show the user: a damaged
    // file moved aside and replaced, a damaged text recovered in part (with
    // where the damaged file was kept), a failed save. Empty when nothing did.
    QString errorString() const;

private:
    UserDictPrivate *d;
};

#endif
