#include "private/unicodetext_p.h"

#include <QIODevice>
#include <QTextCodec>
#include <QTextStream>

namespace UnicodeText {

void prepareForReading(QTextStream &stream, QIODevice *device, QByteArray *encoding)
{
    QTextCodec *codec = QTextCodec::codecForUtfText(device->peek(4), nullptr);
    if (codec)
        *encoding = codec->name().toUpper();
    else
        codec = QTextCodec::codecForName("UTF-8");
    stream.setAutoDetectUnicode(false);
    stream.setCodec(codec);
}

void prepareForWriting(QTextStream &stream, const QByteArray &encoding)
{
    QTextCodec *codec = encoding.isEmpty() ? nullptr : QTextCodec::codecForName(encoding);
    stream.setCodec(codec ? codec : QTextCodec::codecForName("UTF-8"));
    stream.setAutoDetectUnicode(true);
    stream.setGenerateByteOrderMark(true);
}

} // namespace UnicodeText
