#include "core/languagetable.h"

#include "core/indicchars.h"

namespace {

struct LanguageRow
{
    const char *name;
    const char *code;
    const char *fontFamily;
};

// Indexed by the shared language number; 9 is English (Indic input off).
// The writing systems of these rows are kept beside the font database's
// users, as the table here must not need Qt Gui.
constexpr LanguageRow languageTable[] = {
    {"Kannada", "kn", "tunga"},
    {"Telugu", "te", "gautami"},
    {"Malayalam", "ml", "kartika"},
    {"Oriya", "or", "ARIALUNI"},
    {"Hindi", "hi", "mangal"},
    {"Gujarati", "gu", "shruti"},
    {"Bengali", "bn", "vrinda"},
    {"Gurmukhi", "pa", "Arial Unicode MS"},
    {"Tamil", "ta", "latha"},
    {"English", nullptr, "arial"},
};
constexpr unsigned languageCount = sizeof(languageTable) / sizeof(languageTable[0]);
static_assert(languageCount == IndicLanguage::count + 1, "the Indic languages and English");

// Unsigned on purpose: a negative index is "any other" and must not index.
const LanguageRow *languageRow(int language)
{
    return static_cast<unsigned>(language) < languageCount ? &languageTable[language] : nullptr;
}

} // namespace

QString LanguageTable::languageName(int language)
{
    const LanguageRow *row = languageRow(language);
    return row ? QString::fromLatin1(row->name) : QString(QLatin1String(""));
}

QString LanguageTable::languageCode(int language)
{
    const LanguageRow *row = languageRow(language);
    return row && row->code ? QString::fromLatin1(row->code) : QString();
}

QString LanguageTable::defaultFontFamily(int language)
{
    const LanguageRow *row = languageRow(language);
    return QString::fromLatin1(row ? row->fontFamily : "tunga");
}
