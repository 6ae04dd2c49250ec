#ifndef YAVO_DICTDATABASE_H
#define YAVO_DICTDATABASE_H

#include <QString>
#include <QStringList>

class QSqlDatabase;
class QSqlQuery;
class WordList;

// The key statement every encrypted store of the suite opens with. The
// dictionary reader passes over it, as its databases are not encrypted.
extern const QString databaseKeyStatement;

// Reads the per-language dictionary databases in "<program folder>/dct/":
// SQLite files with the tables DictInfo, AllUnicodeWords and Dict. Each
// reader has an SQL connection of its own, removed with the reader; every
// operation opens the file anew and closes it, except that a successful
// open leaves the database it found open.
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
    // Gives the reader a word list of its own, from "usr.dct" and this
    // database, whose suggestions then come first.
    void ensureUtils();

    static bool exec(QSqlQuery &query, const QString &statement, bool clearAfter);
    static QString findEntryLine(const QString &word, const QString &data);

private:
    QSqlDatabase connection() const;
    QSqlDatabase reopen() const;
    static QStringList readAllWords(QSqlDatabase &db);

    const QString m_connectionName;
    bool m_found = false;
    QString m_path;
    QString m_languageName;
    // The word list whose suggestions come first; see ensureUtils.
    WordList *m_wordList = nullptr;
};

#endif
