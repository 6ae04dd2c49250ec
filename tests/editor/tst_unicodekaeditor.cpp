#include "editor/editorowner.h"
#include "editor/unicodekaeditor.h"

#include "core/indictransliterator.h"
#include "core/sharedsettings.h"
#include "utils/utils.h"
#include "widgets/yvquickbytestoolbar.h"

#include "compositioncases.h"
#include "hexcodes.h"
#include "tablenesting.h"
#include "testmain.h"
#include "textselection.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QPointer>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextFrame>

class TestUnicodeKaEditor : public QObject
{
    Q_OBJECT

private slots:
    void composesEveryKeyAsOneUndoStep_data();
    void composesEveryKeyAsOneUndoStep();
    void backspaceTakesBackPendingKeys();
    void wordEnds_data();
    void wordEnds();
    void spaceTypesQuickBytes_data();
    void spaceTypesQuickBytes();
    void transliteration_data();
    void transliteration();
    void transliterationConvertsOnlyTheWordBeforeTheCursor_data();
    void transliterationConvertsOnlyTheWordBeforeTheCursor();
    void typingOverASelectionReplacesIt_data();
    void typingOverASelectionReplacesIt();
    void shortcutsConvertNoWord();
    void aKeyThatTypesNoEndingLeavesNothingToTakeBack_data();
    void aKeyThatTypesNoEndingLeavesNothingToTakeBack();
    void togglesInputAndLayout_data();
    void togglesInputAndLayout();
    void readOnlyEditorIgnoresKeys();
    void invalidLanguageOrLayoutOnlyEndsTheWord_data();
    void invalidLanguageOrLayoutOnlyEndsTheWord();
    void languageSwitches();
    void escapeGoesToTheOwnerFirst_data();
    void escapeGoesToTheOwnerFirst();
    void fontSizeComesFromTheOwner_data();
    void fontSizeComesFromTheOwner();
    void editorWithoutSpellCheck();
    void newEditorHasNothingToUndo_data();
    void newEditorHasNothingToUndo();
    void takesOverAFinishedDocument();
    void documentReplacedElsewhereTakesTheSpellCheckAlong();
    void workingFolderFollowsExistingFiles();
    void imageDataIsAcceptedButInsertsNothing();
    void pastedHtmlIsBounded_data();
    void pastedHtmlIsBounded();
    void defaultSettingsSetKannadaAndPhonetic();
};

namespace {

QString conv(const QString &keys, int language, int keyboard)
{
    return IndicTransliterator().convert(keys, language, keyboard);
}

QString p(const char *keys)
{
    return conv(QLatin1String(keys), 0, 0);
}

QString t(const char *keys)
{
    return conv(QLatin1String(keys), 0, 3);
}

// Keys to press, as text: characters are typed, and these stand for keys
// without text (and for a click at the start of the text).
constexpr QChar left(0x01), right(0x02), home(0x03), end(0x04), shift(0x05), control(0x06),
        alt(0x07), clickAtStart(0x0E), escape(0x1B);

void press(QWidget *widget, const QString &keys)
{
    for (const QChar c : keys) {
        switch (c.unicode()) {
        case 0x01: QTest::keyClick(widget, Qt::Key_Left); break;
        case 0x02: QTest::keyClick(widget, Qt::Key_Right); break;
        case 0x03: QTest::keyClick(widget, Qt::Key_Home); break;
        case 0x04: QTest::keyClick(widget, Qt::Key_End); break;
        case 0x05: QTest::keyClick(widget, Qt::Key_Shift); break;
        case 0x06: QTest::keyClick(widget, Qt::Key_Control); break;
        case 0x07: QTest::keyClick(widget, Qt::Key_Alt); break;
        case 0x0E:
            QTest::mouseClick(static_cast<QTextEdit *>(widget)->viewport(), Qt::LeftButton,
                              Qt::NoModifier, QPoint(1, 1));
            break;
        case 0x1B: QTest::keyClick(widget, Qt::Key_Escape); break;
        default:
            QTest::keyClicks(widget, QString(c));
        }
    }
}

struct Editor
{
    explicit Editor(int language = 0, int keyboard = 0, QWidget *parent = nullptr)
        : editor(&utils, language, keyboard, parent)
    {
        editor.show();
        editor.activateWindow();
        if (!QTest::qWaitForWindowActive(&editor))
            qWarning("the editor's window did not become active");
    }

    void type(const QString &keys) { press(&editor, keys); }
    QString text() const { return editor.toPlainText(); }
    void setTextAt(const QString &text, int position)
    {
        editor.setPlainText(text);
        setCursor(position, position);
    }
    void setCursor(int anchor, int position) { selectText(editor, anchor, position); }

    Utils utils;
    UnicodeKaEditor editor;
};

class Owner : public QWidget, public EditorOwner
{
public:
    int fontSize() const override { return 20; }
    bool onEscapePressed() override
    {
        ++escapes;
        return closesPanel;
    }
    QWidget *mainWindow() const override { return nullptr; }

    bool closesPanel = false;
    int escapes = 0;
};

bool writeQuickBytes(const QByteArray &content)
{
    QFile file(SharedSettings::quickBytesPath());
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

} // namespace

void TestUnicodeKaEditor::composesEveryKeyAsOneUndoStep_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("keyboard");
    QTest::addColumn<QString>("keys");

    QTest::newRow("phonetic kannada") << 0 << 0 << "kannaDa";
    QTest::newRow("phonetic with digits") << 0 << 0 << "ka12";
    QTest::newRow("kprao kannada") << 0 << 1 << "kaMnaDa";
    QTest::newRow("inscript hindi") << 4 << 2 << "kdkf";
    QTest::newRow("inscript number and dollar signs") << 0 << 2 << "k#j$";
    QTest::newRow("phonetic-2 telugu") << 1 << 4 << "telugu";
    QTest::newRow("kprao extended tamil") << 8 << 5 << "tamiL";
}

void TestUnicodeKaEditor::composesEveryKeyAsOneUndoStep()
{
    QFETCH(int, language);
    QFETCH(int, keyboard);
    QFETCH(QString, keys);

    Editor e(language, keyboard);
    e.setTextAt(QStringLiteral("xy "), 3);
    for (int i = 1; i <= keys.size(); ++i) {
        e.type(keys.mid(i - 1, 1));
        QCOMPARE(hexCodes(e.text()), hexCodes(QStringLiteral("xy ") + conv(keys.left(i), language, keyboard)));
    }
    // Undo takes the keys back one by one.
    for (int i = keys.size() - 1; i >= 0; --i) {
        e.editor.undo();
        QCOMPARE(hexCodes(e.text()), hexCodes(QStringLiteral("xy ") + conv(keys.left(i), language, keyboard)));
    }
}

void TestUnicodeKaEditor::backspaceTakesBackPendingKeys()
{
    Editor e;
    e.type(QStringLiteral("ka"));
    QCOMPARE(hexCodes(e.text()), QStringLiteral("0C95"));
    // Backspace takes back the last key, not the last character shown.
    e.type(QStringLiteral("\b"));
    QCOMPARE(hexCodes(e.text()), QStringLiteral("0C95 0CCD"));
    e.type(QStringLiteral("\b"));
    QCOMPARE(e.text(), QString());

    // With no keys pending, Backspace deletes one character.
    e.setTextAt(QStringLiteral("xy"), 2);
    e.type(QStringLiteral("\b"));
    QCOMPARE(e.text(), QStringLiteral("x"));
}

void TestUnicodeKaEditor::wordEnds_data()
{
    QTest::addColumn<int>("keyboard");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");

    const auto ins = [](const char *keys) { return conv(QLatin1String(keys), 0, 2); };
    QTest::newRow("arrow keys") << 0 << QStringLiteral("k") + left + right + "a" << p("k") + p("a");
    QTest::newRow("home and end") << 0 << QStringLiteral("k") + home + end + "a" << p("k") + p("a");
    QTest::newRow("click") << 0 << QStringLiteral("k") + clickAtStart + "a" << p("a") + p("k");
    QTest::newRow("comma") << 0 << "k,a" << p("k") + "," + p("a");
    QTest::newRow("enter") << 0 << "k\ra" << p("k") + "\n" + p("a");
    QTest::newRow("space") << 0 << "k a" << p("k") + " " + p("a");
    QTest::newRow("modifiers alone end nothing") << 0 << QStringLiteral("k") + shift + control + alt + "a"
                                                  << p("ka");
    QTest::newRow("inscript hyphen") << 2 << "k-k" << ins("k") + "-" + ins("k");
    QTest::newRow("inscript question mark") << 2 << "k?k" << ins("k") + "?" + ins("k");
}

void TestUnicodeKaEditor::wordEnds()
{
    QFETCH(int, keyboard);
    QFETCH(QString, keys);
    QFETCH(QString, expected);

    Editor e(0, keyboard);
    e.type(keys);
    QCOMPARE(hexCodes(e.text()), hexCodes(expected));
}

void TestUnicodeKaEditor::spaceTypesQuickBytes_data()
{
    QTest::addColumn<bool>("withToolBar");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");

    QTest::newRow("a label") << true << "ravi x" << "snippet " + p("x");
    QTest::newRow("a line break") << true << "maga " << "one\ntwo ";
    QTest::newRow("no snippet") << true << "kavi " << p("kavi") + " ";
    QTest::newRow("nothing composed") << true << "1. " << p("1") + ". ";
    QTest::newRow("no toolbar") << false << "ravi " << p("ravi") + " ";
}

void TestUnicodeKaEditor::spaceTypesQuickBytes()
{
    QFETCH(bool, withToolBar);
    QFETCH(QString, keys);
    QFETCH(QString, expected);

    QVERIFY(writeQuickBytes(p("ravi").toUtf8() + "=snippet\n" + p("maga").toUtf8() + "=one\\ntwo\n"));
    yvQuickBytesToolBar toolBar(yvQuickBytesToolBar::QB_Editor);
    Editor e;
    if (withToolBar)
        e.editor.setQuickBytesToolBar(&toolBar);
    e.type(keys);
    QCOMPARE(hexCodes(e.text()), hexCodes(expected));
}

void TestUnicodeKaEditor::transliteration_data()
{
    CompositionCases::transliterationRows();
    QTest::newRow("enter converts") << 0 << "ravi\r" << t("ravi") + "\n";
    QTest::newRow("escape converts") << 0 << QStringLiteral("ravi") + escape << t("ravi");
    // Backspace after punctuation that followed white space deletes it; no
    // word is taken back.
    QTest::newRow("backspace after punctuation after a space") << 0 << "ravi .\b" << t("ravi") + " ";
}

void TestUnicodeKaEditor::transliteration()
{
    QFETCH(int, language);
    QFETCH(QString, keys);
    QFETCH(QString, expected);

    Editor e(language, 3);
    e.type(keys);
    QCOMPARE(hexCodes(e.text()), hexCodes(expected));
    QVERIFY(!e.editor.textCursor().hasSelection());
    QCOMPARE(e.editor.textCursor().position(), expected.size());
}

void TestUnicodeKaEditor::transliterationConvertsOnlyTheWordBeforeTheCursor_data()
{
    CompositionCases::wordBeforeCursorRows();
    QTest::newRow("space inside a second paragraph") << "a\nravi" << 4 << " " << "a\n" + t("ra") + " vi";
}

void TestUnicodeKaEditor::transliterationConvertsOnlyTheWordBeforeTheCursor()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    Editor e(0, 3);
    e.setTextAt(text, position);
    e.type(key);
    QCOMPARE(hexCodes(e.text()), hexCodes(expected));
    QVERIFY(!e.editor.textCursor().hasSelection());
}

void TestUnicodeKaEditor::typingOverASelectionReplacesIt_data()
{
    CompositionCases::selectionRows();
    QTest::newRow("space over a word") << 3 << "hello ravi" << "" << 6 << 10 << " " << "hello  ";
}

void TestUnicodeKaEditor::typingOverASelectionReplacesIt()
{
    QFETCH(int, keyboard);
    QFETCH(QString, text);
    QFETCH(QString, typed);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    Editor e(0, keyboard);
    e.setTextAt(text, text.size());
    e.type(typed);
    e.setCursor(anchor, position);
    e.type(key);
    QCOMPARE(hexCodes(e.text()), hexCodes(expected));
}

// Shortcuts held with Ctrl carry control characters; with Transliteration
// they must not turn the word before the cursor into Indic text.
void TestUnicodeKaEditor::shortcutsConvertNoWord()
{
    Editor e(0, 3);
    e.type(QStringLiteral("ravi"));
    QTest::keyClick(&e.editor, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&e.editor, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(e.text(), QStringLiteral("ravi"));
    QVERIFY(e.editor.textCursor().hasSelection());
}

void TestUnicodeKaEditor::aKeyThatTypesNoEndingLeavesNothingToTakeBack_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");

    QTest::newRow("escape") << "12 ravi" << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::newRow("ctrl+1") << "12 ravi" << int(Qt::Key_1) << int(Qt::ControlModifier);
    QTest::newRow("ctrl+backspace after a word end") << "12 ravi " << int(Qt::Key_Backspace)
                                                     << int(Qt::ControlModifier);
}

// After a key that leaves no single ending character behind the converted
// word, Backspace deletes as in a plain editor and brings no Latin keys back.
void TestUnicodeKaEditor::aKeyThatTypesNoEndingLeavesNothingToTakeBack()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, modifiers);

    Editor e(0, 3);
    e.type(typed);
    QTest::keyClick(&e.editor, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    // The same keys in an editor with Indic input off, on the text shown.
    Editor plain(9, 3);
    plain.setTextAt(e.text(), e.editor.textCursor().position());
    e.type(QStringLiteral("\b"));
    plain.type(QStringLiteral("\b"));
    QCOMPARE(hexCodes(e.text()), hexCodes(plain.text()));
    QVERIFY(!e.text().contains(QLatin1String("ravi")));
}

void TestUnicodeKaEditor::togglesInputAndLayout_data()
{
    QTest::addColumn<int>("keyboard");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("indicInputOn");
    QTest::addColumn<int>("expectedKeyboard");

    QTest::newRow("f11") << 0 << int(Qt::Key_F11) << int(Qt::NoModifier) << false << 0;
    QTest::newRow("shift+f11") << 0 << int(Qt::Key_F11) << int(Qt::ShiftModifier) << false << 0;
    QTest::newRow("ctrl+f11") << 0 << int(Qt::Key_F11) << int(Qt::ControlModifier) << false << 0;
    QTest::newRow("ctrl+k") << 0 << int(Qt::Key_K) << int(Qt::ControlModifier) << true << 1;
    QTest::newRow("ctrl+shift+k") << 1 << int(Qt::Key_K) << int(Qt::ControlModifier | Qt::ShiftModifier)
                                  << true << 2;
    QTest::newRow("ctrl+k after phonetic-2") << 4 << int(Qt::Key_K) << int(Qt::ControlModifier) << true << 0;
    QTest::newRow("ctrl+k after kprao extended") << 5 << int(Qt::Key_K) << int(Qt::ControlModifier) << true << 0;
}

void TestUnicodeKaEditor::togglesInputAndLayout()
{
    QFETCH(int, keyboard);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, indicInputOn);
    QFETCH(int, expectedKeyboard);

    Editor e(0, keyboard);
    e.type(QStringLiteral("k"));
    QSignalSpy languages(&e.editor, &UnicodeKaEditor::languageChanged);
    QSignalSpy keyboards(&e.editor, &UnicodeKaEditor::keyboardChanged);
    QTest::keyClick(&e.editor, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(e.editor.isIndicInputOn(), indicInputOn);
    QCOMPARE(e.editor.keyboard(), expectedKeyboard);
    QCOMPARE(languages.count(), indicInputOn ? 0 : 1);
    if (!indicInputOn)
        QCOMPARE(languages.at(0).at(0).toInt(), 9);
    QCOMPARE(keyboards.count(), indicInputOn ? 1 : 0);
    // No key is typed, and the word is over.
    QCOMPARE(e.text(), conv(QStringLiteral("k"), 0, keyboard));
    e.type(QStringLiteral("a"));
    const QString a = indicInputOn ? conv(QStringLiteral("a"), 0, expectedKeyboard) : QStringLiteral("a");
    QCOMPARE(hexCodes(e.text()), hexCodes(conv(QStringLiteral("k"), 0, keyboard) + a));
}

void TestUnicodeKaEditor::readOnlyEditorIgnoresKeys()
{
    Editor e;
    e.editor.setPlainText(QStringLiteral("text"));
    e.editor.selectAll();
    e.editor.setReadOnly(true);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    e.type(QStringLiteral("ka\b"));
    QTest::keyClick(&e.editor, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&e.editor, Qt::Key_F11);
    QCOMPARE(e.text(), QStringLiteral("text"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    QVERIFY(e.editor.isIndicInputOn());
}

void TestUnicodeKaEditor::invalidLanguageOrLayoutOnlyEndsTheWord_data()
{
    QTest::addColumn<bool>("setsLanguage");
    QTest::addColumn<int>("value");

    QTest::newRow("setKeyboard(7)") << false << 7;
    QTest::newRow("setKeyboard(-1)") << false << -1;
    QTest::newRow("setLanguage(12)") << true << 12;
    QTest::newRow("setLanguage(-1)") << true << -1;
}

void TestUnicodeKaEditor::invalidLanguageOrLayoutOnlyEndsTheWord()
{
    QFETCH(bool, setsLanguage);
    QFETCH(int, value);

    Editor e;
    QSignalSpy languages(&e.editor, &UnicodeKaEditor::languageChanged);
    QSignalSpy keyboards(&e.editor, &UnicodeKaEditor::keyboardChanged);
    e.type(QStringLiteral("k"));
    if (setsLanguage)
        e.editor.setLanguage(value);
    else
        e.editor.setKeyboard(value);
    e.type(QStringLiteral("a"));
    QCOMPARE(hexCodes(e.text()), hexCodes(p("k") + p("a")));
    QCOMPARE(e.editor.language(), 0);
    QCOMPARE(e.editor.keyboard(), 0);
    QCOMPARE(languages.count() + keyboards.count(), 0);
}

void TestUnicodeKaEditor::languageSwitches()
{
    Editor e(4, 0);
    QSignalSpy languages(&e.editor, &UnicodeKaEditor::languageChanged);

    // Off keeps the script, on brings it back.
    e.editor.setLanguage(9);
    QCOMPARE(e.editor.language(), 9);
    QCOMPARE(e.editor.indicLanguage(), 4);
    e.type(QStringLiteral("ka"));
    QCOMPARE(e.text(), QStringLiteral("ka"));
    e.editor.changeLanguage(4);
    QCOMPARE(e.editor.language(), 4);
    e.editor.slotToggleLanguage();
    e.editor.slotToggleLanguage();
    QCOMPARE(e.editor.language(), 4);
    QCOMPARE(languages.count(), 3);
    QCOMPARE(languages.at(2).at(0).toInt(), 4);

    // Made for English, the editor starts with Indic input off; switched on,
    // it composes language 9, which gives the keys back.
    Editor english(9, 0);
    QVERIFY(!english.editor.isIndicInputOn());
    english.editor.slotToggleLanguage();
    QVERIFY(english.editor.isIndicInputOn());
    QCOMPARE(english.editor.language(), 9);
    english.type(QStringLiteral("ka"));
    QCOMPARE(english.text(), QStringLiteral("ka"));
}

void TestUnicodeKaEditor::escapeGoesToTheOwnerFirst_data()
{
    QTest::addColumn<bool>("closesPanel");
    QTest::addColumn<QString>("expected");

    QTest::newRow("the owner takes it") << true << "ravi";
    QTest::newRow("the owner leaves it") << false << t("ravi");
}

void TestUnicodeKaEditor::escapeGoesToTheOwnerFirst()
{
    QFETCH(bool, closesPanel);
    QFETCH(QString, expected);

    Owner owner;
    owner.closesPanel = closesPanel;
    Editor e(0, 3, &owner);
    owner.show();
    e.editor.setFocus();
    e.type(QStringLiteral("ravi"));
    QTest::keyClick(&e.editor, Qt::Key_Escape);
    QCOMPARE(owner.escapes, 1);
    QCOMPARE(hexCodes(e.text()), hexCodes(expected));
}

void TestUnicodeKaEditor::fontSizeComesFromTheOwner_data()
{
    QTest::addColumn<int>("parent");  // 0 none, 1 a plain widget, 2 an owner
    QTest::addColumn<int>("pointSize");

    QTest::newRow("no parent") << 0 << 14;
    QTest::newRow("a plain widget") << 1 << 14;
    QTest::newRow("an owner") << 2 << 20;
}

void TestUnicodeKaEditor::fontSizeComesFromTheOwner()
{
    QFETCH(int, parent);
    QFETCH(int, pointSize);

    QWidget plain;
    Owner owner;
    QWidget *parentWidget = parent == 0 ? nullptr : parent == 1 ? &plain : &owner;
    Utils utils;
    UnicodeKaEditor editor(&utils, 0, 0, parentWidget);
    QCOMPARE(editor.font().pointSize(), pointSize);
    UnicodeKaEditor second(&utils, parentWidget);
    QCOMPARE(second.font().pointSize(), pointSize);
    QCOMPARE(second.font().family(), QStringLiteral("Tunga"));

    // Escape with no owner to ask is an ordinary key.
    QTest::keyClick(&editor, Qt::Key_Escape);
    QCOMPARE(owner.escapes, parent == 2 ? 1 : 0);
}

// The second constructor makes no highlighter; switching spell check must
// not reach for one.
void TestUnicodeKaEditor::editorWithoutSpellCheck()
{
    Utils utils;
    UnicodeKaEditor editor(&utils, nullptr);
    QCOMPARE(editor.language(), 9);
    QCOMPARE(editor.keyboard(), 1);
    QVERIFY(!editor.isIndicInputOn());
    editor.setPlainText(QStringLiteral("word"));
    editor.setSpellCheckAsYouType(false);
    editor.setSpellCheckAsYouType(true);
    QVERIFY(editor.spellCheckAsYouType());
    QVERIFY(editor.document()->firstBlock().layout()->formats().isEmpty());
    editor.slotPrint(nullptr);
}

namespace {

QTextDocument *finishedDocument(const QString &text)
{
    auto *doc = new QTextDocument;
    doc->setUndoRedoEnabled(false);
    QTextCursor(doc).insertText(text);
    return doc;
}

int underlinedWords(const QTextBlock &block)
{
    int n = 0;
    for (const QTextLayout::FormatRange &range : block.layout()->formats())
        n += range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline;
    return n;
}

} // namespace

// Before the word list is loaded every word counts as misspelled, and each
// place of a word is underlined on its own.
void TestUnicodeKaEditor::newEditorHasNothingToUndo_data()
{
    QTest::addColumn<bool>("withSpellCheck");
    QTest::newRow("document editor") << true;
    QTest::newRow("editor without spell check") << false;
}

// The editor's own setup (its page margin, its default format) is no step
// of the user's: Ctrl+Z in a new editor took the margin back to Qt's, and
// left the empty paragraph where the margin had put it.
void TestUnicodeKaEditor::newEditorHasNothingToUndo()
{
    QFETCH(bool, withSpellCheck);
    Utils utils;
    QScopedPointer<UnicodeKaEditor> editor(withSpellCheck ? new UnicodeKaEditor(&utils, 0, 0)
                                                          : new UnicodeKaEditor(&utils));
    editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor.data()));
    QTextDocument *doc = editor->document();
    QVERIFY(!doc->isUndoAvailable());
    const QTextFrameFormat page = doc->rootFrame()->frameFormat();
    const QRectF placed = doc->documentLayout()->blockBoundingRect(doc->begin());
    // Ctrl+Z as the keyboard sends it, with its control character.
    QTest::sendKeyEvent(QTest::Click, editor.data(), Qt::Key_Z, QChar(0x1A), Qt::ControlModifier);
    QCOMPARE(editor->toPlainText(), QString());
    QCOMPARE(doc->rootFrame()->frameFormat(), page);
    QCOMPARE(doc->documentLayout()->blockBoundingRect(doc->begin()), placed);
    QCOMPARE(doc->begin().layout()->lineCount(), 1);
}

void TestUnicodeKaEditor::takesOverAFinishedDocument()
{
    Editor e;
    const QPointer<QTextDocument> first = e.editor.document();
    QTextDocument *doc = finishedDocument(QStringLiteral("first line\nಕನ್ನಡ ಪಠ್ಯ"));
    e.editor.adoptDocument(doc);
    QVERIFY(first.isNull());
    QCOMPARE(e.editor.document(), doc);
    QCOMPARE(doc->parent(), &e.editor);
    QVERIFY(!doc->isModified());
    QVERIFY(!doc->isUndoAvailable());
    // Checked as it is taken: the document shows with its underlines.
    QCOMPARE(underlinedWords(doc->findBlockByNumber(1)), 2);

    // The taken document is edited like the editor's own.
    e.editor.moveCursor(QTextCursor::End);
    e.editor.textCursor().insertText(QStringLiteral(" more"));
    QCOMPARE(doc->findBlockByNumber(1).text(), QStringLiteral("ಕನ್ನಡ ಪಠ್ಯ more"));
    // The word just typed is checked once the cursor leaves it.
    QCOMPARE(underlinedWords(doc->findBlockByNumber(1)), 2);
    e.editor.moveCursor(QTextCursor::Start);
    QCOMPARE(underlinedWords(doc->findBlockByNumber(1)), 3);
    QVERIFY(doc->isModified());
    QVERIFY(doc->isUndoAvailable());

    // A second one replaces the first, which the editor deletes.
    const QPointer<QTextDocument> taken = doc;
    QTextDocument *next = finishedDocument(QStringLiteral("again"));
    e.editor.adoptDocument(next);
    QVERIFY(taken.isNull());
    e.editor.setSpellCheckAsYouType(false);
    QTRY_COMPARE(underlinedWords(next->firstBlock()), 0);
    e.editor.setSpellCheckAsYouType(true);
    QTRY_COMPARE(underlinedWords(next->firstBlock()), 1);
}

void TestUnicodeKaEditor::documentReplacedElsewhereTakesTheSpellCheckAlong()
{
    // The plain replacement deletes the first document and, with it, its
    // highlighter: the editor must not use it afterwards.
    Editor e;
    e.editor.setDocument(new QTextDocument(&e.editor));
    e.editor.setSpellCheckAsYouType(false);
    e.editor.setSpellCheckAsYouType(true);
    e.editor.setPlainText(QStringLiteral("word"));
    QVERIFY(e.editor.spellCheckAsYouType());
}

void TestUnicodeKaEditor::workingFolderFollowsExistingFiles()
{
    TemporaryCurrentDir dir;
    QFile file(dir.path() + QStringLiteral("/notes.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    Editor e;
    QSignalSpy changes(&e.editor, &UnicodeKaEditor::workingDirChanged);
    e.editor.setFileName(QStringLiteral("untitled-1"));
    e.editor.updateWorkingDir();
    QCOMPARE(changes.count(), 0);
    e.editor.setFileName(QStringLiteral("notes.txt"));
    e.editor.updateWorkingDir();
    e.editor.setWorkingDirFromFile(file.fileName());
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.at(0).at(0).toString(), QFileInfo(file).absolutePath());
    QCOMPARE(changes.at(1).at(0).toString(), QFileInfo(file).absolutePath());
}

void TestUnicodeKaEditor::imageDataIsAcceptedButInsertsNothing()
{
    struct Paster : UnicodeKaEditor
    {
        using UnicodeKaEditor::UnicodeKaEditor;
        using UnicodeKaEditor::canInsertFromMimeData;
        using UnicodeKaEditor::insertFromMimeData;
    };
    Utils utils;
    Paster editor(&utils, 0, 0);
    QMimeData image;
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    image.setImageData(picture);
    QVERIFY(editor.canInsertFromMimeData(&image));
    editor.insertFromMimeData(&image);
    QCOMPARE(editor.toPlainText(), QString());

    image.setHtml(QStringLiteral("<b>bold</b>"));
    editor.insertFromMimeData(&image);
    QCOMPARE(editor.toPlainText(), QStringLiteral("bold"));
}

// Pasted HTML gets the bounds of an HTML file: tables nested in tables
// beyond eight levels are flattened (Qt's layout took minutes), and markup
// too large to import, or too tall to lay out, comes in as its plain text.
void TestUnicodeKaEditor::pastedHtmlIsBounded_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("markup");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QString>("text");

    QTest::newRow("a table") << "text/html" << nestedTablesHtml(1) << 1 << "x";
    QTest::newRow("tables 24 deep") << "text/html" << nestedTablesHtml(24) << 8 << "x";
    QTest::newRow("tables 4,000 deep") << "text/html" << nestedTablesHtml(4000) << 8 << "x";
    QTest::newRow("tables 24 deep as the editor's own rich text") << "application/x-qrichtext" << nestedTablesHtml(24) << 8 << "x";
    QTest::newRow("20,000 cells come as text")
        << "text/html" << tableOfCellsHtml(100, 200)
        << 0 << "the plain text";
    const QByteArray large = "<body style=\"font-size:72pt\">";
    QTest::newRow("large paragraphs too tall to lay out come as text")
        << "text/html" << large + QByteArray("<p>x").repeated(100000) << 0 << "the plain text";
    QTest::newRow("large paragraphs") << "text/html" << large + QByteArray("<p>x").repeated(1000) << 0
                                      << QStringLiteral("x\n").repeated(1000).trimmed();
}

void TestUnicodeKaEditor::pastedHtmlIsBounded()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, markup);
    QFETCH(int, depth);
    QFETCH(QString, text);

    struct Paster : UnicodeKaEditor
    {
        using UnicodeKaEditor::UnicodeKaEditor;
        using UnicodeKaEditor::insertFromMimeData;
    };
    Utils utils;
    Paster editor(&utils, 0, 0);
    QMimeData data;
    data.setData(format, markup);
    data.setText(QStringLiteral("the plain text"));
    editor.insertFromMimeData(&data);
    QCOMPARE(tableDepth(editor.document()->rootFrame()), depth);
    QCOMPARE(editor.toPlainText().trimmed(), text);
}

void TestUnicodeKaEditor::defaultSettingsSetKannadaAndPhonetic()
{
    Editor e(4, 2);
    e.editor.loadDefaultSettings();
    QCOMPARE(e.editor.language(), 0);
    QCOMPARE(e.editor.keyboard(), 0);
}

YAVO_TEST_MAIN(TestUnicodeKaEditor)

#include "tst_unicodekaeditor.moc"
