#include "dictionary/compressedtext.h"
#include "testmain.h"

namespace {

const QString lines = QStringLiteral("\u0C95\u0CA8\u0CCD\u0CA8\u0CA1\nsecond line\n\nfourth\nlast");

QByteArray flipped(QByteArray bytes, int at, int bit)
{
    bytes[at] = char(bytes.at(at) ^ (1 << bit));
    return bytes;
}

} // namespace

class TestCompressedText : public QObject
{
    Q_OBJECT

private slots:
    void recover_data();
    void recover();
};

void TestCompressedText::recover_data()
{
    QTest::addColumn<QByteArray>("blob");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("damaged");

    const QByteArray packed = CompressedText::pack(lines);
    // Stored rather than compressed, the text's bytes sit where a cut is
    // easy to place.
    const QByteArray stored = qCompress(lines.toUtf8(), 0);
    const int dataStarts = 4 + 2 + 5;   // length, zlib header, stored block header
    const int inFourth = lines.toUtf8().indexOf("fourth") + 3;

    QTest::newRow("sound") << packed << lines << false;
    QTest::newRow("empty text") << QByteArray(4, '\0') << "" << false;
    QTest::newRow("wrong length header") << QByteArray(QByteArray("\0\0\0\1", 4) + packed.mid(4)) << lines << false;
    QTest::newRow("flipped checksum") << flipped(packed, packed.size() - 1, 2) << lines << true;
    QTest::newRow("flipped zlib header") << flipped(packed, 5, 0) << lines << true;
    QTest::newRow("cut in a line: the lines before it")
            << stored.left(dataStarts + inFourth) << lines.section('\n', 0, 2) << true;
    QTest::newRow("cut in the first line") << stored.left(dataStarts + 4) << "" << true;
    const QByteArray noisy = qCompress(QByteArray("one\n\x01\x02\x03\nt\xC3wo\nthree"), 0);
    QTest::newRow("damaged, with noise between lines")
            << flipped(noisy, noisy.size() - 1, 0) << "one\nthree" << true;
    QTest::newRow("not compressed at all") << QByteArray("plain words, no zlib") << "" << true;
    QTest::newRow("too short") << QByteArray("\0\0", 2) << "" << true;
}

void TestCompressedText::recover()
{
    QFETCH(QByteArray, blob);
    QFETCH(QString, text);
    QFETCH(bool, damaged);
    const CompressedText::Recovered recovered = CompressedText::recover(blob);
    QCOMPARE(recovered.text, text);
    QCOMPARE(recovered.damaged, damaged);
    // Sound bytes read as they always have.
    if (!damaged)
        QCOMPARE(recovered.text, CompressedText::unpack(blob));
}

YAVO_TEST_GUILESS_MAIN(TestCompressedText)
#include "tst_compressedtext.moc"
