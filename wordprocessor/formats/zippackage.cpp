#include "private/zippackage_p.h"

#include "private/documentlimits_p.h"
#include "private/formatwriter_p.h"

#include <QBuffer>
#include <QIODevice>
#include <QVector>
#include <QXmlStreamReader>
#include <QtGui/private/qzipwriter_p.h>

#include <zlib.h>

// Reading does not go through Qt's zip reader: it trusts the sizes of the
// archive's directory (a damaged compressed size makes it loop for ever, a
// huge declared size allocates it at once), and it cannot be told to stop
// inflating. The few records a document reader needs are read here, every
// offset and size checked against the archive.

namespace {

struct PendingEntry
{
    QString name;
    QByteArray data;
    ZipPackage::Compression compression;
};

struct DirectoryEntry
{
    QString name;
    quint16 flags = 0;
    quint16 method = 0;
    quint32 crc = 0;
    quint32 compressedSize = 0;
    quint32 size = 0;
    quint32 localHeaderOffset = 0;
};

constexpr quint32 LocalHeaderSignature = 0x04034b50;
constexpr quint32 DirectorySignature = 0x02014b50;
constexpr quint32 EndOfDirectorySignature = 0x06054b50;
constexpr int LocalHeaderSize = 30;
constexpr int DirectoryRecordSize = 46;
constexpr int EndOfDirectorySize = 22;
constexpr int MaxCommentSize = 0xFFFF;
constexpr quint16 EncryptedFlag = 0x0001;
constexpr quint16 Utf8NameFlag = 0x0800;
constexpr quint16 MethodStored = 0;
constexpr quint16 MethodDeflated = 8;

quint16 readUInt16(const char *p)
{
    return quint16(uchar(p[0]) | uchar(p[1]) << 8);
}

quint32 readUInt32(const char *p)
{
    return quint32(uchar(p[0])) | quint32(uchar(p[1])) << 8 | quint32(uchar(p[2])) << 16 | quint32(uchar(p[3])) << 24;
}

quint32 checksum(const QByteArray &data)
{
    uLong crc = crc32(0L, Z_NULL, 0);
    const auto *bytes = reinterpret_cast<const Bytef *>(data.constData());
    qint64 left = data.size();
    // zlib takes the length as uInt: feed large buffers in slices.
    while (left > 0) {
        const uInt slice = uInt(qMin<qint64>(left, 1 << 30));
        crc = crc32(crc, bytes, slice);
        bytes += slice;
        left -= slice;
    }
    return quint32(crc);
}

// Inflates raw deflate data that must give exactly `size` bytes; the output
// grows with what the data really holds, never past `size`.
bool inflateExactly(const QByteArray &compressed, quint32 size, QByteArray *out)
{
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return false;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(compressed.constData()));
    stream.avail_in = uInt(compressed.size());
    // One byte of room beyond the declared size shows data that goes on.
    const qint64 limit = qint64(size) + 1;
    QByteArray result;
    int status;
    for (;;) {
        const int before = int(stream.total_out);
        const int grown = int(qMin<qint64>(limit, qMax<qint64>(qint64(before) * 2, 64 * 1024)));
        result.resize(grown);
        stream.next_out = reinterpret_cast<Bytef *>(result.data() + before);
        stream.avail_out = uInt(grown - before);
        status = inflate(&stream, Z_FINISH);
        const bool outputFull = stream.avail_out == 0 && (status == Z_OK || status == Z_BUF_ERROR);
        if (!outputFull || grown == limit)
            break;
    }
    const bool complete = status == Z_STREAM_END && stream.total_out == size;
    inflateEnd(&stream);
    if (!complete)
        return false;
    result.resize(int(size));
    *out = result;
    return true;
}

} // namespace

class ZipPackagePrivate
{
public:
    // A sequential device is copied, since entries are read by offset.
    QBuffer copy;
    QIODevice *device = nullptr;
    qint64 archiveSize = 0;
    QVector<DirectoryEntry> entries;
    QVector<PendingEntry> pending;
    // The outcome of the last operation; the const ones report it too.
    ZipPackage::Status status = ZipPackage::NoError;
    QString errorString;

    void setStatus(ZipPackage::Status value)
    {
        status = value;
        errorString = ZipPackage::statusText(value);
    }
    void setWriteError(const QString &text)
    {
        status = ZipPackage::WriteError;
        errorString = text;
    }

    QByteArray readAt(qint64 offset, qint64 length) const
    {
        if (offset < 0 || length < 0 || offset > archiveSize || length > archiveSize - offset)
            return QByteArray();
        if (!device->seek(offset))
            return QByteArray();
        QByteArray bytes = device->read(length);
        return bytes.size() == length ? bytes : QByteArray();
    }

    bool readDirectory();

    const DirectoryEntry *find(const QString &name) const
    {
        for (const DirectoryEntry &entry : entries) {
            if (entry.name == name)
                return &entry;
        }
        return nullptr;
    }
};

bool ZipPackagePrivate::readDirectory()
{
    // The end-of-directory record sits at the end, before a comment of at
    // most 64 KB.
    const qint64 tailSize = qMin<qint64>(archiveSize, EndOfDirectorySize + MaxCommentSize);
    const QByteArray tail = readAt(archiveSize - tailSize, tailSize);
    if (tail.size() < EndOfDirectorySize)
        return false;
    int end = -1;
    for (int i = tail.size() - EndOfDirectorySize; i >= 0; --i) {
        if (readUInt32(tail.constData() + i) == EndOfDirectorySignature) {
            end = i;
            break;
        }
    }
    if (end < 0)
        return false;
    const char *record = tail.constData() + end;
    const int count = readUInt16(record + 10);
    const quint32 directorySize = readUInt32(record + 12);
    const quint32 directoryOffset = readUInt32(record + 16);
    const QByteArray directory = readAt(directoryOffset, directorySize);
    if (directory.size() != qint64(directorySize) || count == 0)
        return false;

    int at = 0;
    for (int i = 0; i < count; ++i) {
        if (directory.size() - at < DirectoryRecordSize)
            return false;
        const char *p = directory.constData() + at;
        if (readUInt32(p) != DirectorySignature)
            return false;
        DirectoryEntry entry;
        entry.flags = readUInt16(p + 8);
        entry.method = readUInt16(p + 10);
        entry.crc = readUInt32(p + 16);
        entry.compressedSize = readUInt32(p + 20);
        entry.size = readUInt32(p + 24);
        const int nameLength = readUInt16(p + 28);
        const int extraLength = readUInt16(p + 30);
        const int commentLength = readUInt16(p + 32);
        entry.localHeaderOffset = readUInt32(p + 42);
        const int recordSize = DirectoryRecordSize + nameLength + extraLength + commentLength;
        if (directory.size() - at < recordSize)
            return false;
        const QByteArray name(p + DirectoryRecordSize, nameLength);
        entry.name = (entry.flags & Utf8NameFlag) ? QString::fromUtf8(name) : QString::fromLatin1(name);
        entries.append(entry);
        at += recordSize;
    }
    return true;
}

ZipPackage::ZipPackage()
    : d(new ZipPackagePrivate)
{
}

ZipPackage::~ZipPackage() = default;

bool ZipPackage::open(QIODevice *device)
{
    d->entries.clear();
    d->device = nullptr;
    d->setStatus(NotAnArchive);
    if (!device || !device->isReadable())
        return false;
    d->device = device;
    if (device->isSequential()) {
        d->copy.close();
        d->copy.setData(device->readAll());
        d->copy.open(QIODevice::ReadOnly);
        d->device = &d->copy;
    }
    d->archiveSize = d->device->size();
    if (!d->readDirectory()) {
        d->entries.clear();
        d->device = nullptr;
        return false;
    }
    d->setStatus(NoError);
    return true;
}

bool ZipPackage::contains(const QString &name) const
{
    return d->find(name) != nullptr;
}

qint64 ZipPackage::compressedSize(const QStringList &names) const
{
    // The sizes are the directory's word: a forged one may claim gigabytes
    // that the archive does not hold, and count for nothing beyond it.
    qint64 size = 0;
    for (const QString &name : names) {
        if (const DirectoryEntry *entry = d->find(name))
            size += qBound<qint64>(0, entry->compressedSize, d->archiveSize - qint64(entry->localHeaderOffset));
    }
    return qMin(size, d->archiveSize);
}

qint64 ZipPackage::entrySize(const QString &name) const
{
    const DirectoryEntry *entry = d->find(name);
    return entry ? qint64(entry->size) : 0;
}

QByteArray ZipPackage::entry(const QString &name) const
{
    if (!d->device) {
        d->setStatus(NotAnArchive);
        return QByteArray();
    }
    const DirectoryEntry *entry = d->find(name);
    if (!entry) {
        d->setStatus(MissingEntry);
        return QByteArray();
    }
    // Checked before anything is read or inflated: a zip bomb declares
    // sizes no document needs.
    if (entry->size > MaxEntrySize || entry->compressedSize > MaxEntrySize) {
        d->setStatus(EntryTooLarge);
        return QByteArray();
    }
    if (entry->flags & EncryptedFlag) {
        d->setStatus(EncryptedEntry);
        return QByteArray();
    }
    d->setStatus(CorruptEntry);
    const QByteArray header = d->readAt(entry->localHeaderOffset, LocalHeaderSize);
    if (header.size() != LocalHeaderSize || readUInt32(header.constData()) != LocalHeaderSignature)
        return QByteArray();
    const qint64 dataOffset = qint64(entry->localHeaderOffset) + LocalHeaderSize
        + readUInt16(header.constData() + 26) + readUInt16(header.constData() + 28);
    const QByteArray compressed = d->readAt(dataOffset, entry->compressedSize);
    if (compressed.size() != qint64(entry->compressedSize))
        return QByteArray();

    QByteArray data;
    if (entry->method == MethodStored) {
        if (entry->compressedSize != entry->size)
            return QByteArray();
        data = compressed;
    } else if (entry->method == MethodDeflated) {
        if (!inflateExactly(compressed, entry->size, &data))
            return QByteArray();
    } else {
        return QByteArray();
    }
    if (checksum(data) != entry->crc)
        return QByteArray();
    d->setStatus(NoError);
    return data;
}

QString ZipPackage::statusText(Status status)
{
    switch (status) {
    case NoError:
        return QString();
    case NotAnArchive:
        return tr("Unable to open archive.");
    case MissingEntry:
        return tr("The archive holds no document.");
    case EntryTooLarge:
        return DocumentLimits::tooLargeText();
    case EncryptedEntry:
        return tr("The document is encrypted.");
    case CorruptEntry:
    case WriteError:
        break;
    }
    return tr("The archive is damaged.");
}

bool ZipPackage::readXmlEntries(const QStringList &names, QXmlStreamReader &xml,
                                const std::function<void(const QByteArray &)> &read) const
{
    bool complete = true;
    for (const QString &name : names) {
        const QByteArray bytes = entry(name);
        if (d->status == MissingEntry)
            continue;
        if (d->status != NoError) {
            complete = false;
            break;
        }
        if (bytes.isEmpty())
            continue;
        xml.clear();
        xml.addData(bytes);
        read(bytes);
        if (xml.hasError()) {
            // The entry itself was read; what it holds is no XML.
            d->status = CorruptEntry;
            d->errorString = xml.errorString();
            complete = false;
            break;
        }
    }
    if (complete)
        d->setStatus(NoError);
    xml.clear();
    return complete;
}

void ZipPackage::addEntry(const QString &name, const QByteArray &data, Compression compression)
{
    d->pending.append({name, data, compression});
}

bool ZipPackage::save(QIODevice *device) const
{
    if (!device || !device->isWritable()) {
        d->setWriteError(FormatWriter::notWritableText());
        return false;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QZipWriter zip(&buffer);
        if (zip.status() != QZipWriter::NoError) {
            d->setWriteError(tr("Unable to build the archive."));
            return false;
        }
        for (const PendingEntry &entry : qAsConst(d->pending)) {
            zip.setCompressionPolicy(entry.compression == Stored ? QZipWriter::NeverCompress
                                                                 : QZipWriter::AlwaysCompress);
            zip.addFile(entry.name, entry.data);
        }
        zip.close();
        if (zip.status() != QZipWriter::NoError) {
            d->setWriteError(tr("Unable to build the archive."));
            return false;
        }
    }
    if (!FormatWriter::writeAll(device, buffer.data())) {
        d->setWriteError(FormatWriter::deviceErrorText(device));
        return false;
    }
    d->setStatus(NoError);
    return true;
}

ZipPackage::Status ZipPackage::status() const
{
    return d->status;
}

QString ZipPackage::errorString() const
{
    return d->errorString;
}
