#include "testmain.h"

#include "formats/rtfclipboard.h"
#include "formats/rtfreader.h"
#include "tablenesting.h"

#include <QBuffer>
#include <QMimeData>
#include <QTextDocument>

#include <cstring>

using namespace Platform;

namespace {

class FakeStream : public IStream
{
public:
    explicit FakeStream(QByteArray bytes, bool shortReadIsFalse = false)
        : bytes(std::move(bytes)), shortReadIsFalse(shortReadIsFalse) {}

    unsigned long Release() override
    {
        ++releases;
        return 0;
    }

    HRESULT Seek(qint64 move, int origin, quint64 *newPosition) override
    {
        if (origin != STREAM_SEEK_SET)
            return E_FAIL;
        position = int(move);
        if (newPosition)
            *newPosition = quint64(position);
        return S_OK;
    }

    HRESULT Read(void *buffer, unsigned long count, unsigned long *read) override
    {
        readSizes.append(int(count));
        const int n = qMin(int(count), bytes.size() - position);
        std::memcpy(buffer, bytes.constData() + position, std::size_t(n));
        position += n;
        *read = (unsigned long)n;
        return shortReadIsFalse && n < int(count) ? S_FALSE : S_OK;
    }

    QByteArray bytes;
    bool shortReadIsFalse;
    int position = 100; // the converter must rewind
    int releases = 0;
    QVector<int> readSizes;
};

class FakeDataObject : public IDataObject
{
public:
    HRESULT QueryGetData(FORMATETC *format) override
    {
        asked = *format;
        return format->cfFormat == offeredFormat && (format->tymed & offeredTymed) ? S_OK : DV_E_FORMATETC;
    }

    HRESULT GetData(FORMATETC *format, STGMEDIUM *medium) override
    {
        if (QueryGetData(format) != S_OK)
            return DV_E_FORMATETC;
        medium->tymed = offeredTymed;
        if (offeredTymed == TYMED_HGLOBAL) {
            medium->hGlobal = GlobalAlloc(GMEM_FIXED, std::size_t(bytes.size()));
            std::memcpy(GlobalLock(medium->hGlobal), bytes.constData(), std::size_t(bytes.size()));
        } else {
            medium->pstm = stream;
        }
        return S_OK;
    }

    int offeredFormat = 0;
    int offeredTymed = TYMED_HGLOBAL;
    QByteArray bytes;
    FakeStream *stream = nullptr;
    FORMATETC asked;
};

const QByteArray rtf("{\\rtf1 x}");

} // namespace

class TestRtfClipboard : public QObject
{
    Q_OBJECT

private slots:
    void formatNames();
    void fromMime();
    void toMimeFromGlobalMemory();
    void toMimeFromStream_data();
    void toMimeFromStream();
    void otherFormatsAndTypes();
    void nestedTablesComeThroughAndReadFlat();
};

void TestRtfClipboard::formatNames()
{
    RTF::Clipboard clipboard;
    QVERIFY(WinMime::converters().contains(&clipboard));
    const int registered = WinMime::registerMimeType(QStringLiteral("Rich Text Format"));
    QVERIFY(registered >= 0xC000);
    QCOMPARE(WinMime::registerMimeType(QStringLiteral("rich text format")), registered);
    QVERIFY(WinMime::registerMimeType(QStringLiteral("HTML Format")) != registered);

    FORMATETC format;
    format.cfFormat = registered;
    QCOMPARE(clipboard.mimeForFormat(format), QStringLiteral("text/rtf"));
    format.cfFormat = 1; // plain text
    QCOMPARE(clipboard.mimeForFormat(format), QString());
}

void TestRtfClipboard::fromMime()
{
    RTF::Clipboard clipboard;
    QMimeData mime;
    mime.setData(QStringLiteral("text/rtf"), rtf);

    const QVector<FORMATETC> formats = clipboard.formatsForMime(QStringLiteral("text/rtf"), &mime);
    QCOMPARE(formats.size(), 1);
    const FORMATETC offered = formats.first();
    QCOMPARE(offered.cfFormat, WinMime::registerMimeType(QStringLiteral("Rich Text Format")));
    QVERIFY(!offered.ptd);
    QCOMPARE(offered.dwAspect, DVASPECT_CONTENT);
    QCOMPARE(offered.lindex, -1);
    QCOMPARE(offered.tymed, TYMED_HGLOBAL);

    QVERIFY(clipboard.canConvertFromMime(offered, &mime));
    STGMEDIUM medium;
    QVERIFY(clipboard.convertFromMime(offered, &mime, &medium));
    QCOMPARE(medium.tymed, TYMED_HGLOBAL);
    QVERIFY(!medium.pUnkForRelease);
    QCOMPARE(GlobalSize(medium.hGlobal), std::size_t(rtf.size()));
    QCOMPARE(QByteArray(static_cast<const char *>(GlobalLock(medium.hGlobal)), rtf.size()), rtf);
    ReleaseStgMedium(&medium);

    FORMATETC other = offered;
    other.cfFormat = 1;
    QVERIFY(!clipboard.canConvertFromMime(other, &mime));
    QVERIFY(!clipboard.convertFromMime(other, &mime, &medium));
    QMimeData text;
    text.setText(QStringLiteral("x"));
    QVERIFY(!clipboard.canConvertFromMime(offered, &text));
}

void TestRtfClipboard::toMimeFromGlobalMemory()
{
    RTF::Clipboard clipboard;
    FakeDataObject data;
    data.offeredFormat = WinMime::registerMimeType(QStringLiteral("Rich Text Format"));
    data.bytes = rtf;

    QVERIFY(clipboard.canConvertToMime(QStringLiteral("text/rtf"), &data));
    QCOMPARE(data.asked.tymed, TYMED_HGLOBAL | TYMED_ISTREAM);
    QCOMPARE(data.asked.lindex, -1);
    const QVariant result = clipboard.convertToMime(QStringLiteral("text/rtf"), &data, QVariant::ByteArray);
    QCOMPARE(result.toByteArray(), rtf);

    data.bytes.clear();
    QVERIFY(!clipboard.convertToMime(QStringLiteral("text/rtf"), &data, QVariant::ByteArray).isValid());
}

void TestRtfClipboard::toMimeFromStream_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("shortReadIsFalse");
    QTest::addColumn<int>("reads");

    QTest::newRow("two full blocks") << 8192 << false << 3;
    QTest::newRow("one block and a bit") << 5000 << false << 2;
    QTest::newRow("short read answered S_FALSE") << 5000 << true << 2;
    QTest::newRow("small") << 10 << false << 1;
    QTest::newRow("empty") << 0 << false << 1;
}

void TestRtfClipboard::toMimeFromStream()
{
    QFETCH(int, size);
    QFETCH(bool, shortReadIsFalse);
    QFETCH(int, reads);

    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char('a' + i % 26);
    FakeStream stream(bytes, shortReadIsFalse);
    FakeDataObject data;
    data.offeredFormat = WinMime::registerMimeType(QStringLiteral("Rich Text Format"));
    data.offeredTymed = TYMED_ISTREAM;
    data.stream = &stream;

    RTF::Clipboard clipboard;
    const QVariant result = clipboard.convertToMime(QStringLiteral("text/rtf"), &data, QVariant::String);
    QCOMPARE(stream.readSizes, QVector<int>(reads, 4096));
    QCOMPARE(stream.releases, 1);
    if (size == 0)
        QVERIFY(!result.isValid());
    else
        QCOMPARE(result.toByteArray(), bytes);
}

void TestRtfClipboard::otherFormatsAndTypes()
{
    RTF::Clipboard clipboard;
    QMimeData mime;
    mime.setData(QStringLiteral("text/rtf"), rtf);
    QVERIFY(clipboard.formatsForMime(QStringLiteral("text/html"), &mime).isEmpty());
    QMimeData empty;
    QVERIFY(clipboard.formatsForMime(QStringLiteral("text/rtf"), &empty).isEmpty());

    FakeDataObject data;
    data.offeredFormat = 1;
    data.bytes = rtf;
    QVERIFY(!clipboard.canConvertToMime(QStringLiteral("text/rtf"), &data));
    QVERIFY(!clipboard.convertToMime(QStringLiteral("text/rtf"), &data, QVariant::ByteArray).isValid());
    data.offeredFormat = WinMime::registerMimeType(QStringLiteral("Rich Text Format"));
    QVERIFY(!clipboard.canConvertToMime(QStringLiteral("text/plain"), &data));
}

// Tables nested thousands deep in clipboard RTF come through the converter
// untouched, and the RTF reader makes paragraphs of their cells, as it does
// of every table: Qt's layout of nested tables takes fourfold time with each
// level.
void TestRtfClipboard::nestedTablesComeThroughAndReadFlat()
{
    QByteArray nested = "{\\rtf1\\ansi ";
    for (int level = 1; level <= 4000; ++level)
        nested += "\\pard\\intbl\\itap" + QByteArray::number(level) + " c" + QByteArray::number(level) + "\\nestcell ";
    for (int level = 4000; level >= 1; --level)
        nested += "{\\*\\nesttableprops\\trowd\\cellx1000\\nestrow}";
    nested += "\\cell\\row}";
    FakeDataObject data;
    data.offeredFormat = WinMime::registerMimeType(QStringLiteral("Rich Text Format"));
    data.bytes = nested;

    RTF::Clipboard clipboard;
    QByteArray carried = clipboard.convertToMime(QStringLiteral("text/rtf"), &data, QVariant::ByteArray).toByteArray();
    QCOMPARE(carried, nested);

    QBuffer buffer(&carried);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QTextDocument document;
    RtfReader reader;
    reader.cursor = QTextCursor(&document);
    reader.readData(&buffer);
    QCOMPARE(reader.errorText, QString());
    QCOMPARE(tableDepth(document.rootFrame()), 0);
    QVERIFY(document.toPlainText().contains(QStringLiteral("c4000")));
}

YAVO_TEST_GUILESS_MAIN(TestRtfClipboard)
#include "tst_rtfclipboard.moc"
