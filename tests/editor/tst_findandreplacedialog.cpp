#include "editor/findandreplacedialog.h"
#include "editor/history.h"
#include "editor/unicodekaeditor.h"

#include "utils/utils.h"
#include "widgets/unicodelineedit.h"

#include "hexcodes.h"
#include "modalanswerer.h"
#include "testmain.h"
#include "testplugins.h"
#include "testsandbox.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QScopedPointer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString noBox;
const QString doneBox = QStringLiteral("Done!");

// The panel below an editor, as the main window places it.
struct Window
{
    Window()
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(editor);
        layout->addWidget(panel);
    }

    void bind(const QString &text, int anchor, int position)
    {
        editor->setPlainText(text);
        select(anchor, position);
        panel->setEditor(editor, 9, 0);
    }

    void select(int anchor, int position)
    {
        QTextCursor cursor = editor->textCursor();
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        editor->setTextCursor(cursor);
    }

    template <class T>
    T *child(const char *name) const { return panel->findChild<T *>(QLatin1String(name)); }

    void setFields(const QString &find, const QString &replace, bool wholeWords = true)
    {
        child<UnicodeLineEdit>("findLineEdit")->setText(find);
        child<UnicodeLineEdit>("replaceLineEdit")->setText(replace);
        child<QCheckBox>("wholeWordsCheckBox")->setChecked(wholeWords);
    }

    void click(const char *button) { child<QToolButton>(button)->click(); }

    QString selection() const
    {
        const QTextCursor cursor = editor->textCursor();
        return cursor.hasSelection()
                ? QStringLiteral("%1-%2").arg(cursor.selectionStart()).arg(cursor.selectionEnd())
                : QStringLiteral("at %1").arg(cursor.position());
    }

    QWidget window;
    Utils utils;
    UnicodeKaEditor *editor = new UnicodeKaEditor(&utils, &window);
    FindAndReplaceDialog *panel = new FindAndReplaceDialog;
};

void expectBox(ModalAnswerer &answerer, const QString &text)
{
    if (!text.isEmpty())
        answerer.expectMessageBox(Utils::displayName(), text, QMessageBox::Ok);
}

QString stored(const QString &table)
{
    History history;
    return history.load(table);
}

} // namespace

class TestFindAndReplaceDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void find_data();
    void find();
    void replace_data();
    void replace();
    void histories();
    void noDoneBoxForF3AfterReplaceAll();
    void givesTheCursorBack_data();
    void givesTheCursorBack();
    void bindingTakesTheSelection();
    void doesNothingOnceTheEditorIsGone();
    void showsWhatTheHistoryStoreReports_data();
    void showsWhatTheHistoryStoreReports();

private:
    QScopedPointer<TestSandbox> m_sandbox;
};

void TestFindAndReplaceDialog::initTestCase()
{
    addTestPluginPath();
}

void TestFindAndReplaceDialog::init()
{
    m_sandbox.reset(new TestSandbox);
}

// Before the next one is made: each sandbox puts back what it found.
void TestFindAndReplaceDialog::cleanup()
{
    m_sandbox.reset();
}

void TestFindAndReplaceDialog::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("findText");
    QTest::addColumn<bool>("wholeWords");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("box");

    const QString alpha = QStringLiteral("alpha beta alpha");
    QTest::newRow("wraps to the start without a box") << alpha << 16 << "alpha" << true << true << "0-5" << noBox;
    QTest::newRow("forward from the cursor") << alpha << 1 << "alpha" << true << true << "11-16" << noBox;
    QTest::newRow("backward") << alpha << 16 << "alpha" << true << false << "11-16" << noBox;
    QTest::newRow("backward wraps to the end") << alpha << 0 << "alpha" << true << false << "11-16" << noBox;
    QTest::newRow("case is ignored") << "Cat cat" << 0 << "CAT" << true << true << "0-3" << noBox;
    QTest::newRow("whole words skip a longer word") << "category cat" << 0 << "cat" << true << true << "9-12" << noBox;
    QTest::newRow("any part without whole words") << "category cat" << 0 << "cat" << false << true << "0-3" << noBox;
    QTest::newRow("not found: box, cursor back") << "alpha beta" << 4 << "gamma" << true << true << "at 4" << doneBox;
    // Vowel signs and viramas are part of an Indic word.
    QTest::newRow("Kannada word inside a longer one")
            << QStringLiteral("ಕನ್ನಡಿಗ") << 0 << QStringLiteral("ಕನ್ನಡ") << true << true << "at 0" << doneBox;
    QTest::newRow("Kannada word standing alone")
            << QStringLiteral("ಕನ್ನಡ ನಾಡು") << 0 << QStringLiteral("ಕನ್ನಡ") << true << true << "0-5" << noBox;
    QTest::newRow("virama does not end a word")
            << QStringLiteral("ಕನ್ನಡ ಕನ") << 0 << QStringLiteral("ಕನ") << true << true << "6-8" << noBox;
    QTest::newRow("Kannada inside a word without whole words")
            << QStringLiteral("ಕನ್ನಡಿಗ") << 0 << QStringLiteral("ಕನ್ನಡ") << false << true << "0-5" << noBox;
}

void TestFindAndReplaceDialog::find()
{
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(QString, findText);
    QFETCH(bool, wholeWords);
    QFETCH(bool, forward);
    QFETCH(QString, selection);
    QFETCH(QString, box);

    Window w;
    w.bind(text, cursor, cursor);
    w.setFields(findText, QString(), wholeWords);
    ModalAnswerer answerer;
    expectBox(answerer, box);
    w.click(forward ? "findNextBtn" : "findPrevBtn");
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(w.selection(), selection);
    QCOMPARE(w.editor->toPlainText(), text);
}

void TestFindAndReplaceDialog::replace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("findText");
    QTest::addColumn<QString>("replaceText");
    QTest::addColumn<bool>("wholeWords");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("box");

    const QString all = QStringLiteral("replaceAllBtn");
    QTest::newRow("all, whatever the case") << "Cat cat CAT category" << 0 << 0 << "cat" << "dog" << true << all
            << "dog dog dog category" << "at 0" << "Replaced 3 occurrence(s)";
    QTest::newRow("all, replacement matching again") << "ab xab ab" << 0 << 0 << "ab" << "AB" << false << all
            << "AB xAB AB" << "at 0" << "Replaced 3 occurrence(s)";
    QTest::newRow("all, replacement holding the text") << "a b a" << 0 << 0 << "a" << "aa" << false << all
            << "aa b aa" << "at 0" << "Replaced 2 occurrence(s)";
    QTest::newRow("all, whole words, replacement holding the text") << "cat dog cat" << 4 << 4 << "cat"
            << "cat cat" << true << all << "cat cat dog cat cat" << "at 8" << "Replaced 2 occurrence(s)";
    QTest::newRow("all, from the middle of a match around the end") << "one two one two one" << 10 << 10
            << "one" << "1" << true << all << "1 two 1 two 1" << "at 6" << "Replaced 3 occurrence(s)";
    QTest::newRow("all, empty replacement") << "a b a" << 2 << 2 << "a" << "" << true << all
            << " b " << "at 1" << "Replaced 2 occurrence(s)";
    QTest::newRow("all, no match") << "abc" << 1 << 1 << "x" << "y" << true << all
            << "abc" << "at 1" << "Replaced 0 occurrence(s)";
    QTest::newRow("all, empty find text") << "abc" << 0 << 3 << "" << "x" << true << all
            << "abc" << "0-3" << noBox;
    QTest::newRow("replace, case differs") << "Cat cat" << 0 << 3 << "cat" << "dog" << true << "replaceBtn"
            << "Cat cat" << "0-3" << noBox;
    QTest::newRow("replace, exact") << "Cat cat" << 4 << 7 << "cat" << "dog" << true << "replaceBtn"
            << "Cat dog" << "at 7" << noBox;
    QTest::newRow("replace and find, case differs") << "Cat cat" << 0 << 3 << "cat" << "dog" << true
            << "replaceNextBtn" << "Cat cat" << "4-7" << noBox;
    QTest::newRow("replace and find, exact") << "cat Cat" << 0 << 3 << "cat" << "dog" << true
            << "replaceNextBtn" << "dog Cat" << "4-7" << noBox;
}

void TestFindAndReplaceDialog::replace()
{
    QFETCH(QString, text);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(QString, findText);
    QFETCH(QString, replaceText);
    QFETCH(bool, wholeWords);
    QFETCH(QString, button);
    QFETCH(QString, result);
    QFETCH(QString, selection);
    QFETCH(QString, box);

    Window w;
    w.bind(text, anchor, position);
    w.setFields(findText, replaceText, wholeWords);
    ModalAnswerer answerer;
    expectBox(answerer, box);
    w.click(button.toLatin1().constData());
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(w.editor->toPlainText(), result);
    QCOMPARE(w.selection(), selection);
}

void TestFindAndReplaceDialog::histories()
{
    {
        Window w;
        QVERIFY(w.child<QCheckBox>("wholeWordsCheckBox")->isChecked());
    }
    // Nothing stored: one empty entry each, which stays at the end.
    QCOMPARE(stored(QStringLiteral("Find")), QString());
    QCOMPARE(stored(QStringLiteral("Replace")), QString());

    {
        Window w;
        w.bind(QStringLiteral("b a"), 0, 0);
        ModalAnswerer answerer;
        for (const char *text : {"b", "a", "b", "B", "missing"}) {
            if (qstrcmp(text, "missing") == 0)
                expectBox(answerer, doneBox);
            w.setFields(QString::fromLatin1(text), QString());
            w.click("findNextBtn");
        }
        // A Replace All without a match keeps its text out of the history;
        // Replace keeps it whether or not it replaced.
        expectBox(answerer, QStringLiteral("Replaced 0 occurrence(s)"));
        w.setFields(QStringLiteral("zz"), QStringLiteral("unused"));
        w.click("replaceAllBtn");
        w.setFields(QStringLiteral("zz"), QStringLiteral("kept"));
        w.click("replaceBtn");
        QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    }
    QCOMPARE(stored(QStringLiteral("Find")), QStringLiteral("zz\nmissing\nB\na\nb\n"));
    QCOMPARE(stored(QStringLiteral("Replace")), QStringLiteral("kept\n"));
}

void TestFindAndReplaceDialog::noDoneBoxForF3AfterReplaceAll()
{
    Window w;
    w.bind(QStringLiteral("one two"), 0, 0);
    ModalAnswerer answerer;
    expectBox(answerer, QStringLiteral("Replaced 1 occurrence(s)"));
    w.setFields(QStringLiteral("one"), QStringLiteral("1"));
    w.click("replaceAllBtn");
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));

    // F3 searches through find() and leaves the last action as it was.
    QVERIFY(!w.panel->find(true));
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    expectBox(answerer, doneBox);
    w.click("findNextBtn");
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
}

void TestFindAndReplaceDialog::givesTheCursorBack_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("selection");
    QTest::newRow("Escape") << "escape" << "at 7";
    QTest::newRow("close button") << "close" << "at 7";
    // Minimising the window hides the panel too, but is no Escape.
    QTest::newRow("window minimised") << "minimise" << "11-16";
}

void TestFindAndReplaceDialog::givesTheCursorBack()
{
    QFETCH(QString, how);
    QFETCH(QString, selection);
    Window w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.bind(QStringLiteral("alpha beta alpha"), 7, 7);
    w.setFields(QStringLiteral("alpha"), QString());
    w.click("findNextBtn");
    QCOMPARE(w.selection(), QStringLiteral("11-16"));
    QVERIFY(!w.editor->hasFocus());

    if (how == QLatin1String("minimise")) {
        w.window.showMinimized();
        QVERIFY(w.window.isMinimized());
        QCOMPARE(w.selection(), selection);
        return;
    }
    if (how == QLatin1String("escape")) {
        // What the tab widget does with Escape while the panel shows.
        w.panel->restoreEditorCursor(true);
        w.panel->hide();
    } else {
        w.click("toolButton");
    }
    QVERIFY(w.panel->isHidden());
    QCOMPARE(w.selection(), selection);
    QTRY_VERIFY(w.editor->hasFocus());
}

void TestFindAndReplaceDialog::bindingTakesTheSelection()
{
    Window w;
    w.bind(QStringLiteral("x  one \t two\ny"), 1, 12);
    QCOMPARE(w.child<UnicodeLineEdit>("findLineEdit")->text(), QStringLiteral("one two"));
    w.bind(QStringLiteral("three"), 0, 0);
    QCOMPARE(w.child<UnicodeLineEdit>("findLineEdit")->text(), QStringLiteral("one two"));
}

void TestFindAndReplaceDialog::doesNothingOnceTheEditorIsGone()
{
    Window w;
    w.bind(QStringLiteral("one one"), 0, 3);
    w.setFields(QStringLiteral("one"), QStringLiteral("two"));
    delete w.editor;

    ModalAnswerer answerer;
    QVERIFY(w.panel->find(true));
    for (const char *button : {"findNextBtn", "findPrevBtn", "replaceBtn", "replaceNextBtn", "replaceAllBtn"})
        w.click(button);
    w.panel->restoreEditorCursor(true);
    w.panel->hide();
    QTest::qWait(20);
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
}

void TestFindAndReplaceDialog::showsWhatTheHistoryStoreReports_data()
{
    QTest::addColumn<QByteArray>("file");   // empty: a sound store with a history
    QTest::addColumn<bool>("folder");       // false: a file takes the folder's name
    QTest::addColumn<QString>("told");      // in the box at the load; empty: no box

    QTest::newRow("sound") << QByteArray() << true << QString();
    QTest::newRow("not a database") << QByteArray("find: cat\nreplace: dog\n") << true
                                    << "history.damaged-";
    QTest::newRow("cannot be opened") << QByteArray() << false << "could not be opened";
}

// At the load the user is told, beside the window, and goes on; at the save,
// which comes as the program closes, nothing waits for anyone.
void TestFindAndReplaceDialog::showsWhatTheHistoryStoreReports()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, folder);
    QFETCH(QString, told);

    const QDir dat(m_sandbox->userDataDir());
    if (!folder) {
        QVERIFY(!m_sandbox->writeFile(QDir(m_sandbox->root()).relativeFilePath(dat.path()),
                                      "not a folder").isEmpty());
    } else if (file.isEmpty()) {
        History().save(QStringLiteral("Find"), QStringLiteral("cat"));
    } else {
        QVERIFY(!m_sandbox->writeUserFile(QStringLiteral("history.dat"), file).isEmpty());
    }

    ModalAnswerer answerer;
    {
        QWidget window;
        auto *panel = new FindAndReplaceDialog(&window);
        const QList<QMessageBox *> boxes = window.findChildren<QMessageBox *>();
        QCOMPARE(boxes.size(), told.isEmpty() ? 0 : 1);
        if (!told.isEmpty()) {
            QMessageBox *box = boxes.constFirst();
            QVERIFY(box->isVisible());
            QCOMPARE(box->windowModality(), Qt::NonModal);
            QCOMPARE(box->windowTitle(), Utils::displayName());
            QVERIFY2(box->text().contains(told), qPrintable(box->text()));
        }
        delete panel;
        QCOMPARE(window.findChildren<QMessageBox *>().size(), boxes.size());
    }
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(answerer.seen(), QStringList());
    if (folder)
        QCOMPARE(History().load(QStringLiteral("Find")), file.isEmpty() ? "cat" : "");
}

YAVO_TEST_MAIN(TestFindAndReplaceDialog)
#include "tst_findandreplacedialog.moc"
