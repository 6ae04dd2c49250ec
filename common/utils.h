#ifndef YAVO_UTILS_H
#define YAVO_UTILS_H

#include <QByteArray>
#include <QFontDatabase>
#include <QObject>
#include <QString>

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
};

#endif
