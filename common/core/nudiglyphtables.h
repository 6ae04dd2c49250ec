#ifndef YAVO_NUDIGLYPHTABLES_H
#define YAVO_NUDIGLYPHTABLES_H

// The Nudi font encoding as the ANSI-to-Unicode chain knows it. Every glyph
// of the font sits on one Latin-1 code point; a glyph sequence is written here
// as the hexadecimal codes of its glyphs separated by blanks ("50 C0" is the
// two characters U+0050 U+00C0). NudiToAnsi::buildTables turns these rows into
// its 499-entry syllable table; nothing else reads them at run time.

namespace NudiGlyphTables {

// Signs and independent vowels: the first 15 entries of the syllable table.
// The letter is what the phonetic name becomes in Unicode Kannada.
struct Sign
{
    const char *glyphs;
    const char *name;
    char16_t letter;
};

constexpr Sign signs[] = {
    {"41", "M", 0x0C82},    // anusvara
    {"42", "H", 0x0C83},    // visarga
    {"43", "a", 0x0C85},    // A
    {"44", "A", 0x0C86},    // AA
    {"45", "i", 0x0C87},    // I
    {"46", "ii", 0x0C88},   // II
    {"47", "u", 0x0C89},    // U
    {"48", "U", 0x0C8A},    // UU
    {"49 C4", "Ru", 0x0C8B}, // vocalic R
    {"4A", "e", 0x0C8E},    // E
    {"4B", "E", 0x0C8F},    // EE
    {"4C", "ai", 0x0C90},   // AI
    {"4D", "o", 0x0C92},    // O
    {"4E", "O", 0x0C93},    // OO
    {"4F", "ou", 0x0C94},   // AU
};

// The 14 forms of every consonant, in table order. A form's glyphs are built
// from the consonant's base B (the shape without head stroke), its a-form F
// and its i-form I, followed by sign glyphs: EF halant, C1 aa sign, C3 length
// mark, C4 u sign, C6 uu sign, C8 vocalic R sign, C9 e sign, CA ai mark,
// CB au sign. The form's name is the consonant's name followed by the suffix.
struct Form
{
    const char *suffix;
    const char *glyphs;
};

constexpr Form forms[] = {
    {"", "B EF"},
    {"a", "F"},
    {"A", "B C1"},
    {"i", "I"},
    {"ii", "I C3"},
    {"u", "F C4"},
    {"U", "F C6"},
    {"Ru", "F C8"},
    {"e", "B C9"},
    {"E", "B C9 C3"},
    {"ai", "B C9 CA"},
    {"o", "B C9 C6"},
    {"O", "B C9 C6 C3"},
    {"ou", "B CB"},
};

// The consonants in table order (C0 is the head stroke, C2 an i sign, 73 and
// FC the aspiration marks of the aspirated forms).
struct Consonant
{
    const char *name;
    char16_t letter;
    const char *base;
    const char *aForm;
    const char *iForm;
};

constexpr Consonant consonants[] = {
    {"k", 0x0C95, "50", "50 C0", "51"},                          // KA
    {"K", 0x0C96, "53", "52", "54"},                             // KHA
    {"g", 0x0C97, "55", "55 C0", "56"},                          // GA
    {"G", 0x0C98, "57", "57 C0", "58"},                          // GHA
    {"Z", 0x0C99, "59", "59", "59 C2"},                          // NGA
    {"c", 0x0C9A, "5A", "5A C0", "61"},                          // CA
    {"C", 0x0C9B, "62", "62 C0", "63"},                          // CHA
    {"j", 0x0C9C, "65", "64", "66"},                             // JA
    {"J", 0x0C9D, "67 C0 68 69", "67 C0 68 C4", "6A 68 C4"},     // JHA
    {"z", 0x0C9E, "6B", "6B", "6B C2"},                          // NYA
    {"T", 0x0C9F, "6D", "6C", "6E"},                             // TTA
    {"Th", 0x0CA0, "6F", "6F C0", "70"},                         // TTHA
    {"D", 0x0CA1, "71", "71 C0", "72"},                          // DDA
    {"Dh", 0x0CA2, "71 73", "71 73 C0", "72 FC"},                // DDHA
    {"N", 0x0CA3, "75", "74", "74 C2"},                          // NNA
    {"t", 0x0CA4, "76", "76 C0", "77"},                          // TA
    {"th", 0x0CA5, "78", "78 C0", "79"},                         // THA
    {"d", 0x0CA6, "7A", "7A C0", "A2"},                          // DA
    {"dh", 0x0CA7, "7A 73", "7A 73 C0", "A2 FC"},                // DHA
    {"n", 0x0CA8, "A3", "A3 C0", "A4"},                          // NA
    {"p", 0x0CAA, "A5", "A5 C0", "A6"},                          // PA
    {"P", 0x0CAB, "A5 73", "A5 73 C0", "A6 FC"},                 // PHA
    {"b", 0x0CAC, "A8", "A7", "A9"},                             // BA
    {"B", 0x0CAD, "A8 73", "A8 73 C0", "A9 FC"},                 // BHA
    {"m", 0x0CAE, "AA C0 69", "AA C0 C4", "AB C4"},              // MA
    {"y", 0x0CAF, "41 69 C0 69", "41 69 C0 C4", "AC C4"},        // YA
    {"r", 0x0CB0, "67", "67 C0", "6A"},                          // RA
    {"l", 0x0CB2, "AF", "AE", "B0"},                             // LA
    {"v", 0x0CB5, "AA", "AA C0", "AB"},                          // VA
    {"S", 0x0CB6, "B1", "B1 C0", "B2"},                          // SHA
    {"Sh", 0x0CB7, "B5", "B5 C0", "B6"},                         // SSA
    {"s", 0x0CB8, "B8", "B8 C0", "B9"},                          // SA
    {"h", 0x0CB9, "BA", "BA C0", "BB"},                          // HA
    {"L", 0x0CB3, "BC", "BC C0", "BD"},                          // LLA
};

// Forms the font draws otherwise than the rule above: in the e, E, ai, o and
// O forms of the two-part consonants J, m and y the e sign takes the place of
// the head stroke, v takes the variant signs C5 and C7, and BO repeats its
// aspiration mark. ruleGlyphs is what the rule would have given.
struct IrregularForm
{
    const char *name;
    const char *glyphs;
    const char *ruleGlyphs;
};

constexpr IrregularForm irregularForms[] = {
    {"Je", "67 C9 68 C4", "67 C0 68 69 C9"},
    {"JE", "67 C9 68 C4 C3", "67 C0 68 69 C9 C3"},
    {"Jai", "67 C9 68 C4 CA", "67 C0 68 69 C9 CA"},
    {"Jo", "67 C9 68 C6", "67 C0 68 69 C9 C6"},
    {"JO", "67 C9 68 C6 C3", "67 C0 68 69 C9 C6 C3"},
    {"me", "AA C9 C4", "AA C0 69 C9"},
    {"mE", "AA C9 C4 C3", "AA C0 69 C9 C3"},
    {"mai", "AA C9 C4 CA", "AA C0 69 C9 CA"},
    {"mo", "AA C9 C6", "AA C0 69 C9 C6"},
    {"mO", "AA C9 C6 C3", "AA C0 69 C9 C6 C3"},
    {"ye", "41 69 C9 C4", "41 69 C0 69 C9"},
    {"yE", "41 69 C9 C4 C3", "41 69 C0 69 C9 C3"},
    {"yai", "41 69 C9 C4 CA", "41 69 C0 69 C9 CA"},
    {"yo", "41 69 C9 C6", "41 69 C0 69 C9 C6"},
    {"yO", "41 69 C9 C6 C3", "41 69 C0 69 C9 C6 C3"},
    {"vu", "AA C0 C5", "AA C0 C4"},
    {"vU", "AA C0 C7", "AA C0 C6"},
    {"vo", "AA C9 C7", "AA C9 C6"},
    {"vO", "AA C9 C7 C3", "AA C9 C6 C3"},
    {"BO", "A8 73 73 C9 C6 C3", "A8 73 C9 C6 C3"},
};

// Second spellings of some p and P forms with the variant signs C5 and C7:
// the last eight entries of the syllable table.
struct AlternativeForm
{
    const char *glyphs;
    const char *name;
};

constexpr AlternativeForm alternativeForms[] = {
    {"A5 C0 C5", "pu"},
    {"A5 C0 C7", "pU"},
    {"A5 73 C0 C5", "Pu"},
    {"A5 73 C0 C7", "PU"},
    {"A5 C9 C7", "po"},
    {"A5 C9 C7 C3", "pO"},
    {"A5 73 C9 C7", "Po"},
    {"A5 73 C9 C7 C3", "PO"},
};

// Subjoined consonants: the glyph written under or beside the preceding
// syllable for the second consonant of a cluster. F0 is the ra written after
// the syllable it precedes in speech, F8 a second ra form; F6 and F7 are
// recognised but their names are never written.
struct Subjoined
{
    char16_t glyph;
    const char *name;
};

constexpr Subjoined subjoined[] = {
    {0xCC, "k"},  {0xCD, "K"},  {0xCE, "g"},  {0xCF, "G"},  {0xD0, "Z"},
    {0xD1, "c"},  {0xD2, "C"},  {0xD3, "j"},  {0xD4, "J"},  {0xD5, "z"},
    {0xD6, "T"},  {0xD7, "Th"}, {0xD8, "D"},  {0xD9, "Dh"}, {0xDA, "N"},
    {0xDB, "t"},  {0xDC, "th"}, {0xDD, "d"},  {0xDE, "dh"}, {0xDF, "n"},
    {0xE0, "p"},  {0xE1, "P"},  {0xE2, "b"},  {0xE3, "B"},  {0xE4, "m"},
    {0xE5, "y"},  {0xE6, "r"},  {0xE7, "r"},  {0xE8, "l"},  {0xE9, "v"},
    {0xEA, "S"},  {0xEB, "Sh"}, {0xEC, "s"},  {0xED, "h"},  {0xEE, "L"},
    {0xF0, "r"},  {0xF8, "R"},  {0xF6, "32"}, {0xF7, "9"},
};

// Subjoined entries from this index on are recognised but write nothing.
constexpr int silentSubjoinedFrom = 37;

// The conjunct kSha (KA, subjoined SSA, head stroke) and kSha with the e sign.
constexpr const char *kShaGlyphs = "50 EB C0";
constexpr const char *kSheGlyphs = "50 EB C9";

} // namespace NudiGlyphTables

#endif
