#include "core/phoneticansikannada.h"

#include "core/indicchars.h"

namespace {

// Position in the list is the key's code.
constexpr const char *keys[] = {
    "a", "aa", "A", "i", "I", "ee", "u", "U", "oo", "Ru",                   // 0-9
    "e", "E", "ai", "o", "O", "aw", "M", "H",                              // 10-17
    "k", "kh", "K", "g", "gh", "G", "Z", "c", "ch", "C",                   // 18-27
    "j", "jh", "J", "z", "T", "Th", "D", "Dh", "N", "t",                   // 28-37
    "th", "d", "dh", "n", "p", "ph", "P", "b", "bh", "B",                  // 38-47
    "m", "y", "r", "l", "v", "sh", "S", "Sh", "s", "h", "L",               // 48-58
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9",                      // 59-68
    "f", "F",                                                              // 69-70
};

enum : int {
    lastVowel = 15,
    anusvaraKey = 16,
    visargaKey = 17,
    firstConsonant = 18,
    lastConsonant = 58,
    firstDigit = 59,
    lastDigit = 68,
    nonJoinerKey = 69,
    joinerKey = 70,
};

using KannadaChars::virama;

// Vowel codes 0 to 15: the independent letter, and the sign written after a
// virama (0 for the inherent vowel, which only removes the virama).
constexpr char16_t independentVowels[] = {
    0x0C85, 0x0C86, 0x0C86, 0x0C87, 0x0C88, 0x0C88, 0x0C89, 0x0C8A,
    0x0C8A, 0x0C8B, 0x0C8E, 0x0C8F, 0x0C90, 0x0C92, 0x0C93, 0x0C94,
};
constexpr char16_t vowelSigns[] = {
    0, 0x0CBE, 0x0CBE, 0x0CBF, 0x0CC0, 0x0CC0, 0x0CC1, 0x0CC2,
    0x0CC2, 0x0CC3, 0x0CC6, 0x0CC7, 0x0CC8, 0x0CCA, 0x0CCB, 0x0CCC,
};

// Consonant codes 18 to 58.
constexpr char16_t consonants[] = {
    0x0C95, 0x0C96, 0x0C96, 0x0C97, 0x0C98, 0x0C98, 0x0C99, 0x0C9A, 0x0C9A, 0x0C9B, // 18-27
    0x0C9C, 0x0C9D, 0x0C9D, 0x0C9E, 0x0C9F, 0x0CA0, 0x0CA1, 0x0CA2, 0x0CA3, 0x0CA4, // 28-37
    0x0CA5, 0x0CA6, 0x0CA7, 0x0CA8, 0x0CAA, 0x0CAB, 0x0CAB, 0x0CAC, 0x0CAD, 0x0CAD, // 38-47
    0x0CAE, 0x0CAF, 0x0CB0, 0x0CB2, 0x0CB5, 0x0CB6, 0x0CB6, 0x0CB7, 0x0CB8, 0x0CB9, // 48-57
    0x0CB3,                                                                         // 58
};

bool isKannada(QChar c)
{
    return c.unicode() >= 0x0C80 && c.unicode() <= 0x0CEF;
}

} // namespace

PhoneticANSIKannada::PhoneticANSIKannada()
    : QObject(nullptr)
{
    buildKeyTable();
}

void PhoneticANSIKannada::buildKeyTable()
{
    for (const char *key : keys)
        keyList << QString::fromLatin1(key);
}

QString PhoneticANSIKannada::convert(QString text)
{
    if (text.isEmpty())
        return QString();
    text = respellEnglishWord(text);

    output.clear();
    int i = 0;
    while (i < text.size()) {
        if (isKannada(text.at(i))) {
            output += text.at(i);
            ++i;
            continue;
        }
        const QString key = longestKey(text.mid(i, 2));
        if (key.isEmpty()) {
            ++i;
            continue;
        }
        emitKey(key);
        i += key.size();
    }
    return output;
}

QString PhoneticANSIKannada::respellEnglishWord(QString text)
{
    return text.replace(QLatin1String("expectation"), QLatin1String("ekspekTESan"),
                        Qt::CaseInsensitive);
}

QString PhoneticANSIKannada::longestKey(const QString &text) const
{
    if (keyList.contains(text))
        return text;
    const QString first = text.left(1);
    if (keyList.contains(first))
        return first;
    return QString();
}

void PhoneticANSIKannada::emitKey(const QString &key)
{
    const int code = keyList.indexOf(key);
    if (code < 0)
        return;
    if (code <= visargaKey)
        emitVowel(code);
    else if (code <= lastConsonant)
        emitConsonant(code);
    else if (code <= lastDigit)
        emitDigit(code);
    else
        emitJoiner(code);
}

void PhoneticANSIKannada::emitVowel(int code)
{
    const bool afterVirama = output.endsWith(QChar(virama));
    if (code == anusvaraKey || code == visargaKey) {
        if (output.isEmpty())
            return;
        if (afterVirama)
            output.chop(1);
        output += QChar(char16_t(code == anusvaraKey ? KannadaChars::anusvara : KannadaChars::visarga));
        return;
    }
    Q_ASSERT(code <= lastVowel);
    if (!afterVirama) {
        output += QChar(independentVowels[code]);
        return;
    }
    output.chop(1);
    if (vowelSigns[code])
        output += QChar(vowelSigns[code]);
}

void PhoneticANSIKannada::emitConsonant(int code)
{
    output += QChar(consonants[code - firstConsonant]);
    output += QChar(virama);
}

void PhoneticANSIKannada::emitDigit(int code)
{
    output += QChar(char16_t(KannadaChars::digitZero + code - firstDigit));
}

void PhoneticANSIKannada::emitJoiner(int code)
{
    output += QChar(char16_t(code == nonJoinerKey ? IndicChars::zeroWidthNonJoiner
                                                   : IndicChars::zeroWidthJoiner));
}
