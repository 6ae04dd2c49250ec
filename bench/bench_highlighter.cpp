// The spell check's whole-document work on long documents: switching spell
// check as you type on and off, and an editor taking over a finished
// document, each at 1 MB and 10 MB of Kannada text (UTF-8) shown in an
// editor. Both are timed from the command until the last paragraph is
// checked and laid out; "longest_pause_ms" is the longest time the event
// loop was kept busy in one go, which is what the user feels as a frozen
// window. A document taken over with spell check off gives what the
// layout's own background work costs, without the spell check.
#include "peakmemory.h"

#include "editor/highlighter.h"
#include "editor/unicodekaeditor.h"
#include "utils/utils.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScopedPointer>
#include <QSet>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

namespace {

constexpr int listWords = 50000;
constexpr int paragraphWords = 80;

// Kannada words of two to four syllables, each a consonant with a vowel
// sign or none, built from the code points directly.
QStringList kannadaWords(int count, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> syllables(2, 4);
    std::uniform_int_distribution<int> consonant(0x0C95, 0x0CB9);
    std::uniform_int_distribution<int> sign(0x0CBD, 0x0CCC);
    QSet<QString> seen;
    QStringList words;
    while (words.size() < count) {
        QString word;
        for (int s = syllables(random); s > 0;) {
            // Code points without a character in the block stay out.
            const QChar letter(consonant(random));
            if (!letter.isLetter())
                continue;
            word += letter;
            const QChar vowelSign(sign(random));
            if (vowelSign.isMark())
                word += vowelSign;
            --s;
        }
        if (!seen.contains(word)) {
            seen.insert(word);
            words << word;
        }
    }
    return words;
}

class Data
{
public:
    Data()
    {
        words = kannadaWords(listWords, 5);
        QDir::setCurrent(m_current.path());   // where the user dictionary is looked for
        utils.loadUserDictionary();
        utils.addWords(words);
    }

    // Known words, one in twenty unknown, in paragraphs, up to the size.
    QString document(int megabytes) const
    {
        const int bytes = megabytes * 1000 * 1000;
        std::mt19937 random(11);
        std::uniform_int_distribution<int> pick(0, words.size() - 1);
        QString text;
        int size = 0;
        for (int i = 1; size < bytes; ++i) {
            QString word = words.at(pick(random));
            if (i % 20 == 0)
                word += QChar(0x0CCD);
            word += QLatin1Char(i % paragraphWords ? ' ' : '\n');
            size += word.toUtf8().size();
            text += word;
        }
        return text;
    }

    QStringList words;
    Utils utils;

private:
    QTemporaryDir m_current;
};

Data *data = nullptr;

struct ShownEditor
{
    ShownEditor()
        : editor(&data->utils, 0, 0)
    {
        editor.resize(900, 1000);
        editor.show();
    }

    // Whether the spell check still has paragraphs to check, or the layout
    // has not reached the end of the document yet.
    bool busy() const
    {
        const auto *highlighter = editor.document()->findChild<Highlighter *>();
        const auto *timer = highlighter ? highlighter->findChild<QTimer *>() : nullptr;
        return (timer && timer->isActive()) || editor.document()->lastBlock().layout()->lineCount() == 0;
    }

    // Runs the event loop until the spell check and the layout are done;
    // the longest time one pass of the loop took, in ms.
    double runUntilIdle() const
    {
        double longest = 0;
        QElapsedTimer pass;
        while (busy()) {
            pass.start();
            QCoreApplication::processEvents();
            longest = std::max(longest, pass.nsecsElapsed() / 1e6);
        }
        return longest;
    }

    UnicodeKaEditor editor;
};

// Times the command and the work it leaves to the event loop.
template <class Command>
void timeCommand(benchmark::State &state, ShownEditor &shown, Command command, double *longest)
{
    QElapsedTimer call;
    call.start();
    command();
    *longest = std::max(*longest, call.nsecsElapsed() / 1e6);
    *longest = std::max(*longest, shown.runUntilIdle());
    benchmark::DoNotOptimize(state.iterations());
}

// Arguments: the document's size in MB; spell check switched on (1) or off (0).
void BM_SpellCheckSwitched(benchmark::State &state)
{
    const bool on = state.range(1) != 0;
    ShownEditor shown;
    shown.editor.setSpellCheckAsYouType(!on);
    shown.editor.setPlainText(data->document(int(state.range(0))));
    shown.editor.document()->documentLayout()->documentSize();
    shown.runUntilIdle();
    QCoreApplication::processEvents();
    double longest = 0;
    for (auto _ : state) {
        timeCommand(state, shown, [&] { shown.editor.setSpellCheckAsYouType(on); }, &longest);
        state.PauseTiming();
        shown.editor.setSpellCheckAsYouType(!on);
        shown.runUntilIdle();
        state.ResumeTiming();
    }
    state.counters["longest_pause_ms"] = longest;
    state.counters["paragraphs"] = shown.editor.document()->blockCount();
    reportPeakMemory(state);
}
BENCHMARK(BM_SpellCheckSwitched)->ArgNames({"MB", "on"})
        ->Args({1, 1})->Args({1, 0})->Args({10, 1})->Args({10, 0})
        ->Unit(benchmark::kMillisecond)->Iterations(1);

// A document read apart, as opening a file reads it, taken over by a shown
// editor. Arguments: the size in MB; spell check on (1) or off (0).
void BM_AdoptDocument(benchmark::State &state)
{
    const QString text = data->document(int(state.range(0)));
    double longest = 0;
    int paragraphs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ShownEditor shown;
        shown.editor.setSpellCheckAsYouType(state.range(1) != 0);
        shown.runUntilIdle();
        auto *read = new QTextDocument;
        read->setUndoRedoEnabled(false);
        read->setPlainText(text);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        timeCommand(state, shown, [&] { shown.editor.adoptDocument(read); }, &longest);
        paragraphs = shown.editor.document()->blockCount();
    }
    state.counters["longest_pause_ms"] = longest;
    state.counters["paragraphs"] = paragraphs;
    reportPeakMemory(state);
}
BENCHMARK(BM_AdoptDocument)->ArgNames({"MB", "spellcheck"})
        ->Args({1, 1})->Args({1, 0})->Args({10, 1})->Args({10, 0})
        ->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Loaded once for all the benchmarks, and gone before the application.
    const QScopedPointer<Data> loaded(new Data);
    data = loaded.data();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
