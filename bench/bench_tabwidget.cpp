// Editing in the word processor as the user meets it: the real main window
// and tab widget (tab page, status bar, spell check as you type on, against
// a 50,000-word list), shown offscreen, with a Kannada text document of
// 10 KB to 10 MB open in a tab.
// - What one key costs until the window has repainted, at the end of the
//   document and in the middle of a paragraph in its middle, and the keys
//   that open or change the completion list on their own, also in the
//   middle of 200,000 short lines; and, in one run, the extra cost per key
//   of a 10 KB and a 5 MB document over an empty one.
// - What the whole-document commands cost (spell check as you type off and
//   on, script conversion into a new tab, Select All + Bold, its Undo,
//   Replace All): until the command returns, until the window is idle
//   again, and the longest time the event loop was held up meanwhile, also
//   after the command returned; with the peak memory beside the memory the
//   program took with the document open.
// - How long a document takes to settle after it is opened, beside a plain
//   QTextEdit given the same text in the same run.
// - The same for a document of many short lines, where the paragraphs, not
//   their text, are what there is much of; and a check of the whole of it
//   while it is still being laid out.
// - The CPU an idle window with a 5 MB document takes over ten seconds, and
//   what woke it up.
#include "benchhome.h"
#include "editoridle.h"
#include "kannadawords.h"
#include "peakmemory.h"

#include "app/mainwindow.h"
#include "app/scriptconvertdialog.h"
#include "app/tabwidget.h"
#include "app/ui_mainwindow.h"
#include "editor/findandreplacedialog.h"
#include "formats/documentfile.h"
#include "editor/highlighter.h"
#include "editor/private/inplacelayout_p.h"
#include "editor/unicodekaeditor.h"
#include "utils/utils.h"
#include "widgets/unicodelineedit.h"

#include "modalanswerer.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextStream>
#include <QTimer>
#include <private/qtextdocumentlayout_p.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int listWords = 50000;
constexpr int paragraphWords = 80;
constexpr int typedWords = 40;
constexpr int kilobyte = 1024;
constexpr int megabyte = 1024 * kilobyte;

QTemporaryDir *workDir = nullptr;

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// The resident memory of the process from /proc, in MiB: now, and at its
// highest since the last reset.
double procStatusMB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray key(field);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).simplified().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

double residentMB() { return procStatusMB("VmRSS:"); }
double peakResidentMB() { return procStatusMB("VmHWM:"); }

void resetPeakResident()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

struct Words
{
    Words()
        : list(generateKannadaWords(listWords, 7))
    {
    }
    QList<KannadaWord> list;
};

Words *words = nullptr;

// Writes a text file of that name in the work folder, once: write(out,
// anyWord) gets its stream and a seeded pick of an index into the word list.
template <class Write>
QString writtenOnce(const QString &name, unsigned seed, Write write)
{
    const QString path = workDir->filePath(name);
    if (QFile::exists(path))
        return path;
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pick(0, words->list.size() - 1);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QTextStream out(&file);
    out.setCodec("UTF-8");
    write(out, [&] { return pick(random); });
    return path;
}

// A document of about `bytes` bytes of UTF-8: known words in paragraphs of
// eighty, one word in twenty misspelled, and one in twenty-five the same
// frequent word (the one Replace All replaces). Written once per size.
QString documentFile(qint64 bytes)
{
    return writtenOnce(QStringLiteral("%1.txt").arg(bytes), 11, [bytes](QTextStream &out, auto anyWord) {
        qint64 written = 0;
        for (int i = 1; written < bytes; ++i) {
            QString word = words->list.at(i % 25 == 0 ? 0 : anyWord()).text;
            if (i % 20 == 0)
                word += QChar(0x0CCD);
            word += QLatin1Char(i % paragraphWords ? ' ' : '\n');
            written += word.toUtf8().size();
            out << word;
        }
    });
}

// A document of `lines` short lines, three words each (the last a number,
// which the word list does not know), as a list or a log would be.
QString shortLinesFile(int lines)
{
    return writtenOnce(QStringLiteral("lines%1.txt").arg(lines), 13, [lines](QTextStream &out, auto anyWord) {
        for (int i = 1; i <= lines; ++i)
            out << words->list.at(anyWord()).text << ' ' << words->list.at(anyWord()).text << ' ' << i << '\n';
    });
}

// The keys of a few dozen words, as typed with the Phonetic layout.
QString typedKeys()
{
    QString keys;
    for (int i = 0; i < typedWords; ++i)
        keys += words->list.at(i * 997 % words->list.size()).keys + QLatin1Char(' ');
    return keys;
}

Qt::Key keyFor(QChar c)
{
    if (c == QLatin1Char(' '))
        return Qt::Key_Space;
    return Qt::Key(Qt::Key_A + (c.toUpper().unicode() - 'A'));
}

// Runs the event loop until the document is laid out and spell checked,
// then a little longer for the work deferred after an edit (the cursor
// blinks on all the time, so the event loop is never quite still). Returns
// when the layout and the spell check were done.
double runUntilIdle(QTextDocument *doc)
{
    QElapsedTimer clock;
    clock.start();
    while (doc && (!layoutFinished(doc) || spellCheckBusy(doc)) && clock.elapsed() < 120000)
        QCoreApplication::processEvents();
    const double laidOut = clock.nsecsElapsed() / 1e9;
    QElapsedTimer tail;
    tail.start();
    while (tail.elapsed() < 400)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return laidOut;
}

class Pad
{
public:
    Pad()
    {
        m_window.handleArguments({QStringLiteral("yavo-pad")});
        m_window.resize(1280, 960);
        m_window.show();
        m_window.activateWindow();
        QApplication::setActiveWindow(&m_window);
        tabs()->slotLoadCompleter();
        QStringList list;
        for (const KannadaWord &word : qAsConst(words->list))
            list << word.text;
        tabs()->utils()->addWords(list);
        runUntilIdle(nullptr);
    }

    TabWidget *tabs() const { return m_window.tabWidget(); }
    Ui::MainWindow *ui() const { return m_window.ui(); }
    UnicodeKaEditor *editor() const { return tabs()->editorAtIndex(tabs()->currentIndex()); }

    // Opens the file in a new tab and waits until it is laid out.
    UnicodeKaEditor *open(const QString &path)
    {
        UnicodeKaEditor *e = openFile(path);
        runUntilIdle(e->document());
        return e;
    }

    // Opens the file in a new tab, as the user says yes to a text beyond
    // the large size, and returns as the window does.
    UnicodeKaEditor *openFile(const QString &path)
    {
        ModalAnswerer answerer;
        if (QFileInfo(path).size() > DocumentFile::LargeTextSize)
            answerer.expectMessageBox(QString(), QString(), QMessageBox::Yes);
        tabs()->openFile(path);
        UnicodeKaEditor *e = editor();
        e->setFocus();
        return e;
    }

    // Puts the cursor at the end of the document or before a word in the
    // middle of its middle paragraph, in view.
    void placeCursor(bool inMiddle)
    {
        UnicodeKaEditor *e = editor();
        QTextCursor cursor(e->document());
        if (inMiddle) {
            const QTextBlock block = e->document()->findBlockByNumber(e->document()->blockCount() / 2);
            cursor.setPosition(block.position() + block.length() / 2);
            cursor.movePosition(QTextCursor::StartOfWord);
        } else {
            cursor.movePosition(QTextCursor::End);
        }
        e->setTextCursor(cursor);
        e->ensureCursorVisible();
        runUntilIdle(e->document());
    }

    // Closes the tabs without asking to save them.
    void closeAll()
    {
        while (tabs()->count() > 0) {
            QWidget *page = tabs()->widget(0);
            tabs()->removeTab(0);
            delete page;
        }
        runUntilIdle(nullptr);
    }

private:
    MainWindow m_window;
};

Pad *pad = nullptr;

struct KeyCost
{
    double cpuMs = 0;     // mean CPU time per key
    double medianMs = 0;  // wall time per key
    double p95Ms = 0;
    double maxMs = 0;
    double paints = 0;    // paint events of the editor's viewport per key
    double changes = 0;   // changes the document reported (each one laid out) per key
    // The keys that gave the completion list a new prefix (opened the popup
    // or changed its list), alone.
    double completionKeys = 0;
    double completionMedianMs = 0;
    double completionP95Ms = 0;
    double completionMaxMs = 0;
    // What became of the changes (per key), where the editor lays out in
    // place: paragraphs laid out in place, those that grew or shrank a line,
    // changes handed to Qt's layout (which walks every paragraph after them),
    // and walks that brought Qt's marks up to date for a repaint.
    double inPlace = 0;
    double heightChanged = 0;
    double handedToQt = 0;
    double caughtUp = 0;
};

// Median, 95th percentile and longest of a few wall times.
struct Spread
{
    explicit Spread(std::vector<double> times)
    {
        if (times.empty())
            return;
        std::sort(times.begin(), times.end());
        median = times.at(times.size() / 2);
        p95 = times.at(times.size() * 95 / 100);
        longest = times.back();
    }
    double median = 0;
    double p95 = 0;
    double longest = 0;
};

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Types the keys one by one, as the event loop delivers them, each key
// followed by the event loop's turn in which the window repaints.
KeyCost typeKeys(UnicodeKaEditor *editor, const QString &keys)
{
    PaintCounter counter;
    editor->viewport()->installEventFilter(&counter);
    int changes = 0;
    const QMetaObject::Connection counting = QObject::connect(
            editor->document(), &QTextDocument::contentsChange, [&changes] { ++changes; });
    std::vector<double> wall;
    std::vector<double> completing;
    wall.reserve(keys.size());
    const QCompleter *completer = editor->completer();
    const auto *inPlace = qobject_cast<const InPlaceLayout *>(editor->document()->documentLayout());
    const InPlaceLayout::Counts countsBefore = inPlace ? inPlace->counts() : InPlaceLayout::Counts();
    const double cpuStart = cpuSeconds();
    QElapsedTimer clock;
    for (const QChar c : keys) {
        const QString prefix = completer ? completer->completionPrefix() : QString();
        clock.start();
        QKeyEvent press(QEvent::KeyPress, keyFor(c), Qt::NoModifier, QString(c));
        QApplication::sendEvent(editor, &press);
        QKeyEvent release(QEvent::KeyRelease, keyFor(c), Qt::NoModifier, QString(c));
        QApplication::sendEvent(editor, &release);
        QCoreApplication::processEvents();
        wall.push_back(clock.nsecsElapsed() / 1e6);
        if (completer && completer->completionPrefix() != prefix)
            completing.push_back(wall.back());
    }
    KeyCost cost;
    cost.completionKeys = double(completing.size());
    const Spread completion(completing);
    cost.completionMedianMs = completion.median;
    cost.completionP95Ms = completion.p95;
    cost.completionMaxMs = completion.longest;
    cost.cpuMs = (cpuSeconds() - cpuStart) * 1000 / keys.size();
    editor->viewport()->removeEventFilter(&counter);
    cost.paints = double(counter.paints) / keys.size();
    QObject::disconnect(counting);
    cost.changes = double(changes) / keys.size();
    const Spread all(wall);
    cost.medianMs = all.median;
    cost.p95Ms = all.p95;
    cost.maxMs = all.longest;
    if (inPlace) {
        const InPlaceLayout::Counts counts = inPlace->counts();
        const auto perKey = [&keys](int count) { return double(count) / keys.size(); };
        cost.inPlace = perKey(counts.laidOutInPlace - countsBefore.laidOutInPlace);
        cost.heightChanged = perKey(counts.heightChanged - countsBefore.heightChanged);
        cost.handedToQt = perKey(counts.handedToQt - countsBefore.handedToQt);
        cost.caughtUp = perKey(counts.caughtUp - countsBefore.caughtUp);
    }
    return cost;
}

void report(benchmark::State &state, const std::string &prefix, const KeyCost &cost)
{
    state.counters[prefix + "cpu_ms_per_key"] = cost.cpuMs;
    state.counters[prefix + "median_ms"] = cost.medianMs;
    state.counters[prefix + "p95_ms"] = cost.p95Ms;
    state.counters[prefix + "max_ms"] = cost.maxMs;
    state.counters[prefix + "paints_per_key"] = cost.paints;
    state.counters[prefix + "changes_per_key"] = cost.changes;
    state.counters[prefix + "completion_keys"] = cost.completionKeys;
    state.counters[prefix + "completion_median_ms"] = cost.completionMedianMs;
    state.counters[prefix + "completion_p95_ms"] = cost.completionP95Ms;
    state.counters[prefix + "completion_max_ms"] = cost.completionMaxMs;
    state.counters[prefix + "in_place_per_key"] = cost.inPlace;
    state.counters[prefix + "height_changed_per_key"] = cost.heightChanged;
    state.counters[prefix + "to_qt_per_key"] = cost.handedToQt;
    state.counters[prefix + "caught_up_per_key"] = cost.caughtUp;
}

// Arguments: document size in KiB, cursor at the end (0) or in the middle
// (1), spell check as you type on (1) or, for its share, off (0).
void BM_TypeInTab(benchmark::State &state)
{
    const QString keys = typedKeys();
    for (auto _ : state) {
        state.PauseTiming();
        pad->ui()->actionSpell_Check_As_You_Type->setChecked(state.range(2) != 0);
        UnicodeKaEditor *editor = pad->open(documentFile(state.range(0) * kilobyte));
        pad->placeCursor(state.range(1) != 0);
        state.ResumeTiming();
        report(state, "", typeKeys(editor, keys));
        state.PauseTiming();
        pad->closeAll();
        pad->ui()->actionSpell_Check_As_You_Type->setChecked(true);
        state.ResumeTiming();
    }
    state.counters["keys"] = keys.size();
    reportPeakMemory(state);
}
BENCHMARK(BM_TypeInTab)->ArgNames({"KiB", "middle", "spellcheck"})
        ->Args({10, 0, 1})->Args({10, 1, 1})->Args({1024, 0, 1})->Args({1024, 1, 1})
        ->Args({10 * 1024, 0, 1})->Args({10 * 1024, 1, 1})->Args({10, 1, 0})->Args({10 * 1024, 1, 0})
        ->Unit(benchmark::kMillisecond)->Iterations(1);

// Argument: thousands of short lines. Words typed at the end of the middle
// line, where the keys that open, change or close the completion list must
// cost no more than the others: nothing of them reaches past the line.
void BM_CompletionKeysInShortLines(benchmark::State &state)
{
    const QString keys = typedKeys();
    const QString path = shortLinesFile(int(state.range(0)) * 1000);
    for (auto _ : state) {
        state.PauseTiming();
        UnicodeKaEditor *editor = pad->open(path);
        QTextCursor cursor(editor->document()->findBlockByNumber(editor->document()->blockCount() / 2));
        cursor.movePosition(QTextCursor::EndOfBlock);
        editor->setTextCursor(cursor);
        editor->ensureCursorVisible();
        runUntilIdle(editor->document());
        state.ResumeTiming();
        report(state, "", typeKeys(editor, QLatin1Char(' ') + keys));
        state.PauseTiming();
        pad->closeAll();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CompletionKeysInShortLines)->ArgName("thousand_lines")->Arg(200)
        ->Unit(benchmark::kMillisecond)->Iterations(1);

// The extra cost of a key in a 10 KB and in a 5 MB document over a key in
// an empty one, measured in one run.
void BM_KeyCostOverEmptyDocument(benchmark::State &state)
{
    const QString keys = typedKeys();
    KeyCost empty;
    KeyCost small;
    KeyCost large;
    for (auto _ : state) {
        pad->tabs()->slotNew();
        pad->editor()->setFocus();
        runUntilIdle(pad->editor()->document());
        empty = typeKeys(pad->editor(), keys);
        pad->closeAll();
        small = typeKeys(pad->open(documentFile(10 * kilobyte)), keys);
        pad->closeAll();
        large = typeKeys(pad->open(documentFile(5 * megabyte)), keys);
        pad->closeAll();
    }
    report(state, "empty_", empty);
    report(state, "10KiB_", small);
    report(state, "5MiB_", large);
    state.counters["10KiB_extra_cpu_ms_per_key"] = small.cpuMs - empty.cpuMs;
    state.counters["5MiB_extra_cpu_ms_per_key"] = large.cpuMs - empty.cpuMs;
}
BENCHMARK(BM_KeyCostOverEmptyDocument)->Unit(benchmark::kMillisecond)->Iterations(1);

struct CommandCost
{
    double returnedS = 0;   // until the command gave the event loop back
    double settledS = 0;    // until the document was laid out again
    double longestPauseMs = 0;
    // The longest pause once the command had returned, until settled: the
    // work it left to the event loop (layout, spell check).
    double settlingPauseMs = 0;
};

template <class Command>
CommandCost timeCommand(QTextDocument *(*document)(), Command command)
{
    CommandCost cost;
    PauseMeter meter;
    QElapsedTimer clock;
    clock.start();
    command();
    cost.returnedS = clock.nsecsElapsed() / 1e9;
    {
        PauseMeter settling;
        cost.settledS = cost.returnedS + runUntilIdle(document());
        cost.settlingPauseMs = settling.longestMs();
    }
    cost.longestPauseMs = meter.longestMs();
    return cost;
}

// The floor: the time a plain QTextEdit of the same font and page width
// takes to show the text and lay it out.
double floorSettledS(const QString &text, const QFont &font, const QSize &viewport)
{
    QTextEdit floor;
    floor.setFont(font);
    floor.document()->setDefaultFont(font);
    floor.resize(viewport + QSize(2 * floor.frameWidth(), 2 * floor.frameWidth()));
    floor.show();
    QElapsedTimer clock;
    clock.start();
    floor.setPlainText(text);
    return clock.nsecsElapsed() / 1e9 + runUntilIdle(floor.document());
}

QTextDocument *currentDocument()
{
    return pad->editor()->document();
}

void report(benchmark::State &state, const std::string &name, const CommandCost &cost)
{
    state.counters[name + "_returned_s"] = cost.returnedS;
    state.counters[name + "_settled_s"] = cost.settledS;
    state.counters[name + "_longest_pause_ms"] = cost.longestPauseMs;
    state.counters[name + "_settling_longest_pause_ms"] = cost.settlingPauseMs;
}

void clickReplaceAll(const QString &find, const QString &replace)
{
    // The main window has taken the panel in below the tabs.
    auto *panel = pad->tabs()->window()->findChild<FindAndReplaceDialog *>();
    panel->findChild<UnicodeLineEdit *>(QStringLiteral("findLineEdit"))->setText(find);
    panel->findChild<UnicodeLineEdit *>(QStringLiteral("replaceLineEdit"))->setText(replace);
    panel->findChild<QAbstractButton *>(QStringLiteral("replaceAllBtn"))->click();
}

// Argument: document size in MiB. The document opened, spell check as you
// type switched off and on again, Select All + Bold, Undo, Replace All of a
// frequent word and the script conversion of the whole document into
// Telugu, one after the other on the same document.
void BM_WholeDocumentCommands(benchmark::State &state)
{
    const QString path = documentFile(state.range(0) * megabyte);
    for (auto _ : state) {
        state.PauseTiming();
        pad->closeAll();
        const double base = residentMB();
        state.ResumeTiming();
        report(state, "open", timeCommand(currentDocument, [&path] { pad->openFile(path); }));
        state.PauseTiming();
        pad->placeCursor(true);
        const double opened = residentMB();
        resetPeakResident();
        state.ResumeTiming();

        Ui::MainWindow *ui = pad->ui();
        report(state, "spellcheck_off", timeCommand(currentDocument, [ui] {
            ui->actionSpell_Check_As_You_Type->trigger();
        }));
        report(state, "spellcheck_on", timeCommand(currentDocument, [ui] {
            ui->actionSpell_Check_As_You_Type->trigger();
        }));
        report(state, "bold", timeCommand(currentDocument, [ui] {
            ui->actionSelect_All->trigger();
            ui->actionBold->trigger();
        }));
        report(state, "undo", timeCommand(currentDocument, [ui] { ui->actionUndo->trigger(); }));

        // Nothing selected: the find panel would take the whole text as
        // the word to find.
        pad->placeCursor(true);
        ui->actionFind_2->trigger();
        QString failure;
        {
            ModalAnswerer answerer;
            answerer.expectMessageBox(QString(), QString(), QMessageBox::Ok);
            report(state, "replace_all", timeCommand(currentDocument, [] {
                clickReplaceAll(words->list.at(0).text, words->list.at(1).text);
            }));
            failure += answerer.failure();
        }
        {
            ModalAnswerer answerer;
            answerer.expectDialog<ScriptConvertDialog>(QString(), [](ScriptConvertDialog *dialog) {
                dialog->findChild<QComboBox *>(QStringLiteral("toLanguageCombo"))->setCurrentIndex(1);
                static_cast<QDialog *>(dialog)->accept();
            });
            answerer.expectMessageBox(QString(), QString(), QMessageBox::Ok);
            const CommandCost convert = timeCommand(currentDocument, [ui] { ui->actionScriptConvert->trigger(); });
            report(state, "convert", convert);
            failure += answerer.failure();
            // Beside the floor of the converted text, in the result's font.
            state.PauseTiming();
            UnicodeKaEditor *result = pad->editor();
            const double floor = floorSettledS(result->toPlainText(), result->document()->defaultFont(),
                                               result->viewport()->size());
            state.ResumeTiming();
            state.counters["convert_floor_settled_s"] = floor;
            state.counters["convert_over_floor"] = convert.settledS / floor;
        }

        state.PauseTiming();
        if (!failure.isEmpty()) {
            state.SkipWithError(qPrintable(failure));
            break;
        }
        const double peak = peakResidentMB();
        state.counters["base_MB"] = base;
        state.counters["opened_MB"] = opened;
        state.counters["peak_MB"] = peak;
        state.counters["peak_over_opened"] = peak / opened;
        state.counters["document_MB"] = opened - base;
        state.counters["peak_growth_over_document"] = (peak - opened) / (opened - base);
        pad->closeAll();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WholeDocumentCommands)->ArgName("MiB")->Arg(1)->Arg(10)
        ->Unit(benchmark::kMillisecond)->Iterations(1);

// Argument: document size in MiB. The document opened with spell check as
// you type on and off, until laid out and checked, beside the floor: the
// same text in a plain QTextEdit of the same font and page width, in the
// same run. Reports each and their ratios.
void BM_SettleAfterLoad(benchmark::State &state)
{
    const QString path = documentFile(state.range(0) * megabyte);
    Ui::MainWindow *ui = pad->ui();
    CommandCost checked;
    CommandCost unchecked;
    double floorS = 0;
    for (auto _ : state) {
        pad->closeAll();
        checked = timeCommand(currentDocument, [&path] { pad->openFile(path); });
        pad->closeAll();
        ui->actionSpell_Check_As_You_Type->setChecked(false);
        unchecked = timeCommand(currentDocument, [&path] { pad->openFile(path); });
        const QFont font = pad->editor()->document()->defaultFont();
        const QSize viewport = pad->editor()->viewport()->size();
        pad->closeAll();
        ui->actionSpell_Check_As_You_Type->setChecked(true);

        QFile file(path);
        file.open(QIODevice::ReadOnly);
        floorS = floorSettledS(QString::fromUtf8(file.readAll()), font, viewport);
    }
    report(state, "open_spellcheck_on", checked);
    report(state, "open_spellcheck_off", unchecked);
    state.counters["floor_settled_s"] = floorS;
    state.counters["spellcheck_on_over_floor"] = checked.settledS / floorS;
    state.counters["spellcheck_off_over_floor"] = unchecked.settledS / floorS;
}
BENCHMARK(BM_SettleAfterLoad)->ArgName("MiB")->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(1);

// Argument: thousands of short lines. The document opened; spell check as
// you type switched off and on once it is laid out; then opened again and
// checked again at once, while it is still being laid out, as when the word
// list arrives after a file named on the command line. Each step should
// cost in proportion to the lines.
void BM_ShortLines(benchmark::State &state)
{
    const QString path = shortLinesFile(int(state.range(0)) * 1000);
    Ui::MainWindow *ui = pad->ui();
    for (auto _ : state) {
        state.PauseTiming();
        pad->closeAll();
        state.ResumeTiming();
        report(state, "open", timeCommand(currentDocument, [&path] { pad->openFile(path); }));
        report(state, "spellcheck_off", timeCommand(currentDocument, [ui] {
            ui->actionSpell_Check_As_You_Type->trigger();
        }));
        report(state, "spellcheck_on", timeCommand(currentDocument, [ui] {
            ui->actionSpell_Check_As_You_Type->trigger();
        }));
        state.PauseTiming();
        pad->closeAll();
        state.ResumeTiming();
        report(state, "open_and_check_again", timeCommand(currentDocument, [&path, ui] {
            pad->openFile(path);
            ui->actionSpell_Check_As_You_Type->trigger();
        }));
        state.PauseTiming();
        ui->actionSpell_Check_As_You_Type->trigger();
        pad->closeAll();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShortLines)->ArgName("thousand_lines")->Arg(20)->Arg(200)
        ->Unit(benchmark::kMillisecond)->Iterations(1);

// Counts what the event loop delivers while the window is idle, by
// receiver (a timer by its owner).
class WakeUpCounter : public QObject
{
public:
    std::map<std::string, int> counts;
    int total = 0;

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Timer || type == QEvent::UpdateRequest || type == QEvent::MetaCall) {
            QObject *owner = receiver->inherits("QTimer") && receiver->parent() ? receiver->parent() : receiver;
            ++counts[std::string(owner->metaObject()->className()) + ":" + std::to_string(int(type))];
            ++total;
        }
        return false;
    }
};

void BM_IdleWith5MbDocument(benchmark::State &state)
{
    constexpr int idleMs = 10000;
    double percent = 0;
    WakeUpCounter wakeUps;
    for (auto _ : state) {
        state.PauseTiming();
        pad->closeAll();
        UnicodeKaEditor *editor = pad->open(documentFile(5 * megabyte));
        // The text cursor blinks in the focused editor of the active window.
        QApplication::setActiveWindow(editor->window());
        editor->setFocus();
        QCoreApplication::processEvents();
        state.counters["editor_has_focus"] = editor->hasFocus();
        state.ResumeTiming();
        qApp->installEventFilter(&wakeUps);
        const double start = cpuSeconds();
        QEventLoop loop;
        QTimer::singleShot(idleMs, &loop, &QEventLoop::quit);
        loop.exec();
        percent = (cpuSeconds() - start) * 100 * 1000 / idleMs;
        qApp->removeEventFilter(&wakeUps);
        state.PauseTiming();
        pad->closeAll();
        state.ResumeTiming();
    }
    state.counters["idle_cpu_percent"] = percent;
    state.counters["wakeups_per_s"] = wakeUps.total * 1000.0 / idleMs;
    std::vector<std::pair<int, std::string>> ranked;
    for (const auto &entry : wakeUps.counts)
        ranked.emplace_back(entry.second, entry.first);
    std::sort(ranked.rbegin(), ranked.rend());
    std::string label;
    for (size_t i = 0; i < ranked.size() && i < 3; ++i)
        label += ranked[i].second + "x" + std::to_string(ranked[i].first) + " ";
    state.SetLabel(label);
}
BENCHMARK(BM_IdleWith5MbDocument)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const BenchHome home;
    QApplication app(argc, argv);
    // The find panel's history store needs the suite's own SQL driver.
    QCoreApplication::addLibraryPath(QStringLiteral(YAVO_PLUGIN_DIR));
    QTemporaryDir dir;
    workDir = &dir;
    Words built;
    words = &built;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    {
        Pad window;
        pad = &window;
        benchmark::RunSpecifiedBenchmarks();
        pad = nullptr;
    }
    benchmark::Shutdown();
    return 0;
}
