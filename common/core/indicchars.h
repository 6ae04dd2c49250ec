#ifndef YAVO_INDICCHARS_H
#define YAVO_INDICCHARS_H

// Code points that the converters, the transliterator and the spelling
// suggestions share, named once.
namespace IndicChars {

constexpr char16_t zeroWidthNonJoiner = 0x200C;
constexpr char16_t zeroWidthJoiner = 0x200D;
constexpr char16_t rupeeSign = 0x20B9;
// The Devanagari OM sign, typed by the "OM" key in Hindi.
constexpr char16_t om = 0x0950;

} // namespace IndicChars

// Places that the nine Indic blocks share, as offsets from a block's first
// code point: one key writes the letter at the same place in every script.
namespace IndicBlock {

constexpr int firstConsonant = 0x15;
constexpr int lastConsonant = 0x39;
constexpr int firstVowelSign = 0x3E;
constexpr int lastVowelSign = 0x4C;
constexpr int virama = 0x4D;
constexpr int digitZero = 0x66;

constexpr bool isConsonant(char16_t ch, char16_t base)
{
    return ch >= base + firstConsonant && ch <= base + lastConsonant;
}

constexpr bool isVowelSign(char16_t ch, char16_t base)
{
    return ch >= base + firstVowelSign && ch <= base + lastVowelSign;
}

} // namespace IndicBlock

// The shared language numbers that name a script's rules.
namespace IndicLanguage {

constexpr int kannada = 0;
constexpr int hindi = 4;
constexpr int tamil = 8;
constexpr int count = 9; // the Indic languages 0 to 8; 9 is English

} // namespace IndicLanguage

namespace KannadaChars {

constexpr char16_t anusvara = 0x0C82;
constexpr char16_t visarga = 0x0C83;
constexpr char16_t ra = 0x0CB0;
constexpr char16_t virama = 0x0CCD;
constexpr char16_t digitZero = 0x0CE6;

} // namespace KannadaChars

#endif
