// Time per key of the input method's converters: each iteration types one
// key of a long text through the hook's rules (key pairing, resets at spaces
// and punctuation) and applies the record, so the figure is what the hook
// waits for on every key press.

#include "ime/ansi2indicansi.h"
#include "ime/ansi2indicunicode.h"
#include "keyfeeder.h"
#include "peakmemory.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <memory>

namespace {

const char phoneticText[] =
    "kannaDa naaDina jaanapada saahityavu shrImantavaagide. haLLigaLalli "
    "janaru haaDuva haaDugaLu, hELuva kathegaLu mattu aaDuva aaTagaLu "
    "namma samskRutiya bhaaga. ";
const char kpraoText[] =
    "PfrAtiIy knfnw nAwin jAnpd sAhitxfyvu SfrImntvAgide. hLfLigLlfli "
    "jnru hAwuv hAwugLu, hEUv kTegLu mtfTu AwuvAqgLu. ";
const char inscriptText[] =
    "kcvdko vkfjh hkjh jdLd ;ljbd /Mk dlk; ekja. ";
const char digitText[] = "2026 12 10 1500 42 ";

enum Encoding { Unicode, Ansi };

void typeKeys(benchmark::State &state, Encoding encoding, int language, int layout,
              const char *text)
{
    std::unique_ptr<AnsiToIndicBase> converter;
    if (encoding == Ansi)
        converter = std::make_unique<ANSI2IndicANSI>(language, layout);
    else
        converter = std::make_unique<ANSI2IndicUnicode>(language, layout);
    KeyFeeder feeder(*converter);
    const QString keys = QString::fromLatin1(text);

    int position = 0;
    for (auto _ : state) {
        const ConverterOutput out = feeder.type(keys.mid(position, 1));
        benchmark::DoNotOptimize(out);
        if (++position == keys.size()) {
            position = 0;
            // Bookkeeping of the feeder, not of the hook: keep it small.
            feeder.clearApplicationText();
        }
    }
    state.SetItemsProcessed(state.iterations());
    reportPeakMemory(state);
}

} // namespace

BENCHMARK_CAPTURE(typeKeys, UnicodePhoneticKannada, Unicode, 0, 0, phoneticText);
BENCHMARK_CAPTURE(typeKeys, UnicodePhonetic2Tamil, Unicode, 8, 3, phoneticText);
BENCHMARK_CAPTURE(typeKeys, UnicodeKPRaoKannada, Unicode, 0, 1, kpraoText);
BENCHMARK_CAPTURE(typeKeys, UnicodeInScriptHindi, Unicode, 4, 2, inscriptText);
BENCHMARK_CAPTURE(typeKeys, AnsiKPRao, Ansi, 0, 1, kpraoText);
BENCHMARK_CAPTURE(typeKeys, AnsiInScript, Ansi, 0, 2, inscriptText);
// Every digit reads the shared English-numerals setting afresh.
BENCHMARK_CAPTURE(typeKeys, UnicodeDigits, Unicode, 0, 0, digitText);

int main(int argc, char **argv)
{
    // The digits read the settings store: keep it away from the real one.
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    QCoreApplication app(argc, argv);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
