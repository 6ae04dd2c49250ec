#ifndef YAVO_WORDBYWORD_H
#define YAVO_WORDBYWORD_H

#include <QString>
#include <QStringList>

// Converts a text word by word: lines split at "\n", words at " ", empty
// parts kept, so the text's line breaks and spaces come back exactly.
template<typename ConvertWord>
QString convertWordByWord(const QString &text, ConvertWord convertWord)
{
    QString result;
    result.reserve(text.size() * 2);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QStringList words = line.split(QLatin1Char(' '));
        for (int i = 0; i < words.size(); ++i) {
            if (i > 0)
                result += QLatin1Char(' ');
            result += convertWord(words.at(i));
        }
        result += QLatin1Char('\n');
    }
    result.chop(1);
    return result;
}

#endif
