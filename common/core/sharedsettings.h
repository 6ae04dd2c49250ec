#ifndef YAVO_SHAREDSETTINGS_H
#define YAVO_SHAREDSETTINGS_H

#include <QByteArray>
#include <QString>

// The settings scope that the word processor and the input method share, the
// offline dictionary's own scope, and the codec of the library's text files.
extern const QString settingsOrganization;
extern const QString settingsApplication;
extern const QString dictSettingsApplication;
extern const QByteArray utf8CodecName;

// What the programs of the suite share through the settings store and the
// process: the English-numerals setting, the working folder and the place of
// the QuickBytes file. Every access opens its own settings object, so a
// change made by one running program reaches the other.
class SharedSettings
{
public:
    static bool englishNumerals();
    static void setEnglishNumerals(bool on);

    static QString workingDir();
    static void setWorkingDir(const QString &dir);

    static QString quickBytesPath();
};

#endif
