#include "app/mainwindow.h"
#include "app/scriptconvertdialog.h"
#include "app/settingsdialog.h"
#include "app/tabwidget.h"
#include "app/ui_mainwindow.h"
#include "editor/edituserdict.h"
#include "editor/findandreplacedialog.h"
#include "editor/spellcheckdialog.h"
#include "editor/unicodekaeditor.h"
#include "editor/userdict.h"
#include "editor/wiktionaryonline.h"
#include "utils/wordcompleter.h"
#include "editor/yavokoshadialog.h"
#include "widgets/unicodelineedit.h"

#include "loopbackhttpserver.h"
#include "modalanswerer.h"
#include "spellunderlines.h"
#include "testmain.h"
#include "testplugins.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QLayout>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QCompleter>
#include <QMimeData>
#include <QStringListModel>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

// The Edit, Format and Tools commands and the language tools, driven through
// the real window's actions, each test in a fresh settings store and
// current folder.
class tst_TabWidgetEditing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { addTestPluginPath(); }
    void init();
    void cleanup();
    void editCommands_data();
    void editCommands();
    void formatCommands_data();
    void formatCommands();
    void keysInTheWindow_data();
    void keysInTheWindow();
    void findWithoutThePanel_data();
    void findWithoutThePanel();
    void findPanelBelowTheTabs();
    void findPanelFollowsTheCurrentTab();
    void spellCheckAsYouTypeReachesEveryTab();
    void spellCheckDialogIsSharedAndBound();
    void completerCarriesUserWordsAndFollowsTheTab();
    void completionOfAWordTypedWithAJoiner_data();
    void completionOfAWordTypedWithAJoiner();
    void documentsOpenedBeforeTheListAreCheckedAgain();
    void damagedUserDictionaryIsShownOnLoad();
    void scriptConversion_data();
    void scriptConversion();
    void scriptConversionRefused_data();
    void scriptConversionRefused();
    void wiktionary_data();
    void wiktionary();
    void offlineDictionary_data();
    void offlineDictionary();
    void hiddenCommands();
    void modalToolsWithoutParent();
    void helpPageStaysOutOfTheTabs();
    void commandsWithoutEditorDoNothing();

private:
    TabWidget *tabs() const { return m_window->tabWidget(); }
    UnicodeKaEditor *editor() const { return tabs()->editorAtIndex(tabs()->currentIndex()); }
    QAction *action(const QString &name) const { return m_window->findChild<QAction *>(name); }
    // The text as if loaded: nothing to undo, not modified, the given
    // selection (anchor, position).
    void setText(const QString &text, int anchor = 0, int position = -1) const;
    QScopedPointer<TestSandbox> m_sandbox;
    QScopedPointer<MainWindow> m_window;
};

void tst_TabWidgetEditing::init()
{
    m_sandbox.reset(new TestSandbox);
    m_window.reset(new MainWindow);
    m_window->handleArguments({QStringLiteral("yavo-pad")});
    QCOMPARE(tabs()->count(), 1);
}

void tst_TabWidgetEditing::cleanup()
{
    m_window.reset();
    m_sandbox.reset();
}

void tst_TabWidgetEditing::setText(const QString &text, int anchor, int position) const
{
    UnicodeKaEditor *e = editor();
    e->setPlainText(text);
    e->document()->clearUndoRedoStacks();
    e->document()->setModified(false);
    QTextCursor cursor(e->document());
    cursor.setPosition(anchor);
    cursor.setPosition(position < 0 ? anchor : position, QTextCursor::KeepAnchor);
    e->setTextCursor(cursor);
}

static const QString zwj(QChar(0x200D));
static const QString zwnj(QChar(0x200C));

void tst_TabWidgetEditing::editCommands_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("clipboard");   // plain text; null: not looked at

    const QString two = QStringLiteral("ಕನ್ನಡ ಪದ\nಎರಡನೆ ಸಾಲು");
    QTest::newRow("clear empties") << two << 2 << 2 << QStringList{"actionClear"} << "" << QString();
    QTest::newRow("clear then undo gives it back") << two << 2 << 2
            << QStringList{"actionClear", "actionUndo"} << two << QString();
    QTest::newRow("clear, undo, redo") << two << 0 << 0
            << QStringList{"actionClear", "actionUndo", "actionRedo"} << "" << QString();
    QTest::newRow("one undo takes back one command") << "ab" << 1 << 1
            << QStringList{"actionInsert_ZWJ", "actionClear", "actionUndo"} << "a" + zwj + "b" << QString();
    QTest::newRow("undo with nothing to undo") << "ab" << 0 << 0 << QStringList{"actionUndo"} << "ab" << QString();
    QTest::newRow("cut the selection") << "abc def" << 0 << 3 << QStringList{"actionCut"} << " def" << "abc";
    QTest::newRow("cut and paste back") << "abc def" << 0 << 3
            << QStringList{"actionCut", "actionPaste"} << "abc def" << "abc";
    QTest::newRow("copy leaves the text") << "abc def" << 4 << 7 << QStringList{"actionCopy"} << "abc def" << "def";
    QTest::newRow("copy of two lines keeps the line break") << two << 6 << 14 << QStringList{"actionCopy"}
            << two << QStringLiteral("ಪದ\nಎರಡನೆ");
    QTest::newRow("select all then paste a copy") << "xy" << 0 << 1
            << QStringList{"actionCopy", "actionSelect_All", "actionPaste"} << "x" << "x";
    QTest::newRow("ZWJ at the cursor") << "ab" << 1 << 1 << QStringList{"actionInsert_ZWJ"} << "a" + zwj + "b" << QString();
    QTest::newRow("ZWNJ at the cursor") << "ab" << 1 << 1 << QStringList{"actionInsert_ZWNJ"} << "a" + zwnj + "b" << QString();
    QTest::newRow("ZWNJ over a selection") << "abc" << 1 << 2 << QStringList{"actionInsert_ZWNJ"}
            << "a" + zwnj + "c" << QString();
}

void tst_TabWidgetEditing::editCommands()
{
    QFETCH(QString, text);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(QStringList, actions);
    QFETCH(QString, expected);
    QFETCH(QString, clipboard);

    QApplication::clipboard()->clear();
    setText(text, anchor, position);
    ModalAnswerer answerer;
    for (const QString &name : qAsConst(actions)) {
        QVERIFY2(action(name), qPrintable(name));
        action(name)->trigger();
    }
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(editor()->toPlainText(), expected);
    QCOMPARE(tabs()->count(), 1);
    if (!clipboard.isNull()) {
        const QMimeData *data = QApplication::clipboard()->mimeData();
        QCOMPARE(data->text(), clipboard);
        if (actions.contains(QStringLiteral("actionCopy")))
            QVERIFY(data->hasHtml());
    }
}

void tst_TabWidgetEditing::formatCommands_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("weight");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<bool>("applicationFont");

    QTest::newRow("bold") << QStringList{"actionBold"} << int(QFont::Bold) << false << false << false;
    QTest::newRow("bold twice is plain") << QStringList{"actionBold", "actionBold"}
            << int(QFont::Normal) << false << false << false;
    QTest::newRow("italic") << QStringList{"actionItalic"} << int(QFont::Normal) << true << false << false;
    QTest::newRow("underline") << QStringList{"actionUnderline"} << int(QFont::Normal) << false << true << false;
    QTest::newRow("all three") << QStringList{"actionBold", "actionItalic", "actionUnderline"}
            << int(QFont::Bold) << true << true << false;
    // Clear Formatting gives the application's font and the palette's
    // colours; weight and slant are not its business.
    QTest::newRow("clear formatting") << QStringList{"actionItalic", "actionClearFormatting"}
            << int(QFont::Normal) << true << false << true;
}

void tst_TabWidgetEditing::formatCommands()
{
    QFETCH(QStringList, actions);
    QFETCH(int, weight);
    QFETCH(bool, italic);
    QFETCH(bool, underline);
    QFETCH(bool, applicationFont);

    setText(QStringLiteral("ಒಂದು ಎರಡು"), 0, 4);
    for (const QString &name : qAsConst(actions))
        action(name)->trigger();
    QTextCursor word(editor()->document());
    word.setPosition(2);
    const QTextCharFormat format = word.charFormat();
    QCOMPARE(format.fontWeight(), weight);
    QCOMPARE(format.fontItalic(), italic);
    QCOMPARE(format.fontUnderline(), underline);
    if (applicationFont) {
        QCOMPARE(format.fontFamily(), QApplication::font().family());
        QCOMPARE(format.fontPointSize(), QApplication::font().pointSizeF());
    } else {
        QVERIFY(format.fontFamily() != QApplication::font().family());
    }
    // The other word keeps its plain format.
    word.setPosition(8);
    QCOMPARE(word.charFormat().fontWeight(), int(QFont::Normal));
    QVERIFY(!word.charFormat().fontItalic());
    QCOMPARE(editor()->toPlainText(), QStringLiteral("ಒಂದು ಎರಡು"));
}

void tst_TabWidgetEditing::keysInTheWindow_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("keyboard");
    QTest::addColumn<int>("zoom");   // point size change

    // The hidden toolbar and View actions are disabled, so their keys reach
    // nothing; the editor itself steps the layout on Ctrl+K.
    QTest::newRow("Ctrl+G does not switch the language") << QKeySequence("Ctrl+G") << 1 << "ab" << 0 << 0 << 0;
    QTest::newRow("Ctrl+PgUp does not zoom") << QKeySequence("Ctrl+PgUp") << 1 << "ab" << 0 << 0 << 0;
    QTest::newRow("Ctrl+PgDown does not zoom") << QKeySequence("Ctrl+PgDown") << 1 << "ab" << 0 << 0 << 0;
    QTest::newRow("Ctrl+K steps the layout") << QKeySequence("Ctrl+K") << 1 << "ab" << 0 << 1 << 0;
    QTest::newRow("Ctrl+Shift+N inserts ZWNJ") << QKeySequence("Ctrl+Shift+N") << 1 << "a" + zwnj + "b" << 0 << 0 << 0;
    QTest::newRow("Ctrl+Shift+X inserts ZWJ") << QKeySequence("Ctrl+Shift+X") << 1 << "a" + zwj + "b" << 0 << 0 << 0;
    QTest::newRow("Ctrl+X cuts") << QKeySequence("Ctrl+X") << 0 << "b" << 0 << 0 << 0;
}

void tst_TabWidgetEditing::keysInTheWindow()
{
    QFETCH(QKeySequence, keys);
    QFETCH(int, anchor);
    QFETCH(QString, expected);
    QFETCH(int, language);
    QFETCH(int, keyboard);
    QFETCH(int, zoom);

    setText(QStringLiteral("ab"), anchor, 1);
    UnicodeKaEditor *e = editor();
    QApplication::setActiveWindow(m_window.data());
    e->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(m_window.data()));
    const int pointSize = e->font().pointSize();
    // As a keyboard sends them: a control letter carries its control
    // character as text, not the letter.
    const Qt::Key key = Qt::Key(keys[0] & ~Qt::KeyboardModifierMask);
    const auto modifiers = Qt::KeyboardModifiers(keys[0] & Qt::KeyboardModifierMask);
    const QString text = key >= Qt::Key_A && key <= Qt::Key_Z ? QString(QChar(key - Qt::Key_A + 1)) : QString();
    QTest::sendKeyEvent(QTest::Click, e, key, text, modifiers);
    QCOMPARE(e->toPlainText(), expected);
    QCOMPARE(e->language(), language);
    QCOMPARE(e->isIndicInputOn(), language != 9);
    QCOMPARE(e->keyboard(), keyboard);
    QCOMPARE(tabs()->keyboard(), keyboard);
    QCOMPARE(e->font().pointSize() - pointSize, zoom);
}

void tst_TabWidgetEditing::findWithoutThePanel_data()
{
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("foundStart");
    QTest::addColumn<int>("foundEnd");

    // "ಕತೆ ಮಳೆ ಕತೆ": the word ಕತೆ at 0-3 and 8-11.
    QTest::newRow("next from the first") << 0 << 3 << "actionFind_Next" << 8 << 11;
    QTest::newRow("next wraps to the start") << 8 << 11 << "actionFind_Next" << 0 << 3;
    QTest::newRow("previous from the second") << 8 << 11 << "actionFind_Previous" << 0 << 3;
    QTest::newRow("selection made backwards") << 3 << 0 << "actionFind_Next" << 8 << 11;
}

void tst_TabWidgetEditing::findWithoutThePanel()
{
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(QString, command);
    QFETCH(int, foundStart);
    QFETCH(int, foundEnd);

    setText(QStringLiteral("ಕತೆ ಮಳೆ ಕತೆ"), anchor, position);
    QWidget *central = m_window->centralWidget();
    const int lowerWidgets = central->layout()->count();
    ModalAnswerer answerer;
    action(command)->trigger();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    const QTextCursor found = editor()->textCursor();
    QCOMPARE(found.selectionStart(), foundStart);
    QCOMPARE(found.selectionEnd(), foundEnd);
    auto *panel = tabs()->findChild<FindAndReplaceDialog *>();
    QVERIFY(panel);
    QVERIFY(!panel->isVisible());
    QCOMPARE(central->layout()->count(), lowerWidgets);
    QCOMPARE(panel->findChild<UnicodeLineEdit *>(QStringLiteral("findLineEdit"))->text(), QStringLiteral("ಕತೆ"));
    QCOMPARE(editor()->toPlainText(), QStringLiteral("ಕತೆ ಮಳೆ ಕತೆ"));
}

void tst_TabWidgetEditing::findPanelBelowTheTabs()
{
    setText(QStringLiteral("ಕತೆ ಮಳೆ ಕತೆ"), 4, 7);
    QWidget *central = m_window->centralWidget();
    // Made hidden by Find Next first, then placed by Find.
    action(QStringLiteral("actionFind_Next"))->trigger();
    action(QStringLiteral("actionFind"))->trigger();
    QPointer<FindAndReplaceDialog> panel = central->findChild<FindAndReplaceDialog *>();
    QVERIFY(panel);
    QVERIFY(panel->isVisible());
    QCOMPARE(central->layout()->indexOf(panel), 1);
    QCOMPARE(panel->windowTitle(), QStringLiteral("Yavo - Find"));
    QCOMPARE(panel->findChild<UnicodeLineEdit *>(QStringLiteral("findLineEdit"))->text(), QStringLiteral("ಮಳೆ"));

    tabs()->slotFindAndReplace();
    QCOMPARE(panel->windowTitle(), QStringLiteral("Yavo - Find and Replace"));
    action(QStringLiteral("actionFind_2"))->trigger();
    QCOMPARE(panel->windowTitle(), QStringLiteral("Yavo - Find"));
    QCOMPARE(m_window->findChildren<FindAndReplaceDialog *>().size(), 1);

    // Escape in the editor hides the panel and gives the cursor back; a
    // second Escape is the editor's own again.
    QTextCursor moved = editor()->textCursor();
    moved.setPosition(11);
    editor()->setTextCursor(moved);
    QVERIFY(tabs()->onEscapePressed());
    QVERIFY(!panel->isVisible());
    QCOMPARE(editor()->textCursor().selectionStart(), 4);
    QCOMPARE(editor()->textCursor().selectionEnd(), 7);
    QVERIFY(!tabs()->onEscapePressed());

    action(QStringLiteral("actionFind"))->trigger();
    QVERIFY(panel->isVisible());
    QCOMPARE(central->layout()->count(), 2);
    tabs()->refreshFindDialog();
    QVERIFY(panel->isVisible());
}

void tst_TabWidgetEditing::findPanelFollowsTheCurrentTab()
{
    setText(QStringLiteral("ಕತೆ ಮಳೆ"), 0, 3);
    action(QStringLiteral("actionFind_Next"))->trigger();
    UnicodeKaEditor *first = editor();
    action(QStringLiteral("actionNew"))->trigger();
    QCOMPARE(tabs()->count(), 2);
    setText(QStringLiteral("ಮಳೆ ಕತೆ"), 0);
    action(QStringLiteral("actionFind_Next"))->trigger();
    QCOMPARE(editor()->textCursor().selectionStart(), 4);
    QCOMPARE(editor()->textCursor().selectionEnd(), 7);
    QCOMPARE(first->textCursor().selectionStart(), 0);
    QCOMPARE(first->textCursor().selectionEnd(), 3);

    // Back on the first tab the panel searches there.
    tabs()->setCurrentIndex(0);
    first->moveCursor(QTextCursor::Start);
    action(QStringLiteral("actionFind_Next"))->trigger();
    QCOMPARE(first->textCursor().selectionStart(), 0);
    QCOMPARE(first->textCursor().selectionEnd(), 3);
    QCOMPARE(tabs()->editorAtIndex(1)->textCursor().selectionStart(), 4);

    // A new script reaches the panel's fields.
    auto *field = tabs()->findChild<UnicodeLineEdit *>(QStringLiteral("findLineEdit"));
    QCOMPARE(field->language(), 0);
    action(QStringLiteral("actionTelugu"))->trigger();
    QCOMPARE(field->language(), 1);
}

void tst_TabWidgetEditing::spellCheckAsYouTypeReachesEveryTab()
{
    QAction *spell = action(QStringLiteral("actionSpell_Check_As_You_Type"));
    action(QStringLiteral("actionNew"))->trigger();
    QVERIFY(spell->isChecked());
    spell->trigger();
    QVERIFY(!tabs()->spellCheckAsYouType());
    for (int i = 0; i < tabs()->count(); ++i)
        QVERIFY(!tabs()->editorAtIndex(i)->spellCheckAsYouType());
    action(QStringLiteral("actionNew"))->trigger();
    QVERIFY(!tabs()->editorAtIndex(2)->spellCheckAsYouType());

    // The main window's way at start-up sets the check mark too.
    tabs()->setSpellCheckAsYouType(true);
    QVERIFY(spell->isChecked());
    for (int i = 0; i < tabs()->count(); ++i)
        QVERIFY(tabs()->editorAtIndex(i)->spellCheckAsYouType());
    action(QStringLiteral("actionNew"))->trigger();
    QVERIFY(tabs()->editorAtIndex(3)->spellCheckAsYouType());
}

void tst_TabWidgetEditing::spellCheckDialogIsSharedAndBound()
{
    // Until the word list is loaded every word counts as misspelled: the
    // walk stops at the first word of the editor it is given.
    setText(QStringLiteral("abcd efgh"), 9);
    action(QStringLiteral("actionSpellCheck"))->trigger();
    QPointer<SpellCheckDialog> dialog = tabs()->findChild<SpellCheckDialog *>();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(editor()->textCursor().selectedText(), QStringLiteral("abcd"));

    action(QStringLiteral("actionNew"))->trigger();
    setText(QStringLiteral("wxyz"), 4);
    action(QStringLiteral("actionSpellCheck"))->trigger();
    QCOMPARE(tabs()->findChildren<SpellCheckDialog *>().size(), 1);
    QCOMPARE(editor()->textCursor().selectedText(), QStringLiteral("wxyz"));
    QCOMPARE(tabs()->editorAtIndex(0)->toPlainText(), QStringLiteral("abcd efgh"));
    dialog->close();
}

void tst_TabWidgetEditing::damagedUserDictionaryIsShownOnLoad()
{
    QVERIFY(!m_sandbox->writeUserFile(QStringLiteral("usrdic.dat"),
                                      "not a database, and never was one\n").isEmpty());

    // Told beside the window, which the user goes on working in.
    ModalAnswerer answerer;
    tabs()->slotLoadCompleter();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(answerer.seen(), QStringList());
    const QList<QMessageBox *> boxes = tabs()->window()->findChildren<QMessageBox *>();
    QCOMPARE(boxes.size(), 1);
    QVERIFY(boxes.first()->isVisible());
    QCOMPARE(boxes.first()->windowModality(), Qt::NonModal);
    QVERIFY2(boxes.first()->text().contains(QStringLiteral("usrdic.damaged-")),
             qPrintable(boxes.first()->text()));
    QCOMPARE(QDir(m_sandbox->userDataDir()).entryList({QStringLiteral("usrdic.damaged-*")}, QDir::Files).size(), 1);
    QVERIFY(editor()->completer());
}

void tst_TabWidgetEditing::completerCarriesUserWordsAndFollowsTheTab()
{
    {
        UserDict store;
        QVERIFY(store.save(QStringLiteral("ಹೊಸ\nಪದ\nಹೊಸ\n\nಮಾತು"), QStringLiteral("UnicodeWords")));
    }
    UnicodeKaEditor *first = editor();
    QVERIFY(!first->completer());
    tabs()->slotLoadCompleter();
    QPointer<QCompleter> completer = first->completer();
    QVERIFY(completer);
    QCOMPARE(completer->widget(), first);
    auto *wordModel = qobject_cast<QStringListModel *>(qobject_cast<WordCompleter *>(completer)->wordModel());
    const QStringList words = wordModel->stringList();
    QCOMPARE(words.count(QStringLiteral("ಹೊಸ")), 1);
    QVERIFY(words.contains(QStringLiteral("ಪದ")));
    QVERIFY(words.contains(QStringLiteral("ಮಾತು")));
    QVERIFY(!words.contains(QString()));

    // A second load keeps the one completer and adds nothing twice.
    tabs()->slotLoadCompleter();
    QCOMPARE(first->completer(), completer.data());
    QCOMPARE(wordModel->stringList().count(QStringLiteral("ಹೊಸ")), 1);

    action(QStringLiteral("actionNew"))->trigger();
    UnicodeKaEditor *second = editor();
    QCOMPARE(second->completer(), completer.data());
    QCOMPARE(completer->widget(), second);
    emit completer->activated(QStringLiteral("ಪದ"));
    QCOMPARE(second->toPlainText(), QStringLiteral("ಪದ"));
    QVERIFY(first->toPlainText().isEmpty());

    tabs()->setCurrentIndex(0);
    QCOMPARE(completer->widget(), first);
    emit completer->activated(QStringLiteral("ಮಾತು"));
    QCOMPARE(first->toPlainText(), QStringLiteral("ಮಾತು"));
    QCOMPARE(second->toPlainText(), QStringLiteral("ಪದ"));
}

void tst_TabWidgetEditing::completionOfAWordTypedWithAJoiner_data()
{
    QTest::addColumn<int>("keyboard");
    QTest::addColumn<QString>("keys");

    QTest::newRow("Phonetic, ZWJ") << 0 << "kArXya";
    QTest::newRow("KPRao, ZWNJ") << 1 << "kArffy";
}

// Typed with a joiner, the word is offered as the user's word list has it,
// and Return puts in exactly that word, which has no spelling underline.
void tst_TabWidgetEditing::completionOfAWordTypedWithAJoiner()
{
    QFETCH(int, keyboard);
    QFETCH(QString, keys);
    const QString word = QStringLiteral("ಕಾರ್ಯವನ್ನು");
    QVERIFY(UserDict().save(word, QStringLiteral("UnicodeWords")));
    tabs()->slotLoadCompleter();
    tabs()->slotChangeLanguage(0);
    tabs()->slotChangeKeyboard(keyboard);
    UnicodeKaEditor *e = editor();
    QApplication::setActiveWindow(m_window.data());
    e->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(m_window.data()));

    QTest::keyClicks(e, keys);
    QAbstractItemView *popup = e->completer()->popup();
    QVERIFY(popup->isVisible());
    QCOMPARE(popup->currentIndex().data().toString(), word);
    QTest::keyClick(popup, Qt::Key_Return);
    QCOMPARE(e->toPlainText(), word);
    QTest::keyClick(e, Qt::Key_Space);
    QTRY_COMPARE(e->toPlainText(), word + QLatin1Char(' '));
    QVERIFY(waitForSpellCheck(e->document()));
    QCOMPARE(spellUnderlines(*e->document()), QStringList());
}

// The word list comes 300 ms after the start, after the documents named on
// the command line: those are checked again against it, in every tab (in
// slices, from the event loop).
void tst_TabWidgetEditing::documentsOpenedBeforeTheListAreCheckedAgain()
{
    QVERIFY(UserDict().save(QStringLiteral("ಹೊಸ\nಪದ"), QStringLiteral("UnicodeWords")));
    setText(QStringLiteral("ಹೊಸ ಮಾತು ಪದ"));
    action(QStringLiteral("actionNew"))->trigger();
    setText(QStringLiteral("ಪದ"));
    auto underlinedWords = [this](int tab) {
        QStringList words;
        const QTextBlock block = tabs()->editorAtIndex(tab)->document()->firstBlock();
        for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
            if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
                words << block.text().mid(range.start, range.length);
        }
        return words;
    };
    QCOMPARE(underlinedWords(0), (QStringList{"ಹೊಸ", "ಮಾತು", "ಪದ"}));
    QCOMPARE(underlinedWords(1), QStringList{"ಪದ"});

    tabs()->slotLoadCompleter();
    QTRY_COMPARE(underlinedWords(0), QStringList{"ಮಾತು"});
    QTRY_COMPARE(underlinedWords(1), QStringList());
}

void tst_TabWidgetEditing::scriptConversion_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Kannada to Telugu keeps lines and blanks") << 0
            << QStringLiteral("ಕನ್ನಡ\n\nಕನ್ನಡ  ಕನ್ನಡ") << 1 << QStringLiteral("కన్నడ\n\nకన్నడ  కన్నడ");
    QTest::newRow("only blanks are kept") << 0 << QStringLiteral("   ") << 4 << QStringLiteral("   ");
    QTest::newRow("Latin keys typed with the Phonetic layout") << 0
            << QStringLiteral("kannaDa\nnuDi") << 0 << QStringLiteral("ಕನ್ನಡ\nನುಡಿ");
    QTest::newRow("Hindi to Kannada") << 4 << QStringLiteral("नमस्ते") << 0 << QStringLiteral("ನಮಸ್ತೇ");
    QTest::newRow("Tamil letters stay") << 0 << QStringLiteral("தமிழ் ಕ") << 1 << QStringLiteral("தமிழ் క");
    QTest::newRow("trailing line break kept") << 0 << QStringLiteral("ಕ\n") << 2 << QStringLiteral("ക\n");
}

void tst_TabWidgetEditing::scriptConversion()
{
    QFETCH(int, source);
    QFETCH(QString, text);
    QFETCH(int, target);
    QFETCH(QString, expected);

    tabs()->slotChangeLanguage(source);
    setText(text);
    UnicodeKaEditor *sourceEditor = editor();

    ModalAnswerer answerer;
    int shownSource = -1;
    answerer.expectDialog<ScriptConvertDialog>(QString(), [&](ScriptConvertDialog *dialog) {
        shownSource = dialog->findChild<QComboBox *>(QStringLiteral("fromLanguageCombo"))->currentIndex();
        dialog->findChild<QComboBox *>(QStringLiteral("toLanguageCombo"))->setCurrentIndex(target);
        static_cast<QDialog *>(dialog)->accept();
    });
    answerer.expectMessageBox(QString(), QStringLiteral("Done. Check the output in <b>untitled-1</b> tab!"),
                              QMessageBox::Ok);
    action(QStringLiteral("actionScriptConvert"))->trigger();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(shownSource, source);

    QCOMPARE(tabs()->count(), 2);
    QCOMPARE(tabs()->currentIndex(), 1);
    QCOMPARE(tabs()->tabText(1), QStringLiteral("untitled-1"));
    UnicodeKaEditor *result = editor();
    QVERIFY(result != sourceEditor);
    QCOMPARE(result->toPlainText(), expected);
    QVERIFY(result->document()->isModified());
    // Unsaved, like every other modified document.
    QCOMPARE(tabs()->tabBar()->tabTextColor(1), QColor(Qt::red));
    QCOMPARE(result->language(), target);
    QCOMPARE(tabs()->language(), target);
    QCOMPARE(sourceEditor->toPlainText(), text);
    QVERIFY(!sourceEditor->document()->isModified());
    QVERIFY(!sourceEditor->document()->isUndoAvailable());
    QCOMPARE(tabs()->tabText(0), QStringLiteral("untitled-0"));
}

void tst_TabWidgetEditing::scriptConversionRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty document") << QString() << false << "Input text is empty!";
    QTest::newRow("cancelled") << QStringLiteral("ಕನ್ನಡ") << true << QString();
}

void tst_TabWidgetEditing::scriptConversionRefused()
{
    QFETCH(QString, text);
    QFETCH(bool, asked);
    QFETCH(QString, message);

    setText(text);
    ModalAnswerer answerer;
    if (asked) {
        answerer.expectDialog<ScriptConvertDialog>(QString(), [](ScriptConvertDialog *dialog) {
            dialog->findChild<QComboBox *>(QStringLiteral("toLanguageCombo"))->setCurrentIndex(1);
            dialog->reject();
        });
    }
    if (!message.isEmpty())
        answerer.expectMessageBox(QString(), message, QMessageBox::Ok);
    action(QStringLiteral("actionScriptConvert"))->trigger();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(tabs()->count(), 1);
    QCOMPARE(editor()->toPlainText(), text);
    QVERIFY(!editor()->document()->isModified());
    // The untitled numbers are not used up by a refused conversion.
    action(QStringLiteral("actionNew"))->trigger();
    QCOMPARE(tabs()->tabText(1), QStringLiteral("untitled-1"));
}

void tst_TabWidgetEditing::wiktionary_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("searched");   // null: the menu command
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("lookedUp");

    QTest::newRow("menu, on a word") << QStringLiteral("ಕನ್ನಡ ಪದ") << 2 << QString() << QStringLiteral("ಕನ್ನಡ") << true;
    QTest::newRow("menu, at a word's end") << QStringLiteral("ಕನ್ನಡ ಪದ") << 8 << QString() << QStringLiteral("ಪದ") << true;
    QTest::newRow("menu, on blank space") << QStringLiteral("ಕನ್ನಡ     ಪದ") << 7 << QString() << QString() << false;
    QTest::newRow("menu, empty document") << QString() << 0 << QString() << QString() << false;
    QTest::newRow("context menu word") << QString() << 0 << QStringLiteral("  ಮಳೆ  ") << QStringLiteral("ಮಳೆ") << true;
    QTest::newRow("context menu, nothing") << QString() << 0 << QStringLiteral("") << QString() << false;
}

void tst_TabWidgetEditing::wiktionary()
{
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(QString, searched);
    QFETCH(QString, field);
    QFETCH(bool, lookedUp);

    // The server is the application's proxy: a look-up meant for the
    // online dictionary ends here, as a tunnel request it refuses.
    LoopbackHttpServer server;
    QVERIFY(server.isListening());
    setText(text, cursor);
    if (searched.isNull())
        action(QStringLiteral("actionSearch_Window"))->trigger();
    else
        tabs()->slotSearchString(searched);

    auto *dialog = tabs()->findChild<WiktionaryOnline *>();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->findChild<UnicodeLineEdit *>()->text(), field);
    if (lookedUp) {
        QVERIFY(server.waitForRequests(1));
        QVERIFY2(server.requestLines().first().startsWith("CONNECT kn.wiktionary.org:443 "),
                 server.requestLines().first().constData());
    } else {
        QTest::qWait(50);
        QVERIFY(server.requests().isEmpty());
    }
    QCOMPARE(editor()->toPlainText(), text);

    // The dialog is made once and bound again.
    dialog->hide();
    tabs()->slotSearchString(QString());
    QVERIFY(dialog->isVisible());
    QCOMPARE(tabs()->findChildren<WiktionaryOnline *>().size(), 1);
}

void tst_TabWidgetEditing::offlineDictionary_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<bool>("fromEditor");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("field");

    QTest::newRow("dictionary entry of the View menu") << QString() << 0 << false << true << QString();
    QTest::newRow("word under the cursor") << QStringLiteral("ಮಳೆ ಬಂತು") << 1 << true << true << QStringLiteral("ಮಳೆ");
    QTest::newRow("blank under the cursor") << QStringLiteral("ಮಳೆ     ಬಂತು") << 6 << true << false << QString();
}

void tst_TabWidgetEditing::offlineDictionary()
{
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(bool, fromEditor);
    QFETCH(bool, shown);
    QFETCH(QString, field);

    // The suite ships no dictionary: the dialog says so for the language
    // it was given, Telugu here.
    tabs()->slotChangeLanguage(1);
    setText(text, cursor);
    ModalAnswerer answerer;
    if (shown)
        answerer.expectMessageBox(QStringLiteral("YavoKosha"), QString(), QMessageBox::Ok);
    if (fromEditor)
        emit editor()->searchInYavoKosha();
    else
        tabs()->onActionYavoKoshaClicked();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    if (shown)
        QVERIFY2(answerer.seen().value(0).contains(QStringLiteral("<b>Telugu</b>")), qPrintable(answerer.seen().join('\n')));
    auto *dialog = tabs()->findChild<YavoKoshaDialog *>();
    QVERIFY(dialog);
    QCOMPARE(dialog->isVisible(), shown);
    QCOMPARE(dialog->findChild<UnicodeLineEdit *>(QStringLiteral("wordLineEdit"))->text(), field);
}

void tst_TabWidgetEditing::hiddenCommands()
{
    UnicodeKaEditor *first = editor();
    action(QStringLiteral("actionNew"))->trigger();
    UnicodeKaEditor *second = editor();
    second->setKeyboard(2);

    // The layout toggle steps every tab from its own layout.
    tabs()->slotToggleKeyboardLayout();
    QCOMPARE(first->keyboard(), 1);
    QCOMPARE(second->keyboard(), 3);

    // The language toggle acts on the current tab only.
    tabs()->slotToggleLanguage();
    QVERIFY(!second->isIndicInputOn());
    QCOMPARE(tabs()->language(), 9);
    QVERIFY(action(QStringLiteral("actionEnglish"))->isChecked());
    QVERIFY(first->isIndicInputOn());
    tabs()->slotToggleLanguage();
    QVERIFY(second->isIndicInputOn());
    QCOMPARE(tabs()->language(), 0);

    const int size = second->font().pointSize();
    tabs()->slotZoomIn();
    QCOMPARE(second->font().pointSize(), size + 1);
    tabs()->slotZoomOut();
    tabs()->slotZoomOut();
    QCOMPARE(second->font().pointSize(), size - 1);
    QCOMPARE(first->font().pointSize(), size);
    QVERIFY(tabs()->hasCurrentEditor());
}

void tst_TabWidgetEditing::modalToolsWithoutParent()
{
    ModalAnswerer answerer;
    QWidget *settingsParent = m_window.data();
    answerer.expectDialog<SettingsDialog>(QString(), [&](SettingsDialog *dialog) {
        settingsParent = dialog->parentWidget();
        dialog->reject();
    });
    QWidget *dictionaryParent = m_window.data();
    answerer.expectDialog<EditUserDict>(QString(), [&](EditUserDict *dialog) {
        dictionaryParent = dialog->parentWidget();
        dialog->reject();
    });
    tabs()->slotSettingsClicked();
    action(QStringLiteral("actionAdd_Words_to_Dictionary"))->trigger();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QVERIFY(!settingsParent);
    QVERIFY(!dictionaryParent);
    // Both lived for their command only.
    for (QWidget *w : QApplication::topLevelWidgets()) {
        QVERIFY(!qobject_cast<SettingsDialog *>(w));
        QVERIFY(!qobject_cast<EditUserDict *>(w));
    }
}

void tst_TabWidgetEditing::helpPageStaysOutOfTheTabs()
{
    const int before = tabs()->findChildren<UnicodeKaEditor *>().size();
    tabs()->slotHelp();
    QCOMPARE(tabs()->count(), 1);
    const QList<UnicodeKaEditor *> editors = tabs()->findChildren<UnicodeKaEditor *>();
    QCOMPARE(editors.size(), before + 1);
    UnicodeKaEditor *help = editors.last();
    QCOMPARE(help->fileName(), QStringLiteral(":/resources/about.html"));
    QVERIFY(!help->isVisible());
    // The program has no about page: the editor is left as made.
    QVERIFY(help->toPlainText().isEmpty());
    QVERIFY(!help->isReadOnly());
    QCOMPARE(tabs()->indexOf(help->parentWidget()), -1);
    QCOMPARE(editor()->fileName(), QStringLiteral("untitled-0"));
}

void tst_TabWidgetEditing::commandsWithoutEditorDoNothing()
{
    // A tab widget without tabs has no current editor; none of these asks
    // anything or makes a tab.
    QPointer<QWidget> page = tabs()->widget(0);
    tabs()->removeTab(0);
    QVERIFY(!tabs()->hasCurrentEditor());
    ModalAnswerer answerer;
    const char *const commands[] = {
        "slotTextBold", "slotTextUnderline", "slotTextItalic", "slotTextColor", "slotBackgroundColor",
        "slotCut", "slotCopy", "slotPaste", "slotUndo", "slotRedo", "slotClear", "slotSelectAll",
        "slotInsertPicture", "slotInsertTable", "onClearFormattingClicked", "onInsertZWJ", "onInsertZWNJ",
        "onFind", "onFindNext", "onFindPrevious", "slotFindAndReplace", "slotSpellCheck",
        "slotShowWiktionaryOnline", "slotActionScriptConverter", "slotToggleKeyboardLayout",
        "slotToggleLanguage", "slotInsertHyperLink", "slotZoomIn", "slotZoomOut", "onSearchInYavoKosha",
    };
    for (const char *command : commands)
        QVERIFY2(QMetaObject::invokeMethod(tabs(), command), command);
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QVERIFY(!tabs()->onEscapePressed());
    QCOMPARE(tabs()->count(), 0);
    QVERIFY(!tabs()->findChild<FindAndReplaceDialog *>());
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible() || w == m_window.data(), w->metaObject()->className());
    delete page;
}

YAVO_TEST_MAIN(tst_TabWidgetEditing)
#include "tst_tabwidgetediting.moc"
