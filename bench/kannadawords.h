#ifndef YAVO_KANNADAWORDS_H
#define YAVO_KANNADAWORDS_H

#include "core/indictransliterator.h"

#include <QList>
#include <QSet>
#include <QString>

#include <iterator>
#include <random>

// A word as typed (Phonetic keys) and as shown (Kannada).
struct KannadaWord
{
    QString keys;
    QString text;
};

// Kannada words of two to four syllables, made from Phonetic keys, each once.
inline QList<KannadaWord> generateKannadaWords(int count, unsigned seed)
{
    static const char *const consonants[] = {
        "k", "kh", "g", "gh", "ch", "j", "T", "D", "N", "t", "th", "d", "dh", "n",
        "p", "ph", "b", "bh", "m", "y", "r", "l", "v", "sh", "S", "s", "h", "L"};
    static const char *const vowels[] = {
        "a", "A", "i", "I", "u", "U", "e", "E", "ai", "o", "O", "au", "aM"};
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> syllables(2, 4);
    std::uniform_int_distribution<int> consonant(0, int(std::size(consonants)) - 1);
    std::uniform_int_distribution<int> vowel(0, int(std::size(vowels)) - 1);

    IndicTransliterator transliterator;
    QSet<QString> seen;
    QList<KannadaWord> words;
    words.reserve(count);
    while (words.size() < count) {
        QString keys;
        for (int s = syllables(random); s > 0; --s)
            keys += QLatin1String(consonants[consonant(random)]) + QLatin1String(vowels[vowel(random)]);
        const QString text = transliterator.convert(keys, 0, 0);
        if (!seen.contains(text)) {
            seen.insert(text);
            words.append({keys, text});
        }
    }
    return words;
}

#endif
