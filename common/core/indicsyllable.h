#ifndef YAVO_INDICSYLLABLE_H
#define YAVO_INDICSYLLABLE_H

#include <QString>

// Syllable boundaries in text of one Indic script, for the typing engines
// that edit what they have already written.
namespace IndicSyllable {

// Where the arkavattu key puts its repha (RA and a virama) in text whose
// block starts at base: in front of the whole consonant cluster that ends
// the text, or ends it but for one vowel sign, since the repha sounds
// before every consonant of its syllable. -1 when the text ends otherwise
// (empty, a vowel, a lone sign, a joiner), where there is nothing to put a
// repha on.
int rephaPosition(const QString &text, char16_t base);

} // namespace IndicSyllable

#endif
