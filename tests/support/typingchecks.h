#ifndef YAVO_TYPINGCHECKS_H
#define YAVO_TYPINGCHECKS_H

#include "hexcodes.h"

#include "core/indictransliterator.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

// What text typed in an Indic script must never hold, checked on whatever
// a typing engine writes. base is the first code point of the script's
// block; the offsets are those all nine blocks share.
namespace TypingChecks {

// The consonants, and the letter at +0x5E that Kannada writes for LLLA.
inline bool isConsonant(QChar c, char16_t base)
{
    return (c.unicode() >= base + 0x15 && c.unicode() <= base + 0x39) || c.unicode() == base + 0x5E;
}

inline bool isVowelSign(QChar c, char16_t base)
{
    return c.unicode() >= base + 0x3E && c.unicode() <= base + 0x4C;
}

// Empty, or where text holds a virama that follows no consonant.
inline QString viramaWithoutConsonant(const QString &text, char16_t base)
{
    const QChar virama(char16_t(base + 0x4D));
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == virama && (i == 0 || !isConsonant(text.at(i - 1), base)))
            return QStringLiteral("a virama follows no consonant in %1").arg(hexCodes(text));
    }
    return QString();
}

// True when text, from `from` on, is one consonant cluster (consonants
// joined by viramas) with at most one vowel sign after it.
inline bool isClusterWithSign(const QString &text, int from, char16_t base)
{
    const QChar virama(char16_t(base + 0x4D));
    int i = from;
    if (i >= text.size() || !isConsonant(text.at(i), base))
        return false;
    ++i;
    while (i + 1 < text.size() && text.at(i) == virama && isConsonant(text.at(i + 1), base))
        i += 2;
    if (i < text.size() && isVowelSign(text.at(i), base))
        ++i;
    return i == text.size();
}

// Empty, or what is wrong with `after`, the text once the arkavattu key was
// typed on `before`. The key is either kept as typed, or (Kannada) makes
// the RA it follows the repha form with YA, or puts RA and a virama in
// front of the whole consonant cluster that ends the text (with its sign):
// never in front of a vowel sign, never inside a cluster.
inline QString misplacedRepha(const QString &before, const QString &after, const QString &key,
                              char16_t base)
{
    if (after == before + key)
        return QString();
    const QChar ra(char16_t(base + 0x30));
    const QChar virama(char16_t(base + 0x4D));
    const QString raYa = QString(virama) + QChar(0x200D) + QChar(char16_t(base + 0x2F));
    if (base == 0x0C80 && before.endsWith(ra) && after == before + raYa)
        return QString();
    if (after.size() == before.size() + 2) {
        for (int p = 0; p <= before.size(); ++p) {
            if (after.at(p) != ra || after.at(p + 1) != virama || after.left(p) != before.left(p)
                || after.mid(p + 2) != before.mid(p))
                continue;
            if ((p == 0 || after.at(p - 1) != virama) && isClusterWithSign(after, p + 2, base))
                return QString();
        }
    }
    return QStringLiteral("the key %1 after %2 gave %3").arg(key, hexCodes(before), hexCodes(after));
}

// A random key sequence of a layout, with its halant and arkavattu keys
// more frequent than the rest so that they meet every kind of syllable.
inline QStringList randomKeys(QRandomGenerator &random, const QStringList &keys,
                              const QString &halantKey, const QString &arkavattuKey)
{
    QStringList typed;
    const int length = random.bounded(1, 12);
    for (int i = 0; i < length; ++i) {
        const int pick = random.bounded(10);
        if (pick < 2)
            typed << halantKey;
        else if (pick < 4)
            typed << arkavattuKey;
        else
            typed << keys.at(random.bounded(keys.size()));
    }
    return typed;
}

// What the word processor's editor writes for keys typed in one layout:
// each word (the keys between spaces) converted whole, as the editor
// converts the word being typed at every key.
inline QString typedWords(const QString &keys, int language, int layout)
{
    QStringList words;
    for (const QString &word : keys.split(QLatin1Char(' ')))
        words << IndicTransliterator().convert(word, language, layout);
    return words.join(QLatin1Char(' '));
}

} // namespace TypingChecks

#endif
