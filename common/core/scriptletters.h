#ifndef YAVO_SCRIPTLETTERS_H
#define YAVO_SCRIPTLETTERS_H

#include "core/indicchars.h"
#include "core/transliterationtables.h"

#include <array>
#include <cstddef>

// The nine script blocks, and what each script writes where the rules that
// all of them share put a letter its block lacks. Both typing engines, the
// word processor's and the input method's, write through this one table,
// so that a key types the same letter in both.
namespace ScriptLetters {

// The first code point of each script's block, by language; every block is
// 0x80 code points long.
constexpr char16_t blockBase[IndicLanguage::count] = {
    0x0C80, 0x0C00, 0x0D00, 0x0B00, 0x0900, 0x0A80, 0x0980, 0x0A00, 0x0B80,
};
constexpr int blockLength = 0x80;

// Besides a letter, a fix-up may leave the letter out, or keep the key that
// would write it as the user typed it.
constexpr char16_t removed = 0;
constexpr char16_t keyKept = 0xFFFF;

using Row = TransliterationTables::ScriptFixup;

// Letters that Unicode does not assign in a script, written by the keys of
// some layouts (the KPRao - Extended keys above all) because the letter
// exists at that place in other blocks. Each becomes the letter the
// script's own writers use for that sound; where the script has none the
// key stays as typed, so that no boxes reach the text and nothing typed is
// lost silently.
constexpr Row unassignedLetters[] = {
    // Kannada: candra vowels as the short ones, nukta letters as their bases.
    {0, 0x0C8D, 0x0C8E}, {0, 0x0C91, 0x0C92}, {0, 0x0CC5, 0x0CC6}, {0, 0x0CC9, 0x0CCA},
    {0, 0x0CD9, 0x0C96}, {0, 0x0CDB, 0x0C9C}, {0, 0x0CDC, 0x0CA1},
    // Telugu: jihvamuliya is a form of the visarga.
    {1, 0x0C0D, 0x0C0E}, {1, 0x0C11, 0x0C12}, {1, 0x0C45, 0x0C46}, {1, 0x0C49, 0x0C4A},
    {1, 0x0C5B, 0x0C1C}, {1, 0x0C5C, 0x0C21}, {1, 0x0C5E, 0x0C2B}, {1, 0x0C71, 0x0C03},
    {1, 0x0C3C, keyKept},
    // Malayalam.
    {2, 0x0D0D, 0x0D0E}, {2, 0x0D11, 0x0D12}, {2, 0x0D45, 0x0D46}, {2, 0x0D49, 0x0D4A},
    // Oriya: one E and one O, as for the short ones; RRA is written RA, LLLA LLA.
    {3, 0x0B00, 0x0B01}, {3, 0x0B04, 0x0B05},
    {3, 0x0B0D, 0x0B0F}, {3, 0x0B11, 0x0B13}, {3, 0x0B45, 0x0B47}, {3, 0x0B49, 0x0B4B},
    {3, 0x0B31, 0x0B30}, {3, 0x0B34, 0x0B33},
    {3, 0x0B59, 0x0B16}, {3, 0x0B5B, 0x0B1C}, {3, 0x0B5E, 0x0B2B},
    // Gujarati.
    {5, 0x0A80, 0x0A81}, {5, 0x0A84, 0x0A85}, {5, 0x0AB1, 0x0AB0},
    {5, 0x0AD9, 0x0A96}, {5, 0x0ADB, 0x0A9C}, {5, 0x0ADC, 0x0AA1}, {5, 0x0ADE, 0x0AAB},
    {5, 0x0AD5, keyKept},
    // Bengali.
    {6, 0x0984, 0x0985},
    {6, 0x098D, 0x098F}, {6, 0x0991, 0x0993}, {6, 0x09C5, 0x09C7}, {6, 0x09C9, 0x09CB},
    {6, 0x09B1, 0x09B0},
    {6, 0x09D9, 0x0996}, {6, 0x09DB, 0x099C}, {6, 0x09DE, 0x09AB},
    {6, 0x09D5, keyKept},
    // Gurmukhi: no sign of vocalic R, no candrabindu (U+0A01 is the adak
    // bindi), no avagraha.
    {7, 0x0A04, 0x0A05},
    {7, 0x0A0D, 0x0A0F}, {7, 0x0A11, 0x0A13}, {7, 0x0A45, 0x0A47}, {7, 0x0A49, 0x0A4B},
    {7, 0x0A31, 0x0A30},
    {7, 0x0A00, keyKept}, {7, 0x0A43, keyKept}, {7, 0x0A3D, keyKept}, {7, 0x0A55, keyKept},
    // Tamil: one stop for each class.
    {8, 0x0B84, 0x0B85},
    {8, 0x0B8D, 0x0B8E}, {8, 0x0B91, 0x0B92}, {8, 0x0BC5, 0x0BC6}, {8, 0x0BC9, 0x0BCA},
    {8, 0x0BD9, 0x0B95}, {8, 0x0BDB, 0x0B9C}, {8, 0x0BDC, 0x0B9F}, {8, 0x0BDE, 0x0BAA},
    {8, 0x0B80, keyKept}, {8, 0x0BBC, keyKept}, {8, 0x0BBD, keyKept}, {8, 0x0BD5, keyKept},
};

// By language and offset into the language's block: the letter written in
// its place, `removed`, `keyKept`, or the letter itself.
using Map = std::array<std::array<char16_t, blockLength>, IndicLanguage::count>;

template<std::size_t N>
constexpr bool inTheirBlocks(const Row (&rows)[N])
{
    for (const Row &row : rows) {
        if (row.language < 0 || row.language >= IndicLanguage::count
            || row.from < blockBase[row.language] || row.from >= blockBase[row.language] + blockLength)
            return false;
    }
    return true;
}

// The replacements are made one character at a time, which gives the same
// text as making them one table row after another only while no
// replacement is itself replaced by another row, and while no letter has
// two rows.
template<std::size_t N, std::size_t M>
constexpr bool chainFree(const Row (&first)[N], const Row (&second)[M])
{
    for (std::size_t i = 0; i < N + M; ++i) {
        const Row &row = i < N ? first[i] : second[i - N];
        for (std::size_t j = 0; j < N + M; ++j) {
            const Row &other = j < N ? first[j] : second[j - N];
            if (j != i && other.language == row.language && (other.from == row.to || other.from == row.from))
                return false;
        }
    }
    return true;
}

template<std::size_t N>
constexpr void addRows(Map &map, const Row (&rows)[N])
{
    for (const Row &row : rows)
        map[std::size_t(row.language)][std::size_t(row.from - blockBase[row.language])] = row.to;
}

constexpr Map buildMap()
{
    Map map {};
    for (std::size_t language = 0; language < map.size(); ++language) {
        for (std::size_t offset = 0; offset < blockLength; ++offset)
            map[language][offset] = char16_t(blockBase[language] + offset);
    }
    addRows(map, TransliterationTables::scriptFixups);
    addRows(map, unassignedLetters);
    return map;
}

static_assert(inTheirBlocks(TransliterationTables::scriptFixups) && inTheirBlocks(unassignedLetters),
              "a script fix-up lies outside its script's block");
static_assert(chainFree(TransliterationTables::scriptFixups, unassignedLetters),
              "a script fix-up replaces what another one writes");

inline constexpr Map fixups = buildMap();

// What the script of `language` (0 to 8) writes for the letter at `offset`
// (0 to 0x7F) of its block.
constexpr char16_t fixupAt(int language, int offset)
{
    return fixups[std::size_t(language)][std::size_t(offset)];
}

// Same, for a character of any block: the character itself outside the
// language's block.
constexpr char16_t fixup(int language, char16_t ch)
{
    const char16_t base = blockBase[language];
    return char16_t(ch - base) < blockLength ? fixups[std::size_t(language)][ch - base] : ch;
}

} // namespace ScriptLetters

#endif
