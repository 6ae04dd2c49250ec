// Reading and writing large DOCX and ODT documents: throughput in MB of text
// per second and the process's peak memory. The read benchmarks run at
// several sizes so that the fitted complexity shows whether reading stays
// linear in the document's size.

#include "formats/docxreader.h"
#include "formats/docxwriter.h"
#include "formats/formatreader.h"
#include "formats/odtreader.h"
#include "formats/odtwriter.h"
#include "peakmemory.h"

#include <QBuffer>
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

template<typename Reader>
void read(benchmark::State &state, Kind kind)
{
    const Sample &s = sample(int(state.range(0)));
    const QByteArray bytes = writeSample(kind, s.document.get());
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QTextDocument document;
        Reader reader;
        reader.cursor = QTextCursor(&document);
        reader.readData(&buffer);
        if (!reader.errorText.isEmpty())
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(document.characterCount());
    }
    report(state, s.textBytes);
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
BENCHMARK(BM_ReadOdt)->Arg(1)->Arg(2)->Arg(5)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
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
