// Typing into the document editor at a realistic size: a 100-page Kannada
// document with spell check as you type on, against a 200,000-word list.
// What one key costs while a 2,000-word text is typed key by key with the
// Phonetic layout (the key handler, the composition, the spell check of the
// paragraph and the repaint), and what a full rehighlight of the document
// costs.
#include "kannadawords.h"
#include "peakmemory.h"

#include "core/indictransliterator.h"
#include "editor/highlighter.h"
#include "editor/unicodekaeditor.h"
#include "utils/utils.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QSet>
#include <QTemporaryDir>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

constexpr int listWords = 200000;
constexpr int documentWords = 100 * 400;   // a hundred pages
constexpr int paragraphWords = 80;
constexpr int typedWords = 2000;

using Word = KannadaWord;

class Data
{
public:
    Data()
        : words(generateKannadaWords(listWords, 7))
    {
        // "usr.dct" is read from the current folder: an empty one here.
        QDir::setCurrent(m_current.path());
        QStringList list;
        list.reserve(words.size());
        for (const Word &word : words)
            list << word.text;
        utils.loadUserDictionary();
        utils.addWords(list);
        utils.isMisspelled(QStringLiteral("x"));   // the index is built here, not timed

        // The document: known words, one in twenty misspelled.
        std::mt19937 random(11);
        std::uniform_int_distribution<int> pick(0, words.size() - 1);
        QStringList paragraphs;
        QStringList paragraph;
        for (int i = 0; i < documentWords; ++i) {
            QString word = words.at(pick(random)).text;
            if (i % 20 == 0)
                word += QChar(0x0CCD);
            paragraph << word;
            if (paragraph.size() == paragraphWords) {
                paragraphs << paragraph.join(QLatin1Char(' '));
                paragraph.clear();
            }
        }
        document = paragraphs.join(QLatin1Char('\n'));

        // Typed in paragraphs as long as the document's.
        for (int i = 1; i <= typedWords; ++i) {
            const Word &word = words.at(pick(random));
            const QChar end = QLatin1Char(i % paragraphWords ? ' ' : '\r');
            typed += word.keys + end;
            typedText += word.text + end;
        }
    }

    QList<Word> words;
    Utils utils;
    QString document;
    QString typed;
    QString typedText;   // what the keys make, for a plain editor to type

private:
    QTemporaryDir m_current;
};

Data *data = nullptr;

// An editor as the word processor shows one, holding the document, with
// the cursor at the end of a paragraph in the middle.
template <class Editor>
struct LoadedEditor
{
    template <class... Args>
    explicit LoadedEditor(Args... args)
        : editor(args...)
    {
        editor.resize(900, 1000);
        editor.show();
        load();
    }

    // inMiddle: the cursor before a word in the middle of the paragraph,
    // where the underlines after it move with every key.
    void load(bool inMiddle = false)
    {
        editor.setPlainText(data->document);
        // The layout of the pages out of view is finished in the background
        // after a load; have it done before typing starts.
        editor.document()->documentLayout()->documentSize();
        QCoreApplication::processEvents();
        // Spell check switched on checks the document from the event loop:
        // that is done before typing starts.
        const auto *highlighter = editor.document()->template findChild<Highlighter *>();
        const auto *slices = highlighter ? highlighter->template findChild<QTimer *>() : nullptr;
        while (slices && slices->isActive())
            QCoreApplication::processEvents();
        QTextCursor cursor(editor.document()->findBlockByNumber(editor.document()->blockCount() / 2));
        cursor.movePosition(QTextCursor::EndOfBlock);
        if (inMiddle) {
            cursor.setPosition(cursor.block().position() + cursor.block().length() / 2);
            cursor.movePosition(QTextCursor::StartOfWord);
        }
        editor.setTextCursor(cursor);
        QCoreApplication::processEvents();
    }

    Editor editor;
};

Qt::Key keyFor(QChar c)
{
    if (c == QLatin1Char(' '))
        return Qt::Key_Space;
    if (c == QLatin1Char('\r'))
        return Qt::Key_Return;
    if (c.unicode() > 0x7F)
        return Qt::Key_unknown;
    return Qt::Key(Qt::Key_A + (c.toUpper().unicode() - 'A'));
}

// Types the text key by key, as the event loop delivers keys, with the
// repaint between two keys.
void typeKeys(QWidget *editor, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, keyFor(c), Qt::NoModifier, QString(c));
        QApplication::sendEvent(editor, &press);
        QKeyEvent release(QEvent::KeyRelease, keyFor(c), Qt::NoModifier, QString(c));
        QApplication::sendEvent(editor, &release);
        QCoreApplication::processEvents();
    }
}

// Types the text into the loaded editor once per iteration, the document
// loaded afresh between iterations (not timed), and reports the time per
// typed unit under the given name.
template <class Editor>
void typeIntoLoaded(benchmark::State &state, LoadedEditor<Editor> &loaded, const QString &text,
                    const char *unit, bool inMiddle = false)
{
    loaded.load(inMiddle);
    for (auto _ : state) {
        typeKeys(&loaded.editor, text);
        state.PauseTiming();
        loaded.load(inMiddle);
        state.ResumeTiming();
    }
    state.counters[unit] = text.size();
    state.counters[std::string("time_per_") + unit] = benchmark::Counter(
            double(text.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    reportPeakMemory(state);
}

// Arguments: spell check as you type on (1) or off (0), for its share; the
// typing at the end of a paragraph (0) or in its middle (1), in front of
// the paragraph's underlined words.
void BM_TypeKeyByKey(benchmark::State &state)
{
    LoadedEditor<UnicodeKaEditor> loaded(&data->utils, 0, 0);
    loaded.editor.setSpellCheckAsYouType(state.range(0) != 0);
    typeIntoLoaded(state, loaded, data->typed, "key", state.range(1) != 0);
}
BENCHMARK(BM_TypeKeyByKey)->ArgNames({"spellcheck", "middle"})
        ->Args({1, 0})->Args({0, 0})->Args({1, 1})->Args({0, 1})
        ->Unit(benchmark::kMillisecond)->Iterations(1);

// The same text typed as Kannada characters into a plain QTextEdit holding
// the same document: what Qt's own layout and repaint cost per character,
// which every key of the editor pays too.
void BM_PlainTextEditBaseline(benchmark::State &state)
{
    LoadedEditor<QTextEdit> loaded;
    typeIntoLoaded(state, loaded, data->typedText, "character");
}
BENCHMARK(BM_PlainTextEditBaseline)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_FullRehighlight(benchmark::State &state)
{
    LoadedEditor<UnicodeKaEditor> loaded(&data->utils, 0, 0);
    for (auto _ : state)
        loaded.editor.setSpellCheckAsYouType(true);
    state.counters["paragraphs"] = loaded.editor.document()->blockCount();
    reportPeakMemory(state);
}
BENCHMARK(BM_FullRehighlight)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Data built;
    data = &built;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    data = nullptr;
    return 0;
}
