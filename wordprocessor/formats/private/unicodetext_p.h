#ifndef YAVO_UNICODETEXT_P_H
#define YAVO_UNICODETEXT_P_H

#include <QByteArray>

class QIODevice;
class QTextStream;

// What the text and HTML readers and writers share: the byte-order mark
// decides how a file is read, and every file written starts with one.
namespace UnicodeText {

// Prepares a stream on the device for reading in the codec of the device's
// byte-order mark (peeked, the position does not move), its upper-cased name
// stored in *encoding; UTF-8 and an untouched *encoding when there is none.
// The stream itself guesses nothing.
void prepareForReading(QTextStream &stream, QIODevice *device, QByteArray *encoding);

// Prepares a stream for writing in the named codec, with a byte-order mark.
// A name that is empty or unknown writes UTF-8, the program's own codec, so
// no character is lost to whatever the locale happens to be.
void prepareForWriting(QTextStream &stream, const QByteArray &encoding);

} // namespace UnicodeText

#endif
