// Large and hostile files opened through the word processor's tab widget, as
// a user opens them: the time until the open returns and the peak memory of
// each case on its own. Large text is asked about and then read; what is no
// text, too large or no regular file is refused before it costs anything.
// Texts of 25, 40 and 64 MB (the largest the budget admits) are also
// followed until they are laid out and spell checked in a shown window.

#include "app/mainwindow.h"
#include "app/tabwidget.h"
#include "editor/unicodekaeditor.h"
#include "appbenchmarkmain.h"
#include "editoridle.h"
#include "officetestutil.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <private/qtextdocumentlayout_p.h>

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <sys/stat.h>

namespace {

constexpr qint64 MegaByte = 1024 * 1024;

QTemporaryDir *workDir = nullptr;

// The peak resident memory from now on, in MiB: what the allocator holds
// free goes back to the system, and the kernel's high-water mark is set back
// to what the process holds now.
class PeakMemory
{
public:
    PeakMemory()
    {
        ::malloc_trim(0);
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5");
        m_before = status("VmRSS:");
    }
    double before() const { return m_before; }
    double peak() const { return status("VmHWM:"); }

private:
    static double status(const QByteArray &field)
    {
        QFile file(QStringLiteral("/proc/self/status"));
        if (!file.open(QIODevice::ReadOnly))
            return 0;
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (line.startsWith(field))
                return line.mid(field.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
        }
        return 0;
    }

    double m_before = 0;
};

// Presses the button of every message box the word processor opens.
class Answerer : public QObject
{
public:
    explicit Answerer(QMessageBox::StandardButton button)
        : m_button(button)
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                QAbstractButton *b = box->button(m_button) ? box->button(m_button) : box->button(QMessageBox::Ok);
                if (b)
                    b->click();
            }
        });
        m_timer.start(5);
    }

private:
    QMessageBox::StandardButton m_button;
    QTimer m_timer;
};

QString makeFile(const QString &name, const QByteArray &bytes, qint64 size = 0)
{
    const QString path = workDir->filePath(name);
    if (QFile::exists(path))
        return path;
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    if (size > 0)
        file.resize(size);
    return path;
}

// Lines of Kannada and Latin words, about `megabytes` MB of UTF-8.
QByteArray lines(qint64 megabytes)
{
    const QByteArray line =
            QStringLiteral("ಕನ್ನಡ ಪಠ್ಯದ ಒಂದು ಸಾಲು, a line of Kannada text among many others, ಮತ್ತೆ ಇನ್ನೊಂದು ಸಾಲು\n").toUtf8();
    return line.repeated(int(megabytes * MegaByte / line.size()));
}

struct Window
{
    Window() { window.handleArguments({QStringLiteral("yavo-pad")}); }
    MainWindow window;
};

// Closes the tabs from `first` on, without asking to save them.
void closeTabsAfter(TabWidget *tabs, int first)
{
    while (tabs->count() > first) {
        QWidget *page = tabs->widget(tabs->count() - 1);
        tabs->removeTab(tabs->count() - 1);
        delete page;
    }
}

// Opens the file (answering every question with `answer`) and closes what
// it opened; reports the time until the open returned, the peak memory
// (and what the process held before) and whether a tab was made.
void open(benchmark::State &state, const QString &path, QMessageBox::StandardButton answer)
{
    Window w;
    TabWidget *tabs = w.window.tabWidget();
    const int tabsBefore = tabs->count();
    double peak = 0;
    double before = 0;
    int opened = 0;
    for (auto _ : state) {
        const Answerer answerer(answer);
        const PeakMemory memory;
        QElapsedTimer timer;
        timer.start();
        tabs->openFile(path);
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        QCoreApplication::processEvents();
        peak = qMax(peak, memory.peak());
        before = memory.before();
        opened = tabs->count() - tabsBefore;
        closeTabsAfter(tabs, tabsBefore);
    }
    state.counters["peak_MB"] = peak;
    state.counters["before_MB"] = before;
    state.counters["tab"] = opened;
    state.counters["file_MB"] = double(QFileInfo(path).size()) / MegaByte;
}

void BM_LargeText(benchmark::State &state)
{
    open(state, makeFile(QStringLiteral("text-%1.txt").arg(state.range(0)), lines(state.range(0))), QMessageBox::Yes);
}

void BM_TextOf500MbRefused(benchmark::State &state)
{
    open(state, makeFile(QStringLiteral("500.txt"), "text", 500 * MegaByte), QMessageBox::Ok);
}

void BM_NulBytes10MbRefused(benchmark::State &state)
{
    open(state, makeFile(QStringLiteral("nul.txt"), QByteArray(), 10 * MegaByte), QMessageBox::Ok);
}

void BM_SingleLine10MbNotShown(benchmark::State &state)
{
    open(state, makeFile(QStringLiteral("line.txt"), QByteArray("word ").repeated(int(2 * MegaByte))), QMessageBox::Yes);
}

void BM_KannadaLine6MbNotShown(benchmark::State &state)
{
    open(state, makeFile(QStringLiteral("kannada.txt"), QStringLiteral("ಕನ್ನಡ ಪಠ್ಯದ ಒಂದೇ ಸಾಲು ").repeated(110000).toUtf8()),
         QMessageBox::Yes);
}

void BM_DevZeroRefused(benchmark::State &state)
{
    open(state, QStringLiteral("/dev/zero"), QMessageBox::Ok);
}

void BM_PipeRefused(benchmark::State &state)
{
    const QString path = workDir->filePath(QStringLiteral("pipe.txt"));
    ::mkfifo(QFile::encodeName(path).constData(), 0600);
    open(state, path, QMessageBox::Ok);
}

// A small document part beside 10 MB of padding, inflating to 255 MB.
QString paddedZipBomb()
{
    const QString path = workDir->filePath(QStringLiteral("bomb.docx"));
    if (QFile::exists(path))
        return path;
    const QByteArray part = "<?xml version=\"1.0\"?><w:document xmlns:w=\"http://schemas.openxmlformats.org/"
                            "wordprocessingml/2006/main\"><w:body>"
            + QByteArray("<w:p><w:r><w:t>x</w:t></w:r></w:p>").repeated(7500000) + "</w:body></w:document>";
    return makeFile(QStringLiteral("bomb.docx"),
                    OfficeTest::zip({{QStringLiteral("word/document.xml"), part},
                                     {QStringLiteral("word/media/padding.bin"), OfficeTest::incompressible(int(10 * MegaByte))}}));
}

void BM_PaddedZipBombRefused(benchmark::State &state)
{
    open(state, paddedZipBomb(), QMessageBox::Ok);
}

// Opens the file in a shown window, as a user does, and follows it until
// it has settled: the time until the window is usable (the open returned and
// the events came round once), the longest time the events waited, the time
// until it settled (the document laid out and spell checked; with no
// document, no turn of the event loop longer than a few milliseconds for
// 100 ms), the peak memory, and the size the text was laid out at (its
// lines as wide as the window's text area, or wider).
void openAndSettle(benchmark::State &state, const QString &path, QMessageBox::StandardButton answer)
{
    Window w;
    w.window.resize(1280, 960);
    w.window.show();
    QCoreApplication::processEvents();
    TabWidget *tabs = w.window.tabWidget();
    const int tabsBefore = tabs->count();
    double usable = 0;
    double settled = 0;
    double pause = 0;
    double peak = 0;
    double height = 0;
    int width = 0;
    qreal lineWidth = 0;
    bool done = false;
    int opened = 0;
    for (auto _ : state) {
        const Answerer answerer(answer);
        const PeakMemory memory;
        PauseMeter pauses;
        QElapsedTimer clock;
        clock.start();
        tabs->openFile(path);
        QCoreApplication::processEvents();
        usable = clock.nsecsElapsed() / 1e9;
        opened = tabs->count() - tabsBefore;
        UnicodeKaEditor *editor = opened > 0 ? tabs->editorAtIndex(tabs->count() - 1) : nullptr;
        QTextDocument *doc = editor ? editor->document() : nullptr;
        constexpr qint64 cap = 30 * 60 * 1000;
        if (doc) {
            while ((!layoutFinished(doc) || spellCheckBusy(doc)) && clock.elapsed() < cap)
                QCoreApplication::processEvents();
            done = layoutFinished(doc) && !spellCheckBusy(doc);
            height = doc->documentLayout()->documentSize().height();
            width = editor->viewport()->width();
            lineWidth = doc->textWidth();
        } else {
            QElapsedTimer idle;
            idle.start();
            while (idle.elapsed() < 100 && clock.elapsed() < cap) {
                QElapsedTimer turn;
                turn.start();
                QCoreApplication::processEvents();
                if (turn.elapsed() > 5)
                    idle.restart();
            }
            done = idle.elapsed() >= 100;
        }
        settled = clock.nsecsElapsed() / 1e9;
        state.SetIterationTime(settled);
        pause = pauses.longestMs();
        peak = qMax(peak, memory.peak());
        closeTabsAfter(tabs, tabsBefore);
    }
    state.counters["usable_s"] = usable;
    state.counters["settled_s"] = settled;
    state.counters["settled"] = done;
    state.counters["longest_pause_ms"] = pause;
    state.counters["peak_MB"] = peak;
    state.counters["tab"] = opened;
    state.counters["file_MB"] = double(QFileInfo(path).size()) / MegaByte;
    state.counters["text_width_px"] = width;
    // Wider than the window where the text would be too tall to lay out.
    state.counters["line_width_px"] = lineWidth;
    state.counters["text_height_px"] = height;
}

// Lines of 255 characters, `megabytes` MB of them: past 21,474,836
// characters Qt's percentage of the layout done wraps in int.
QString lineTextFile(qint64 megabytes)
{
    const QByteArray line = QByteArray(255, 'x') + '\n';
    return makeFile(QStringLiteral("lines-%1.txt").arg(megabytes), line.repeated(int(megabytes * MegaByte / line.size())));
}

// A long text followed until it is laid out and spell checked.
void BM_LargeTextSettles(benchmark::State &state)
{
    openAndSettle(state, lineTextFile(state.range(0)), QMessageBox::Yes);
}

// 12 MB of empty paragraphs: the reader's budget ends it.
void BM_RtfOf2MillionParagraphs(benchmark::State &state)
{
    openAndSettle(state, makeFile(QStringLiteral("paragraphs.rtf"), "{\\rtf1 " + QByteArray("x\\par ").repeated(2000000) + "}"),
                  QMessageBox::Ok);
}

// 1.5 MB of lines, each converted from the Phonetic keys.
void BM_BrhOf500000Lines(benchmark::State &state)
{
    openAndSettle(state, makeFile(QStringLiteral("lines.brh"), QByteArray("ka\n").repeated(500000)), QMessageBox::Ok);
}

// Argument: how many tables lie in one another.
void BM_HtmlNestedTables(benchmark::State &state)
{
    const int depth = int(state.range(0));
    openAndSettle(state,
                  makeFile(QStringLiteral("nested-%1.html").arg(depth),
                           "<html><body>" + QByteArray("<table><tr><td>").repeated(depth) + "x"
                                   + QByteArray("</td></tr></table>").repeated(depth) + "</body></html>"),
                  QMessageBox::Ok);
}

// Argument: thousands of cells in one table of 400 columns.
void BM_HtmlTable(benchmark::State &state)
{
    const int rows = int(state.range(0)) * 1000 / 400;
    openAndSettle(state,
                  makeFile(QStringLiteral("table-%1.html").arg(state.range(0)),
                           "<table>" + ("<tr>" + QByteArray("<td>c</td>").repeated(400) + "</tr>").repeated(rows)
                                   + "</table>"),
                  QMessageBox::Ok);
}

void BM_HtmlParagraphs500k(benchmark::State &state)
{
    openAndSettle(state, makeFile(QStringLiteral("paragraphs.html"), QByteArray("<p>x").repeated(500000)),
                  QMessageBox::Ok);
}

} // namespace

BENCHMARK(BM_LargeText)->Arg(8)->Arg(32)->Arg(64)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LargeTextSettles)->Arg(25)->Arg(40)->Arg(64)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_TextOf500MbRefused)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NulBytes10MbRefused)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SingleLine10MbNotShown)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KannadaLine6MbNotShown)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DevZeroRefused)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PipeRefused)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaddedZipBombRefused)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RtfOf2MillionParagraphs)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrhOf500000Lines)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HtmlNestedTables)->Arg(8)->Arg(24)->Arg(4000)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HtmlTable)->Arg(16)->Arg(400)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HtmlParagraphs500k)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

YAVO_APP_BENCHMARK_MAIN(workDir)
