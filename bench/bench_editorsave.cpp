// The editor's save path for a 100-page document in every format it writes:
// the writer of the file name's suffix into a file that is committed only
// when complete, flushed to the disk. Reports the time of one save, the
// file's size and the process's peak memory; run one format at a time
// (--benchmark_filter=docx) to see what that format's save adds to the
// memory the document itself takes ("save_extra_MB").

#include "editor/unicodekaeditor.h"
#include "peakmemory.h"
#include "utils/utils.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextCursor>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// 100 pages: 500 paragraphs of 80 words, Kannada and Latin, a heading every
// 25 paragraphs and a bold or italic word here and there.
UnicodeKaEditor &editor()
{
    static Utils utils;
    static UnicodeKaEditor *editor = [] {
        auto *e = new UnicodeKaEditor(&utils, 0, 0);
        const QString words[] = {QStringLiteral(u"\u0C95\u0CA8\u0CCD\u0CA8\u0CA1"), QStringLiteral("document"),
                                 QStringLiteral(u"\u0CAA\u0CA0\u0CCD\u0CAF"), QStringLiteral("text"),
                                 QStringLiteral(u"\u0CAD\u0CBE\u0CB7\u0CC6")};
        QTextCharFormat plain;
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        QTextCharFormat italic;
        italic.setFontItalic(true);
        QTextCursor cursor(e->document());
        cursor.beginEditBlock();
        for (int paragraph = 0; paragraph < 500; ++paragraph) {
            if (paragraph > 0)
                cursor.insertBlock();
            QTextBlockFormat block;
            block.setAlignment(paragraph % 25 == 0 ? Qt::AlignHCenter : Qt::AlignLeft);
            cursor.setBlockFormat(block);
            for (int w = 0; w < 80; ++w)
                cursor.insertText(words[(paragraph + w) % 5] + QLatin1Char(' '),
                                  w % 13 == 3 ? bold : w % 17 == 5 ? italic : plain);
        }
        cursor.endEditBlock();
        return e;
    }();
    return *editor;
}

void BM_EditorSave(benchmark::State &state, const char *suffix)
{
    UnicodeKaEditor &e = editor();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("document.") + QLatin1String(suffix));
    e.setFileName(path);
    const double before = peakMegabytes();
    for (auto _ : state) {
        e.document()->setModified(true);
        if (!e.saveFile())
            state.SkipWithError("the save failed");
    }
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1024.0 * 1024.0);
    state.counters["save_extra_MB"] = peakMegabytes() - before;
    reportPeakMemory(state);
}

} // namespace

BENCHMARK_CAPTURE(BM_EditorSave, txt, "txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EditorSave, html, "html")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EditorSave, rtf, "rtf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EditorSave, docx, "docx")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EditorSave, odt, "odt")->Unit(benchmark::kMillisecond);

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // The document is made before any save is measured.
    editor();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
