#ifndef YAVO_DICTFIXTURE_H
#define YAVO_DICTFIXTURE_H

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

// Builds the data files the word list and the dictionary reader read. The
// suite ships no dictionary data, so tests make small ones of their own.

// One row of the table Dict: a headword and its entry lines.
struct DictEntry
{
    QString headword;
    QString data;
    qint64 rowid = 0;   // 0: SQLite chooses
};

// A dictionary database: DictInfo, AllUnicodeWords and Dict.
struct DictContent
{
    QString languageName;
    QString wordCount = QStringLiteral("0");
    QString creationDate = QStringLiteral("2019-06-01");
    QString wordsText;           // AllUnicodeWords.word, before compression
    QByteArray rawWords;         // when not null, stored instead of wordsText
    bool hasWordsRow = true;
    QList<DictEntry> entries;
};

Q_DECLARE_METATYPE(DictEntry)
Q_DECLARE_METATYPE(DictContent)

namespace DictFixture {

// qCompress of the UTF-8 text, as the databases store texts.
QByteArray compressed(const QString &text);

bool writeDatabase(const QString &path, const DictContent &content);

// "dict.dat": a QStringList as QDataStream writes it.
QByteArray wordFileBytes(const QStringList &words);
bool writeFile(const QString &path, const QByteArray &bytes);

// The databases the build made from Debian's aspell word lists, named by
// their aspell dictionary ("kn", "te", ...). Empty when the build found no
// word lists.
QStringList builtDictionaries();
// The path of one of them; empty when the build made none for it.
QString builtDatabase(const QString &dictionary);
// Why a test of them has nothing to test.
QString noBuiltDictionariesReason();

} // namespace DictFixture

// "<program folder>/dct", where the reader looks, empty while this lives and
// removed afterwards. Give each test program its own output folder, as
// programs sharing a folder would share this one.
class AppDictFolder
{
public:
    explicit AppDictFolder(bool create = true);
    ~AppDictFolder();

    AppDictFolder(const AppDictFolder &) = delete;
    AppDictFolder &operator=(const AppDictFolder &) = delete;

    QString path() const { return m_path; }
    QString filePath(const QString &name) const;
    // Puts the built databases here, as the program finds them beside it.
    bool addBuiltDatabases() const;

private:
    QString m_path;
};

#endif
