#include "editor/highlighter.h"
#include "editor/suggestions.h"
#include "editor/unicodekaeditor.h"

#include "utils/utils.h"

#include "spellunderlines.h"
#include "testmain.h"

#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

class TestHighlighter : public QObject
{
    Q_OBJECT

private slots:
    void underlinesUnknownWords_data();
    void underlinesUnknownWords();
    void everyWordIsUnknownBeforeTheListIsLoaded();
    void switchingOffRemovesEveryUnderline();
    void anAddedWordLosesItsUnderline();
    void editsKeepTheUnderlinesRight_data();
    void editsKeepTheUnderlinesRight();
    void theWordBeingTypedWaitsForItsUnderline();
    void wholeDocumentIsCheckedInSlicesViewFirst_data();
    void wholeDocumentIsCheckedInSlicesViewFirst();
    void longEditsAreCheckedInSlicesViewFirst_data();
    void longEditsAreCheckedInSlicesViewFirst();
    void adoptedDocumentIsLaidOutOnceWithItsUnderlines_data();
    void adoptedDocumentIsLaidOutOnceWithItsUnderlines();
    void wholeDocumentCheckLaysOutEachParagraphOnce_data();
    void wholeDocumentCheckLaysOutEachParagraphOnce();
    void doubleClickHandsOverTheSuggestionOnce();
};

namespace {

struct CheckedDocument
{
    explicit CheckedDocument(const QStringList &known, bool loaded = true)
    {
        // A document tells of its changes only once it has a layout, which
        // an editor would give it.
        document.documentLayout();
        if (loaded) {
            utils.loadUserDictionary();
            utils.addWords(known);
        }
    }

    Utils utils;
    QTextDocument document;
    Highlighter highlighter{&utils, &document};
};

// A small shown editor for a document of as many paragraphs, each with two
// unknown words.
struct LongDocumentEditor
{
    explicit LongDocumentEditor(int count = 800)
    {
        utils.loadUserDictionary();
        utils.addWords({QStringLiteral("ok")});
        editor.resize(300, 200);
        editor.show();
        for (int i = 0; i < count; ++i)
            paragraphs << QStringLiteral("ok bad%1 ok worse%1 ok").arg(i);
    }

    Utils utils;
    UnicodeKaEditor editor{&utils, 9, 0};
    QStringList paragraphs;
};

// Looks, before every event while it filters them and whenever asked, at
// the paragraphs of a document laid out since it last looked, in order:
// each must be laid out with its underlines, or it is laid out again once
// it gets them. Every word but "ok" is unknown.
class LayoutWatcher : public QObject
{
public:
    explicit LayoutWatcher(QTextDocument *document) : m_block(document->begin()) { }

    void look()
    {
        for (; m_block.isValid() && m_block.layout()->lineCount() > 0; m_block = m_block.next()) {
            QStringList unknown;
            const QStringList words = m_block.text().split(QLatin1Char(' '));
            int at = m_block.position();
            for (const QString &word : words) {
                if (word != QLatin1String("ok") && word.size() > 1)
                    unknown << QStringLiteral("%1+%2").arg(at).arg(word.size());
                at += word.size() + 1;
            }
            if (spellUnderlines(m_block) != unknown)
                bare << m_block.blockNumber();
        }
    }
    QTextBlock next() const { return m_block; }

    QList<int> bare;

protected:
    bool eventFilter(QObject *, QEvent *) override
    {
        look();
        return false;
    }

private:
    QTextBlock m_block;
};

// Counts, before every event while it filters them, how many times each
// paragraph of a document has been laid out: it nudges the first line of a
// paragraph it has seen laid out by a 64th of a pixel, which any new layout
// of the paragraph puts back.
class LayoutCounter : public QObject
{
public:
    explicit LayoutCounter(QTextDocument *document)
        : m_document(document), m_counts(document->blockCount()), m_nudged(document->blockCount(), -1)
    {
    }

    void look()
    {
        int number = 0;
        for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next(), ++number) {
            if (block.layout()->lineCount() == 0)
                continue;
            QTextLine line = block.layout()->lineAt(0);
            if (line.y() == m_nudged[number])
                continue;
            ++m_counts[number];
            m_nudged[number] = line.y() + 1.0 / 64;
            line.setPosition(QPointF(line.x(), m_nudged[number]));
        }
    }
    int most() const { return *std::max_element(m_counts.cbegin(), m_counts.cend()); }
    int mostAt() const { return int(std::max_element(m_counts.cbegin(), m_counts.cend()) - m_counts.cbegin()); }

protected:
    bool eventFilter(QObject *, QEvent *) override
    {
        look();
        return false;
    }

private:
    QTextDocument *m_document;
    QVector<int> m_counts;
    // The first line's place as nudged, for each paragraph.
    QVector<qreal> m_nudged;
};

// The first entry where two lists differ, as "this / that".
QString firstDifference(const QStringList &a, const QStringList &b)
{
    for (int i = 0; i < std::max(a.size(), b.size()); ++i) {
        if (a.value(i) != b.value(i))
            return a.value(i) + QStringLiteral(" / ") + b.value(i);
    }
    return QString();
}

} // namespace

void TestHighlighter::underlinesUnknownWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("known");
    QTest::addColumn<QStringList>("expected");

    const QString kannada = QStringLiteral(u"\u0C95\u0CC0\u0CB2\u0CC1");
    QTest::newRow("unknown word") << "good bad" << QStringList{"good"} << QStringList{"5+3"};
    QTest::newRow("one-character words never") << "a b cc" << QStringList() << QStringList{"4+2"};
    QTest::newRow("words after a backslash never") << "\\bad ok x\\bad" << QStringList{"ok"} << QStringList();
    QTest::newRow("comma-joined words are one") << "good,bad" << QStringList{"good", "bad"}
                                                << QStringList{"0+8"};
    QTest::newRow("comma-joined word known") << "good,bad" << QStringList{"good,bad"} << QStringList();
    // "\b,bad\b" needs a word character before the comma.
    QTest::newRow("a leading comma after a space") << "ok ,bad" << QStringList{"ok"} << QStringList();
    QTest::newRow("a leading comma after a word") << "ab ok,bad ,bad" << QStringList{"ab", "ok,bad"}
                                                  << QStringList{"5+4"};
    QTest::newRow("a caret is never found") << "ab^cd" << QStringList() << QStringList();
    QTest::newRow("every place of a word") << "bad ok bad" << QStringList{"ok"}
                                           << QStringList{"0+3", "7+3"};
    QTest::newRow("whole words only") << "bad badly" << QStringList{"badly"} << QStringList{"0+3"};
    QTest::newRow("white space kept") << "  bad \t  ok" << QStringList{"ok"} << QStringList{"2+3"};
    QTest::newRow("marks belong to the word") << kannada + " ok" << QStringList{"ok"} << QStringList{"0+4"};
    QTest::newRow("second paragraph") << "ok\nok bad" << QStringList{"ok"} << QStringList{"6+3"};
}

void TestHighlighter::underlinesUnknownWords()
{
    QFETCH(QString, text);
    QFETCH(QStringList, known);
    QFETCH(QStringList, expected);

    CheckedDocument checked(known);
    checked.document.setPlainText(text);
    QCOMPARE(spellUnderlines(checked.document), expected);
}

void TestHighlighter::everyWordIsUnknownBeforeTheListIsLoaded()
{
    CheckedDocument checked(QStringList(), false);
    checked.document.setPlainText(QStringLiteral("good a bad"));
    QCOMPARE(spellUnderlines(checked.document), (QStringList{"0+4", "7+3"}));
}

void TestHighlighter::switchingOffRemovesEveryUnderline()
{
    CheckedDocument checked({QStringLiteral("ok")});
    checked.document.setPlainText(QStringLiteral("bad ok\nworse"));
    checked.highlighter.setEnabled(false);
    checked.highlighter.rehighlight();
    QCOMPARE(spellUnderlines(checked.document), QStringList());
    checked.highlighter.setEnabled(true);
    checked.highlighter.rehighlight();
    QCOMPARE(spellUnderlines(checked.document), (QStringList{"0+3", "7+5"}));
}

void TestHighlighter::anAddedWordLosesItsUnderline()
{
    CheckedDocument checked({QStringLiteral("ok")});
    checked.document.setPlainText(QStringLiteral("bad ok"));
    checked.utils.addWord(QStringLiteral("bad"));
    checked.highlighter.rehighlightBlock(checked.document.firstBlock());
    QCOMPARE(spellUnderlines(checked.document), QStringList());
}

void TestHighlighter::editsKeepTheUnderlinesRight_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("a word typed at a paragraph's end") << "ok\nbad" << 2 << 0 << " bad"
                                                       << QStringList{"3+3", "7+3"};
    QTest::newRow("a word made known by a letter") << "ok okk" << 5 << 1 << "" << QStringList();
    QTest::newRow("paragraphs joined") << "ok bad\nworse" << 6 << 1 << "" << QStringList{"3+8"};
    QTest::newRow("paragraphs pasted") << "ok" << 2 << 0 << "\nbad\nok bad" << QStringList{"3+3", "10+3"};
    QTest::newRow("a word inside another") << "ok" << 2 << 0 << " ab,cd cd"
                                           << QStringList{"3+5", "9+2"};
}

// An edit underlines the paragraphs it changed, and only the underlines of
// those change.
void TestHighlighter::editsKeepTheUnderlinesRight()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(int, removed);
    QFETCH(QString, inserted);
    QFETCH(QStringList, expected);

    CheckedDocument checked({QStringLiteral("ok")});
    checked.document.setPlainText(text);
    QTextCursor cursor(&checked.document);
    cursor.setPosition(position);
    cursor.setPosition(position + removed, QTextCursor::KeepAnchor);
    cursor.insertText(inserted);
    QCOMPARE(spellUnderlines(checked.document), expected);
}

// A misspelled word is underlined once the text cursor leaves its end, or
// an edit elsewhere in its paragraph comes.
void TestHighlighter::theWordBeingTypedWaitsForItsUnderline()
{
    Utils utils;
    utils.loadUserDictionary();
    utils.addWords({QStringLiteral("ok")});
    UnicodeKaEditor editor(&utils, 9, 0);
    QTextDocument &document = *editor.document();

    editor.insertPlainText(QStringLiteral("ok bad"));
    QCOMPARE(spellUnderlines(document), QStringList());
    editor.insertPlainText(QStringLiteral(" "));
    QCOMPARE(spellUnderlines(document), QStringList{"3+3"});
    editor.insertPlainText(QStringLiteral("worse"));
    QCOMPARE(spellUnderlines(document), QStringList{"3+3"});
    editor.moveCursor(QTextCursor::Left);
    QCOMPARE(spellUnderlines(document), (QStringList{"3+3", "7+5"}));

    editor.moveCursor(QTextCursor::End);
    editor.insertPlainText(QStringLiteral("\nnew"));
    QCOMPARE(spellUnderlines(document), (QStringList{"3+3", "7+5"}));
    QTextCursor(&document).insertText(QStringLiteral("x "));
    QCOMPARE(spellUnderlines(document), (QStringList{"5+3", "9+5", "15+3"}));

    // A deletion from elsewhere takes the waiting word's paragraph along.
    editor.moveCursor(QTextCursor::End);
    editor.insertPlainText(QStringLiteral("\nlast"));
    QTextCursor cut(&document);
    cut.setPosition(2);
    cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
    editor.moveCursor(QTextCursor::Start);
    QCOMPARE(document.toPlainText(), QStringLiteral("x "));
    QCOMPARE(spellUnderlines(document), QStringList());
}

void TestHighlighter::wholeDocumentIsCheckedInSlicesViewFirst_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("switched on") << "on";
    QTest::newRow("switched off") << "off";
    QTest::newRow("a document taken over") << "adopt";
    QTest::newRow("edited while being checked") << "edit";
}

// Switching spell check has the whole document checked a slice at a time:
// the paragraphs in view at once, and in the end the underlines a full
// rehighlight gives; so does a document taken over.
void TestHighlighter::wholeDocumentIsCheckedInSlicesViewFirst()
{
    QFETCH(QString, how);
    LongDocumentEditor shown;
    UnicodeKaEditor &editor = shown.editor;
    const QString text = shown.paragraphs.join(QLatin1Char('\n'));
    const bool on = how != QLatin1String("off");

    if (how == QLatin1String("adopt")) {
        auto *read = new QTextDocument;
        read->setPlainText(text);
        editor.adoptDocument(read);
    } else {
        editor.setPlainText(text);
        editor.setSpellCheckAsYouType(!on);
        QVERIFY(waitForSpellCheck(editor.document()));
        editor.verticalScrollBar()->setValue(editor.verticalScrollBar()->maximum() / 2);
        editor.setSpellCheckAsYouType(on);
    }
    const QTextBlock inView = editor.cursorForPosition(editor.viewport()->rect().center()).block();
    const QTextBlock last = editor.document()->lastBlock();
    const auto underlined = [](const QTextBlock &block) { return !block.layout()->formats().isEmpty(); };
    // Switching checks nothing at once: it leaves the work to the event
    // loop. A document taken over has its first page checked as it is
    // taken, the rest later, ahead of its layout.
    const bool adopted = how == QLatin1String("adopt");
    QCOMPARE(underlined(last), !on);
    for (int pass = 0; pass < 100 && underlined(inView) != on; ++pass)
        QCoreApplication::processEvents();
    QCOMPARE(underlined(inView), on);
    // The rest is done later, unless the first slice was enough for all.
    if (!adopted && !waitForSpellCheck(editor.document(), 0))
        QCOMPARE(underlined(last), !on);

    if (how == QLatin1String("edit")) {
        QTextCursor edit(editor.document());
        edit.insertText(QStringLiteral("new bad\n"));
        edit.setPosition(editor.document()->findBlockByNumber(400).position());
        edit.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, 2);
        edit.insertText(QStringLiteral("worst "));
    }
    QVERIFY(waitForSpellCheck(editor.document()));
    const QStringList checked = spellUnderlines(*editor.document());
    QCOMPARE(checked.isEmpty(), !on);
    editor.document()->findChild<Highlighter *>()->rehighlight();
    QCOMPARE(checked, spellUnderlines(*editor.document()));
}

void TestHighlighter::longEditsAreCheckedInSlicesViewFirst_data()
{
    QTest::addColumn<QString>("how");
    // Whether the edit reaches the paragraphs in view and the last one.
    QTest::addColumn<bool>("reachesTheEnd");
    // Whether the last paragraph is still the one it was.
    QTest::addColumn<bool>("keepsTheLast");
    QTest::newRow("bold over everything") << "bold" << true << true;
    QTest::newRow("replaced throughout in one step") << "replace" << true << true;
    QTest::newRow("everything typed over") << "paste" << true << false;
    QTest::newRow("paragraphs pasted near the start") << "insert" << false << true;
}

// An edit over hundreds of paragraphs leaves their check to the event loop,
// the paragraphs in view first, and in the end, as after its undo, the
// underlines are those of a full check.
void TestHighlighter::longEditsAreCheckedInSlicesViewFirst()
{
    QFETCH(QString, how);
    QFETCH(bool, reachesTheEnd);
    QFETCH(bool, keepsTheLast);
    LongDocumentEditor shown;
    Utils &utils = shown.utils;
    UnicodeKaEditor &editor = shown.editor;
    const QStringList &paragraphs = shown.paragraphs;
    const QString text = paragraphs.join(QLatin1Char('\n'));
    editor.setPlainText(text);
    QVERIFY(waitForSpellCheck(editor.document()));
    editor.verticalScrollBar()->setValue(editor.verticalScrollBar()->maximum() / 2);
    QCoreApplication::processEvents();
    QTextDocument *doc = editor.document();
    // Underlines as "start+length" in the paragraph.
    const auto underlines = [](const QTextBlock &block) {
        QStringList ranges;
        for (const QTextLayout::FormatRange &range : block.layout()->formats())
            ranges << QStringLiteral("%1+%2").arg(range.start).arg(range.length);
        return ranges;
    };
    // Words of the last paragraph and of those in view become known: only
    // a check of a paragraph takes their underlines away.
    const QTextBlock last = doc->lastBlock();
    const QStringList lastBefore = underlines(last);
    if (reachesTheEnd) {
        utils.addWord(QStringLiteral("bad799"));
        const int viewed = editor.cursorForPosition(editor.viewport()->rect().center()).block().blockNumber();
        for (int i = viewed - 10; i <= viewed + 10; ++i)
            utils.addWord(QStringLiteral("worse%1").arg(i));
    }

    QTextCursor cursor(doc);
    if (how == QLatin1String("bold")) {
        editor.selectAll();
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        editor.mergeCurrentCharFormat(bold);
    } else if (how == QLatin1String("replace")) {
        cursor.beginEditBlock();
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
            QTextCursor word(block);
            word.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
            word.insertText(QStringLiteral("worst"));
        }
        cursor.endEditBlock();
    } else if (how == QLatin1String("paste")) {
        editor.selectAll();
        editor.insertPlainText(paragraphs.join(QLatin1String(" worst\n")) + QLatin1String(" worst"));
    } else {
        cursor.setPosition(doc->findBlockByNumber(10).position());
        cursor.insertText(paragraphs.mid(0, 100).join(QLatin1String(" bad\n")) + QLatin1Char('\n'));
    }
    const bool lastWaits = reachesTheEnd && keepsTheLast;
    if (lastWaits)
        QCOMPARE(underlines(last), lastBefore);

    // The paragraph in view is checked with the first slice.
    const QTextBlock inView = editor.cursorForPosition(editor.viewport()->rect().center()).block();
    QTextDocument alone;
    alone.setPlainText(inView.text());
    const QStringList inViewChecked = expectedSpellUnderlines(&utils, alone);
    const int cursorInView = editor.textCursor().position() - inView.position();
    for (int pass = 0; pass < 100 && !underlinesMatchBarTheWaitingWord(underlines(inView), inViewChecked, cursorInView);
         ++pass)
        QCoreApplication::processEvents();
    QVERIFY2(underlinesMatchBarTheWaitingWord(underlines(inView), inViewChecked, cursorInView),
             qPrintable(underlines(inView).join(' ') + " / " + inViewChecked.join(' ')));
    if (lastWaits && !waitForSpellCheck(doc, 0))
        QCOMPARE(underlines(last), lastBefore);

    QVERIFY(waitForSpellCheck(doc));
    const QStringList checked = spellUnderlines(*doc);
    const QStringList expected = expectedSpellUnderlines(&utils, *doc);
    QVERIFY2(underlinesMatchBarTheWaitingWord(checked, expected, editor.textCursor().position()),
             qPrintable(QStringLiteral("%1 underlines, a full check gives %2, first differing: %3")
                                .arg(checked.size())
                                .arg(expected.size())
                                .arg(firstDifference(checked, expected))));
    editor.undo();
    QVERIFY(waitForSpellCheck(doc));
    QCOMPARE(doc->toPlainText(), text);
    QCOMPARE(spellUnderlines(*doc), expectedSpellUnderlines(&utils, *doc));
}

void TestHighlighter::adoptedDocumentIsLaidOutOnceWithItsUnderlines_data()
{
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<QString>("how");
    QTest::newRow("left to the event loop") << false << "wait";
    QTest::newRow("text cursor moved to the end at once") << false << "end";
    QTest::newRow("hit test far below what is laid out") << false << "hit";
    QTest::newRow("typed in at the start meanwhile") << false << "type";
    QTest::newRow("replaced throughout, left to the event loop") << true << "wait";
    QTest::newRow("replaced throughout, text cursor moved to the end") << true << "end";
    QTest::newRow("replaced throughout, hit test far below") << true << "hit";
}

// A long document taken over is checked ahead of its layout, also where a
// view has the layout hurry on: no paragraph is laid out again for its
// underlines, and in the end they are those of a full check. So is one
// replaced throughout in one step (Replace All), which is laid out anew from
// the top while its paragraphs wait for their check: one checked after its
// layout was laid out a second time, and while the layout was in progress
// every paragraph after it with it, for every slice of the check (a 10 MB
// document kept a core busy for most of a minute so).
void TestHighlighter::adoptedDocumentIsLaidOutOnceWithItsUnderlines()
{
    QFETCH(bool, replaced);
    QFETCH(QString, how);
    LongDocumentEditor shown(8000);
    Utils &utils = shown.utils;
    UnicodeKaEditor &editor = shown.editor;
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    auto *read = new QTextDocument;
    read->setPlainText(shown.paragraphs.join(QLatin1Char('\n')));
    editor.adoptDocument(read);
    QCOMPARE(editor.document(), read);

    const QTextBlock last = read->lastBlock();
    if (replaced) {
        for (int pass = 0; pass < 100000 && last.layout()->lineCount() == 0; ++pass)
            QCoreApplication::processEvents();
        QVERIFY(waitForSpellCheck(read));
        // The first unknown word of every paragraph becomes a shorter one:
        // the underlines after it move.
        QTextCursor cursor(read);
        cursor.beginEditBlock();
        for (QTextBlock block = read->begin(); block.isValid(); block = block.next()) {
            QTextCursor word(block);
            word.setPosition(block.position() + 3);
            word.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
            word.insertText(QStringLiteral("no"));
        }
        cursor.endEditBlock();
        QCOMPARE(last.layout()->lineCount(), 0);
    }
    LayoutWatcher watcher(read);
    if (how == QLatin1String("end")) {
        editor.moveCursor(QTextCursor::End);
        // A document laid out anew keeps the text cursor in view where it
        // was laid out before, without laying out all above it at once.
        QVERIFY(replaced || last.layout()->lineCount() > 0);
    } else if (how == QLatin1String("hit")) {
        QCOMPARE(read->documentLayout()->hitTest(QPointF(10, 1e6), Qt::FuzzyHit), read->characterCount() - 1);
    } else if (how == QLatin1String("type")) {
        editor.moveCursor(QTextCursor::Start);
        editor.insertPlainText(QStringLiteral("new bad "));
        QCOMPARE(read->begin().text(), QStringLiteral("new bad ok bad0 ok worse0 ok"));
    }
    watcher.look();
    qApp->installEventFilter(&watcher);
    for (int pass = 0; pass < 100000 && last.layout()->lineCount() == 0; ++pass)
        QCoreApplication::processEvents();
    QVERIFY(last.layout()->lineCount() > 0);
    QVERIFY(waitForSpellCheck(read));
    qApp->removeEventFilter(&watcher);
    watcher.look();
    QVERIFY(!watcher.next().isValid());
    QVERIFY2(watcher.bare.isEmpty(), qPrintable(QStringLiteral("%1 paragraphs laid out before their check, first %2")
                                                        .arg(watcher.bare.size())
                                                        .arg(watcher.bare.value(0))));
    const QStringList checked = spellUnderlines(*read);
    const QStringList expected = expectedSpellUnderlines(&utils, *read);
    QVERIFY2(underlinesMatchBarTheWaitingWord(checked, expected, editor.textCursor().position()),
             qPrintable(QStringLiteral("%1 underlines, a full check gives %2, first differing: %3")
                                .arg(checked.size())
                                .arg(expected.size())
                                .arg(firstDifference(checked, expected))));
}

void TestHighlighter::wholeDocumentCheckLaysOutEachParagraphOnce_data()
{
    // How much of the document is laid out when the check starts.
    QTest::addColumn<int>("laidOutShare");
    QTest::newRow("half laid out") << 50;
    QTest::newRow("all laid out") << 100;
}

// Checking a long document again (the word list just loaded, spell check
// switched) changes the underlines of every paragraph. A paragraph laid out
// already is laid out again for them, and only it, once: not once more for
// every slice of the check that comes after it while the document's layout
// is still in progress.
void TestHighlighter::wholeDocumentCheckLaysOutEachParagraphOnce()
{
    QFETCH(int, laidOutShare);
    LongDocumentEditor shown(8000);
    UnicodeKaEditor &editor = shown.editor;
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    auto *read = new QTextDocument;
    read->setPlainText(shown.paragraphs.join(QLatin1Char('\n')));
    editor.adoptDocument(read);
    const QTextBlock last = read->lastBlock();
    const QTextBlock laidOut = read->findBlockByNumber((read->blockCount() - 1) * laidOutShare / 100);
    for (int pass = 0; pass < 100000 && laidOut.layout()->lineCount() == 0; ++pass)
        QCoreApplication::processEvents();
    QCOMPARE(last.layout()->lineCount() > 0, laidOutShare == 100);

    LayoutCounter counter(read);
    counter.look();
    qApp->installEventFilter(&counter);
    editor.setSpellCheckAsYouType(false);
    for (int pass = 0; pass < 100000 && last.layout()->lineCount() == 0; ++pass)
        QCoreApplication::processEvents();
    QVERIFY(waitForSpellCheck(read));
    qApp->removeEventFilter(&counter);
    counter.look();
    QVERIFY(spellUnderlines(*read).isEmpty());
    QVERIFY2(counter.most() <= 2, qPrintable(QStringLiteral("paragraph %1 laid out %2 times")
                                                     .arg(counter.mostAt())
                                                     .arg(counter.most())));
}

void TestHighlighter::doubleClickHandsOverTheSuggestionOnce()
{
    QPointer<Suggestions> popup = new Suggestions({QStringLiteral("one"), QStringLiteral("two")});
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    QSignalSpy chosen(popup.data(), &Suggestions::wordSelected);
    auto *list = popup->findChild<QListWidget *>();
    QVERIFY(list);
    const QRect second = list->visualItemRect(list->item(1));
    // A double-click is a click followed by the double-click event.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toString(), QStringLiteral("two"));
    QTRY_VERIFY(popup.isNull());
}

YAVO_TEST_MAIN(TestHighlighter)

#include "tst_highlighter.moc"
