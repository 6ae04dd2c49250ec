#ifndef YAVO_WORDBYWORD_H
#define YAVO_WORDBYWORD_H

#include <QString>

// Converts a text word by word: the text is cut at every "\n" and " " (empty
// words included), each word's conversion is appended to result by
// appendWord(const QChar *word, int size, QString &result), and the line
// breaks and spaces are copied between them, so they come back exactly.
template<typename AppendWord>
void convertWordByWord(const QString &text, QString &result, AppendWord appendWord)
{
    result.reserve(result.size() + text.size() * 2);
    const QChar *characters = text.constData();
    const int size = text.size();
    int start = 0;
    for (;;) {
        int end = start;
        while (end < size && characters[end] != QLatin1Char(' ') && characters[end] != QLatin1Char('\n'))
            ++end;
        appendWord(characters + start, end - start, result);
        if (end == size)
            break;
        result += characters[end];
        start = end + 1;
    }
}

#endif
