#include "formats/documentfile.h"

#include "private/documentlimits_p.h"
#include "private/unicodetext_p.h"

#include <QFile>
#include <QIODevice>
#include <QLocale>
#include <QTextCodec>
#include <QtEndian>

#include <sys/stat.h>

namespace {

// The first block of a file, where binary data shows itself.
constexpr qint64 ProbeSize = 4096;
constexpr qint64 ScanBlockSize = 1024 * 1024;

// The code unit of the text at `p`, `width` bytes wide.
quint32 unitAt(const char *p, int width, bool bigEndian)
{
    switch (width) {
    case 2:
        return bigEndian ? qFromBigEndian<quint16>(p) : qFromLittleEndian<quint16>(p);
    case 4:
        return bigEndian ? qFromBigEndian<quint32>(p) : qFromLittleEndian<quint32>(p);
    default:
        return uchar(*p);
    }
}

// The lines of the device's text, counted as the text reader makes
// paragraphs of them, on the code units of its encoding (the upper-cased
// name of its byte-order mark's codec, empty for UTF-8). Reads the device
// through and goes back to where it was.
qint64 lineCount(QIODevice *device, const QByteArray &encoding)
{
    const int width = encoding.startsWith("UTF-32") ? 4 : encoding.startsWith("UTF-16") ? 2 : 1;
    const bool bigEndian = encoding.endsWith("BE");
    const qint64 start = device->pos();
    qint64 lines = 0;
    bool afterReturn = false;
    QByteArray block;
    while (!(block = device->read(ScanBlockSize - ScanBlockSize % width)).isEmpty()) {
        const char *p = block.constData();
        const char *const end = p + block.size() - block.size() % width;
        for (; p < end; p += width) {
            const quint32 unit = unitAt(p, width, bigEndian);
            // A carriage return and the line feed after it end one line.
            if ((unit == '\n' && !afterReturn) || unit == '\r' || unit == QChar::ParagraphSeparator)
                ++lines;
            afterReturn = unit == '\r';
        }
    }
    device->seek(start);
    return lines;
}

} // namespace

QString DocumentFile::kindRefusal(const QString &path)
{
    struct stat entry;
    if (::stat(QFile::encodeName(path).constData(), &entry) != 0 || S_ISREG(entry.st_mode))
        return QString();
    if (S_ISDIR(entry.st_mode))
        return tr("It is a folder, not a file.");
    if (S_ISCHR(entry.st_mode) || S_ISBLK(entry.st_mode))
        return tr("It is a device, not a file.");
    if (S_ISFIFO(entry.st_mode))
        return tr("It is a pipe, not a file.");
    if (S_ISSOCK(entry.st_mode))
        return tr("It is a socket, not a file.");
    return tr("It is not a regular file.");
}

QString DocumentFile::textRefusal(QIODevice *device, Content content)
{
    const qint64 size = device->size();
    if (size > MaxTextSize)
        return tr("It is %1 large; a text file may have at most %2.").arg(sizeText(size), sizeText(MaxTextSize));
    QByteArray encoding;
    QTextCodec *codec = UnicodeText::codecForReading(device, &encoding);
    if (codec->toUnicode(device->peek(ProbeSize)).contains(QChar(0)))
        return binaryText();
    if (content == PlainText && !device->isSequential()) {
        const qint64 lines = lineCount(device, encoding);
        if (lines > DocumentLimits::MaxTextParagraphs)
            return tr("It has %1 lines; a text file may have at most %2.")
                    .arg(QLocale().toString(lines), QLocale().toString(DocumentLimits::MaxTextParagraphs));
    }
    return QString();
}

QString DocumentFile::binaryText()
{
    return tr("It holds binary data, not text.");
}

QString DocumentFile::sizeText(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}
