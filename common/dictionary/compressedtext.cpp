#include "dictionary/compressedtext.h"

namespace CompressedText {

QByteArray pack(const QString &text)
{
    // Always UTF-8, whatever the locale: the readers decode UTF-8, and a
    // locale codec without the Indic letters would store them as '?'.
    return qCompress(text.toUtf8(), 9);
}

QString unpack(const QByteArray &blob)
{
    // Four zero bytes are a packed empty text; qUncompress answers those
    // and broken data alike with an empty array.
    if (blob.size() == 4 && blob == QByteArray(4, '\0'))
        return QString(QLatin1String(""));
    const QByteArray bytes = qUncompress(blob);
    if (bytes.isEmpty())
        return QString();
    const int end = bytes.indexOf('\0');
    return QString::fromUtf8(bytes.constData(), end < 0 ? bytes.size() : end);
}

} // namespace CompressedText
