#ifndef YAVO_KEYINDEX_H
#define YAVO_KEYINDEX_H

#include <QChar>

#include <array>
#include <cstddef>

// Finds a keyboard layout's key in constant time. Every key is one or two
// ASCII characters, so a table by first character answers the
// one-character keys, and a row of codes by second character for each first
// character that begins a two-character key answers those. Built at compile
// time from a list of key texts; a key's code is its position in the list
// plus the list's first code.
struct KeyIndex
{
    static constexpr int maxPairRows = 24;

    std::array<short, 128> single {};
    std::array<signed char, 128> pairRow {};
    std::array<std::array<short, 128>, maxPairRows> pairCode {};
    int pairRows = 0;

    // The code of the key made of the first `length` (1 or 2) characters of
    // text, or -1 when they are no key of the list.
    int find(const QChar *text, int length) const
    {
        const char16_t first = text[0].unicode();
        if (first >= 128)
            return -1;
        if (length == 2) {
            const char16_t second = text[1].unicode();
            const int row = pairRow[first];
            if (second >= 128 || row < 0)
                return -1;
            return pairCode[std::size_t(row)][second];
        }
        return single[first];
    }
};

template<std::size_t N>
constexpr KeyIndex buildKeyIndex(const char *const (&list)[N], int firstCode)
{
    KeyIndex index;
    for (auto &code : index.single)
        code = -1;
    for (auto &row : index.pairRow)
        row = -1;
    for (auto &row : index.pairCode) {
        for (auto &code : row)
            code = -1;
    }
    for (std::size_t i = 0; i < N; ++i) {
        const char *key = list[i];
        const short code = short(firstCode + int(i));
        const std::size_t first = std::size_t(key[0]);
        if (key[1] == '\0') {
            index.single[first] = code;
            continue;
        }
        if (index.pairRow[first] < 0)
            index.pairRow[first] = static_cast<signed char>(index.pairRows++);
        index.pairCode[std::size_t(index.pairRow[first])][std::size_t(key[1])] = code;
    }
    return index;
}

#endif
