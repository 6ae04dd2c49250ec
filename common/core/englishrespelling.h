#ifndef YAVO_ENGLISHRESPELLING_H
#define YAVO_ENGLISHRESPELLING_H

#include <QString>

// Rewrites a known English word, or a word that begins with a known English
// stem, into the phonetic keys of its pronunciation, so that the
// Transliteration layout writes it as it is spoken ("command" becomes
// "kamyAMD"). Anything else is returned unchanged.
QString respellEnglishWord(const QString &word);

#endif
