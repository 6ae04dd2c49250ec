#include "editor/spellcheckdialog.h"
#include "editor/unicodekaeditor.h"

#include "dictionary/wordlist.h"
#include "utils/utils.h"
#include "widgets/unicodelineedit.h"

#include "modalanswerer.h"
#include "testmain.h"
#include "testsandbox.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedPointer>

namespace {

const QString dialogTitle = QStringLiteral("Spell Check...");
const QString doneText = QStringLiteral("Done\t\t");

// A document, its word list and the dialog bound to it.
struct Checker
{
    explicit Checker(const QStringList &known, bool loaded = true)
    {
        if (loaded) {
            utils.loadUserDictionary();
            utils.addWords(known);
        }
    }

    void start(const QString &text)
    {
        editor->setPlainText(text);
        dialog.setLanguage(editor, 9, 0);
        dialog.startCheck();
    }

    template <class T>
    T *child(const char *name) const { return dialog.findChild<T *>(QLatin1String(name)); }

    // "word on show>change-to text"
    QString state() const
    {
        return child<QLineEdit>("misSpelledLineEdit")->text() + QLatin1Char('>')
                + child<UnicodeLineEdit>("changeToLineEdit")->text();
    }

    void click(const char *button) { child<QPushButton>(button)->click(); }

    void apply(const QString &action)
    {
        const QString verb = action.section(QLatin1Char(':'), 0, 0);
        const QString argument = action.section(QLatin1Char(':'), 1);
        auto *changeTo = child<UnicodeLineEdit>("changeToLineEdit");
        if (verb == QLatin1String("ignore")) {
            click("ignorePushButton");
        } else if (verb == QLatin1String("add")) {
            click("addToDictionary");
        } else if (verb == QLatin1String("change")) {
            changeTo->setText(argument);
            click("changePushButton");
        } else if (verb == QLatin1String("changeAll")) {
            changeTo->setText(argument);
            click("changeAllPushButton");
        } else if (verb == QLatin1String("return")) {
            QTest::keyClick(changeTo, Qt::Key_Return);
        } else if (verb == QLatin1String("dclick")) {
            auto *list = child<QListWidget>("suggestionsList");
            const QPoint at = list->visualItemRect(list->item(argument.toInt())).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        } else if (verb == QLatin1String("restart")) {
            dialog.startCheck();
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown action ") + action));
        }
    }

    Utils utils;
    QWidget window;
    UnicodeKaEditor *editor = new UnicodeKaEditor(&utils, &window);
    SpellCheckDialog dialog{&utils, nullptr};
};

QStringList userWordFileLines()
{
    QFile file(WordList::userWordFile());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class TestSpellCheckDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void walk_data();
    void walk();
    void showsTheWordWithoutEditingTheDocument_data();
    void showsTheWordWithoutEditingTheDocument();
    void doesNothingOnceTheEditorIsGone();

private:
    QScopedPointer<TestSandbox> m_sandbox;
};

void TestSpellCheckDialog::init()
{
    m_sandbox.reset(new TestSandbox);
}

// Before the next one is made: each sandbox puts back what it found.
void TestSpellCheckDialog::cleanup()
{
    m_sandbox.reset();
}

void TestSpellCheckDialog::walk_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("known");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("shown");     // before each action
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("dones");
    QTest::addColumn<QStringList>("userWords");  // lines of "usr.dct"

    const QStringList aacc{"aa", "cc"};
    QTest::newRow("change all") << "aa bb aa BB" << aacc << true << QStringList{"changeAll:cc"}
            << QStringList{"bb>"} << "aa cc aa cc" << 1 << QStringList();
    QTest::newRow("change all leaves what is above") << "bb aa bb BB" << QStringList() << false
            << QStringList{"change:bb", "change:aa", "changeAll:cc", "ignore"}
            << QStringList{"bb>", "aa>", "bb>", "cc>"} << "bb aa cc cc" << 1 << QStringList();
    // The search goes on after each new text, so a replacement holding the
    // word is never changed again.
    QTest::newRow("change all with the word inside the replacement") << "bb aa bb" << QStringList{"aa"} << true
            << QStringList{"changeAll:bb bb", "ignore"} << QStringList{"bb>", "bb>"} << "bb bb aa bb bb" << 1
            << QStringList();
    QTest::newRow("first word is looked at") << "bb aa" << aacc << true << QStringList{"change:cc"}
            << QStringList{"bb>"} << "cc aa" << 1 << QStringList();
    QTest::newRow("empty document") << "" << aacc << true << QStringList() << QStringList()
            << "" << 1 << QStringList();
    QTest::newRow("every word known") << "aa\ncc aa" << aacc << true << QStringList() << QStringList()
            << "aa\ncc aa" << 1 << QStringList();
    QTest::newRow("Kannada words stay whole") << QStringLiteral("ಕನ್ನಡ ನಾಡು ಕನ್ನಡಿಗ")
            << QStringList{QStringLiteral("ಕನ್ನಡ")} << true << QStringList{"ignore", "changeAll:x"}
            << QStringList{QStringLiteral("ನಾಡು>"), QStringLiteral("ಕನ್ನಡಿಗ>")} << QStringLiteral("ಕನ್ನಡ ನಾಡು x")
            << 1 << QStringList();
    QTest::newRow("first suggestion preselected, Return applies it") << "ab" << QStringList{"abc"} << true
            << QStringList{"return"} << QStringList{"ab>abc"} << "abc" << 1 << QStringList();
    QTest::newRow("double-click changes at once") << "ab" << QStringList{"abc", "abd"} << true
            << QStringList{"dclick:1"} << QStringList{"ab>abc"} << "abd" << 1 << QStringList();
    QTest::newRow("empty change-to deletes the word") << "aa bb cc dd" << aacc << true
            << QStringList{"change:", "ignore"} << QStringList{"bb>", "dd>"} << "aa  cc dd" << 1 << QStringList();
    QTest::newRow("ignore once holds for later walks") << "bb aa bb" << aacc << true
            << QStringList{"ignore", "restart"} << QStringList{"bb>", ">"} << "bb aa bb" << 2 << QStringList();
    QTest::newRow("add to dictionary") << "bb aa bb" << aacc << true << QStringList{"add"}
            << QStringList{"bb>"} << "bb aa bb" << 1 << QStringList{"bb"};
    QTest::newRow("add to dictionary before the word list exists") << "bb bb" << aacc << false
            << QStringList{"add", "add"} << QStringList{"bb>", "bb>"} << "bb bb" << 1
            << QStringList{"bb", "bb"};
}

void TestSpellCheckDialog::walk()
{
    QFETCH(QString, text);
    QFETCH(QStringList, known);
    QFETCH(bool, loaded);
    QFETCH(QStringList, actions);
    QFETCH(QStringList, shown);
    QFETCH(QString, result);
    QFETCH(int, dones);
    QFETCH(QStringList, userWords);

    Checker c(known, loaded);
    ModalAnswerer answerer;
    for (int i = 0; i < dones; ++i)
        answerer.expectMessageBox(dialogTitle, doneText, QMessageBox::Ok);
    c.start(text);
    QStringList seen;
    for (const QString &action : actions) {
        seen << c.state();
        c.apply(action);
    }
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(seen, shown);
    QCOMPARE(c.editor->toPlainText(), result);
    QVERIFY(!c.dialog.isVisible());
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(userWordFileLines(), userWords);
}

void TestSpellCheckDialog::showsTheWordWithoutEditingTheDocument_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("result");

    QTest::newRow("Close") << "close" << "aa bb cc";
    QTest::newRow("Escape") << "escape" << "aa bb cc";
    QTest::newRow("window closed") << "window" << "aa bb cc";
    QTest::newRow("Change keeps the word's own format") << "change" << "aa xx cc";
}

void TestSpellCheckDialog::showsTheWordWithoutEditingTheDocument()
{
    QFETCH(QString, action);
    QFETCH(QString, result);

    Checker c({"aa", "cc"});
    c.editor->setPlainText(QStringLiteral("aa bb cc"));
    QTextDocument *document = c.editor->document();
    // The user's own underline on the word.
    QTextCursor word(document);
    word.setPosition(3);
    word.setPosition(5, QTextCursor::KeepAnchor);
    QTextCharFormat underline;
    underline.setFontUnderline(true);
    word.mergeCharFormat(underline);
    document->clearUndoRedoStacks();
    document->setModified(false);

    c.dialog.setLanguage(c.editor, 9, 0);
    c.dialog.startCheck();
    QCOMPARE(c.state(), QStringLiteral("bb>"));
    QCOMPARE(c.editor->textCursor().selectedText(), QStringLiteral("bb"));
    const QList<QTextEdit::ExtraSelection> shown = c.editor->extraSelections();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().cursor.selectedText(), QStringLiteral("bb"));
    QCOMPARE(shown.first().format.underlineStyle(), QTextCharFormat::SpellCheckUnderline);
    QVERIFY(!document->isModified());
    QCOMPARE(document->availableUndoSteps(), 0);

    ModalAnswerer answerer;
    if (action == QLatin1String("close")) {
        c.click("closePushButton");
    } else if (action == QLatin1String("escape")) {
        QTest::keyClick(&c.dialog, Qt::Key_Escape);
    } else if (action == QLatin1String("window")) {
        c.dialog.close();
    } else {
        answerer.expectMessageBox(dialogTitle, doneText, QMessageBox::Ok);
        c.apply(QStringLiteral("change:xx"));
    }
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QVERIFY(!c.dialog.isVisible());
    QVERIFY(c.editor->extraSelections().isEmpty());
    QCOMPARE(c.editor->toPlainText(), result);
    QCOMPARE(document->isModified(), result != QLatin1String("aa bb cc"));

    QTextCursor after(document);
    after.setPosition(4);
    QCOMPARE(after.charFormat().underlineStyle(), QTextCharFormat::SingleUnderline);
}

void TestSpellCheckDialog::doesNothingOnceTheEditorIsGone()
{
    Checker c({"aa"});
    c.start(QStringLiteral("aa bb"));
    QCOMPARE(c.state(), QStringLiteral("bb>"));
    delete c.editor;

    ModalAnswerer answerer;
    for (const QString &action : QStringList{"ignore", "add", "change:x", "changeAll:x", "return", "restart"})
        c.apply(action);
    c.click("closePushButton");
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QVERIFY(!c.dialog.isVisible());
    QVERIFY(userWordFileLines().isEmpty());
}

YAVO_TEST_MAIN(TestSpellCheckDialog)
#include "tst_spellcheckdialog.moc"
