#include "editor/suggestions.h"
#include "editor/unicodekaeditor.h"

#include "core/indictransliterator.h"
#include "utils/utils.h"
#include "widgets/yvmessagebox.h"

#include "hexcodes.h"
#include "modalanswerer.h"
#include "spellunderlines.h"
#include "testmain.h"
#include "textselection.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextTable>
#include <QTimer>

class TestUnicodeKaEditorWords : public QObject
{
    Q_OBJECT

private slots:
    void completionPopup_data();
    void completionPopup();
    void onlyTheFocusedEditorTakesACompletion();
    void completionInsertsTheOfferedWord_data();
    void completionInsertsTheOfferedWord();
    void popupKeepsTheEditorAsItWas_data();
    void popupKeepsTheEditorAsItWas();
    void contextMenuEntries_data();
    void contextMenuEntries();
    void addsToTheDictionary_data();
    void addsToTheDictionary();
    void suggestionReplacesTheWord();
    void convertsAnsiToUnicode_data();
    void convertsAnsiToUnicode();
    void conversionKeepsParagraphs_data();
    void conversionKeepsParagraphs();
    void menuInsertsJoiners_data();
    void menuInsertsJoiners();
    void searchStringIsTheWordUnderTheCaret_data();
    void searchStringIsTheWordUnderTheCaret();
};

namespace {

const QStringList knownWords{QStringLiteral("abcd"), QStringLiteral("abcde"), QStringLiteral("hello")};

QString kannada(const char *keys)
{
    return IndicTransliterator().convert(QLatin1String(keys), 0, 0);
}

struct Editor
{
    explicit Editor(int language = 9, bool loaded = true) : editor(&utils, language, 0)
    {
        if (loaded) {
            utils.loadUserDictionary();
            utils.addWords(knownWords + QStringList{kannada("kannaDiga")});
        }
    }

    // Shows the editor with the keyboard focus, the shared completer bound.
    void focus()
    {
        editor.setCompleter(utils.completer());
        utils.addWords(knownWords + QStringList{kannada("kannaDiga")});
        editor.show();
        editor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        editor.setFocus();
        QTRY_COMPARE(utils.completer()->widget(), &editor);
    }
    void setText(const QString &text, int anchor, int position)
    {
        editor.setPlainText(text);
        selectText(editor, anchor, position);
    }

    Utils utils;
    UnicodeKaEditor editor;
};

QString entryText(const QAction *action)
{
    QString text = action->text();
    if (action->menu()) {
        QStringList inner;
        for (const QAction *a : action->menu()->actions())
            inner << a->text();
        text += QLatin1String(": ") + inner.join(QLatin1Char('|'));
    }
    return action->isEnabled() ? text : text + QLatin1String(" (off)");
}

// Opens the context menu at a point of the editor and returns the editor's
// own entries (those after the standard ones); the entry named `trigger`
// is chosen after the menu closes.
QStringList contextMenu(UnicodeKaEditor &editor, const QPoint &at, const QString &trigger = QString())
{
    QStringList entries;
    bool shown = false;
    QTimer::singleShot(0, &editor, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        shown = true;
        QAction *chosen = nullptr;
        bool own = false;
        for (QAction *action : menu->actions()) {
            own = own || action->text() == QLatin1String("Copy special");
            if (own && !action->isSeparator())
                entries << entryText(action);
            if (action->text() == trigger)
                chosen = action;
        }
        menu->close();
        if (chosen)
            chosen->trigger();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, editor.viewport()->mapToGlobal(at));
    QApplication::sendEvent(editor.viewport(), &event);
    if (!shown)
        entries << QStringLiteral("<no menu>");
    return entries;
}

QPoint firstWord(UnicodeKaEditor &editor)
{
    QTextCursor cursor(editor.document());
    cursor.setPosition(1);
    return editor.cursorRect(cursor).center();
}

int spellingUnderlines(const QTextBlock &block)
{
    int count = 0;
    for (const QTextLayout::FormatRange &range : block.layout()->formats())
        count += range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline;
    return count;
}

} // namespace

void TestUnicodeKaEditorWords::completionPopup_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("prefixLength");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("current");

    const int none = 0;
    QTest::newRow("two letters") << 9 << 3 << "ab" << none << 0 << QString();
    QTest::newRow("three letters") << 9 << 3 << "abc" << none << 0 << "abcd";
    QTest::newRow("the first word is the typed one") << 9 << 3 << "abcd" << none << 0 << QString();
    QTest::newRow("no word starts so") << 9 << 3 << "qqq" << none << 0 << QString();
    QTest::newRow("prefix length 4") << 9 << 4 << "abc" << none << 0 << QString();
    QTest::newRow("a digit closes") << 9 << 3 << "abc" << int(Qt::Key_1) << 0 << QString();
    QTest::newRow("punctuation closes") << 9 << 3 << "abc" << int(Qt::Key_Comma) << 0 << QString();
    QTest::newRow("Backspace closes") << 9 << 3 << "abcd" << int(Qt::Key_Backspace) << 0 << QString();
    QTest::newRow("Ctrl with a letter closes") << 9 << 3 << "abc" << int(Qt::Key_C) << int(Qt::ControlModifier)
                                               << QString();
    QTest::newRow("Ctrl+Shift with a letter closes") << 9 << 3 << "abc" << int(Qt::Key_C)
                                                     << int(Qt::ControlModifier | Qt::ShiftModifier) << QString();
    QTest::newRow("Alt with a letter closes") << 9 << 3 << "ab" << int(Qt::Key_C) << int(Qt::AltModifier)
                                              << QString();
    QTest::newRow("Shift with a letter completes") << 9 << 3 << "ab" << int(Qt::Key_C) << int(Qt::ShiftModifier)
                                                   << "abcd";
    QTest::newRow("Return is left to the popup") << 9 << 3 << "abc" << int(Qt::Key_Return) << 0 << "abcd";
    QTest::newRow("the composed Kannada word") << 0 << 3 << "kannaDi" << none << 0 << kannada("kannaDiga");
}

void TestUnicodeKaEditorWords::completionPopup()
{
    QFETCH(int, language);
    QFETCH(int, prefixLength);
    QFETCH(QString, keys);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, current);

    Editor e(language);
    e.focus();
    e.editor.setAutoComplpetePrefixLength(prefixLength);
    QTest::keyClicks(&e.editor, keys);
    if (key) {
        const QString text = key == Qt::Key_Backspace ? QString()
                : key == Qt::Key_Return ? QStringLiteral("\r")
                : QString(QChar(key)).toLower();
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers),
                        modifiers & Qt::ShiftModifier ? text.toUpper() : text);
        QApplication::sendEvent(&e.editor, &press);
    }
    QAbstractItemView *popup = e.utils.completer()->popup();
    QCOMPARE(popup->isVisible(), !current.isEmpty());
    QCOMPARE(e.editor.document()->blockCount(), 1);
    if (!current.isEmpty())
        QCOMPARE(hexCodes(popup->currentIndex().data().toString()), hexCodes(current));
}

void TestUnicodeKaEditorWords::completionInsertsTheOfferedWord_data()
{
    QTest::addColumn<int>("keyboard");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("words");   // added to the word list
    QTest::addColumn<QString>("offered");

    const QString listForm = kannada("kAryavannu");
    QTest::newRow("joiner typed with Phonetic") << 0 << "kArXya" << QStringList{listForm} << listForm;
    QTest::newRow("non-joiner typed with KPRao") << 1 << "kArffy" << QStringList{listForm} << listForm;
    const QString joinedForm = kannada("kArXyakrama");
    QTest::newRow("the list's own form with the joiner") << 0 << "kArXya" << QStringList{listForm, joinedForm}
                                                         << joinedForm;
}

// A word typed with the joiners a layout makes is offered as the word list
// spells it, and Return puts in exactly the word offered, which then has no
// spelling underline.
void TestUnicodeKaEditorWords::completionInsertsTheOfferedWord()
{
    QFETCH(int, keyboard);
    QFETCH(QString, keys);
    QFETCH(QStringList, words);
    QFETCH(QString, offered);

    Editor e(0);
    e.editor.setKeyboard(keyboard);
    e.focus();
    e.utils.addWords(words);
    // As the tab widget has it.
    QVERIFY(connect(e.utils.completer(), SIGNAL(activated(QString)), &e.editor, SLOT(insertCompletion(QString))));
    QTest::keyClicks(&e.editor, keys);
    QAbstractItemView *popup = e.utils.completer()->popup();
    QVERIFY(popup->isVisible());
    QCOMPARE(hexCodes(popup->currentIndex().data().toString()), hexCodes(offered));

    QTest::keyClick(popup, Qt::Key_Return);
    QVERIFY(!popup->isVisible());
    QCOMPARE(hexCodes(e.editor.toPlainText()), hexCodes(offered));
    QCOMPARE(e.editor.textCursor().position(), offered.size());
    QTest::keyClick(&e.editor, Qt::Key_Space);
    QVERIFY(waitForSpellCheck(e.editor.document()));
    QCOMPARE(spellUnderlines(*e.editor.document()), QStringList());
}

// One completer serves every editor; a choice goes to the focused one.
void TestUnicodeKaEditorWords::onlyTheFocusedEditorTakesACompletion()
{
    Utils utils;
    utils.loadUserDictionary();
    QCompleter *completer = utils.completer();
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    UnicodeKaEditor *editors[] = {new UnicodeKaEditor(&utils, 9, 0), new UnicodeKaEditor(&utils, 9, 0)};
    for (UnicodeKaEditor *editor : editors) {
        layout->addWidget(editor);
        editor->setCompleter(completer);
        editor->setPlainText(QStringLiteral("say ab"));
        editor->moveCursor(QTextCursor::End);
        QVERIFY(connect(completer, SIGNAL(activated(QString)), editor, SLOT(insertCompletion(QString))));
    }
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    editors[1]->setFocus();
    QTRY_COMPARE(completer->widget(), editors[1]);
    emit completer->activated(QStringLiteral("abcd"));
    QCOMPARE(editors[0]->toPlainText(), QStringLiteral("say ab"));
    QCOMPARE(editors[1]->toPlainText(), QStringLiteral("say abcd"));

    editors[0]->setFocus();
    QTRY_COMPARE(completer->widget(), editors[0]);
    emit completer->activated(QStringLiteral("abcde"));
    QCOMPARE(editors[0]->toPlainText(), QStringLiteral("say abcde"));
    QCOMPARE(editors[1]->toPlainText(), QStringLiteral("say abcd"));
}

// Collects what of widgets is painted while it filters their events.
class PaintedArea : public QObject
{
public:
    QRegion painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

void TestUnicodeKaEditorWords::popupKeepsTheEditorAsItWas_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("closingKey");
    QTest::newRow("a letter changes the list") << "hel" << int(Qt::Key_L);
    QTest::newRow("a letter completes the word") << "abc" << int(Qt::Key_D);
    QTest::newRow("a space closes the popup") << "abc" << int(Qt::Key_Space);
    QTest::newRow("Escape closes the popup") << "abc" << int(Qt::Key_Escape);
}

// The completion popup leaves the keyboard focus with the editor while it
// shows, and Qt tells the editor of the focus going to the popup and coming
// back all the same (also when a key only changes the list: the popup hides
// before the key and shows again after it). To the editor that is no
// change. Taken for one, the editor was repainted whole, and in a long
// document its layout first brought every paragraph after the typed one up
// to date: as slow as a plain text edit, at every key that changed or closed
// the list.
void TestUnicodeKaEditorWords::popupKeepsTheEditorAsItWas()
{
    QFETCH(QString, keys);
    QFETCH(int, closingKey);
    Editor e;
    e.focus();
    e.editor.setAutoComplpetePrefixLength(3);
    QTest::keyClicks(&e.editor, keys);
    QAbstractItemView *popup = e.utils.completer()->popup();
    QVERIFY(popup->isVisible());
    QCoreApplication::processEvents();

    // The popup, while it shows, has the keys first.
    QTest::keyClick(popup, Qt::Key(closingKey));
    QCOMPARE(popup->isVisible(), closingKey == Qt::Key_L);
    QVERIFY(e.editor.hasFocus());

    // The editor still counts itself focused: told again that the focus is
    // back, it repaints nothing.
    QCoreApplication::processEvents();
    PaintedArea area;
    e.editor.installEventFilter(&area);
    e.editor.viewport()->installEventFilter(&area);
    QFocusEvent back(QEvent::FocusIn, Qt::PopupFocusReason);
    QApplication::sendEvent(&e.editor, &back);
    QCoreApplication::processEvents();
    QVERIFY2(area.painted.isEmpty(), qPrintable(QStringLiteral("%1 pixels high repainted")
                                                        .arg(area.painted.boundingRect().height())));
    // A focus truly lost and regained is handled as ever.
    popup->hide();
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(&e.editor, &out);
    QFocusEvent in(QEvent::FocusIn, Qt::PopupFocusReason);
    QApplication::sendEvent(&e.editor, &in);
    QCoreApplication::processEvents();
    e.editor.removeEventFilter(&area);
    e.editor.viewport()->removeEventFilter(&area);
    QVERIFY(!area.painted.isEmpty());
}

void TestUnicodeKaEditorWords::contextMenuEntries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("ignored");
    QTest::addColumn<QString>("object");
    QTest::addColumn<QStringList>("entries");

    const QStringList tail{"Insert ZWJ", "Insert ZWNJ", "Convert ANSI to Unicode"};
    const QStringList copyOff{"Copy special (off)"};
    const QStringList wordTools{"Suggestions...", "Wiktionary Meaning (Online)..."};
    const QStringList unknown = QStringList{"Add To Dictionary"} + wordTools;
    // The menu is always opened on the first word; the caret decides.
    QTest::newRow("unknown word at the caret") << "abcd xyzw" << 7 << 7 << true << "" << ""
                                               << copyOff + unknown + tail;
    QTest::newRow("known word at the caret") << "xyzw abcd" << 7 << 7 << true << "" << ""
                                             << copyOff + wordTools + tail;
    QTest::newRow("ignored word") << "abcd xyzw" << 7 << 7 << true << "xyzw" << ""
                                  << copyOff + wordTools + tail;
    QTest::newRow("before the list is loaded") << "abcd xyzw" << 1 << 1 << false << "" << ""
                                               << copyOff + unknown + tail;
    QTest::newRow("a selection can be copied") << "abcd xyzw" << 0 << 4 << true << "" << ""
                                               << QStringList{"Copy special"} + wordTools + tail;
    QTest::newRow("no word") << "" << 0 << 0 << true << "" << "" << copyOff + tail;
    QTest::newRow("in a table")
            << "abcd" << 4 << 4 << true << "" << "table"
            << copyOff
                    + QStringList{"Table Properties: Append row(s)|Append column(s)|Remove row(s)|"
                                  "Remove column(s)|Insert row(s)|Insert column(s)|Insert row(s) before|"
                                  "Insert column(s) before|Merge cell(s)|Split cell"}
                    + tail;
    QTest::newRow("after an image") << "abcd" << 4 << 4 << true << "" << "image"
                                    << copyOff + QStringList{"Image Properties"} + tail;
}

void TestUnicodeKaEditorWords::contextMenuEntries()
{
    QFETCH(QString, text);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(bool, loaded);
    QFETCH(QString, ignored);
    QFETCH(QString, object);
    QFETCH(QStringList, entries);

    Editor e(9, loaded);
    if (!ignored.isEmpty())
        e.utils.ignoreWord(ignored);
    e.setText(text, anchor, position);
    if (object == QLatin1String("table")) {
        QTextCursor cursor = e.editor.textCursor();
        cursor.insertTable(2, 2);
        e.editor.setTextCursor(cursor);
    } else if (object == QLatin1String("image")) {
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        e.editor.textCursor().insertImage(image, QStringLiteral("picture"));
    }
    e.editor.show();
    QCOMPARE(contextMenu(e.editor, firstWord(e.editor)), entries);
    // The table's submenu is made once and kept.
    if (object == QLatin1String("table"))
        QCOMPARE(contextMenu(e.editor, firstWord(e.editor)), entries);
}

void TestUnicodeKaEditorWords::addsToTheDictionary_data()
{
    QTest::addColumn<bool>("writable");

    QTest::newRow("added") << true;
    QTest::newRow("the word file cannot be written") << false;
}

void TestUnicodeKaEditorWords::addsToTheDictionary()
{
    QFETCH(bool, writable);

    TestSandbox sandbox;
    const QString userWords = QDir(sandbox.userDataDir()).filePath(QStringLiteral("usr.dct"));
    if (!writable)
        QVERIFY(QDir().mkpath(userWords));
    Editor e;
    e.editor.setCompleter(e.utils.completer());
    e.utils.addWords(knownWords);
    e.setText(QStringLiteral("abcd xyzw"), 7, 7);
    QCOMPARE(spellingUnderlines(e.editor.document()->firstBlock()), 1);

    ModalAnswerer answerer;
    answerer.expectMessageBox(Utils::displayName(),
                              writable ? QStringLiteral("Word added to dictionary") : QStringLiteral("Failed to add the word"),
                              QMessageBox::Ok);
    QVERIFY(QMetaObject::invokeMethod(&e.editor, "slotAddDictionary"));
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    if (writable) {
        QCOMPARE(Utils::readLines(userWords), QStringList{"xyzw"});
        QCOMPARE(spellingUnderlines(e.editor.document()->firstBlock()), 0);
    }
}

// The chosen suggestion takes the misspelled word's place.
void TestUnicodeKaEditorWords::suggestionReplacesTheWord()
{
    Editor e;
    e.setText(QStringLiteral("say helo now"), 6, 6);
    e.editor.slotDisplaySuggestions();
    QVERIFY2(!e.editor.findChild<Suggestions *>(), "no suggestions before the word list is loaded");

    e.editor.setCompleter(e.utils.completer());
    e.utils.addWords(knownWords);
    e.editor.slotDisplaySuggestions();
    QPointer<Suggestions> popup = e.editor.findChild<Suggestions *>();
    QVERIFY(popup);
    emit popup->wordSelected(QStringLiteral("hello"));
    QCOMPARE(e.editor.toPlainText(), QStringLiteral("say hello now"));
    QCOMPARE(e.editor.textCursor().position(), 9);
    delete popup;
}

void TestUnicodeKaEditorWords::convertsAnsiToUnicode_data()
{
    QTest::addColumn<bool>("viaMenu");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("bold");

    const QString ka = QStringLiteral(u"\u0C95");
    // "x " plain, then a bold Nudi "ka", a plain space, a plain Nudi "ka".
    QTest::newRow("the word at the caret, from the menu") << true << 3 << 3 << "x " + ka + " PÀ" << "..x...";
    QTest::newRow("the word at the caret") << false << 4 << 4 << "x " + ka + " PÀ" << "..x...";
    QTest::newRow("a selection, each word its format") << false << 2 << 7 << "x " + ka + " " + ka << "..x..";
}

void TestUnicodeKaEditorWords::convertsAnsiToUnicode()
{
    QFETCH(bool, viaMenu);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(QString, result);
    QFETCH(QString, bold);

    Editor e;
    QTextCursor cursor(e.editor.document());
    cursor.insertText(QStringLiteral("x "));
    QTextCharFormat boldFormat;
    boldFormat.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("PÀ"), boldFormat);
    cursor.insertText(QStringLiteral(" PÀ"), QTextCharFormat());
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    e.editor.setTextCursor(cursor);
    e.editor.show();

    if (viaMenu)
        contextMenu(e.editor, firstWord(e.editor), QStringLiteral("Convert ANSI to Unicode"));
    else
        e.editor.slotConvertANSI2Unicode();

    QCOMPARE(hexCodes(e.editor.toPlainText()), hexCodes(result));
    QCOMPARE(e.editor.document()->blockCount(), 1);
    QString marks;
    for (int i = 0; i < result.size(); ++i) {
        QTextCursor at(e.editor.document());
        at.setPosition(i + 1);
        marks += at.charFormat().fontWeight() == QFont::Bold ? QLatin1Char('x') : QLatin1Char('.');
    }
    QCOMPARE(marks, bold);
    // Apart from the bold, every character keeps the format of the "x" that
    // was not converted: no font comes in with the conversion.
    const auto formatAt = [&](int i) {
        QTextCursor at(e.editor.document());
        at.setPosition(i + 1);
        QTextCharFormat format = at.charFormat();
        format.clearProperty(QTextFormat::FontWeight);
        return format.properties();
    };
    for (int i = 1; i < result.size(); ++i)
        QCOMPARE(formatAt(i), formatAt(0));

    yvMessageBox *notice = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        notice = notice ? notice : qobject_cast<yvMessageBox *>(w);
    QVERIFY(notice);
    QVERIFY(notice->findChild<QLabel *>());
    QCOMPARE(notice->findChild<QLabel *>()->text(), QStringLiteral("Unicode conversion completed!"));
    delete notice;
}

void TestUnicodeKaEditorWords::conversionKeepsParagraphs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");

    const QString ka = QStringLiteral(u"\u0C95");
    QTest::newRow("two paragraphs") << "PÀ\nPÀ PÀ" << ka + "\n" + ka + " " + ka;
    // A table's cells are paragraphs of their own, between empty ones.
    QTest::newRow("a table") << "PÀ\tPÀ" << "\n" + ka + "\n" + ka + "\n";
    QTest::newRow("nothing to convert") << "" << "";
}

// A selection over paragraphs or a table keeps them; nothing under the caret
// converts nothing.
void TestUnicodeKaEditorWords::conversionKeepsParagraphs()
{
    QFETCH(QString, text);
    QFETCH(QString, result);

    Editor e;
    if (text.contains(QLatin1Char('\t'))) {
        QTextCursor cursor = e.editor.textCursor();
        QTextTable *table = cursor.insertTable(1, 2);
        table->cellAt(0, 0).firstCursorPosition().insertText(text.section(QLatin1Char('\t'), 0, 0));
        table->cellAt(0, 1).firstCursorPosition().insertText(text.section(QLatin1Char('\t'), 1));
    } else {
        e.editor.setPlainText(text);
    }
    QTextCursor last(e.editor.document()->lastBlock());
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    last.setBlockFormat(centred);
    e.editor.selectAll();
    e.editor.slotConvertANSI2Unicode();

    const QString got = e.editor.toPlainText();
    QCOMPARE(hexCodes(got), hexCodes(result));
    if (text.contains(QLatin1Char('\t')))
        QVERIFY(QTextCursor(e.editor.document()->firstBlock().next()).currentTable());
    else
        QCOMPARE(e.editor.document()->lastBlock().blockFormat().alignment(), Qt::AlignHCenter);
    for (QWidget *w : QApplication::topLevelWidgets())
        delete qobject_cast<yvMessageBox *>(w);
}

void TestUnicodeKaEditorWords::menuInsertsJoiners_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("result");

    QTest::newRow("ZWJ") << "Insert ZWJ" << QStringLiteral(u"ab\u200Dcd");
    QTest::newRow("ZWNJ") << "Insert ZWNJ" << QStringLiteral(u"ab\u200Ccd");
}

void TestUnicodeKaEditorWords::menuInsertsJoiners()
{
    QFETCH(QString, entry);
    QFETCH(QString, result);

    Editor e;
    e.setText(QStringLiteral("abcd"), 2, 2);
    e.editor.show();
    contextMenu(e.editor, firstWord(e.editor), entry);
    QCOMPARE(hexCodes(e.editor.toPlainText()), hexCodes(result));
    QCOMPARE(e.editor.textCursor().position(), 3);
}

void TestUnicodeKaEditorWords::searchStringIsTheWordUnderTheCaret_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("word");

    QTest::newRow("a word") << "say hello" << "hello";
    QTest::newRow("no word") << "" << "";
}

void TestUnicodeKaEditorWords::searchStringIsTheWordUnderTheCaret()
{
    QFETCH(QString, text);
    QFETCH(QString, word);

    Editor e;
    e.setText(text, text.size(), text.size());
    QSignalSpy spy(&e.editor, &UnicodeKaEditor::searchString);
    e.editor.slotSearchString();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toString(), word);
}

YAVO_TEST_MAIN(TestUnicodeKaEditorWords)
#include "tst_unicodekaeditorwords.moc"
