// The word list behind completion and spell checking at a realistic size:
// 200,000 words. How long the list takes to build, what one spelling check
// and one suggestion list cost, what checking a 100-page document costs,
// and the memory it all takes. And how long the list takes to build from the
// Kannada database the build made of Debian's word list (about 60,000
// words), found among the nine as the program finds it. And what a new
// completion prefix costs to look up, and with the popup shown on the
// Kannada list.
#include "core/userdatafolder.h"
#include "dictfixture.h"
#include "peakmemory.h"
#include "utils/utils.h"
#include "utils/wordcompleter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QSet>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>

namespace {

constexpr int wordCount = 200000;
constexpr int documentWords = 100 * 400;   // a hundred pages

// Kannada-like words: two to five syllables, each a consonant with an
// optional vowel sign or a virama.
QStringList generateWords(int count, unsigned seed)
{
    static const char16_t consonants[] = {
        0x0C95, 0x0C96, 0x0C97, 0x0C98, 0x0C9A, 0x0C9B, 0x0C9C, 0x0C9D, 0x0C9F, 0x0CA0,
        0x0CA1, 0x0CA2, 0x0CA3, 0x0CA4, 0x0CA5, 0x0CA6, 0x0CA7, 0x0CA8, 0x0CAA, 0x0CAB,
        0x0CAC, 0x0CAD, 0x0CAE, 0x0CAF, 0x0CB0, 0x0CB2, 0x0CB5, 0x0CB6, 0x0CB7, 0x0CB8,
        0x0CB9, 0x0CB3};
    static const char16_t marks[] = {
        0, 0, 0, 0x0CBE, 0x0CBF, 0x0CC0, 0x0CC1, 0x0CC2, 0x0CC6, 0x0CC7, 0x0CCA, 0x0CCB,
        0x0CCD, 0x0C82};
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> syllables(2, 5);
    std::uniform_int_distribution<int> consonant(0, int(std::size(consonants)) - 1);
    std::uniform_int_distribution<int> mark(0, int(std::size(marks)) - 1);

    QSet<QString> seen;
    QStringList words;
    words.reserve(count);
    while (words.size() < count) {
        QString word;
        for (int s = syllables(random); s > 0; --s) {
            word += QChar(consonants[consonant(random)]);
            if (const char16_t m = marks[mark(random)])
                word += QChar(m);
        }
        if (!seen.contains(word)) {
            seen.insert(word);
            words << word;
        }
    }
    return words;
}

// "<program folder>/dct", where the word list is read from: a link to the
// data of the benchmark that runs.
void useDictFolder(const QString &folder)
{
    const QString link = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("dct"));
    if (QFileInfo(link).isSymLink() || QFileInfo(link).isFile())
        QFile::remove(link);
    else
        QDir(link).removeRecursively();
    QFile::link(folder, link);
}

// The data files of one run: the dictionary database and "dict.dat" in a
// folder of their own, "usr.dct" in the user's data folder.
class WordListFiles
{
public:
    WordListFiles()
    {
        const QStringList words = generateWords(wordCount, 7);
        const QDir dct(m_dct.path());
        DictContent dictionary;
        dictionary.languageName = QStringLiteral("Kannada");
        dictionary.wordsText = words.mid(0, wordCount - 20000).join(QLatin1Char('\n'));
        DictFixture::writeDatabase(dct.filePath(QStringLiteral("kn.db")), dictionary);
        DictFixture::writeFile(dct.filePath(QStringLiteral("dict.dat")),
                               DictFixture::wordFileBytes(words.mid(wordCount - 20000, 19000)));
        DictFixture::writeFile(UserDataFolder::userWordFile(),
                               words.mid(wordCount - 1000).join(QLatin1Char('\n')).toUtf8());
        m_words = words;
    }

    const QStringList &words() const { return m_words; }
    QString dictFolder() const { return m_dct.path(); }

private:
    QTemporaryDir m_dct;
    QStringList m_words;
};

WordListFiles *files = nullptr;

// A built word list, shared by the look-up benchmarks.
Utils &loadedUtils()
{
    static Utils *utils = [] {
        useDictFolder(files->dictFolder());
        auto *u = new Utils;
        u->loadWords(0);
        // Build the index here, so the first timed check does not pay for it.
        u->isMisspelled(QStringLiteral("x"));
        return u;
    }();
    return *utils;
}

// Known words and near misses (one letter changed), half and half.
QStringList sampleWords(int count)
{
    const QStringList &words = files->words();
    std::mt19937 random(11);
    std::uniform_int_distribution<int> pick(0, words.size() - 1);
    QStringList sample;
    for (int i = 0; i < count; ++i) {
        QString word = words.at(pick(random));
        if (i % 2)
            word[0] = QChar(word.at(0).unicode() == 0x0C95 ? 0x0C96 : 0x0C95);
        sample << word;
    }
    return sample;
}

// Builds the word list as the program does, from the databases in folder.
void measureLoad(benchmark::State &state, const QString &folder)
{
    useDictFolder(folder);
    int loaded = 0;
    for (auto _ : state) {
        auto utils = std::make_unique<Utils>();
        loaded = utils->loadWords(0)->rowCount();
        // The first spelling check builds the index; count it as loading.
        benchmark::DoNotOptimize(utils->isMisspelled(QStringLiteral("x")));
        // Freeing the strings is the program's exit, not its start.
        state.PauseTiming();
        utils.reset();
        state.ResumeTiming();
    }
    state.counters["words"] = loaded;
    reportPeakMemory(state);
}

void BM_LoadWords(benchmark::State &state)
{
    measureLoad(state, files->dictFolder());
}
BENCHMARK(BM_LoadWords)->Unit(benchmark::kMillisecond)->Iterations(5);

// The program's load 300 ms after its start, on the real data: the nine
// databases the build made, the Kannada one read. The goal: well under
// 150 ms.
void BM_LoadBuiltKannada(benchmark::State &state)
{
    const QString kannada = DictFixture::builtDatabase(QStringLiteral("kn"));
    if (kannada.isEmpty()) {
        state.SkipWithError(qPrintable(DictFixture::noBuiltDictionariesReason()));
        return;
    }
    measureLoad(state, QFileInfo(kannada).path());
}
BENCHMARK(BM_LoadBuiltKannada)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_IsMisspelled(benchmark::State &state)
{
    Utils &utils = loadedUtils();
    const QStringList sample = sampleWords(4096);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(utils.isMisspelled(sample.at(i)));
        i = (i + 1) & 4095;
    }
    reportPeakMemory(state);
}
BENCHMARK(BM_IsMisspelled)->Unit(benchmark::kNanosecond);

void BM_SpellCheckDocument(benchmark::State &state)
{
    Utils &utils = loadedUtils();
    const QStringList document = sampleWords(documentWords);
    for (auto _ : state) {
        int misspelled = 0;
        for (const QString &word : document)
            misspelled += utils.isMisspelled(word);
        benchmark::DoNotOptimize(misspelled);
    }
    state.counters["words"] = documentWords;
    reportPeakMemory(state);
}
BENCHMARK(BM_SpellCheckDocument)->Unit(benchmark::kMillisecond);

void BM_Suggestions(benchmark::State &state)
{
    Utils &utils = loadedUtils();
    const QStringList sample = sampleWords(256);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(utils.suggestions(sample.at(i)));
        i = (i + 1) & 255;
    }
    reportPeakMemory(state);
}
BENCHMARK(BM_Suggestions)->Unit(benchmark::kMicrosecond);

// What a key that gives the completion list a new prefix costs in looking
// its words up: the program's completer beside Qt's own over the same list
// (which reads every word of it), and the ratio. The prefixes are the first
// three letters of words of the list, each new to both completers (Qt's
// keeps the words of the prefixes it has seen).
void BM_CompletionPrefix(benchmark::State &state)
{
    auto *words = qobject_cast<WordCompleter *>(loadedUtils().completer())->wordModel();
    QCompleter plain(words);
    WordCompleter indexed;
    indexed.setWordModel(words);
    for (QCompleter *completer : {&plain, static_cast<QCompleter *>(&indexed)}) {
        completer->setModelSorting(QCompleter::UnsortedModel);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
    }
    indexed.setCompletionPrefix(QStringLiteral("x"));   // builds the index
    QStringList prefixes;
    for (const QString &word : sampleWords(400))
        prefixes << word.left(3);
    prefixes.removeDuplicates();
    const auto perPrefix = [&prefixes](QCompleter &completer) {
        QElapsedTimer clock;
        clock.start();
        for (const QString &prefix : qAsConst(prefixes)) {
            completer.setCompletionPrefix(prefix);
            benchmark::DoNotOptimize(completer.completionCount());
        }
        return clock.nsecsElapsed() / 1e3 / prefixes.size();
    };
    double plainUs = 0;
    double indexedUs = 0;
    for (auto _ : state) {
        plainUs = perPrefix(plain);
        indexedUs = perPrefix(indexed);
    }
    state.counters["prefixes"] = prefixes.size();
    state.counters["qt_us_per_prefix"] = plainUs;
    state.counters["indexed_us_per_prefix"] = indexedUs;
    state.counters["qt_over_indexed"] = indexedUs > 0 ? plainUs / indexedUs : 0;
}
BENCHMARK(BM_CompletionPrefix)->Unit(benchmark::kMillisecond)->Iterations(1);

// What a key that gives the completion list a new prefix costs in all, the
// popup shown, on the real Kannada list, whose common prefixes (ಪ್ರ, ಅನು,
// ಸಂ...) offer hundreds of words: the prefixes typed are the first three
// letters of words picked from the list, so a common one comes often. The
// median, 95th percentile and longest time of a prefix.
void BM_CompletionPopupBuiltKannada(benchmark::State &state)
{
    const QString kannada = DictFixture::builtDatabase(QStringLiteral("kn"));
    if (kannada.isEmpty()) {
        state.SkipWithError(qPrintable(DictFixture::noBuiltDictionariesReason()));
        return;
    }
    useDictFolder(QFileInfo(kannada).path());
    Utils utils;
    QCompleter *completer = utils.completer();
    QTextEdit editor;
    editor.resize(800, 600);
    editor.show();
    completer->setWidget(&editor);
    QCoreApplication::processEvents();
    const QStringList words = qobject_cast<QStringListModel *>(
            qobject_cast<WordCompleter *>(completer)->wordModel())->stringList();
    std::mt19937 random(5);
    std::uniform_int_distribution<int> pick(0, words.size() - 1);
    QStringList prefixes;
    while (prefixes.size() < 400) {
        const QString prefix = words.at(pick(random)).left(3);
        if (prefix.size() == 3 && (prefixes.isEmpty() || prefixes.constLast() != prefix))
            prefixes << prefix;
    }
    QAbstractItemView *popup = completer->popup();
    std::vector<double> times;
    int offered = 0;
    for (auto _ : state) {
        for (const QString &prefix : qAsConst(prefixes)) {
            QElapsedTimer clock;
            clock.start();
            // As the editor does it.
            completer->setCompletionPrefix(prefix);
            popup->setCurrentIndex(completer->completionModel()->index(0, 0));
            QRect under = editor.cursorRect();
            under.setWidth(popup->sizeHintForColumn(0) + popup->verticalScrollBar()->sizeHint().width());
            completer->complete(under);
            times.push_back(clock.nsecsElapsed() / 1e6);
            offered += completer->completionCount();
        }
    }
    popup->hide();
    std::sort(times.begin(), times.end());
    state.counters["words"] = words.size();
    state.counters["words_offered_per_prefix"] = double(offered) / times.size();
    state.counters["median_ms"] = times.at(times.size() / 2);
    state.counters["p95_ms"] = times.at(times.size() * 95 / 100);
    state.counters["max_ms"] = times.back();
}
BENCHMARK(BM_CompletionPopupBuiltKannada)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char *argv[])
{
    // Replacing the default SQL connection warns on every load.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    // The user's data folder of the run, not the user's.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    // The completer is a widget-library class: a widget application,
    // headless.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    WordListFiles data;
    files = &data;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    files = nullptr;
    QFile::remove(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("dct")));
    return 0;
}
