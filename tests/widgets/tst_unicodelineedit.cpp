#include "core/indictransliterator.h"
#include "core/languagetable.h"
#include "compositioncases.h"
#include "hexcodes.h"
#include "testmain.h"
#include "widgets/unicodecombobox.h"
#include "widgets/unicodelineedit.h"
#include "widgets/unicodeplaintextedit.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QSignalSpy>
#include <QStringListModel>

class TestUnicodeLineEdit : public QObject
{
    Q_OBJECT

private slots:
    void composesEveryKey_data();
    void composesEveryKey();
    void eachKeyIsOneUndoStep();
    void backspaceTakesBackPendingKeys();
    void cursorMoveEndsTheWord();
    void transliteration_data();
    void transliteration();
    void transliterationConvertsOnlyTheWordBeforeTheCursor_data();
    void transliterationConvertsOnlyTheWordBeforeTheCursor();
    void typingOverASelectionReplacesIt_data();
    void typingOverASelectionReplacesIt();
    void whiteSpaceThatTypesNothingEndsNoWord();
    void aWordEndKeyThatTypesNothingLeavesNothingToTakeBack_data();
    void aWordEndKeyThatTypesNothingLeavesNothingToTakeBack();
    void editingKeysActAsInAPlainEdit_data();
    void editingKeysActAsInAPlainEdit();
    void returnFinishesEditing();
    void f11TogglesIndicInput();
    void setTextSimplifiesWhiteSpace_data();
    void setTextSimplifiesWhiteSpace();
    void setLanguageSetsFontAndEndsTheWord();
    void completesFromItsWordList();
    void completionNeedsComposedKeys();
    void popupAtCursorListsAllWords();
    void wordListIsSetOnceAndExtended();
    void focusChanges();
    void variants();
};

namespace {

QString conv(const QString &keys, int language, int keyboard)
{
    return IndicTransliterator().convert(keys, language, keyboard);
}

struct Field
{
    explicit Field(int language = 0, int keyboard = 0)
    {
        edit.setLanguage(language, keyboard);
        edit.show();
        edit.activateWindow();
        if (!QTest::qWaitForWindowActive(&edit))
            qWarning("the field's window did not become active");
    }

    void type(const QString &keys) { QTest::keyClicks(&edit, keys); }
    void setTextAt(const QString &text, int position)
    {
        edit.setText(text);
        QTextCursor cursor = edit.textCursor();
        cursor.setPosition(position);
        edit.setTextCursor(cursor);
    }
    QAbstractItemView *popup() const
    {
        auto *completer = edit.findChild<QCompleter *>();
        return completer ? completer->popup() : nullptr;
    }

    UnicodeLineEdit edit;
};

} // namespace

void TestUnicodeLineEdit::composesEveryKey_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("keyboard");
    QTest::addColumn<QString>("keys");

    QTest::newRow("phonetic kannada") << 0 << 0 << "kannaDa";
    QTest::newRow("phonetic with digits") << 0 << 0 << "ka12";
    QTest::newRow("kprao kannada") << 0 << 1 << "kaMnaDa";
    QTest::newRow("inscript hindi") << 4 << 2 << "kdkf";
    QTest::newRow("phonetic-2 telugu") << 1 << 4 << "telugu";
    QTest::newRow("kprao extended") << 0 << 5 << "zekX";
    QTest::newRow("tamil") << 8 << 0 << "sha";
    QTest::newRow("phonetic hindi") << 4 << 0 << "namastE";
    QTest::newRow("phonetic tamil") << 8 << 0 << "vaNakkam";
    QTest::newRow("kprao hindi") << 4 << 1 << "hiMdI";
    QTest::newRow("kprao tamil") << 8 << 1 << "takfkiF";
    QTest::newRow("inscript kannada") << 0 << 2 << "kvdve";
    QTest::newRow("inscript tamil") << 8 << 2 << "kdkf";
    QTest::newRow("phonetic-2 kannada") << 0 << 4 << "kannaDa";
    QTest::newRow("phonetic-2 hindi") << 4 << 4 << "hindIf";
    QTest::newRow("kprao extended tamil") << 8 << 5 << "tamiL";
    QTest::newRow("english") << 9 << 0 << "word";
}

void TestUnicodeLineEdit::composesEveryKey()
{
    QFETCH(int, language);
    QFETCH(int, keyboard);
    QFETCH(QString, keys);

    Field field(language, keyboard);
    for (int i = 1; i <= keys.size(); ++i) {
        field.type(keys.mid(i - 1, 1));
        QCOMPARE(hexCodes(field.edit.text()), hexCodes(conv(keys.left(i), language, keyboard)));
    }
}

void TestUnicodeLineEdit::eachKeyIsOneUndoStep()
{
    Field field;
    field.type(QStringLiteral("k"));
    QCOMPARE(field.edit.text(), QStringLiteral(u"\u0C95\u0CCD"));
    field.type(QStringLiteral("a"));
    QCOMPARE(field.edit.text(), QString(QChar(0x0C95)));
    field.edit.undo();
    QCOMPARE(field.edit.text(), QStringLiteral(u"\u0C95\u0CCD"));
}

void TestUnicodeLineEdit::backspaceTakesBackPendingKeys()
{
    Field field;
    field.setTextAt(QStringLiteral("xy"), 2);
    field.type(QStringLiteral("kaa"));
    QCOMPARE(field.edit.text(), QStringLiteral("xy") + conv(QStringLiteral("kaa"), 0, 0));

    // Backspace takes back the last key, not the last character shown.
    QTest::keyClick(&field.edit, Qt::Key_Backspace);
    QCOMPARE(hexCodes(field.edit.text()), hexCodes(QStringLiteral("xy") + conv(QStringLiteral("ka"), 0, 0)));
    QTest::keyClick(&field.edit, Qt::Key_Backspace);
    QCOMPARE(hexCodes(field.edit.text()), hexCodes(QStringLiteral("xy") + conv(QStringLiteral("k"), 0, 0)));
    QTest::keyClick(&field.edit, Qt::Key_Backspace);
    QCOMPARE(field.edit.text(), QStringLiteral("xy"));
    // With no keys pending, Backspace deletes as usual.
    QTest::keyClick(&field.edit, Qt::Key_Backspace);
    QCOMPARE(field.edit.text(), QStringLiteral("x"));
}

void TestUnicodeLineEdit::cursorMoveEndsTheWord()
{
    Field field;
    field.type(QStringLiteral("k"));
    field.edit.moveCursor(QTextCursor::Start);
    field.edit.moveCursor(QTextCursor::End);
    field.type(QStringLiteral("a"));
    QCOMPARE(hexCodes(field.edit.text()), hexCodes(conv(QStringLiteral("k"), 0, 0) + conv(QStringLiteral("a"), 0, 0)));

    // A key the field leaves to the plain text edit ends the word too.
    field.edit.setText(QString());
    field.type(QStringLiteral("k.a"));
    QCOMPARE(hexCodes(field.edit.text()),
             hexCodes(conv(QStringLiteral("k"), 0, 0) + QLatin1Char('.') + conv(QStringLiteral("a"), 0, 0)));
}

void TestUnicodeLineEdit::transliteration_data()
{
    CompositionCases::transliterationRows();
}

void TestUnicodeLineEdit::transliteration()
{
    QFETCH(int, language);
    QFETCH(QString, keys);
    QFETCH(QString, expected);

    Field field(language, 3);
    field.type(keys);
    QCOMPARE(hexCodes(field.edit.text()), hexCodes(expected));
    QVERIFY(!field.edit.textCursor().hasSelection());
    QCOMPARE(field.edit.textCursor().position(), expected.size());
}

void TestUnicodeLineEdit::transliterationConvertsOnlyTheWordBeforeTheCursor_data()
{
    CompositionCases::wordBeforeCursorRows();
}

void TestUnicodeLineEdit::transliterationConvertsOnlyTheWordBeforeTheCursor()
{
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    Field field(0, 3);
    field.setTextAt(text, position);
    field.type(key);
    QCOMPARE(hexCodes(field.edit.text()), hexCodes(expected));
    QVERIFY(!field.edit.textCursor().hasSelection());
}

void TestUnicodeLineEdit::typingOverASelectionReplacesIt_data()
{
    CompositionCases::selectionRows();
}

void TestUnicodeLineEdit::typingOverASelectionReplacesIt()
{
    QFETCH(int, keyboard);
    QFETCH(QString, text);
    QFETCH(QString, typed);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    Field field(0, keyboard);
    field.setTextAt(text, text.size());
    field.type(typed);
    QTextCursor cursor = field.edit.textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    field.edit.setTextCursor(cursor);
    field.type(key);
    QCOMPARE(hexCodes(field.edit.text()), hexCodes(expected));
}

void TestUnicodeLineEdit::whiteSpaceThatTypesNothingEndsNoWord()
{
    // Ctrl+Tab carries a tab, but the plain text edit does not type it.
    Field field(0, 3);
    field.type(QStringLiteral("ravi"));
    QTest::keyClick(&field.edit, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(field.edit.text(), QStringLiteral("ravi"));
    QVERIFY(!field.edit.textCursor().hasSelection());
    field.type(QStringLiteral("n "));
    QCOMPARE(hexCodes(field.edit.text()), hexCodes(conv(QStringLiteral("ravin"), 0, 3) + QLatin1Char(' ')));
}

void TestUnicodeLineEdit::aWordEndKeyThatTypesNothingLeavesNothingToTakeBack_data()
{
    QTest::addColumn<int>("moveTo");  // -1: the cursor stays
    QTest::addColumn<QString>("expected");

    const QString converted = QStringLiteral("12 ") + conv(QStringLiteral("ravi"), 0, 3);
    QTest::newRow("backspace at once") << -1 << converted.chopped(1);
    QTest::newRow("backspace after a move") << 2 << converted.left(1) + converted.mid(2);
}

// Ctrl+1 ends the word, but the plain text edit types no "1": there is no
// ending character for Backspace to take back, so Backspace deletes one
// character as usual and brings no Latin letters back.
void TestUnicodeLineEdit::aWordEndKeyThatTypesNothingLeavesNothingToTakeBack()
{
    QFETCH(int, moveTo);
    QFETCH(QString, expected);

    Field field(0, 3);
    field.setTextAt(QStringLiteral("12"), 2);
    field.type(QStringLiteral(" ravi"));
    QTest::keyClick(&field.edit, Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(hexCodes(field.edit.text()), hexCodes(QStringLiteral("12 ") + conv(QStringLiteral("ravi"), 0, 3)));

    if (moveTo >= 0) {
        QTextCursor cursor = field.edit.textCursor();
        cursor.setPosition(moveTo);
        field.edit.setTextCursor(cursor);
    }
    QTest::keyClick(&field.edit, Qt::Key_Backspace);
    QCOMPARE(hexCodes(field.edit.text()), hexCodes(expected));
}

void TestUnicodeLineEdit::editingKeysActAsInAPlainEdit_data()
{
    QTest::addColumn<int>("keyboard");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("keyText");  // as the window system gives it with Ctrl

    QTest::newRow("ctrl+backspace just after a word end") << 3 << "abc ravi " << int(Qt::Key_Backspace) << "\b";
    QTest::newRow("ctrl+a after a latin word") << 3 << "ravi" << int(Qt::Key_A) << "\x01";
    QTest::newRow("ctrl+c after a latin word") << 3 << "hello ravi" << int(Qt::Key_C) << "\x03";
    QTest::newRow("ctrl+a while composing") << 0 << "ka" << int(Qt::Key_A) << "\x01";
}

// Keys with Ctrl carry control characters: they edit or select, and neither
// convert a word nor take more text than they do in a plain text edit.
void TestUnicodeLineEdit::editingKeysActAsInAPlainEdit()
{
    QFETCH(int, keyboard);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(QString, keyText);

    Field field(0, keyboard);
    field.type(typed);
    QPlainTextEdit plain;
    plain.setPlainText(field.edit.text());
    QTextCursor cursor = plain.textCursor();
    cursor.setPosition(field.edit.textCursor().position());
    plain.setTextCursor(cursor);

    for (QPlainTextEdit *edit : {static_cast<QPlainTextEdit *>(&field.edit), &plain})
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(key), keyText, Qt::ControlModifier);
    QCOMPARE(hexCodes(field.edit.text()), hexCodes(plain.toPlainText()));
    QCOMPARE(field.edit.textCursor().selectionStart(), plain.textCursor().selectionStart());
    QCOMPARE(field.edit.textCursor().selectionEnd(), plain.textCursor().selectionEnd());
}

void TestUnicodeLineEdit::returnFinishesEditing()
{
    Field field(0, 3);
    QSignalSpy finished(&field.edit, &UnicodeLineEdit::editingFinished);
    field.type(QStringLiteral("ravi"));
    QTest::keyClick(&field.edit, Qt::Key_Return);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(field.edit.text(), QStringLiteral("ravi"));  // Return converts nothing
    QTest::keyClick(&field.edit, Qt::Key_Enter);
    QCOMPARE(finished.size(), 2);
    QCOMPARE(field.edit.text(), QStringLiteral("ravi"));

    UnicodePlainTextEdit multi;
    QSignalSpy multiFinished(&multi, &UnicodeLineEdit::editingFinished);
    QTest::keyClicks(&multi, QStringLiteral("ka"));
    QTest::keyClick(&multi, Qt::Key_Return);
    QTest::keyClicks(&multi, QStringLiteral("ka"));
    QCOMPARE(multiFinished.size(), 1);
    QCOMPARE(multi.text(), conv(QStringLiteral("ka"), 0, 0) + QLatin1Char('\n')
             + conv(QStringLiteral("ka"), 0, 0));
}

void TestUnicodeLineEdit::f11TogglesIndicInput()
{
    Field field;
    QTest::keyClick(&field.edit, Qt::Key_F11);
    field.type(QStringLiteral("ka"));
    QCOMPARE(field.edit.text(), QStringLiteral("ka"));
    QTest::keyClick(&field.edit, Qt::Key_F11);
    field.type(QStringLiteral("ka"));
    QCOMPARE(hexCodes(field.edit.text()), hexCodes(QStringLiteral("ka") + conv(QStringLiteral("ka"), 0, 0)));
}

void TestUnicodeLineEdit::setTextSimplifiesWhiteSpace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("blanks") << "  a   b " << "a b";
    QTest::newRow("tabs and line breaks") << "\ta\n\n b\r\n" << "a b";
    QTest::newRow("only blanks") << "   " << "";
    QTest::newRow("indic") << QString::fromUtf8(" \xe0\xb2\x95  \xe0\xb2\x96 ")
                           << QString::fromUtf8("\xe0\xb2\x95 \xe0\xb2\x96");
}

void TestUnicodeLineEdit::setTextSimplifiesWhiteSpace()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);

    Field field;
    field.type(QStringLiteral("k"));
    field.edit.setText(text);
    QCOMPARE(field.edit.text(), expected);
    // The word composed before is over: a key starts a new one.
    field.edit.moveCursor(QTextCursor::End);
    field.type(QStringLiteral("a"));
    QCOMPARE(hexCodes(field.edit.text()), hexCodes(expected + conv(QStringLiteral("a"), 0, 0)));
}

void TestUnicodeLineEdit::setLanguageSetsFontAndEndsTheWord()
{
    Field field;
    QCOMPARE(field.edit.font().family(), LanguageTable::defaultFontFamily(0));
    QCOMPARE(field.edit.font().pointSize(), 11);

    field.type(QStringLiteral("k"));
    field.edit.setLanguage(4, 0);
    QCOMPARE(field.edit.language(), 4);
    QCOMPARE(field.edit.font().family(), LanguageTable::defaultFontFamily(4));
    field.type(QStringLiteral("a"));
    QCOMPARE(hexCodes(field.edit.text()), hexCodes(conv(QStringLiteral("k"), 0, 0) + conv(QStringLiteral("a"), 4, 0)));

    field.type(QStringLiteral("k"));
    field.edit.resetComposition();
    field.type(QStringLiteral("a"));
    QCOMPARE(hexCodes(field.edit.text()), hexCodes(conv(QStringLiteral("k"), 0, 0) + conv(QStringLiteral("a"), 4, 0)
                                         + conv(QStringLiteral("k"), 4, 0) + conv(QStringLiteral("a"), 4, 0)));
}

void TestUnicodeLineEdit::completesFromItsWordList()
{
    const QString kannada = conv(QStringLiteral("kannaDa"), 0, 0);
    const QString kannadi = conv(QStringLiteral("kannaDi"), 0, 0);
    const QString kamala = conv(QStringLiteral("kamala"), 0, 0);

    Field field;
    field.edit.setWords({kannada, kannadi, kamala});
    QSignalSpy finished(&field.edit, &UnicodeLineEdit::editingFinished);

    // Two characters: too short for a popup.
    field.type(QStringLiteral("ka"));
    QVERIFY(!field.popup()->isVisible());
    field.type(QStringLiteral("nna"));
    QTRY_VERIFY(field.popup()->isVisible());
    QCOMPARE(field.popup()->currentIndex().row(), 0);
    QCOMPARE(field.popup()->model()->rowCount(), 2);

    // Return goes to the popup: the completion replaces the text, and the
    // field reports no finished editing.
    QTest::keyClick(field.popup(), Qt::Key_Down);
    QTest::keyClick(field.popup(), Qt::Key_Return);
    QCOMPARE(field.edit.text(), kannadi);
    QVERIFY(!field.popup()->isVisible());
    QCOMPARE(finished.size(), 0);

    // A prefix that matches one word only opens no popup.
    field.edit.setText(QString());
    field.type(QStringLiteral("kamal"));
    QVERIFY(!field.popup()->isVisible());

    // Choosing a completion replaces every word of the field.
    field.setTextAt(QStringLiteral("one two"), 7);
    field.type(QStringLiteral(" kanna"));
    QTRY_VERIFY(field.popup()->isVisible());
    QTest::keyClick(field.popup(), Qt::Key_Return);
    QCOMPARE(field.edit.text(), kannada);
}

void TestUnicodeLineEdit::completionNeedsComposedKeys()
{
    {
        Field field(0, 3);
        field.edit.setWords({QStringLiteral("ravikumar"), QStringLiteral("ravishankar")});
        field.type(QStringLiteral("ravi"));
        QVERIFY(!field.popup()->isVisible());
    }
    {
        Field field;
        field.edit.setWords({QStringLiteral("kanna"), QStringLiteral("kannada")});
        QTest::keyClick(&field.edit, Qt::Key_F11);
        field.type(QStringLiteral("kanna"));
        QVERIFY(!field.popup()->isVisible());
    }
}

void TestUnicodeLineEdit::popupAtCursorListsAllWords()
{
    QWidget window;
    auto *edit = new UnicodeLineEdit(&window);
    edit->setGeometry(10, 10, 200, 24);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setLanguage(9, 0);
    edit->setWords({QStringLiteral("abc"), QStringLiteral("abd"), QStringLiteral("xyz")});
    auto *popup = edit->findChild<QCompleter *>()->popup();

    // Not at the cursor: with no prefix the history button shows nothing.
    edit->showCompleter();
    QVERIFY(edit->hasFocus());
    QVERIFY(!popup->isVisible());

    edit->setCompleterPopupAtCursor(true);
    QTest::keyClicks(edit, QStringLiteral("a"));
    QTRY_VERIFY(popup->isVisible());
    QCOMPARE(popup->model()->rowCount(), 3);
    QCOMPARE(popup->width(), edit->width() + 21);

    QTest::keyClicks(edit, QStringLiteral("bc"));
    QVERIFY(!popup->isVisible());  // "abc" matches one word only
    edit->showCompleter();
    QTRY_VERIFY(popup->isVisible());
}

void TestUnicodeLineEdit::wordListIsSetOnceAndExtended()
{
    Field field;
    field.edit.addWords({QStringLiteral("early")});
    QVERIFY(!field.edit.findChild<QCompleter *>());

    field.edit.setWords({QStringLiteral("abc"), QStringLiteral("abd")});
    field.edit.setWords({QStringLiteral("xyz")});
    QCOMPARE(field.edit.findChildren<QCompleter *>().size(), 1);
    auto *model = qobject_cast<QStringListModel *>(field.edit.findChild<QCompleter *>()->model());
    QVERIFY(model);
    QCOMPARE(model->stringList(), QStringList({"abc", "abd"}));

    field.edit.addWords({QStringLiteral("abd"), QStringLiteral("abe"), QStringLiteral("abe")});
    QCOMPARE(model->stringList(), QStringList({"abc", "abd", "abe"}));
}

void TestUnicodeLineEdit::focusChanges()
{
    QWidget window;
    auto *edit = new UnicodeLineEdit(&window);
    auto *other = new UnicodeLineEdit(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    QSignalSpy spy(edit, &UnicodeLineEdit::focusChanged);
    edit->setFocus();
    other->setFocus();
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    QCOMPARE(spy.at(1).at(0).toBool(), false);
}

void TestUnicodeLineEdit::variants()
{
    UnicodeLineEdit line;
    QCOMPARE(line.height(), 24);
    QCOMPARE(line.lineWrapMode(), QPlainTextEdit::NoWrap);
    QVERIFY(line.tabChangesFocus());

    UnicodePlainTextEdit multi;
    QCOMPARE(multi.minimumHeight(), 60);
    QCOMPARE(multi.maximumHeight(), 800);
    QCOMPARE(multi.lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(multi.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

    UnicodeComboBox combo;
    QVERIFY(!combo.lineEdit());
}

YAVO_TEST_MAIN(TestUnicodeLineEdit)
#include "tst_unicodelineedit.moc"
