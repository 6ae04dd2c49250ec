// The input method as an IBus engine, typing a Kannada text with the
// Phonetic layout into a field on a private daemon. Each iteration is one
// key press: the time runs from the field handing it to the daemon until
// the engine's answer is back, after its commit (so it holds the daemon's
// hops both ways). The key's release is not timed. Counters: the engine
// program's own processor time per key, and its resident memory.

#include "ibustestsession.h"
#include "testsandbox.h"

#include "platform/ibus/ibusengineinfo.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <ibus.h>

#include <chrono>
#include <memory>

#include <unistd.h>

namespace {

const char phoneticText[] =
    "kannaDa naaDina jaanapada saahityavu shrImantavaagide. haLLigaLalli "
    "janaru haaDuva haaDugaLu, hELuva kathegaLu mattu aaDuva aaTagaLu ";

struct Engine
{
    std::unique_ptr<IBusTestSession> session;
    QProcess program;
    std::unique_ptr<IBusTestClient> field;
    QString error;
};

Engine *engine = nullptr;

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

bool startEngine(Engine &e)
{
    e.session = std::make_unique<IBusTestSession>();
    if (!e.session->start(QDir::current().filePath(QStringLiteral("ibus")))) {
        e.error = e.session->errorString();
        return false;
    }
    e.program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    e.program.start(QStringLiteral(YAVOIME_PROGRAM), QStringList());
    if (!e.program.waitForStarted() || !e.session->waitForName(Platform::IBusEngineInfo::componentName, true)) {
        e.error = QStringLiteral("the input method did not offer its engine");
        return false;
    }
    e.field = std::make_unique<IBusTestClient>(e.session->bus());
    if (!e.field->isValid() || !e.field->setEngine(Platform::IBusEngineInfo::engineName)) {
        e.error = QStringLiteral("the engine could not be set");
        return false;
    }
    e.field->press(IBUS_KEY_F11, IBUS_CONTROL_MASK); // Indic input on
    return true;
}

void BM_KeyThroughEngine(benchmark::State &state)
{
    if (!engine->error.isEmpty()) {
        state.SkipWithError(qPrintable(engine->error));
        return;
    }
    const QByteArray keys(phoneticText);
    const qint64 pid = engine->program.processId();
    const double cpuBefore = processorSeconds(pid);
    int position = 0;
    for (auto _ : state) {
        const quint32 keysym = quint32(keys.at(position));
        const quint32 shift = (keysym >= 'A' && keysym <= 'Z') ? IBUS_SHIFT_MASK : 0;
        if (shift)
            engine->field->sendKey(IBUS_KEY_Shift_L, 0);
        const auto start = std::chrono::steady_clock::now();
        engine->field->sendKey(keysym, shift);
        const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(taken.count());
        engine->field->sendKey(keysym, shift | IBUS_RELEASE_MASK);
        if (shift)
            engine->field->sendKey(IBUS_KEY_Shift_L, IBUS_SHIFT_MASK | IBUS_RELEASE_MASK);
        if (++position == keys.size()) {
            position = 0;
            engine->field->setText(QString());
        }
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["engine_cpu_us_per_key"] = (processorSeconds(pid) - cpuBefore) * 1e6 / double(state.iterations());
    state.counters["engine_rss_MB"] = statusMegabytes(engine->program.processId(), "VmRSS");
    state.counters["engine_peak_rss_MB"] = statusMegabytes(engine->program.processId(), "VmHWM");
}
BENCHMARK(BM_KeyThroughEngine)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestSandbox sandbox;
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    Engine e;
    engine = &e;
    startEngine(e);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    e.field.reset();
    e.program.kill();
    e.program.waitForFinished(10000);
    return 0;
}
