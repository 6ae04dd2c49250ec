#include "testmain.h"

#include "zippackage_p.h"

#include <QBuffer>
#include <QFile>

namespace {

QByteArray archive(const QVector<QPair<QString, QByteArray>> &entries, ZipPackage::Compression compression)
{
    ZipPackage package;
    for (const auto &entry : entries)
        package.addEntry(entry.first, entry.second, compression);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!package.save(&buffer))
        return QByteArray();
    return buffer.data();
}

// Offset of the directory record of the archive's only entry.
int directoryRecord(const QByteArray &zip)
{
    return zip.lastIndexOf(QByteArray("PK\x01\x02", 4));
}

void putUInt32(QByteArray &bytes, int at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (8 * i) & 0xFF);
}

ZipPackage::Status readEntry(const QByteArray &zip, const QString &name, QByteArray *data = nullptr)
{
    QBuffer buffer;
    buffer.setData(zip);
    buffer.open(QIODevice::ReadOnly);
    ZipPackage package;
    if (!package.open(&buffer))
        return ZipPackage::NotAnArchive;
    const QByteArray bytes = package.entry(name);
    if (data)
        *data = bytes;
    return package.status();
}

} // namespace

class TestZipPackage : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void refusesDamagedOrHostileEntries_data();
    void refusesDamagedOrHostileEntries();
    void readsSequentialDevice();
    void readsArchivesOfOtherTools_data();
    void readsArchivesOfOtherTools();
};

void TestZipPackage::roundTrip_data()
{
    QTest::addColumn<int>("compression");
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("stored") << int(ZipPackage::Stored) << QByteArray("plain bytes");
    QTest::newRow("deflated") << int(ZipPackage::Deflated) << QByteArray(300000, 'x') + "tail";
    QTest::newRow("empty stored") << int(ZipPackage::Stored) << QByteArray();
    QTest::newRow("empty deflated") << int(ZipPackage::Deflated) << QByteArray();
}

void TestZipPackage::roundTrip()
{
    QFETCH(int, compression);
    QFETCH(QByteArray, data);
    const QByteArray zip = archive({{"first.xml", "one"}, {"dir/second.xml", data}}, ZipPackage::Compression(compression));
    QByteArray read;
    QCOMPARE(readEntry(zip, "dir/second.xml", &read), ZipPackage::NoError);
    QCOMPARE(read, data);
    QCOMPARE(readEntry(zip, "first.xml", &read), ZipPackage::NoError);
    QCOMPARE(read, QByteArray("one"));
    QCOMPARE(readEntry(zip, "missing.xml"), ZipPackage::MissingEntry);
}

void TestZipPackage::refusesDamagedOrHostileEntries_data()
{
    QTest::addColumn<QByteArray>("zip");
    QTest::addColumn<int>("status");

    const QByteArray good = archive({{"part.xml", QByteArray(5000, 'a') + "b"}}, ZipPackage::Deflated);
    const int record = directoryRecord(good);
    QVERIFY(record > 0);

    QByteArray smaller = good;
    putUInt32(smaller, record + 24, 100); // declares less than the data inflates to
    QTest::newRow("more data than declared") << smaller << int(ZipPackage::CorruptEntry);
    QByteArray larger = good;
    putUInt32(larger, record + 24, 9000);
    QTest::newRow("less data than declared") << larger << int(ZipPackage::CorruptEntry);
    QByteArray bomb = good;
    putUInt32(bomb, record + 24, 0xF0000000u);
    QTest::newRow("declared size huge") << bomb << int(ZipPackage::EntryTooLarge);
    QByteArray compressed = good;
    putUInt32(compressed, record + 20, 0xF8000046u);
    QTest::newRow("compressed size huge") << compressed << int(ZipPackage::EntryTooLarge);
    QByteArray beyond = good;
    putUInt32(beyond, record + 20, 100000);
    QTest::newRow("compressed size beyond the archive") << beyond << int(ZipPackage::CorruptEntry);
    QByteArray offset = good;
    putUInt32(offset, record + 42, 0x7FFFFFFF);
    QTest::newRow("local header outside") << offset << int(ZipPackage::CorruptEntry);
    QByteArray crc = good;
    crc[record + 16] = char(crc.at(record + 16) ^ 1);
    QTest::newRow("checksum") << crc << int(ZipPackage::CorruptEntry);
    QByteArray method = good;
    method[record + 10] = char(12);
    QTest::newRow("unknown method") << method << int(ZipPackage::CorruptEntry);
    QByteArray directory = good;
    putUInt32(directory, directory.size() - 6, 3); // directory offset
    QTest::newRow("directory offset wrong") << directory << int(ZipPackage::NotAnArchive);
    QTest::newRow("cut") << good.left(good.size() - 10) << int(ZipPackage::NotAnArchive);
}

void TestZipPackage::refusesDamagedOrHostileEntries()
{
    QFETCH(QByteArray, zip);
    QFETCH(int, status);
    QCOMPARE(int(readEntry(zip, "part.xml")), status);
}

void TestZipPackage::readsSequentialDevice()
{
    // Like a process or a socket: read once, front to back.
    class Sequential : public QIODevice
    {
    public:
        explicit Sequential(const QByteArray &data) : m_data(data) {}
        bool isSequential() const override { return true; }
        qint64 bytesAvailable() const override { return m_data.size() - m_read + QIODevice::bytesAvailable(); }

    protected:
        qint64 readData(char *out, qint64 max) override
        {
            const qint64 n = qMin<qint64>(max, m_data.size() - m_read);
            memcpy(out, m_data.constData() + m_read, size_t(n));
            m_read += n;
            return n;
        }
        qint64 writeData(const char *, qint64) override { return -1; }

    private:
        QByteArray m_data;
        qint64 m_read = 0;
    };
    Sequential device(archive({{"a.xml", "alpha"}}, ZipPackage::Deflated));
    device.open(QIODevice::ReadOnly);
    ZipPackage package;
    QVERIFY(package.open(&device));
    QCOMPARE(package.entry("a.xml"), QByteArray("alpha"));
}

void TestZipPackage::readsArchivesOfOtherTools_data()
{
    QTest::addColumn<QString>("file");
    // Written to a stream: sizes and checksums only in data descriptors
    // after each entry, one entry stored and one deflated, an archive comment.
    QTest::newRow("data descriptors") << "data/zip-streamed-descriptors.zip";
    // Extra fields (times, owners) that differ between local header and
    // directory, a directory entry, stored and deflated entries.
    QTest::newRow("extra fields") << "data/zip-infozip-extra-fields.zip";
}

void TestZipPackage::readsArchivesOfOtherTools()
{
    QFETCH(QString, file);
    QFile input(QFINDTESTDATA(file));
    QVERIFY(input.open(QIODevice::ReadOnly));
    ZipPackage package;
    QVERIFY(package.open(&input));
    QCOMPARE(package.entry("stored.txt"), QByteArray("stored bytes\n"));
    QCOMPARE(package.status(), ZipPackage::NoError);
    QString expected = QStringLiteral("<text>");
    for (int i = 0; i < 40; ++i)
        expected += QString::fromUtf8("\xe0\xb2\x95\xe0\xb2\xa8\xe0\xb3\x8d\xe0\xb2\xa8\xe0\xb2\xa1 ");
    expected += QStringLiteral("</text>");
    QCOMPARE(QString::fromUtf8(package.entry("word/document.xml")), expected);
    QCOMPARE(package.status(), ZipPackage::NoError);
}

YAVO_TEST_GUILESS_MAIN(TestZipPackage)
#include "tst_zippackage.moc"
