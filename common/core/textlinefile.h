#ifndef YAVO_TEXTLINEFILE_H
#define YAVO_TEXTLINEFILE_H

#include <QString>
#include <QStringList>

// The library's one-entry-a-line text files ("usr.dct" among them): UTF-8,
// with a byte-order mark of UTF-8, UTF-16 or UTF-32 honoured on reading.
class TextLineFile
{
public:
    // The trimmed, non-empty, distinct lines of a text file.
    static QStringList readLines(const QString &path);
    // Appends one line; a new file starts with a byte-order mark.
    static bool appendLine(const QString &text, const QString &path);
    // Writes the lines as the whole file.
    static bool writeLines(const QStringList &lines, const QString &path);
};

#endif
