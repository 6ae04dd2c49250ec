// The ANSI-to-Unicode worker converting a 100-page Nudi document in place,
// beside the bare conversion chain on the same words and the document's own
// cost of taking the converted words, a word and its space at a time. The goal is
// the worker within twice the sum of the other two: the benchmark reports
// all three and the ratio.

#include "app/yvworker.h"
#include "core/ansitounicode.h"
#include "core/nuditoansi.h"
#include "guibenchmarkmain.h"
#include "peakmemory.h"

#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>
#include <QVector>

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>

namespace {

// 100 pages of 40 lines of 10 words, drawn in turn from common Nudi words.
const QString &nudiDocumentText()
{
    static const QString text = [] {
        const QStringList words{
            QString::fromLatin1("\x50\xC0\xA3\xC0\xDF\x71\xC0"),          // kannaDa
            QString::fromLatin1("\xA3\xC0\xAA\xC0\xC4\xB8\xC1\xCC\x67\xC0"), // namaskAra
            QString::fromLatin1("\xAA\xC9\xC4\xCA\xB8\xC0\xC6\x67\xC0\xC4"), // maisUru
            QString::fromLatin1("\xA5\xC0\x50\xEB\xC0"),                  // pakSha
            QString::fromLatin1("\x50\xC0\xE6"),                          // kra
            QString::fromLatin1("\xAB\x7A\xC1\xE5\x79\xF0"),              // vidyArthi
            QString::fromLatin1("\x50\xC0"),                              // ka
            QStringLiteral("1990"),
        };
        QString text;
        int next = 0;
        for (int line = 0; line < 100 * 40; ++line) {
            for (int word = 0; word < 10; ++word) {
                if (word > 0)
                    text += QLatin1Char(' ');
                text += words.at(next++ % words.size());
            }
            text += QLatin1Char('\n');
        }
        return text;
    }();
    return text;
}

double secondsOf(const std::function<void()> &work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The timed figure is the worker's in-place conversion; the counters carry
// the chain, the insertions and the ratio of the worker to their sum.
void BM_WorkerInPlace(benchmark::State &state)
{
    const QString &text = nudiDocumentText();
    QVector<QStringList> lines;
    int wordCount = 0;
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        lines << line.split(QLatin1Char(' '));
        wordCount += lines.last().size();
    }
    double worker = 0, chain = 0, insertion = 0;
    for (auto _ : state) {
        QTextDocument document;
        document.setPlainText(text);
        const double seconds = secondsOf([&] { yvWorker().convertANSI2Unicode(&document); });
        state.SetIterationTime(seconds);
        worker += seconds;

        QVector<QStringList> converted(lines.size());
        chain += secondsOf([&] {
            NudiToAnsi nudiToAnsi;
            AnsiToUnicode ansiToUnicode;
            for (int i = 0; i < lines.size(); ++i) {
                for (const QString &word : lines.at(i))
                    converted[i] << ansiToUnicode.convertWord(nudiToAnsi.convertWord(word));
            }
        });

        QTextDocument target;
        insertion += secondsOf([&] {
            QTextCursor cursor(&target);
            cursor.beginEditBlock();
            for (int i = 0; i < converted.size(); ++i) {
                if (i > 0)
                    cursor.insertBlock();
                for (int w = 0; w < converted.at(i).size(); ++w) {
                    cursor.insertText(converted.at(i).at(w));
                    if (w + 1 < converted.at(i).size())
                        cursor.insertText(QStringLiteral(" "));
                }
            }
            cursor.endEditBlock();
        });
        benchmark::DoNotOptimize(document.characterCount());
    }
    const double n = double(state.iterations());
    state.counters["worker_ms"] = 1000 * worker / n;
    state.counters["chain_ms"] = 1000 * chain / n;
    state.counters["insertion_ms"] = 1000 * insertion / n;
    state.counters["ratio"] = worker / (chain + insertion);
    state.counters["words"] = double(wordCount);
    reportPeakMemory(state);
}
BENCHMARK(BM_WorkerInPlace)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

YAVO_GUI_BENCHMARK_MAIN()
