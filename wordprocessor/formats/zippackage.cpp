#include "zippackage.h"

#include <QBuffer>
#include <QIODevice>
#include <QVector>
#include <QtGui/private/qzipreader_p.h>
#include <QtGui/private/qzipwriter_p.h>

#include <memory>
#include <zlib.h>

namespace {

struct PendingEntry
{
    QString name;
    QByteArray data;
    ZipPackage::Compression compression;
};

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

bool writeAll(QIODevice *device, const QByteArray &data)
{
    qint64 written = 0;
    while (written < data.size()) {
        const qint64 n = device->write(data.constData() + written, data.size() - written);
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

} // namespace

class ZipPackagePrivate
{
public:
    // The zip reader needs to seek; a sequential device is copied first.
    QBuffer copy;
    std::unique_ptr<QZipReader> reader;
    QVector<QZipReader::FileInfo> entries;
    QVector<PendingEntry> pending;

    const QZipReader::FileInfo *find(const QString &name) const
    {
        for (const QZipReader::FileInfo &info : entries) {
            if (info.isFile && info.filePath == name)
                return &info;
        }
        return nullptr;
    }
};

ZipPackage::ZipPackage()
    : d(new ZipPackagePrivate)
{
}

ZipPackage::~ZipPackage() = default;

bool ZipPackage::open(QIODevice *device)
{
    d->reader.reset();
    d->entries.clear();
    if (!device || !device->isReadable())
        return false;
    QIODevice *source = device;
    if (device->isSequential()) {
        d->copy.close();
        d->copy.setData(device->readAll());
        d->copy.open(QIODevice::ReadOnly);
        source = &d->copy;
    }
    d->reader.reset(new QZipReader(source));
    if (!d->reader->isReadable())
        return false;
    d->entries = d->reader->fileInfoList();
    return d->reader->status() == QZipReader::NoError && !d->entries.isEmpty();
}

bool ZipPackage::contains(const QString &name) const
{
    return d->find(name) != nullptr;
}

QByteArray ZipPackage::entry(const QString &name, Status *status) const
{
    Status dummy;
    Status &result = status ? *status : dummy;
    if (!d->reader) {
        result = NotAnArchive;
        return QByteArray();
    }
    const QZipReader::FileInfo *info = d->find(name);
    if (!info) {
        result = MissingEntry;
        return QByteArray();
    }
    // The zip reader allocates what the directory declares before
    // inflating, so the declared size is checked first.
    if (info->size < 0 || info->size > MaxEntrySize) {
        result = EntryTooLarge;
        return QByteArray();
    }
    if (info->size == 0) {
        result = NoError;
        return QByteArray();
    }
    QByteArray data = d->reader->fileData(name);
    if (data.size() != info->size || checksum(data) != info->crc) {
        result = CorruptEntry;
        return QByteArray();
    }
    result = NoError;
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
        return tr("The document is too large to open.");
    case CorruptEntry:
        break;
    }
    return tr("The archive is damaged.");
}

void ZipPackage::addEntry(const QString &name, const QByteArray &data, Compression compression)
{
    d->pending.append({name, data, compression});
}

bool ZipPackage::save(QIODevice *device) const
{
    if (!device || !device->isWritable())
        return false;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QZipWriter zip(&buffer);
        if (zip.status() != QZipWriter::NoError)
            return false;
        for (const PendingEntry &entry : qAsConst(d->pending)) {
            zip.setCompressionPolicy(entry.compression == Stored ? QZipWriter::NeverCompress
                                                                 : QZipWriter::AlwaysCompress);
            zip.addFile(entry.name, entry.data);
        }
        zip.close();
        if (zip.status() != QZipWriter::NoError)
            return false;
    }
    return writeAll(device, buffer.data());
}
