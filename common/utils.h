#ifndef YAVO_UTILS_H
#define YAVO_UTILS_H

#include <QByteArray>
#include <QFontDatabase>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>

class QCompleter;
class QStringListModel;

// The settings scope that the word processor and the input method share, the
// offline dictionary's own scope, and the codec of the library's text files.
extern const QString settingsOrganization;
extern const QString settingsApplication;
extern const QString dictSettingsApplication;
extern const QByteArray utf8CodecName;

// The library's service object. The class-level half holds the per-language
// tables and the process-wide settings every program reads; an instance
// carries the word list of completion and spell checking.
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
    void setWordModel(QStringListModel *model);
    void setWords(const QStringList &words);
    bool isKnown(const QString &word) const;

    QStringListModel *m_wordModel = nullptr;
    QPointer<QCompleter> m_completer;
    QStringList m_ignoreList;

    // The word model's words as a set, so a spelling check does not walk the
    // whole list. Rebuilt lazily when the model changes behind our back.
    mutable QSet<QString> m_wordIndex;
    mutable bool m_wordIndexStale = true;
    bool m_settingWords = false;
};

#endif
