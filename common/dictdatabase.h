#ifndef YAVO_DICTDATABASE_H
#define YAVO_DICTDATABASE_H

#include <QString>
#include <QStringList>

class QSqlDatabase;
class QSqlQuery;
class Utils;

// The key statement every encrypted store of the suite opens with. The
// dictionary reader passes over it, as its databases are not encrypted.
extern const QString databaseKeyStatement;

// Reads the per-language dictionary databases in "<program folder>/dct/":
// SQLite files with the tables DictInfo, AllUnicodeWords and Dict. Every
// operation works on Qt's default SQL connection, replacing whatever other
// store last used it.
class DictDatabase
{
public:
    DictDatabase();
    ~DictDatabase();

    DictDatabase(const DictDatabase &) = delete;
    DictDatabase &operator=(const DictDatabase &) = delete;

    // The folder the databases and "dict.dat" live in, with a trailing '/'.
    static QString folder();

    bool open(int language, bool force);
    QStringList allWords();
    QStringList info();
    QStringList suggestions(const QString &word);
    bool meaning(const QString &word, QString &entry);
    void ensureUtils();

    static bool exec(QSqlQuery &query, const QString &statement, bool clearAfter);
    static QString findEntryLine(const QString &word, const QString &data);

private:
    QSqlDatabase reopen() const;
    static QStringList readAllWords(QSqlDatabase &db);

    bool m_found = false;
    QString m_path;
    QString m_languageName;
    Utils *m_utils = nullptr;
};

#endif
