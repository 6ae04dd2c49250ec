// The word processor as a user meets it: start-up to a shown window, and
// opening large DOCX and ODT documents through the tab widget until the
// first page is shown and spell-checked. Beside the 5 MB DOCX opened in a
// tab stands the bare read of the same file into a document with no view,
// and the ratio of the two.

#include "app/mainwindow.h"
#include "app/tabwidget.h"
#include "app/yvtabcontentwidget.h"
#include "editor/unicodekaeditor.h"
#include "formats/docxreader.h"
#include "formats/docxwriter.h"
#include "formats/odtwriter.h"
#include "benchhome.h"
#include "peakmemory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int wordsPerPage = 400;

QTemporaryDir *workDir = nullptr;

// A document of `words` words: Kannada and Latin words in paragraphs of
// 60, every twentieth a heading, a few runs bold or italic.
std::unique_ptr<QTextDocument> makeDocument(int words)
{
    auto doc = std::make_unique<QTextDocument>();
    QTextCursor cursor(doc.get());
    const QString vocabulary[] = {QStringLiteral("ಕನ್ನಡ"), QStringLiteral("document"),
                                  QStringLiteral("ಪಠ್ಯ"), QStringLiteral("text"),
                                  QStringLiteral("ಭಾಷೆ")};
    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    cursor.beginEditBlock();
    for (int w = 0; w < words; ++w) {
        if (w > 0 && w % 60 == 0) {
            QTextBlockFormat block;
            if (w / 60 % 20 == 0)
                block.setProperty(HeadingLevelProperty, 1 + w / 1200 % 6);
            cursor.insertBlock(block);
        }
        cursor.insertText(vocabulary[w % 5] + QLatin1Char(' '), w % 7 == 3 ? bold : w % 11 == 5 ? italic : plain);
    }
    cursor.endEditBlock();
    return doc;
}

QString writeFile(const QString &name, int words)
{
    const QString path = workDir->filePath(name);
    if (QFile::exists(path))
        return path;
    auto doc = makeDocument(words);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    if (name.endsWith(QLatin1String(".docx")))
        DocxWriter().write(&file, doc.get());
    else
        OdtWriter().write(&file, doc.get());
    return path;
}

struct Window
{
    Window()
    {
        window.handleArguments({QStringLiteral("yavo-pad")});
        window.tabWidget()->slotLoadCompleter();
        QCoreApplication::processEvents();
    }
    MainWindow window;
};

// Paints the first page of the last tab's editor, takes the time and closes
// the tab again.
double showAndClose(TabWidget *tabs, UnicodeKaEditor *editor, const QElapsedTimer &timer)
{
    QCoreApplication::processEvents();
    editor->viewport()->repaint();
    const double seconds = timer.nsecsElapsed() / 1e9;
    QWidget *page = tabs->widget(tabs->count() - 1);
    tabs->removeTab(tabs->count() - 1);
    delete page;
    return seconds;
}

// Opens the file in a new tab and waits until its first page is painted;
// `returned` is the time until the open gave the event loop back.
double openShown(TabWidget *tabs, const QString &path, double *returned = nullptr)
{
    QElapsedTimer timer;
    timer.start();
    tabs->openFile(path);
    if (returned)
        *returned = timer.nsecsElapsed() / 1e9;
    UnicodeKaEditor *editor = tabs->editorAtIndex(tabs->count() - 1);
    return showAndClose(tabs, editor, timer);
}

void BM_StartupToShownWindow(benchmark::State &state)
{
    for (auto _ : state) {
        MainWindow window;
        window.handleArguments({QStringLiteral("yavo-pad")});
        QCoreApplication::processEvents();
        window.repaint();
        benchmark::DoNotOptimize(window.isVisible());
        state.PauseTiming();
        window.close();
        state.ResumeTiming();
    }
    reportPeakMemory(state);
}

void openDocument(benchmark::State &state, const QString &name)
{
    const QString path = writeFile(name, int(state.range(0)) * wordsPerPage);
    Window w;
    for (auto _ : state) {
        state.SetIterationTime(openShown(w.window.tabWidget(), path));
    }
    state.counters["pages"] = double(state.range(0));
    reportPeakMemory(state);
}

void BM_OpenDocxInTab(benchmark::State &state) { openDocument(state, QStringLiteral("pages.docx")); }
void BM_OpenOdtInTab(benchmark::State &state) { openDocument(state, QStringLiteral("pages.odt")); }

double bareRead(const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QTextDocument document;
    DocxReader reader;
    reader.cursor = QTextCursor(&document);
    reader.readData(&file);
    return timer.nsecsElapsed() / 1e9;
}

// The same read straight into the document of a shown editor, its layout
// and spell check running all through the read.
double readIntoShownEditor(TabWidget *tabs, const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    UnicodeKaEditor *editor = tabs->createEditor();
    tabs->addTab(tabs->newTabContent(editor), QStringLiteral("direct"));
    tabs->setCurrentIndex(tabs->count() - 1);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    DocxReader reader;
    reader.cursor = QTextCursor(editor->document());
    reader.readData(&file);
    return showAndClose(tabs, editor, timer);
}

// A 5 MB DOCX (about 1,300 pages): the bare read, the open in a tab until it
// returns to the event loop (ratio = returned_s / bare_read_s) and until its
// first page is painted (tab_open_s), and the same read into a shown editor.
void BM_Open5MbDocxInTabAgainstBareRead(benchmark::State &state)
{
    const int words = 5 * 1024 * 1024 / 11;   // about 11 bytes of UTF-8 a word
    const QString path = writeFile(QStringLiteral("5mb.docx"), words);
    const qint64 textBytes = qint64(words) * 11;
    Window w;
    double bare = 0;
    double tab = 0;
    double direct = 0;
    double returned = 0;
    int runs = 0;
    for (auto _ : state) {
        const double b = bareRead(path);
        double r = 0;
        const double t = openShown(w.window.tabWidget(), path, &r);
        returned += r;
        direct += readIntoShownEditor(w.window.tabWidget(), path);
        bare += b;
        tab += t;
        ++runs;
        state.SetIterationTime(t);
    }
    state.counters["bare_read_s"] = bare / runs;
    state.counters["tab_open_s"] = tab / runs;
    state.counters["returned_s"] = returned / runs;
    state.counters["ratio"] = returned / bare;
    state.counters["read_into_shown_editor_s"] = direct / runs;
    state.counters["text_MB"] = double(textBytes) / (1024 * 1024);
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1024 * 1024);
    reportPeakMemory(state);
}

} // namespace

BENCHMARK(BM_StartupToShownWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDocxInTab)->Arg(100)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenOdtInTab)->Arg(100)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open5MbDocxInTabAgainstBareRead)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const BenchHome home;
    QApplication app(argc, argv);
    QTemporaryDir dir;
    workDir = &dir;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
