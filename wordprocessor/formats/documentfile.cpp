#include "formats/documentfile.h"

#include "private/documentlimits_p.h"
#include "private/unicodetext_p.h"

#include <QFile>
#include <QIODevice>
#include <QLocale>
#include <QTextCodec>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The first block of a file, where binary data shows itself.
constexpr qint64 ProbeSize = 4096;
constexpr qint64 ScanBlockSize = 1024 * 1024;

// A saved paragraph as HTML: the markup of its block and of its character
// format, beyond its text.
constexpr qint64 HtmlBytesPerParagraph = 256;

// What a scan of the whole text found.
struct TextScan
{
    qint64 lines = 0;
    bool binary = false;
};

// The lines of the device's text, counted as the text reader makes
// paragraphs of them (a last line without a line break counts too), and
// whether a NUL character shows it to be no text. Decodes as the reader
// does; reads the device through and goes back to where it was.
TextScan scanText(QIODevice *device)
{
    const qint64 start = device->pos();
    TextScan scan;
    QByteArray encoding;
    UnicodeTextReader reader(device, &encoding);
    bool lineOpen = false;
    while (!reader.atEnd() && !scan.binary) {
        const QString text = reader.read(ScanBlockSize);
        if (text.isEmpty())
            continue;
        scan.binary = text.contains(QChar(0));
        scan.lines += UnicodeText::paragraphBreaks(text);
        lineOpen = !UnicodeText::isParagraphBreak(text.at(text.size() - 1));
    }
    if (lineOpen)
        ++scan.lines;
    device->seek(start);
    return scan;
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

qint64 DocumentFile::maxSize(Content content)
{
    return MaxTextSize + MaxByteOrderMarkSize
        + (content == Html ? DocumentLimits::MaxParagraphs * HtmlBytesPerParagraph : 0);
}

QString DocumentFile::openFailure(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    if (QFile::decodeName(name) != path)
        return tr("Its name is not valid in the file system's encoding.");
    if (::access(name.constData(), R_OK) == 0)
        return QString();
    const int cause = errno;
    switch (cause) {
    case EACCES:
    case EPERM:
        return tr("Permission denied: you may not read it.");
    case ENOENT:
        return tr("There is no such file.");
    case ELOOP:
        return tr("Its path runs through too many levels of symbolic links.");
    case ENAMETOOLONG:
        return tr("Its name is too long.");
    case ENOTDIR:
        return tr("A part of its path is not a folder.");
    default:
        return QString::fromLocal8Bit(std::strerror(cause));
    }
}

QString DocumentFile::readRefusal(QIODevice *device)
{
    if (device->isSequential())
        return QString();
    const qint64 start = device->pos();
    char byte;
    const qint64 got = device->read(&byte, 1);
    const QString error = device->errorString();
    device->seek(start);
    if (got < 0)
        return tr("It could not be read: %1").arg(error);
    const qint64 size = device->size();
    if (got == 0 && size > start)
        return tr("It reads as empty, though its size is %1.").arg(sizeText(size));
    if (got > 0 && size == 0)
        return tr("It says it is empty, though it gives content: its size is not known.");
    return QString();
}

QString DocumentFile::textRefusal(QIODevice *device, Content content)
{
    const qint64 size = device->size();
    if (size > maxSize(content)) {
        return (content == Html ? tr("It is %1 large; an HTML file may have at most %2.")
                                : tr("It is %1 large; a text file may have at most %2."))
                .arg(sizeText(size), sizeText(maxSize(content)));
    }
    QByteArray encoding;
    QTextCodec *codec = UnicodeText::codecForReading(device, &encoding);
    if (codec->toUnicode(device->peek(ProbeSize)).contains(QChar(0)))
        return binaryText();
    if (content == PlainText && !device->isSequential()) {
        const TextScan scan = scanText(device);
        if (scan.binary)
            return binaryText();
        if (scan.lines > DocumentLimits::MaxTextParagraphs)
            return tr("It has %1 lines; a text file may have at most %2.")
                    .arg(QLocale().toString(scan.lines), QLocale().toString(DocumentLimits::MaxTextParagraphs));
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
