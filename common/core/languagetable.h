#ifndef YAVO_LANGUAGETABLE_H
#define YAVO_LANGUAGETABLE_H

#include <QString>

// The per-language table, indexed by the shared language number (0 to 9,
// 9 being English with Indic input off). The tests are unsigned, so a
// negative number counts as "any other".
class LanguageTable
{
public:
    static QString languageName(int language);
    static QString languageCode(int language);
    static QString defaultFontFamily(int language);
};

#endif
