// Reading and writing large DOCX and ODT documents: throughput in MB of text
// per second and the process's peak memory. The read benchmarks run at
// several sizes so that the fitted complexity shows whether reading stays
// linear in the document's size.

#include "formats/documentcapacity.h"
#include "formats/docxreader.h"
#include "formats/docxwriter.h"
#include "formats/formatreader.h"
#include "formats/odtreader.h"
#include "formats/odtwriter.h"
#include "officetestutil.h"
#include "peakmemory.h"
#include "zippackage_p.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMap>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr qint64 MegaByte = 1024 * 1024;

// A document of about `megabytes` MB of UTF-8 text: paragraphs of Kannada and
// Latin words with headings, indents and a few formatted runs.
struct Sample
{
    std::unique_ptr<QTextDocument> document;
    qint64 textBytes = 0;
};

const Sample &sample(int megabytes)
{
    static QMap<int, Sample *> samples;
    if (Sample *found = samples.value(megabytes))
        return *found;
    auto *s = new Sample;
    s->document.reset(new QTextDocument);
    QTextCursor cursor(s->document.get());
    const QString words[] = {QString::fromUtf8("\xe0\xb2\x95\xe0\xb2\xa8\xe0\xb3\x8d\xe0\xb2\xa8\xe0\xb2\xa1"),
                             QStringLiteral("document"), QString::fromUtf8("\xe0\xb2\xaa\xe0\xb2\xa0\xe0\xb3\x8d\xe0\xb2\xaf"),
                             QStringLiteral("text"), QString::fromUtf8("\xe0\xb2\xad\xe0\xb2\xbe\xe0\xb2\xb7\xe0\xb3\x86")};
    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    cursor.beginEditBlock();
    for (int paragraph = 0; s->textBytes < megabytes * MegaByte; ++paragraph) {
        QTextBlockFormat block;
        if (paragraph % 20 == 0)
            block.setProperty(HeadingLevelProperty, 1 + paragraph / 20 % 6);
        block.setIndent(paragraph % 3);
        if (paragraph > 0)
            cursor.insertBlock(block);
        else
            cursor.setBlockFormat(block);
        for (int w = 0; w < 60; ++w) {
            const QString word = words[(paragraph + w) % 5] + QLatin1Char(w % 9 == 8 ? '\t' : ' ');
            cursor.insertText(word, w % 7 == 3 ? bold : w % 11 == 5 ? italic : plain);
            s->textBytes += word.toUtf8().size();
        }
    }
    cursor.endEditBlock();
    samples.insert(megabytes, s);
    return *s;
}

enum Kind { Docx, Odt, FlatOdt };

QByteArray writeSample(Kind kind, QTextDocument *document)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (kind == Docx) {
        DocxWriter writer;
        writer.write(&buffer, document);
    } else {
        OdtWriter writer;
        writer.setFlatXml(kind == FlatOdt);
        writer.write(&buffer, document);
    }
    return buffer.data();
}

void report(benchmark::State &state, qint64 textBytes)
{
    state.SetBytesProcessed(state.iterations() * textBytes);
    state.SetComplexityN(textBytes);
    reportPeakMemory(state);
}

void write(benchmark::State &state, Kind kind)
{
    const Sample &s = sample(int(state.range(0)));
    qint64 fileSize = 0;
    for (auto _ : state) {
        const QByteArray bytes = writeSample(kind, s.document.get());
        fileSize = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    state.counters["file_MB"] = double(fileSize) / MegaByte;
    report(state, s.textBytes);
}

// Reads the file into a new document at every iteration.
template<typename Reader>
void readEach(benchmark::State &state, const QByteArray &bytes)
{
    for (auto _ : state) {
        QTextDocument document;
        if (!OfficeTest::read<Reader>(bytes, &document).isEmpty())
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(document.characterCount());
    }
}

template<typename Reader>
void read(benchmark::State &state, Kind kind)
{
    const Sample &s = sample(int(state.range(0)));
    readEach<Reader>(state, writeSample(kind, s.document.get()));
    report(state, s.textBytes);
}

// A package as word processors write it, with a "word/document.xml" of about
// `partBytes`: styled headings, runs with fonts, sizes and languages,
// revision marks and bookmarks, Kannada and Latin text.
QByteArray largeDocx(qint64 partBytes, qint64 *partSize)
{
    const QByteArray words[] = {"\xe0\xb2\x95\xe0\xb2\xa8\xe0\xb3\x8d\xe0\xb2\xa8\xe0\xb2\xa1", "document",
                                "\xe0\xb2\xaa\xe0\xb2\xa0\xe0\xb3\x8d\xe0\xb2\xaf", "text",
                                "\xe0\xb2\xad\xe0\xb2\xbe\xe0\xb2\xb7\xe0\xb3\x86"};
    const QByteArray ns = "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
                          "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";
    QByteArray document = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<w:document " + ns + "><w:body>";
    document.reserve(int(partBytes + 4096));
    for (int paragraph = 0; document.size() < partBytes; ++paragraph) {
        document += "<w:p w:rsidR=\"00A12B34\" w:rsidRDefault=\"00A12B34\"><w:pPr>";
        if (paragraph % 20 == 0)
            document += "<w:pStyle w:val=\"Heading" + QByteArray::number(1 + paragraph / 20 % 6) + "\"/>";
        if (paragraph % 3)
            document += "<w:ind w:left=\"" + QByteArray::number(720 * (paragraph % 3)) + "\"/>";
        document += "</w:pPr><w:bookmarkStart w:id=\"" + QByteArray::number(paragraph) + "\" w:name=\"_p"
            + QByteArray::number(paragraph) + "\"/>";
        for (int r = 0; r < 6; ++r) {
            document += "<w:r w:rsidRPr=\"00C56D78\"><w:rPr><w:rFonts w:ascii=\"Noto Sans Kannada\" "
                        "w:hAnsi=\"Noto Sans Kannada\" w:cs=\"Noto Sans Kannada\"/>";
            if (r == 2)
                document += "<w:b/><w:bCs/>";
            if (r == 4)
                document += "<w:i/><w:iCs/>";
            document += "<w:sz w:val=\"24\"/><w:szCs w:val=\"24\"/><w:lang w:val=\"en-IN\" w:bidi=\"kn-IN\"/></w:rPr>"
                        "<w:t xml:space=\"preserve\">";
            for (int w = 0; w < 10; ++w)
                document += words[(paragraph + r + w) % 5] + ' ';
            document += "</w:t></w:r>";
            if (r == 3)
                document += "<w:r><w:tab/></w:r>";
        }
        document += "<w:bookmarkEnd w:id=\"" + QByteArray::number(paragraph) + "\"/></w:p>";
    }
    document += "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/></w:sectPr></w:body></w:document>";
    *partSize = document.size();

    QByteArray styles = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<w:styles " + ns + ">"
                        "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/></w:style>";
    for (int level = 1; level <= 6; ++level)
        styles += "<w:style w:type=\"paragraph\" w:styleId=\"Heading" + QByteArray::number(level) + "\"><w:name w:val=\"heading "
            + QByteArray::number(level) + "\"/><w:basedOn w:val=\"Normal\"/><w:pPr><w:outlineLvl w:val=\""
            + QByteArray::number(level - 1) + "\"/></w:pPr><w:rPr><w:b/></w:rPr></w:style>";
    styles += "</w:styles>";

    ZipPackage package;
    package.addEntry(QStringLiteral("[Content_Types].xml"),
                     "<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                     "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                     "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                     "<Override PartName=\"/word/document.xml\" "
                     "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/></Types>");
    package.addEntry(QStringLiteral("_rels/.rels"),
                     "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                     "<Relationship Id=\"rId1\" Target=\"word/document.xml\" "
                     "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\"/></Relationships>");
    package.addEntry(QStringLiteral("word/_rels/document.xml.rels"),
                     "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                     "<Relationship Id=\"rId1\" Target=\"styles.xml\" "
                     "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\"/></Relationships>");
    package.addEntry(QStringLiteral("word/document.xml"), document);
    package.addEntry(QStringLiteral("word/styles.xml"), styles);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    package.save(&buffer);
    return buffer.data();
}

// Reads a 12 MB "word/document.xml". The peak memory counter is the whole
// process's: run this benchmark alone (--benchmark_filter=ReadLargeDocx) for
// the reader's own figure.
void BM_ReadLargeDocx(benchmark::State &state)
{
    qint64 partSize = 0;
    const QByteArray bytes = largeDocx(12 * MegaByte, &partSize);
    readEach<DocxReader>(state, bytes);
    state.counters["file_MB"] = double(bytes.size()) / MegaByte;
    state.counters["document_xml_MB"] = double(partSize) / MegaByte;
    state.SetBytesProcessed(state.iterations() * partSize);
    reportPeakMemory(state);
}

// The most paragraphs a document holds: 500,000 short lines, all in one
// size or every tenth in a larger one.
QTextDocument *shortLines(bool sizes)
{
    static QTextDocument *documents[2] = {};
    QTextDocument *&document = documents[sizes];
    if (!document) {
        document = new QTextDocument;
        QTextCursor cursor(document);
        QTextCharFormat large;
        large.setFontPointSize(20);
        cursor.beginEditBlock();
        for (int line = 0; line < 500000; ++line) {
            cursor.insertText(QString::fromUtf8("\xe0\xb2\x95 line"), sizes && line % 10 == 0 ? large : QTextCharFormat());
            cursor.insertBlock();
        }
        cursor.endEditBlock();
    }
    return document;
}

// The capacity check every document opened gets once it is read (its
// paragraphs counted and measured, the height its layout takes at least),
// against reading the same document from DOCX: the share of the opening it
// adds. Argument 0 is the 5 MB sample, 1 the 500,000 short lines in one
// size, 2 in two sizes (each paragraph's text is looked at then).
void BM_CapacityCheck(benchmark::State &state)
{
    QTextDocument *document = state.range(0) == 0 ? sample(5).document.get() : shortLines(state.range(0) == 2);
    const QByteArray bytes = writeSample(Docx, document);
    QElapsedTimer clock;
    clock.start();
    {
        QTextDocument read;
        OfficeTest::read<DocxReader>(bytes, &read);
    }
    const double readMs = clock.nsecsElapsed() / 1e6;
    clock.restart();
    for (auto _ : state) {
        QString reason;
        benchmark::DoNotOptimize(DocumentCapacity::firstExcess(document, &reason));
    }
    const double checkMs = clock.nsecsElapsed() / 1e6 / double(state.iterations());
    state.counters["paragraphs"] = document->blockCount();
    state.counters["check_ms"] = checkMs;
    state.counters["read_ms"] = readMs;
    state.counters["check_per_read"] = checkMs / readMs;
}

void BM_WriteDocx(benchmark::State &state) { write(state, Docx); }
void BM_WriteOdt(benchmark::State &state) { write(state, Odt); }
void BM_WriteFlatOdt(benchmark::State &state) { write(state, FlatOdt); }
void BM_ReadDocx(benchmark::State &state) { read<DocxReader>(state, Docx); }
void BM_ReadOdt(benchmark::State &state) { read<OdtReader>(state, Odt); }
void BM_ReadFlatOdt(benchmark::State &state) { read<OdtReader>(state, FlatOdt); }

} // namespace

BENCHMARK(BM_WriteDocx)->Arg(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteOdt)->Arg(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteFlatOdt)->Arg(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDocx)->Arg(1)->Arg(2)->Arg(5)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLargeDocx)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadOdt)->Arg(1)->Arg(2)->Arg(5)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CapacityCheck)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFlatOdt)->Arg(1)->Arg(2)->Arg(5)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
