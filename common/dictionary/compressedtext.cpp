#include "dictionary/compressedtext.h"

#include <QByteArrayList>
#include <QTextCodec>
#include <QtEndian>

#include <zlib.h>

namespace CompressedText {

namespace {

constexpr int headerSize = 4;
// No stored text comes near this; damaged data may claim or produce more.
constexpr int outputLimit = 256 << 20;

enum class Inflated {
    Whole,      // the stream ended and its header and checksum are sound
    Ended,      // the stream ended, but its header or checksum is wrong
    BrokenOff,  // the stream stopped being readable part-way
};

bool isEmptyText(const QByteArray &blob)
{
    return blob.size() == headerSize && blob == QByteArray(headerSize, '\0');
}

// Inflates the zlib stream after the length header for as long as it reads.
// The zlib header is checked by hand and the deflate data read raw, so a
// damaged header or checksum costs nothing of the text.
Inflated inflateWhatReads(const QByteArray &blob, QByteArray *out)
{
    constexpr int zlibHeaderSize = 2;
    constexpr int checksumSize = 4;
    if (blob.size() < headerSize + zlibHeaderSize)
        return Inflated::BrokenOff;
    const auto *zlib = reinterpret_cast<const unsigned char *>(blob.constData()) + headerSize;
    const bool headerSound = (zlib[0] & 0x0F) == Z_DEFLATED && ((zlib[0] << 8) | zlib[1]) % 31 == 0
            && !(zlib[1] & 0x20);

    z_stream stream = {};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return Inflated::BrokenOff;
    stream.next_in = const_cast<unsigned char *>(zlib + zlibHeaderSize);
    stream.avail_in = uInt(blob.size() - headerSize - zlibHeaderSize);
    const quint32 claimed = qFromBigEndian<quint32>(blob.constData());
    out->reserve(int(qMin<quint32>(claimed, 16u << 20)));

    int status = Z_OK;
    char buffer[16384];
    while (status == Z_OK && out->size() < outputLimit) {
        stream.next_out = reinterpret_cast<unsigned char *>(buffer);
        stream.avail_out = sizeof buffer;
        status = inflate(&stream, Z_NO_FLUSH);
        out->append(buffer, int(sizeof buffer - stream.avail_out));
    }
    const qint64 consumed = qint64(stream.total_in);
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        return Inflated::BrokenOff;

    const qint64 checksumAt = headerSize + zlibHeaderSize + consumed;
    const uLong checksum = adler32(adler32(0, nullptr, 0),
                                   reinterpret_cast<const unsigned char *>(out->constData()),
                                   uInt(out->size()));
    const bool checksumSound = blob.size() >= checksumAt + checksumSize
            && qFromBigEndian<quint32>(blob.constData() + checksumAt) == quint32(checksum);
    return headerSound && checksumSound ? Inflated::Whole : Inflated::Ended;
}

QString textUpToNul(const QByteArray &bytes)
{
    const int end = bytes.indexOf('\0');
    return QString::fromUtf8(bytes.constData(), end < 0 ? bytes.size() : end);
}

// A line of damaged data counts when it is valid UTF-8 without control
// characters: what is left of a broken stream is often binary noise.
bool readsAsText(const QByteArray &line)
{
    for (const char c : line) {
        if (uchar(c) < 0x20 && c != '\t' && c != '\r')
            return false;
    }
    QTextCodec::ConverterState state;
    QTextCodec::codecForMib(106)->toUnicode(line.constData(), line.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

} // namespace

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
    if (isEmptyText(blob))
        return QString(QLatin1String(""));
    const QByteArray bytes = qUncompress(blob);
    if (bytes.isEmpty())
        return QString();
    return textUpToNul(bytes);
}

Recovered recover(const QByteArray &blob)
{
    if (isEmptyText(blob))
        return {QString(QLatin1String("")), false};
    QByteArray bytes;
    const Inflated inflated = inflateWhatReads(blob, &bytes);
    if (inflated == Inflated::Whole)
        return {textUpToNul(bytes), false};

    // The line the stream broke off in is cut short: it goes.
    if (inflated == Inflated::BrokenOff)
        bytes.truncate(qMax(0, bytes.lastIndexOf('\n')));
    QByteArrayList kept;
    for (const QByteArray &line : bytes.split('\n')) {
        if (readsAsText(line))
            kept.append(line);
    }
    const QByteArray text = kept.join('\n');
    return {QString::fromUtf8(text), true};
}

} // namespace CompressedText
