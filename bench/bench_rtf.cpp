// Reads and writes a generated RTF document of about 5 MB: mixed Latin and
// Kannada text, character formatting, headings and escapes, as the
// converters meet them. Reports throughput and the process's peak memory,
// and what reading the same document costs as RTF against as DOCX.
#include "formats/docxreader.h"
#include "formats/docxwriter.h"
#include "formats/rtfreader.h"
#include "formats/rtfwriter.h"
#include "peakmemory.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

constexpr int TargetSize = 5 * 1024 * 1024;

QByteArray generateRtf()
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0"
                     "{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset204 Arial Cyr;}}"
                     "{\\stylesheet{\\s0 Normal;}{\\s1\\outlinelevel0\\b Heading 1;}{\\s2\\outlinelevel1\\b Heading 2;}}\n";
    const QByteArray kannada = "\\u3221?\\u3240?\\u3277?\\u3240?\\u3233? ";
    for (int paragraph = 0; rtf.size() < TargetSize; ++paragraph) {
        if (paragraph % 20 == 0) {
            rtf += "{\\pard\\plain\\s" + QByteArray::number(1 + paragraph / 20 % 2) + " Chapter "
                + QByteArray::number(paragraph / 20) + "\\par}\n";
            continue;
        }
        rtf += "{\\pard\\plain\\s0";
        if (paragraph % 3 == 0)
            rtf += "\\qj\\li720";
        rtf += " ";
        for (int sentence = 0; sentence < 6; ++sentence) {
            rtf += "Plain text with {\\b bold} and {\\i\\ul italic underlined} words, ";
            rtf += kannada;
            rtf += "caf\\'e9 \\emdash {\\f1 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2} x{\\super 2} ";
        }
        rtf += "\\par}\n";
    }
    rtf += "}";
    return rtf;
}

const QByteArray &document5MB()
{
    static const QByteArray rtf = generateRtf();
    return rtf;
}

template<typename Reader = RtfReader>
void readInto(QTextDocument &document, QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    Reader reader;
    reader.cursor = QTextCursor(&document);
    reader.readData(&buffer);
}

// The 5 MB document as the DOCX writer saves it.
const QByteArray &document5MBAsDocx()
{
    static const QByteArray docx = [] {
        QTextDocument document;
        readInto(document, document5MB());
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        DocxWriter writer;
        writer.write(&buffer, &document);
        return buffer.data();
    }();
    return docx;
}

void BM_ReadRtf(benchmark::State &state)
{
    const QByteArray &rtf = document5MB();
    for (auto _ : state) {
        QTextDocument document;
        readInto(document, rtf);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * rtf.size());
    reportPeakMemory(state);
}

void BM_WriteRtf(benchmark::State &state)
{
    QTextDocument document;
    readInto(document, document5MB());
    qint64 written = 0;
    for (auto _ : state) {
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        RtfWriter writer("CP1252");
        writer.write(&buffer, &document);
        written += out.size();
    }
    state.SetBytesProcessed(written);
    reportPeakMemory(state);
}

// The same document read as RTF and as DOCX in every iteration: both times
// and their ratio.
void BM_ReadRtfAgainstDocx(benchmark::State &state)
{
    const QByteArray &rtf = document5MB();
    const QByteArray &docx = document5MBAsDocx();
    qint64 rtfNanoseconds = 0;
    qint64 docxNanoseconds = 0;
    QElapsedTimer timer;
    for (auto _ : state) {
        {
            QTextDocument document;
            timer.start();
            readInto(document, rtf);
            rtfNanoseconds += timer.nsecsElapsed();
            benchmark::DoNotOptimize(document.characterCount());
        }
        {
            QTextDocument document;
            timer.start();
            readInto<DocxReader>(document, docx);
            docxNanoseconds += timer.nsecsElapsed();
            benchmark::DoNotOptimize(document.characterCount());
        }
    }
    const double iterations = double(state.iterations());
    state.counters["rtf_ms"] = double(rtfNanoseconds) / iterations / 1e6;
    state.counters["docx_ms"] = double(docxNanoseconds) / iterations / 1e6;
    state.counters["rtf_to_docx"] = double(rtfNanoseconds) / double(docxNanoseconds);
    reportPeakMemory(state);
}

} // namespace

BENCHMARK(BM_ReadRtf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRtfAgainstDocx)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteRtf)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
