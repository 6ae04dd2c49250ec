#ifndef YAVO_UNICODETEXT_P_H
#define YAVO_UNICODETEXT_P_H

#include <QByteArray>
#include <QString>

#include <memory>

class QIODevice;
class QTextCodec;
class QTextDecoder;
class QTextStream;

// What the text and HTML readers and writers share: the byte-order mark
// decides how a file is read, and every file written starts with one.
namespace UnicodeText {

// The codec of the device's byte-order mark (peeked, the position does not
// move), its upper-cased name stored in *encoding; UTF-8 and an untouched
// *encoding when there is none. Nothing else is guessed.
QTextCodec *codecForReading(QIODevice *device, QByteArray *encoding);

// Prepares a stream for writing in the named codec, with a byte-order mark.
// A name that is empty or unknown writes UTF-8, the program's own codec, so
// no character is lost to whatever the locale happens to be.
void prepareForWriting(QTextStream &stream, const QByteArray &encoding);

// The text with each surrogate that is not half of a pair replaced by U+FFFD.
QString withoutLoneSurrogates(const QString &text);

// The paragraphs a piece of text adds when a cursor inserts it: each line
// feed, carriage return not followed by a line feed, paragraph separator
// and frame mark (U+FDD0, U+FDD1) starts one. A carriage return at the end
// of the piece counts: the piece must not end between it and its line feed.
qint64 paragraphBreaks(const QString &text);

// Whether the character ends a paragraph when a cursor inserts it.
bool isParagraphBreak(QChar c);

} // namespace UnicodeText

// Decodes a device's text, piece by piece, in the codec that
// UnicodeText::codecForReading chooses. No piece ends between the halves of
// a surrogate pair or of a CR LF pair. What is no character becomes U+FFFD,
// as the codecs do with invalid UTF-8: a lone surrogate, and the bytes of a
// character that the end of the file cuts off.
class UnicodeTextReader
{
public:
    UnicodeTextReader(QIODevice *device, QByteArray *encoding);
    ~UnicodeTextReader();

    // True at the end of the device, and once the device could not be read
    // further (errorString() then says why).
    bool atEnd() const;
    // The text of at most `maxBytes` more bytes (and of a character kept back
    // from the piece before).
    QString read(qint64 maxBytes);
    // Empty unless the device failed before its end.
    QString errorString() const;

private:
    Q_DISABLE_COPY(UnicodeTextReader)

    QIODevice *m_device;
    std::unique_ptr<QTextDecoder> m_decoder;
    QString m_keptBack;
    QString m_error;
};

#endif
