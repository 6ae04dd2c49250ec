#ifndef YAVO_WORDBYWORD_H
#define YAVO_WORDBYWORD_H

#include <QString>

// Converts a text word by word: the text is cut at every "\n" and " " (empty
// words included) and each piece converted, so the text's line breaks and
// spaces come back exactly.
template<typename ConvertWord>
QString convertWordByWord(const QString &text, ConvertWord convertWord)
{
    QString result;
    result.reserve(text.size() * 2);
    // One string for every word: emptying it keeps its room.
    QString word;
    int start = 0;
    for (;;) {
        int end = start;
        while (end < text.size() && text.at(end) != QLatin1Char(' ') && text.at(end) != QLatin1Char('\n'))
            ++end;
        word.resize(0);
        word.append(text.constData() + start, end - start);
        result += convertWord(word);
        if (end == text.size())
            break;
        result += text.at(end);
        start = end + 1;
    }
    return result;
}

#endif
