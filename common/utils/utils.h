#ifndef YAVO_UTILS_H
#define YAVO_UTILS_H

#include "core/sharedsettings.h"
#include "dictionary/wordlist.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QCompleter;
class QStringListModel;

// The library's service object, as the programs use it. The class-level half
// holds the per-language tables and the process-wide settings every program
// reads; an instance carries the word list of completion and spell checking.
// The work is done by the language table and the shared settings of the core
// and by the word list of the dictionary library; this class adds the
// completer, the font database's writing systems and the dialogs.
class Utils : public QObject
{
public:
    explicit Utils(QObject *parent = nullptr);
    ~Utils() override;

    static QString displayName();
    static QString converterTitle();
    static QString decodeUtf8(const QByteArray &bytes);

    static QString languageCode(int language);
    static QString languageName(int language);
    static QFontDatabase::WritingSystem writingSystem(int language);
    static QString defaultFontFamily(int language);
    static QByteArray codecName(int encodingIndex);

    static QString workingDir();
    static void setWorkingDir(const QString &dir);

    static QString quickBytesPath();

    static bool englishNumerals();
    static void setEnglishNumerals(bool on);

    static int chooseDefaultLanguage(int current);

    // The word list of completion and spell checking: built once, from the
    // user's "usr.dct", the Kannada dictionary database and "dict.dat".
    QCompleter *completer();
    QStringListModel *loadWords(int language);
    void loadUserDictionary();
    void addWord(const QString &word);
    void addWords(const QStringList &words);

    void ignoreWord(const QString &word);
    bool isIgnored(const QString &word) const;
    bool isMisspelled(const QString &word) const;
    QStringList suggestions(const QString &word) const;
    bool addToUserDictionary(const QString &word, QCompleter *completer);

    static QStringList readLines(const QString &path);
    static bool appendLine(const QString &text, const QString &path);
    static bool writeLines(const QStringList &lines, const QString &path);

private:
    WordList m_wordList;
    QPointer<QCompleter> m_completer;
};

#endif
