// Speed of the keystroke transliterator: the editor builds an engine and
// converts the whole word buffer on every key, and the script converter and
// the BRH loader push whole documents through it.

#include "core/indictransliterator.h"
#include "peakmemory.h"

#include <benchmark/benchmark.h>

#include <QString>
#include <QStringList>

namespace {

// Forty keys of running phonetic text, typed one key at a time.
const QString typedKeys = QStringLiteral("namaskaarakannaDanuDiyalliOMkaarakShemaa");

QString mixedText()
{
    static const QString text = [] {
        const QStringList words = {
            QStringLiteral("namaskaara"), QStringLiteral("kannaDa"), QStringLiteral("bhaaShe,"),
            QStringLiteral("OMkaara"), QStringLiteral("hindi"), QStringLiteral("command"),
            QStringLiteral("2024"), QStringLiteral("\"nuDi\""), QStringLiteral("kSheema."),
            QStringLiteral("\u0C95\u0CA8\u0CCD\u0CA8\u0CA1"), QStringLiteral("rF"),
            QStringLiteral("jIvana;"), QStringLiteral("\u00BD"), QStringLiteral("Sh&t$"),
        };
        QString t;
        int n = 0;
        while (t.size() < 256 * 1024) {
            t += words.at(n % words.size());
            t += (++n % 11 == 0) ? QLatin1Char('\n') : QLatin1Char(' ');
        }
        return t;
    }();
    return text;
}

// One keystroke in the editor: a fresh engine converts the buffer so far.
void BM_Keystroke(benchmark::State &state)
{
    const QString buffer = typedKeys.left(int(state.range(0)));
    const int layout = int(state.range(1));
    for (auto _ : state) {
        IndicTransliterator engine;
        benchmark::DoNotOptimize(engine.convert(buffer, 0, layout));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Keystroke)
    ->ArgNames({"keys", "layout"})
    ->ArgsProduct({{1, 2, 5, 10, 20, 30, 40}, {0, 1}});

// Converting a long mixed text (keys, punctuation, digits, Indic letters).
void BM_Throughput(benchmark::State &state)
{
    const QString text = mixedText();
    const int layout = int(state.range(0));
    const int language = int(state.range(1));
    IndicTransliterator engine;
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.convert(text, language, layout));
    state.SetBytesProcessed(int64_t(state.iterations()) * text.toUtf8().size());
    reportPeakMemory(state);
}
BENCHMARK(BM_Throughput)
    ->ArgNames({"layout", "language"})
    ->ArgsProduct({{0, 1, 2, 3}, {0, 4, 8}})
    ->Unit(benchmark::kMillisecond);

// The script converter: Indic text and Latin keys into another script.
void BM_MixedThroughput(benchmark::State &state)
{
    const QString text = mixedText();
    const int language = int(state.range(0));
    IndicTransliterator engine;
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.convertMixed(text, language, 0));
    state.SetBytesProcessed(int64_t(state.iterations()) * text.toUtf8().size());
    reportPeakMemory(state);
}
BENCHMARK(BM_MixedThroughput)->ArgName("language")->Arg(0)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);

void BM_Construct(benchmark::State &state)
{
    for (auto _ : state) {
        IndicTransliterator engine;
        benchmark::DoNotOptimize(&engine);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Construct);

// Building an engine and reading the key list a layout shows (the tutor).
void BM_ConstructAndListKeys(benchmark::State &state)
{
    for (auto _ : state) {
        IndicTransliterator engine(0, 2);
        benchmark::DoNotOptimize(engine.keysForKeyboard());
    }
}
BENCHMARK(BM_ConstructAndListKeys);

} // namespace

BENCHMARK_MAIN();
