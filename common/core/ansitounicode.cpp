#include "core/ansitounicode.h"

#include "core/indicchars.h"
#include "core/sharedsettings.h"
#include "private/inplacetext_p.h"

#include <algorithm>
#include <cstring>

namespace {

using KannadaChars::anusvara;
using KannadaChars::ra;
using KannadaChars::virama;
using KannadaChars::visarga;
using IndicChars::zeroWidthJoiner;
using IndicChars::zeroWidthNonJoiner;
constexpr char16_t vocalicR = 0x0C8B;
constexpr char16_t vocalicRSign = 0x0CC3;

// The vowel keys in the order they are tried. A sign of 0 means the inherent
// vowel: the virama goes and nothing takes its place. H and M have no sign.
struct VowelKey
{
    const char *key;
    char16_t independent;
    char16_t sign;
};

constexpr VowelKey vowelKeys[] = {
    {"aa", 0x0C86, 0x0CBE},
    {"ai", 0x0C90, 0x0CC8},
    {"a", 0x0C85, 0},
    {"A", 0x0C86, 0x0CBE},
    {"ii", 0x0C88, 0x0CC0},
    {"i", 0x0C87, 0x0CBF},
    {"I", 0x0C88, 0x0CC0},
    {"uu", 0x0C8A, 0x0CC2},
    {"u", 0x0C89, 0x0CC1},
    {"U", 0x0C8A, 0x0CC2},
    {"Ru", vocalicR, vocalicRSign},
    {"ee", 0x0C88, 0x0CC0},
    {"e", 0x0C8E, 0x0CC6},
    {"E", 0x0C8F, 0x0CC7},
    {"oo", 0x0C93, 0x0CC2},
    {"ou", 0x0C94, 0x0CCC},
    {"o", 0x0C92, 0x0CCA},
    {"O", 0x0C93, 0x0CCB},
    {"H", visarga, 0},
    {"M", anusvara, 0},
};

enum class ConsonantKind { Letter, NonJoiner, JoinedRa, Visarga, Anusvara, VocalicR };

struct ConsonantKey
{
    const char *key;
    ConsonantKind kind;
    char16_t letter;
};

// Two-letter keys are tried before one-letter ones ("Ru" before "r" and "R").
constexpr ConsonantKey consonantKeys[] = {
    {"k", ConsonantKind::Letter, 0x0C95},
    {"kh", ConsonantKind::Letter, 0x0C96},
    {"K", ConsonantKind::Letter, 0x0C96},
    {"g", ConsonantKind::Letter, 0x0C97},
    {"gh", ConsonantKind::Letter, 0x0C98},
    {"G", ConsonantKind::Letter, 0x0C98},
    {"Z", ConsonantKind::Letter, 0x0C99},
    {"ch", ConsonantKind::Letter, 0x0C9A},
    {"c", ConsonantKind::Letter, 0x0C9A},
    {"C", ConsonantKind::Letter, 0x0C9B},
    {"j", ConsonantKind::Letter, 0x0C9C},
    {"jh", ConsonantKind::Letter, 0x0C9D},
    {"J", ConsonantKind::Letter, 0x0C9D},
    {"z", ConsonantKind::Letter, 0x0C9E},
    {"T", ConsonantKind::Letter, 0x0C9F},
    {"Th", ConsonantKind::Letter, 0x0CA0},
    {"D", ConsonantKind::Letter, 0x0CA1},
    {"Dh", ConsonantKind::Letter, 0x0CA2},
    {"N", ConsonantKind::Letter, 0x0CA3},
    {"t", ConsonantKind::Letter, 0x0CA4},
    {"th", ConsonantKind::Letter, 0x0CA5},
    {"d", ConsonantKind::Letter, 0x0CA6},
    {"dh", ConsonantKind::Letter, 0x0CA7},
    {"n", ConsonantKind::Letter, 0x0CA8},
    {"p", ConsonantKind::Letter, 0x0CAA},
    {"f", ConsonantKind::Letter, 0x0CAA},
    {"ph", ConsonantKind::Letter, 0x0CAB},
    {"P", ConsonantKind::Letter, 0x0CAB},
    {"b", ConsonantKind::Letter, 0x0CAC},
    {"bh", ConsonantKind::Letter, 0x0CAD},
    {"B", ConsonantKind::Letter, 0x0CAD},
    {"m", ConsonantKind::Letter, 0x0CAE},
    {"y", ConsonantKind::Letter, 0x0CAF},
    {"Y", ConsonantKind::Letter, 0x0CAF},
    {"r", ConsonantKind::Letter, ra},
    {"F", ConsonantKind::Letter, ra},
    {"l", ConsonantKind::Letter, 0x0CB2},
    {"L", ConsonantKind::Letter, 0x0CB3},
    {"v", ConsonantKind::Letter, 0x0CB5},
    {"V", ConsonantKind::Letter, 0x0CB5},
    {"w", ConsonantKind::Letter, 0x0CB5},
    {"W", ConsonantKind::Letter, 0x0CB5},
    {"sh", ConsonantKind::Letter, 0x0CB6},
    {"S", ConsonantKind::Letter, 0x0CB6},
    {"Sh", ConsonantKind::Letter, 0x0CB7},
    {"s", ConsonantKind::Letter, 0x0CB8},
    {"h", ConsonantKind::Letter, 0x0CB9},
    {"ff", ConsonantKind::NonJoiner, zeroWidthNonJoiner},
    {"R", ConsonantKind::JoinedRa, ra},
    {"H", ConsonantKind::Visarga, visarga},
    {"M", ConsonantKind::Anusvara, anusvara},
    {"Ru", ConsonantKind::VocalicR, vocalicR},
};

bool isAsciiLetter(char16_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isAsciiDigit(char16_t c)
{
    return c >= '0' && c <= '9';
}

// The runs convertWord hands on: ASCII letters and digits only. Everything
// else, Latin-1 letters and text that is Unicode already included, is copied.
bool isAlphanumeric(QChar c)
{
    return isAsciiLetter(c.unicode()) || isAsciiDigit(c.unicode());
}

// Where a key of one or two ASCII letters starts a text. A two-letter key
// wins over the one-letter key that is its first letter, exactly as trying
// the keys in table order does (each table lists the longer keys first).
template<typename Key>
class KeyIndex
{
public:
    template<size_t N>
    constexpr explicit KeyIndex(const Key (&keys)[N])
        : m_keys(keys)
    {
        static_assert(N < 128, "indices fit a qint8");
        for (qint8 &slot : m_one)
            slot = -1;
        for (auto &row : m_two) {
            for (qint8 &slot : row)
                slot = -1;
        }
        for (size_t i = 0; i < N; ++i) {
            const char *key = keys[i].key;
            m_starts[uchar(key[0])] = true;
            qint8 &slot = key[1] ? m_two[uchar(key[0])][uchar(key[1])] : m_one[uchar(key[0])];
            if (slot < 0)
                slot = qint8(i);
        }
    }

    // The key at the start of text, or null; length receives its length.
    const Key *find(QStringView text, int *length) const
    {
        // Most letters start no key of the table asked: one look-up turns
        // them away.
        const char16_t first = text.front().unicode();
        if (first >= 128 || !m_starts[first])
            return nullptr;
        // Where the walk goes next depends on the text, so this much is
        // worked out without branches: a text of one letter reads its
        // first letter again and masks it to 0, which ends no two-letter
        // key, and a second letter beyond ASCII reads as 127, which ends
        // none either.
        const qsizetype hasSecond = text.size() > 1;
        const char16_t second = std::min<char16_t>(text[hasSecond].unicode() & -hasSecond, 127);
        const qint8 pair = m_two[first][second];
        if (pair >= 0) {
            *length = 2;
            return &m_keys[pair];
        }
        if (m_one[first] < 0)
            return nullptr;
        *length = 1;
        return &m_keys[m_one[first]];
    }

private:
    const Key *m_keys;
    bool m_starts[128] = {};
    qint8 m_one[128] = {};
    qint8 m_two[128][128] = {};
};

constexpr KeyIndex<VowelKey> vowelKeyIndex(vowelKeys);
constexpr KeyIndex<ConsonantKey> consonantKeyIndex(consonantKeys);

} // namespace

inline void AnsiToUnicode::appendUnit(char16_t unit)
{
    buffer.append(unit);
}

inline void AnsiToUnicode::appendUnits(char16_t first, char16_t second)
{
    buffer.append(first);
    buffer.append(second);
}

inline char16_t AnsiToUnicode::lastUnit(int fromEnd) const
{
    const int at = buffer.size() - 1 - fromEnd;
    return at < 0 ? 0 : buffer.at(at);
}

inline void AnsiToUnicode::setLastUnit(char16_t unit)
{
    buffer.last() = unit;
}

inline void AnsiToUnicode::removeLastUnit()
{
    buffer.removeLast();
}

// Empties the buffer where clear() would have QVarLengthArray reallocate it
// at every run: taking its units off one by one is a count the compiler
// sets to zero at once.
inline void AnsiToUnicode::clearBuffer()
{
    while (!buffer.isEmpty())
        buffer.removeLast();
}

// A vowel sign may only take the place of the virama a consonant key wrote,
// or of the joiner written after the ra of "R"; anything else (a digit, an
// anusvara, a copied letter) stays, and the vowel is written as a letter.
inline bool AnsiToUnicode::endsInJoinPoint() const
{
    const char16_t last = lastUnit();
    return last == virama || (last == zeroWidthJoiner && lastUnit(1) == ra);
}

inline void AnsiToUnicode::appendDependent(char16_t independent, char16_t sign)
{
    if (!endsInJoinPoint())
        appendUnit(independent);
    else if (sign == 0)
        removeLastUnit();
    else
        setLastUnit(sign);
}

// The result, written in place (see InPlaceText).
class AnsiToUnicode::Output : public InPlaceText
{
public:
    using InPlaceText::InPlaceText;
    using InPlaceText::append;

    // Copies the letters of a run in blocks of sixteen: a copy of a fixed size
    // is a single move, where one of any size is a call that branches on
    // it. `readable` is how far text may be read, the last block included.
    void appendBlocks(const char16_t *text, int count, int readable)
    {
        constexpr int block = 16;
        if (count + block > readable) {
            append(reinterpret_cast<const QChar *>(text), count);
            return;
        }
        makeRoom(count + block);
        for (int done = 0; done < count; done += block)
            std::memcpy(static_cast<void *>(m_text + m_size + done), text + done, block * sizeof(char16_t));
        m_size += count;
    }
    // Copies text with every backquote turned into an apostrophe.
    void appendQuoted(const QChar *text, int count)
    {
        makeRoom(count);
        for (int i = 0; i < count; ++i)
            m_text[m_size + i] = text[i] == QLatin1Char('`') ? QChar(QLatin1Char('\'')) : text[i];
        m_size += count;
    }
};

AnsiToUnicode::AnsiToUnicode()
    : englishNumerals(SharedSettings::englishNumerals())
{
}

AnsiToUnicode::~AnsiToUnicode() = default;

QString AnsiToUnicode::convertText(const QString &text)
{
    // Word by word, with the line breaks and spaces kept between the words,
    // is what convertWord does to the whole text: they are not alphanumeric,
    // so they end every run and are copied as they are.
    return convertWord(text);
}

QString AnsiToUnicode::convertWord(const QString &text)
{
    QString result;
    // Kannada is mostly shorter than its phonetic keys.
    Output out(result, text.size());
    appendWord(text.constData(), text.size(), out);
    out.finish();
    return result;
}

QString AnsiToUnicode::convert(const QString &word)
{
    QString result;
    Output out(result, word.size());
    appendRun(word.constData(), word.size(), out);
    out.finish();
    return result;
}

void AnsiToUnicode::appendWord(const QChar *text, int size, Output &out)
{
    int i = 0;
    while (i < size) {
        const bool alphanumeric = isAlphanumeric(text[i]);
        int end = i + 1;
        while (end < size && isAlphanumeric(text[end]) == alphanumeric)
            ++end;
        if (alphanumeric)
            appendRun(text + i, end - i, out);
        else
            out.appendQuoted(text + i, end - i);
        i = end;
    }
}

void AnsiToUnicode::appendRun(const QChar *word, int size, Output &out)
{
    clearBuffer();
    position = 0;
    finished = false;
    afterVowel = false;

    while (position < size) {
        const QChar c = word[position];
        if (!c.isLetter()) {
            if (position != 0 && position + 1 < size && c == QLatin1Char('^')
                && word[position + 1] == QLatin1Char('^')) {
                position += 2;
                continue;
            }
            out.append(c.isNumber() ? digit(c) : c);
            ++position;
            continue;
        }

        // The letters start afresh, whatever the steps for the characters
        // before them did.
        clearBuffer();
        afterVowel = false;
        int end = size;
        while (end > position && !word[end - 1].isLetter())
            --end;
        appendVowel(QStringView(word + position, end - position));

        out.appendBlocks(buffer.constData(), buffer.size(), buffer.capacity());
        if (end < size)
            out.append(word + end, size - end);
        break;
    }
}

void AnsiToUnicode::appendVowel(QStringView rest)
{
    // One pass over the run; a long pasted token must not nest calls.
    int i = 0;
    while (i < rest.size()) {
        int consumed = 0;
        if (const VowelKey *key = vowelKeyIndex.find(QStringView(rest.data() + i, rest.size() - i), &consumed)) {
            if (key->independent == visarga || key->independent == anusvara) {
                appendUnit(key->independent);
            } else {
                if (buffer.isEmpty() || afterVowel)
                    appendUnit(key->independent);
                else
                    appendDependent(key->independent, key->sign);
                afterVowel = true;
            }
        } else {
            afterVowel = false;
            const QChar c = rest.at(i);
            if (!c.isLetter()) {
                appendUnit(c.unicode());
                consumed = 1;
            } else {
                // A letter isVowel takes but no vowel key knows (a subclass
                // may widen isVowel) still moves the walk on, as a cluster
                // of its own.
                int end = i + 1;
                while (end < rest.size() && rest.at(end).isLetter() && !isVowel(rest.at(end)))
                    ++end;
                if (rest.at(end - 1) == QLatin1Char('R') && end < rest.size()
                    && rest.at(end) == QLatin1Char('u'))
                    ++end;
                consumed = end - i;
                appendConsonant(QStringView(rest.data() + i, consumed));
            }
        }
        i += consumed;
        position += consumed;
    }
    finished = true;
}

bool AnsiToUnicode::isVowel(QChar c)
{
    // One bit for each letter from A on: a test without branches, for the
    // walk asks this of every consonant.
    constexpr quint64 vowels = [] {
        quint64 bits = 0;
        for (const char vowel : {'A', 'E', 'I', 'O', 'U', 'a', 'e', 'i', 'o', 'u'})
            bits |= quint64(1) << (vowel - 'A');
        return bits;
    }();
    const unsigned offset = unsigned(c.unicode()) - 'A';
    return (offset < 64) & ((vowels >> (offset & 63)) & 1);
}

void AnsiToUnicode::appendConsonant(QStringView cluster)
{
    int i = 0;
    while (i < cluster.size()) {
        int length = 0;
        const ConsonantKey *key = consonantKeyIndex.find(QStringView(cluster.data() + i, cluster.size() - i), &length);
        if (!key) {
            // A letter no key knows is kept as it is; the keys after it
            // still count.
            appendUnit(cluster.at(i).unicode());
            ++i;
            continue;
        }
        // Nearly every key is a plain letter; the test comes first.
        if (key->kind == ConsonantKind::Letter) {
            appendUnits(key->letter, virama);
            i += length;
            continue;
        }
        switch (key->kind) {
        case ConsonantKind::Letter:
            break;
        case ConsonantKind::NonJoiner:
        case ConsonantKind::Visarga:
        case ConsonantKind::Anusvara:
            appendUnit(key->letter);
            break;
        case ConsonantKind::JoinedRa:
            appendUnits(ra, zeroWidthJoiner);
            break;
        case ConsonantKind::VocalicR:
            if (!buffer.isEmpty() && endsInJoinPoint())
                setLastUnit(vocalicRSign);
            else
                appendUnit(vocalicR);
            break;
        }
        i += length;
    }
}

QChar AnsiToUnicode::digit(QChar c)
{
    if (englishNumerals || !isAsciiDigit(c.unicode()))
        return c;
    return QChar(char16_t(KannadaChars::digitZero + (c.unicode() - '0')));
}
