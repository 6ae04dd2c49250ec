#ifndef YAVO_COMPRESSEDTEXT_H
#define YAVO_COMPRESSEDTEXT_H

#include <QByteArray>
#include <QString>

// The one way texts are stored in the dictionary, history and user-dictionary
// databases: UTF-8 in qCompress's format (a 32-bit big-endian length, then a
// zlib stream).
namespace CompressedText {

// Level 9; an empty text gives four zero bytes.
QByteArray pack(const QString &text);

// The UTF-8 text up to the first NUL byte. A null string when the bytes do
// not uncompress (an empty text unpacks to an empty, not null, string).
QString unpack(const QByteArray &blob);

// What could be read of a stored text.
struct Recovered
{
    QString text;
    // The bytes were damaged: text holds the whole lines that still read as
    // text, up to the point where the stream broke off.
    bool damaged = false;
};

// Like unpack, but damaged bytes give what still inflates instead of
// nothing: one flipped bit must not cost a user's whole word list.
Recovered recover(const QByteArray &blob);

} // namespace CompressedText

#endif
