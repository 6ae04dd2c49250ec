#ifndef YAVO_TESTS_GLYPHCODES_H
#define YAVO_TESTS_GLYPHCODES_H

#include <QByteArray>
#include <QList>
#include <QString>

// Test input written the way Nudi text is described: glyph codes as two
// hexadecimal digits separated by blanks ("50 C0"); a token "U+0C95" stands
// for any other character.
inline QString glyphCodes(const char *codes)
{
    QString text;
    const QList<QByteArray> tokens = QByteArray(codes).split(' ');
    for (const QByteArray &token : tokens) {
        if (token.isEmpty())
            continue;
        const QByteArray hex = token.startsWith("U+") ? token.mid(2) : token;
        text += QChar(hex.toUShort(nullptr, 16));
    }
    return text;
}

#endif
