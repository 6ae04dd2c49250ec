// The input method as an IBus engine, typing a Kannada text with the
// Phonetic layout into a field on a private daemon, and ibus-m17n's ITRANS
// Kannada engine typing the same keys into a field on the same daemon. Each
// iteration is one key press: the time runs from the field handing it to
// the daemon until the engine's answer is back, after its pre-edit and
// commits (so it holds the daemon's hops both ways). The key's release is
// not timed. Counters: the median and 90th percentile of the keys, the
// engine program's own processor time per key and its resident memory; the
// ibus-m17n run adds the ratio of the two medians (at most 1 is the goal).

#include "ibustestsession.h"
#include "testsandbox.h"

#include "platform/ibus/ibusengineinfo.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <ibus.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include <unistd.h>

namespace {

const char phoneticText[] =
    "kannaDa naaDina jaanapada saahityavu shrImantavaagide. haLLigaLalli "
    "janaru haaDuva haaDugaLu, hELuva kathegaLu mattu aaDuva aaTagaLu ";

constexpr char m17nEngine[] = "m17n:kn:itrans";
constexpr char m17nComponent[] = "/usr/share/ibus/component/m17n.xml";

struct Daemon
{
    std::unique_ptr<IBusTestSession> session;
    QProcess program;
    QString error;
    double yavoMedian = 0;
};

Daemon *ibusDaemon = nullptr;

// A figure of /proc/PID/status in MiB ("VmRSS", "VmHWM"); -1 when unknown.
double statusMegabytes(qint64 pid, const QByteArray &key)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key + ':'))
            return line.mid(key.size() + 1).simplified().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

// The processor time the process has used, user and system.
double processorSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    // The fields after the command's closing parenthesis: utime and stime
    // are the 12th and 13th.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

// The daemon lists ibus-m17n's engines from its component file, when the
// package is there; the input method registers its own engine.
bool startDaemon(Daemon &d)
{
    const QDir components(QDir::current().filePath(QStringLiteral("components")));
    components.mkpath(QStringLiteral("."));
    QFile::copy(QString::fromLatin1(m17nComponent), components.filePath(QStringLiteral("m17n.xml")));
    d.session = std::make_unique<IBusTestSession>();
    if (!d.session->start(QDir::current().filePath(QStringLiteral("ibus")), components.path())) {
        d.error = d.session->errorString();
        return false;
    }
    d.program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    d.program.start(QStringLiteral(YAVOIME_PROGRAM), QStringList());
    if (!d.program.waitForStarted() || !d.session->waitForName(Platform::IBusEngineInfo::componentName, true)) {
        d.error = QStringLiteral("the input method did not offer its engine");
        return false;
    }
    return true;
}

// Types the text over and over into a field with the engine, one key an
// iteration; returns the median time of a key in seconds.
double typeThrough(benchmark::State &state, const char *engine, bool indicToggle)
{
    IBusTestClient field(ibusDaemon->session->bus());
    if (!field.isValid() || !field.setEngine(engine)) {
        state.SkipWithError("the engine could not be set");
        return 0;
    }
    if (indicToggle)
        field.press(IBUS_KEY_F11, IBUS_CONTROL_MASK);

    const QByteArray keys(phoneticText);
    std::vector<double> times;
    int position = 0;
    for (auto _ : state) {
        const quint32 keysym = quint32(keys.at(position));
        const quint32 shift = (keysym >= 'A' && keysym <= 'Z') ? IBUS_SHIFT_MASK : 0;
        if (shift)
            field.sendKey(IBUS_KEY_Shift_L, 0);
        const auto start = std::chrono::steady_clock::now();
        field.sendKey(keysym, shift);
        const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(taken.count());
        times.push_back(taken.count());
        field.sendKey(keysym, shift | IBUS_RELEASE_MASK);
        if (shift)
            field.sendKey(IBUS_KEY_Shift_L, IBUS_SHIFT_MASK | IBUS_RELEASE_MASK);
        if (++position == keys.size()) {
            position = 0;
            field.setText(QString());
        }
    }
    state.SetItemsProcessed(state.iterations());
    if (times.empty())
        return 0;
    std::sort(times.begin(), times.end());
    const double median = times.at(times.size() / 2);
    state.counters["median_us"] = median * 1e6;
    state.counters["p90_us"] = times.at(times.size() * 9 / 10) * 1e6;
    return median;
}

void BM_KeyThroughEngine(benchmark::State &state)
{
    if (!ibusDaemon->error.isEmpty()) {
        state.SkipWithError(qPrintable(ibusDaemon->error));
        return;
    }
    const qint64 pid = ibusDaemon->program.processId();
    const double cpuBefore = processorSeconds(pid);
    ibusDaemon->yavoMedian = typeThrough(state, Platform::IBusEngineInfo::engineName, true);
    state.counters["engine_cpu_us_per_key"] = (processorSeconds(pid) - cpuBefore) * 1e6 / double(state.iterations());
    state.counters["engine_rss_MB"] = statusMegabytes(pid, "VmRSS");
    state.counters["engine_peak_rss_MB"] = statusMegabytes(pid, "VmHWM");
}
BENCHMARK(BM_KeyThroughEngine)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_KeyThroughM17n(benchmark::State &state)
{
    if (!ibusDaemon->error.isEmpty()) {
        state.SkipWithError(qPrintable(ibusDaemon->error));
        return;
    }
    if (!QFile::exists(QString::fromLatin1(m17nComponent))) {
        state.SkipWithError("ibus-m17n is not installed");
        return;
    }
    const double median = typeThrough(state, m17nEngine, false);
    if (median > 0 && ibusDaemon->yavoMedian > 0)
        state.counters["yavo_to_m17n_median"] = ibusDaemon->yavoMedian / median;
}
BENCHMARK(BM_KeyThroughM17n)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestSandbox sandbox;
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    Daemon d;
    ibusDaemon = &d;
    startDaemon(d);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    d.program.kill();
    d.program.waitForFinished(10000);
    return 0;
}
