#include "unicodetext.h"

#include <QIODevice>
#include <QTextCodec>
#include <QTextStream>

namespace UnicodeText {

QTextCodec *codecForDevice(QIODevice *device, QByteArray *encoding)
{
    if (QTextCodec *bom = QTextCodec::codecForUtfText(device->peek(4), nullptr)) {
        *encoding = bom->name().toUpper();
        return bom;
    }
    return QTextCodec::codecForName("UTF-8");
}

void prepareForWriting(QTextStream &stream, const QByteArray &encoding)
{
    QTextCodec *codec = encoding.isEmpty() ? nullptr : QTextCodec::codecForName(encoding);
    stream.setCodec(codec ? codec : QTextCodec::codecForName("UTF-8"));
    stream.setAutoDetectUnicode(true);
    stream.setGenerateByteOrderMark(true);
}

} // namespace UnicodeText
