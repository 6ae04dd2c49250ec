// Nudi text through the ANSI-to-Unicode chain (NudiToAnsi, then
// AnsiToUnicode): throughput on about 1 MB of generated text, the peak
// memory of the process, and the chain's time against iconv(3) converting
// the same bytes.

#include "core/ansitounicode.h"
#include "core/nuditoansi.h"
#include "peakmemory.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <iconv.h>
#include <random>

namespace {

class TableProbe : public NudiToAnsi
{
public:
    using NudiToAnsi::glyphList;
    using NudiToAnsi::subjoinedGlyphs;
};

// Words of one to five syllables drawn from the glyph table, a subjoined
// consonant after some of them, a few digits and punctuation, twelve words
// a line.
const QString &nudiText()
{
    static const QString text = [] {
        TableProbe tables;
        std::mt19937 random(1234);
        auto pick = [&random](int count) { return int(random() % unsigned(count)); };
        QString text;
        text.reserve(1 << 20);
        int words = 0;
        while (text.size() < 1000000) {
            const int syllables = 1 + pick(5);
            for (int s = 0; s < syllables; ++s) {
                text += tables.glyphList.at(pick(tables.glyphList.size()));
                if (pick(4) == 0)
                    text += tables.subjoinedGlyphs.at(pick(tables.subjoinedGlyphs.size()));
            }
            if (pick(20) == 0)
                text += QStringLiteral("1990,");
            text += (++words % 12 == 0) ? QLatin1String("\r\n") : QLatin1String(" ");
        }
        return text;
    }();
    return text;
}

// As the input method's clipboard conversion: one object of each, whole text.
void BM_NudiChainText(benchmark::State &state)
{
    const QString &text = nudiText();
    for (auto _ : state) {
        NudiToAnsi nudiToAnsi;
        AnsiToUnicode ansiToUnicode;
        benchmark::DoNotOptimize(ansiToUnicode.convertText(nudiToAnsi.convertText(text)));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size());
    reportPeakMemory(state);
}
BENCHMARK(BM_NudiChainText)->Unit(benchmark::kMillisecond);

// As the word processor's conversion worker: word by word with convertWord.
void BM_NudiChainWordByWord(benchmark::State &state)
{
    const QString &text = nudiText();
    const QStringList words = text.split(QRegularExpression(QStringLiteral("[ \n]")));
    for (auto _ : state) {
        NudiToAnsi nudiToAnsi;
        AnsiToUnicode ansiToUnicode;
        for (const QString &word : words)
            benchmark::DoNotOptimize(ansiToUnicode.convertWord(nudiToAnsi.convertWord(word)));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size());
    reportPeakMemory(state);
}
BENCHMARK(BM_NudiChainWordByWord)->Unit(benchmark::kMillisecond);

// The chain against the C library's iconv turning the same text, as its
// Latin-1 bytes, into UTF-8: a plain character-set conversion of the same
// input, the yardstick of the chain's speed (goal: at most 5 times its
// time). Both run in every iteration, so that a busy machine slows both
// alike; the counters give each one's time per run and the ratio.
void BM_NudiChainVersusIconv(benchmark::State &state)
{
    using Clock = std::chrono::steady_clock;
    const QString &text = nudiText();
    QByteArray bytes = text.toLatin1();
    QByteArray utf8(2 * bytes.size(), Qt::Uninitialized);
    const iconv_t toUtf8 = iconv_open("UTF-8", "ISO-8859-1");
    if (toUtf8 == iconv_t(-1)) {
        state.SkipWithError("iconv cannot convert ISO-8859-1 to UTF-8");
        return;
    }
    Clock::duration chain {};
    Clock::duration iconvTime {};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        {
            NudiToAnsi nudiToAnsi;
            AnsiToUnicode ansiToUnicode;
            benchmark::DoNotOptimize(ansiToUnicode.convertText(nudiToAnsi.convertText(text)));
        }
        const Clock::time_point chainEnd = Clock::now();
        char *in = bytes.data();
        size_t inLeft = size_t(bytes.size());
        char *out = utf8.data();
        size_t outLeft = size_t(utf8.size());
        iconv(toUtf8, nullptr, nullptr, nullptr, nullptr);
        if (iconv(toUtf8, &in, &inLeft, &out, &outLeft) == size_t(-1) || inLeft != 0) {
            state.SkipWithError("iconv stopped before the end of the text");
            break;
        }
        benchmark::DoNotOptimize(utf8.data());
        chain += chainEnd - start;
        iconvTime += Clock::now() - chainEnd;
    }
    iconv_close(toUtf8);
    const double runs = double(std::max<benchmark::IterationCount>(state.iterations(), 1));
    const double chainMs = std::chrono::duration<double, std::milli>(chain).count() / runs;
    const double iconvMs = std::chrono::duration<double, std::milli>(iconvTime).count() / runs;
    state.counters["chain_ms"] = chainMs;
    state.counters["iconv_ms"] = iconvMs;
    state.counters["ratio"] = iconvMs > 0 ? chainMs / iconvMs : 0;
}
BENCHMARK(BM_NudiChainVersusIconv)->Unit(benchmark::kMillisecond);

void BM_NudiToAnsi(benchmark::State &state)
{
    const QString &text = nudiText();
    NudiToAnsi nudiToAnsi;
    for (auto _ : state)
        benchmark::DoNotOptimize(nudiToAnsi.convertText(text));
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size());
    reportPeakMemory(state);
}
BENCHMARK(BM_NudiToAnsi)->Unit(benchmark::kMillisecond);

void BM_AnsiToUnicode(benchmark::State &state)
{
    NudiToAnsi nudiToAnsi;
    const QString phonetic = nudiToAnsi.convertText(nudiText());
    AnsiToUnicode ansiToUnicode;
    for (auto _ : state)
        benchmark::DoNotOptimize(ansiToUnicode.convertText(phonetic));
    state.SetBytesProcessed(int64_t(state.iterations()) * phonetic.size());
    reportPeakMemory(state);
}
BENCHMARK(BM_AnsiToUnicode)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // AnsiToUnicode reads a setting: keep the real one out of reach.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QCoreApplication app(argc, argv);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
