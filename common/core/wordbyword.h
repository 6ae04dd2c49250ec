#ifndef YAVO_WORDBYWORD_H
#define YAVO_WORDBYWORD_H

#include <QString>

// Converts a text word by word: the text is cut at every "\n" and " " (empty
// words included), each word's conversion is appended to output by
// appendWord(const QChar *word, int size, Output &output), and the line
// breaks and spaces are appended between them with output.append(QChar), so
// they come back exactly.
template<typename Output, typename AppendWord>
void convertWordByWord(const QString &text, Output &output, AppendWord appendWord)
{
    const QChar *characters = text.constData();
    const int size = text.size();
    int start = 0;
    for (;;) {
        int end = start;
        while (end < size && characters[end] != QLatin1Char(' ') && characters[end] != QLatin1Char('\n'))
            ++end;
        appendWord(characters + start, end - start, output);
        if (end == size)
            break;
        output.append(characters[end]);
        start = end + 1;
    }
}

#endif
