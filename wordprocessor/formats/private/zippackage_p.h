#ifndef YAVO_ZIPPACKAGE_P_H
#define YAVO_ZIPPACKAGE_P_H

#include <QByteArray>
#include <QCoreApplication>
#include <QScopedPointer>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;
class QXmlStreamReader;
class ZipPackagePrivate;

// The one place where the DOCX and ODT formats touch the zip container.
//
// Reading: open() takes the directory of an archive (a sequential device is
// copied first); entry() inflates one entry, refusing entries whose declared
// size is beyond what a text document needs, never inflating past the
// declared size, and checking the CRC, so that a truncated, damaged or
// hostile archive is reported instead of read as garbage.
//
// Writing: addEntry() collects entries in memory; save() builds the whole
// archive in a buffer first and then copies it to the device with checked
// writes, so the device stays open and every failure is reported.
//
// Like the writers, each operation gives its result and leaves why it failed
// in status() and errorString().
class ZipPackage
{
    Q_DECLARE_TR_FUNCTIONS(ZipPackage)

public:
    enum Compression { Stored, Deflated };
    enum Status { NoError, NotAnArchive, MissingEntry, EntryTooLarge, CorruptEntry, EncryptedEntry, WriteError };

    // Largest entry (uncompressed) the readers accept. A 5 MB text document
    // gives a content part of some tens of megabytes; beyond this limit an
    // entry is treated as hostile (a zip bomb) rather than inflated.
    static constexpr qint64 MaxEntrySize = qint64(256) * 1024 * 1024;

    ZipPackage();
    ~ZipPackage();

    bool open(QIODevice *device);
    bool contains(const QString &name) const;
    // What the named entries take in the archive (compressed), in bytes;
    // entries the archive does not hold count nothing.
    qint64 compressedSize(const QStringList &names) const;
    // The size the directory declares for the entry once inflated; 0 for
    // an entry the archive does not hold.
    qint64 entrySize(const QString &name) const;
    // The bytes of an entry; empty, with the status saying why, when it
    // cannot be read.
    QByteArray entry(const QString &name) const;
    // Gives the named XML entries, in order, to `xml` and calls `read` with
    // each one's bytes; an entry that is absent or empty is passed over.
    // Stops at the first entry that cannot be read or holds bad XML (or that
    // `read` raised an error on) and returns false; errorString() is then
    // what to tell the user.
    bool readXmlEntries(const QStringList &names, QXmlStreamReader &xml,
                        const std::function<void(const QByteArray &)> &read) const;

    void addEntry(const QString &name, const QByteArray &data, Compression compression = Deflated);
    bool save(QIODevice *device) const;

    // The outcome of the last open, entry, readXmlEntries or save, and what
    // to tell the user about it (empty when it succeeded).
    Status status() const;
    QString errorString() const;

private:
    Q_DISABLE_COPY(ZipPackage)
    friend class ZipPackagePrivate;
    static QString statusText(Status status);

    QScopedPointer<ZipPackagePrivate> d;
};

#endif
