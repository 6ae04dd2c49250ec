#include "app/mainwindow.h"
#include "app/tabwidget.h"
#include "app/scriptconvertdialog.h"
#include "app/ui_mainwindow.h"
#include "editor/unicodekaeditor.h"
#include "formats/docxwriter.h"
#include "formats/odtwriter.h"
#include "core/sharedsettings.h"

#include "modalanswerer.h"
#include "testmain.h"

#include <QComboBox>
#include <QFile>
#include <QInputMethodEvent>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSettings>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QWindow>

#include <functional>

namespace {

constexpr int englishLanguage = 9;

// Does something once from inside a load or a script conversion: while the
// busy indicator shows, the reader or the converter runs the event loop.
class DuringLoad : public QObject
{
public:
    DuringLoad(QWidget *window, std::function<void()> action)
        : m_bar(window->findChild<QProgressBar *>())
        , m_action(std::move(action))
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (!m_bar || !m_bar->isVisible())
                return;
            m_timer.stop();
            m_ran = true;
            m_action();
        });
        m_timer.start();
    }
    bool ran() const { return m_ran; }

private:
    QPointer<QProgressBar> m_bar;
    std::function<void()> m_action;
    QTimer m_timer;
    bool m_ran = false;
};

void answerWithReturn(QMessageBox *box)
{
    QTest::keyClick(box, Qt::Key_Return);
}

void convertToTelugu(ScriptConvertDialog *dialog)
{
    dialog->findChild<QComboBox *>(QStringLiteral("toLanguageCombo"))->setCurrentIndex(1);
    static_cast<QDialog *>(dialog)->accept();
}

// Lines enough for the reader to run the event loop several times.
QByteArray manyLines(const char *stem)
{
    QByteArray text;
    for (int i = 0; i < 3000; ++i)
        text += stem + QByteArray::number(i) + '\n';
    return text;
}

} // namespace

// The tab widget inside its real window, with a fresh settings store for
// every test.
class tst_TabWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void untitledNames();
    void opensByFormat_data();
    void opensByFormat();
    void unreadableFileTellsAndMakesNoTab();
    void fileNamedTwiceOpensTwice();
    void pathsComparedWithCase();
    void recentFilesRestoredInOrder();
    void appendedDocumentGoesIntoTheEditorsOwn();
    void noCurrentEditorAsksWithoutBlocking();
    void userInputWaitsForTheLoad();
    void inputDuringTheLoadFollowsIt_data();
    void inputDuringTheLoadFollowsIt();
    void closeDuringTheLoadClosesAfterIt_data();
    void closeDuringTheLoadClosesAfterIt();
    void nestedLoadsDeliverOnceInOrder();
    void inputDuringAPartialReadFollowsTheWarning();
    void inputDuringAConversionFollowsItsMessage();
    void tabSwitchDuringTheLoadSwitchesOnce_data();
    void tabSwitchDuringTheLoadSwitchesOnce();
    void keysTypedAfterADialogShortcutStayOutOfTheDocument();
    void keptShortcutFollowsItsAction_data();
    void keptShortcutFollowsItsAction();
    void loadedTextIsSpellChecked();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    // An empty untitled tab typing English, in the active window.
    bool startTypingEnglish();
    // Types into the window as the keyboard does: "keys:ab", "save" (Ctrl+S),
    // "return" (Enter), "nexttab" (Ctrl+Tab), "commit:text" (an input
    // method's text to the focus widget), "editorkeys:ab" (keys sent to the
    // focus widget itself), "editornexttab" (Ctrl+Tab sent to it).
    void perform(const QStringList &steps);
    QScopedPointer<TestSandbox> m_sandbox;
    QScopedPointer<MainWindow> m_window;
    TabWidget *tabs() const { return m_window->tabWidget(); }
};

void tst_TabWidget::init()
{
    m_sandbox.reset(new TestSandbox);
    m_window.reset(new MainWindow);
}

void tst_TabWidget::cleanup()
{
    m_window.reset();
    m_sandbox.reset();
}

QString tst_TabWidget::writeFile(const QString &name, const QByteArray &bytes)
{
    return m_sandbox->writeFile(QStringLiteral("docs/") + name, bytes);
}

void tst_TabWidget::untitledNames()
{
    m_window->handleArguments({QStringLiteral("yavo-pad")});
    QCOMPARE(tabs()->count(), 1);
    QCOMPARE(tabs()->tabText(0), QStringLiteral("untitled-0"));
    QCOMPARE(tabs()->editorAtIndex(0)->fileName(), QStringLiteral("untitled-0"));
    m_window->ui()->actionNew->trigger();
    QCOMPARE(tabs()->count(), 2);
    QCOMPARE(tabs()->currentIndex(), 1);
    QCOMPARE(tabs()->tabText(1), QStringLiteral("untitled-1"));
}

enum class Office { Docx, FlatOdt, Odt };

static QByteArray officeBytes(const QString &text, Office kind, const QString &suffix = QString())
{
    QTextDocument doc;
    doc.setPlainText(text);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (kind == Office::Docx) {
        DocxWriter writer;
        writer.setFileSuffix(suffix);
        writer.write(&buffer, &doc);
    } else {
        OdtWriter writer;
        writer.setFlatXml(kind == Office::FlatOdt);
        writer.write(&buffer, &doc);
    }
    return buffer.data();
}

void tst_TabWidget::opensByFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("untitled");
    QTest::addColumn<QString>("warning");

    QTest::newRow("text, lines") << "notes.txt" << QByteArray("a\nb\nc\n") << "a\nb\nc\n" << false << "";
    QTest::newRow("text, UTF-16 mark") << "u.txt" << QByteArray("\xff\xfe\x95\x0c", 4) << QStringLiteral("ಕ\n") << false << "";
    QTest::newRow("html line break is a space") << "page.HTM"
            << QByteArray("<html><body><p>Hello\nWorld</p></body></html>") << "Hello World" << false << "";
    QTest::newRow("docx, suffix in capitals") << "Report.DOCX" << officeBytes(QStringLiteral("ವರದಿ"), Office::Docx)
            << QStringLiteral("ವರದಿ") << false << "";
    QTest::newRow("macro-enabled document") << "Macros.docm" << officeBytes(QStringLiteral("ಮ್ಯಾಕ್ರೋ"), Office::Docx, "docm")
            << QStringLiteral("ಮ್ಯಾಕ್ರೋ") << false << "";
    QTest::newRow("template") << "Letter.DOTX" << officeBytes(QStringLiteral("ಪತ್ರ"), Office::Docx, "dotx")
            << QStringLiteral("ಪತ್ರ") << false << "";
    QTest::newRow("macro-enabled template") << "Form.dotm" << officeBytes(QStringLiteral("ನಮೂನೆ"), Office::Docx, "dotm")
            << QStringLiteral("ನಮೂನೆ") << false << "";
    QTest::newRow("odt, suffix in capitals") << "Book.ODT" << officeBytes(QStringLiteral("ಪುಸ್ತಕ"), Office::Odt)
            << QStringLiteral("ಪುಸ್ತಕ") << false << "";
    QTest::newRow("nudi read as RTF") << "letter.NUDI"
            << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}\\f0 Hello {\\b Nudi}}")
            << "Hello Nudi" << false << "";
    QTest::newRow("flat odt read as a document") << "flat.fodt" << officeBytes(QStringLiteral("ಫ್ಲಾಟ್"), Office::FlatOdt)
            << QStringLiteral("ಫ್ಲಾಟ್") << false << "";
    QTest::newRow("brh converted, untitled") << "s.BRH" << QByteArray("satyamEva jayate\n")
            << QStringLiteral("ಸತ್ಯಮೇವ ಜಯತೆ") << true << "";
    QTest::newRow("broken docx opens untitled") << "broken.docx" << QByteArray("PK\x03\x04 not a zip")
            << "" << true << "broken.docx";
}

void tst_TabWidget::opensByFormat()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, untitled);
    QFETCH(QString, warning);

    const QString path = writeFile(name, bytes);
    ModalAnswerer answerer;
    if (!warning.isEmpty())
        answerer.expectMessageBox(QString(), QString(), QMessageBox::Ok);
    tabs()->openFile(path);
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    if (!warning.isEmpty())
        QVERIFY2(answerer.seen().value(0).contains(warning), qPrintable(answerer.seen().join('\n')));

    QCOMPARE(tabs()->count(), 1);
    UnicodeKaEditor *editor = tabs()->editorAtIndex(0);
    QCOMPARE(editor->toPlainText(), text);
    QVERIFY(!editor->document()->isModified());
    QVERIFY(!editor->document()->isUndoAvailable());
    if (untitled) {
        QCOMPARE(tabs()->tabText(0), QStringLiteral("untitled-0"));
        QCOMPARE(editor->fileName(), QStringLiteral("untitled-0"));
    } else {
        QCOMPARE(tabs()->tabText(0), name);
        QCOMPARE(editor->fileName(), path);
    }
}

void tst_TabWidget::unreadableFileTellsAndMakesNoTab()
{
    ModalAnswerer answerer;
    const QString path = m_sandbox->root() + QStringLiteral("/missing.txt");
    answerer.expectMessageBox(QString(), QStringLiteral("Couldn't open the file %1\n\nThere is no such file.").arg(path),
                              QMessageBox::Ok);
    tabs()->openFile(path);
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(tabs()->count(), 0);
}

void tst_TabWidget::fileNamedTwiceOpensTwice()
{
    const QString path = writeFile(QStringLiteral("twice.txt"), "x");
    m_window->handleArguments({QStringLiteral("yavo-pad"), path, path});
    QCOMPARE(tabs()->count(), 2);
    QCOMPARE(tabs()->editorAtIndex(1)->fileName(), path);
}

void tst_TabWidget::pathsComparedWithCase()
{
    const QString lower = writeFile(QStringLiteral("a.txt"), "lower");
    const QString upper = writeFile(QStringLiteral("A.txt"), "upper");
    tabs()->openFile(lower);
    QCOMPARE(tabs()->tabIndexOfOpenFilename(lower), 0);
    QCOMPARE(tabs()->tabIndexOfOpenFilename(upper), -1);
    // A relative or unclean name of the same file is the same file.
    QDir::setCurrent(m_sandbox->root());
    QCOMPARE(tabs()->tabIndexOfOpenFilename(QStringLiteral("docs/../docs/a.txt")), 0);
    tabs()->openFile(QStringLiteral("docs/A.txt"));
    QCOMPARE(tabs()->count(), 2);
    QCOMPARE(tabs()->editorAtIndex(1)->fileName(), upper);
    QCOMPARE(tabs()->editorAtIndex(1)->toPlainText(), QStringLiteral("upper\n"));
}

void tst_TabWidget::recentFilesRestoredInOrder()
{
    const QString f0 = writeFile(QStringLiteral("r0.txt"), "0");
    const QString f1 = writeFile(QStringLiteral("r1.txt"), "1");
    const QString f2 = writeFile(QStringLiteral("r2.txt"), "2");
    {
        QSettings settings(settingsOrganization, settingsApplication);
        settings.setValue(QStringLiteral("RecentFiles/0"), f0);
        settings.setValue(QStringLiteral("RecentFiles/1"), f1);
        settings.setValue(QStringLiteral("RecentFiles/2"), f2);
    }
    QFile::remove(f1);
    m_window->handleArguments({QStringLiteral("yavo-pad")});
    QCOMPARE(tabs()->recentFiles(), QStringList({f0, f2}));
    QMenu *menu = m_window->ui()->actionRecentFiles->menu();
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), 2);
    QCOMPARE(menu->actions().at(0)->text(), f0);
}

void tst_TabWidget::appendedDocumentGoesIntoTheEditorsOwn()
{
    QPointer<QTextDocument> given = new QTextDocument;
    given->setPlainText(QStringLiteral("ಕನ್ನಡ ಪಠ್ಯ"));
    tabs()->appendDocument(given);
    UnicodeKaEditor *editor = tabs()->editorAtIndex(0);
    QVERIFY(editor->document() != given.data());
    QCOMPARE(editor->toPlainText(), QStringLiteral("ಕನ್ನಡ ಪಠ್ಯ"));
    // Saved nowhere yet.
    QVERIFY(editor->document()->isModified());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!given);
    // The editor's spell-check highlighter still works on its document:
    // until the word list is loaded every word is underlined.
    QCoreApplication::processEvents();
    QCOMPARE(editor->document()->firstBlock().layout()->formats().size(), 2);
    // The tab's mark follows the editor's document, as after a save.
    editor->document()->setModified(false);
    QCOMPARE(tabs()->tabBar()->tabTextColor(0), QColor(Qt::black));
    QSignalSpy modified(editor->document(), &QTextDocument::modificationChanged);
    editor->insertPlainText(QStringLiteral("k"));
    QCOMPARE(modified.count(), 1);
    QCOMPARE(tabs()->tabBar()->tabTextColor(0), QColor(Qt::red));
}

void tst_TabWidget::noCurrentEditorAsksWithoutBlocking()
{
    ModalAnswerer answerer;
    answerer.expectMessageBox(QStringLiteral("Oops unknown exception!"), QString(), QMessageBox::No);
    QVERIFY(!tabs()->currentEditor());
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
}

void tst_TabWidget::userInputWaitsForTheLoad()
{
    m_window->handleArguments({QStringLiteral("yavo-pad")});
    UnicodeKaEditor *untitled = tabs()->editorAtIndex(0);
    const QString path = writeFile(QStringLiteral("long.txt"), QByteArray("line\n").repeated(50));
    // The reader runs the event loop: a close request and a key that arrive
    // meanwhile must not close the window or type into any document before
    // the text is in; then they come, in their order.
    QCoreApplication::postEvent(m_window.data(), new QCloseEvent);
    QCoreApplication::postEvent(untitled, new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x")));
    tabs()->openFile(path);
    QVERIFY(m_window->isVisible());
    QCOMPARE(tabs()->count(), 2);
    QVERIFY(untitled->toPlainText().isEmpty());
    QCOMPARE(tabs()->editorAtIndex(1)->toPlainText(), QStringLiteral("line\n").repeated(50));
    QTRY_VERIFY(!m_window->isVisible());
    QVERIFY(!untitled->toPlainText().isEmpty());
    QCOMPARE(tabs()->editorAtIndex(1)->toPlainText(), QStringLiteral("line\n").repeated(50));
}

bool tst_TabWidget::startTypingEnglish()
{
    m_window->handleArguments({QStringLiteral("yavo-pad")});
    tabs()->slotChangeLanguage(englishLanguage);
    m_window->activateWindow();
    return QTest::qWaitForWindowActive(m_window.data());
}

void tst_TabWidget::perform(const QStringList &steps)
{
    QWindow *window = m_window->windowHandle();
    for (const QString &step : steps) {
        const QString argument = step.section(QLatin1Char(':'), 1);
        if (step.startsWith(QLatin1String("keys:"))) {
            for (const char key : argument.toLatin1())
                QTest::keyClick(window, key);
        } else if (step.startsWith(QLatin1String("editorkeys:"))) {
            QTest::keyClicks(QApplication::focusWidget(), argument);
        } else if (step.startsWith(QLatin1String("commit:"))) {
            QInputMethodEvent commit;
            commit.setCommitString(argument);
            QCoreApplication::sendEvent(window->focusObject(), &commit);
        } else if (step == QLatin1String("save")) {
            QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
        } else if (step == QLatin1String("return")) {
            QTest::keyClick(window, Qt::Key_Return);
        } else if (step == QLatin1String("nexttab")) {
            QTest::keyClick(window, Qt::Key_Tab, Qt::ControlModifier);
        } else if (step == QLatin1String("editornexttab")) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
    }
}

void tst_TabWidget::inputDuringTheLoadFollowsIt_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("typed");
    // What the file holds after the load: the shortcut saved what was typed
    // before it.
    QTest::addColumn<QString>("saved");

    QTest::newRow("keys") << QStringList{"keys:abc"} << "abc" << "";
    QTest::newRow("keys sent to the editor") << QStringList{"editorkeys:ab"} << "ab" << "";
    QTest::newRow("input method text") << QStringList{QStringLiteral("commit:ಕನ್ನಡ ")} << QStringLiteral("ಕನ್ನಡ ") << "";
    QTest::newRow("keys, Ctrl+S, keys in order") << QStringList{"keys:ab", "save", "keys:cd"} << "abcd" << "ab";
    QTest::newRow("input method, keys, Ctrl+S") << QStringList{QStringLiteral("commit:ಕ"), "keys:x", "save"}
            << QStringLiteral("ಕx") << QStringLiteral("ಕx");

    // Keys, input-method text and saves mixed at random.
    QRandomGenerator random(37);
    QStringList steps;
    QString typed;
    QString saved;
    for (int i = 0; i < 40; ++i) {
        const int kind = random.bounded(5);
        if (kind == 0) {
            steps << QStringLiteral("save");
            saved = typed;
        } else {
            const QString letters = kind == 1 ? QStringLiteral("ಅಆಇಕಖಗನಮಯರ") : QStringLiteral("abcdefghijklmnopqrstuvwxyz");
            const QChar letter = letters.at(random.bounded(letters.size()));
            steps << (kind == 1 ? QStringLiteral("commit:") : QStringLiteral("keys:")) + letter;
            typed += letter;
        }
    }
    QTest::newRow("mixed, seed 37") << steps << typed << saved;
}

void tst_TabWidget::inputDuringTheLoadFollowsIt()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, typed);
    QFETCH(QString, saved);

    QVERIFY(startTypingEnglish());
    const QByteArray text = manyLines("line ");
    const QString path = writeFile(QStringLiteral("long.txt"), text);
    UnicodeKaEditor *opened = nullptr;
    QString seenDuringLoad;
    DuringLoad during(m_window.data(), [&] {
        opened = tabs()->currentEditor();
        perform(steps);
        seenDuringLoad = opened->toPlainText();
    });
    tabs()->openFile(path);
    QVERIFY(during.ran());
    QCOMPARE(tabs()->count(), 2);
    QCOMPARE(tabs()->editorAtIndex(1), opened);
    // Nothing reached the document that was about to be replaced.
    QVERIFY2(seenDuringLoad.isEmpty(), qPrintable(seenDuringLoad));
    QCOMPARE(opened->toPlainText(), QString::fromUtf8(text));

    // The cursor stands at the start of an opened document.
    QTRY_COMPARE(opened->toPlainText(), typed + QString::fromUtf8(text));
    QVERIFY(tabs()->editorAtIndex(0)->toPlainText().isEmpty());
    QCOMPARE(opened->document()->isModified(), typed != saved);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()).remove(QChar(0xfeff)), saved + QString::fromUtf8(text));
}

void tst_TabWidget::closeDuringTheLoadClosesAfterIt_data()
{
    QTest::addColumn<bool>("fromWindowManager");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");

    QTest::newRow("window manager, saving cancelled") << true << int(QMessageBox::Cancel) << false;
    QTest::newRow("window manager, not saved") << true << int(QMessageBox::No) << true;
    QTest::newRow("close(), not saved") << false << int(QMessageBox::NoToAll) << true;
}

void tst_TabWidget::closeDuringTheLoadClosesAfterIt()
{
    QFETCH(bool, fromWindowManager);
    QFETCH(int, answer);
    QFETCH(bool, closed);

    QVERIFY(startTypingEnglish());
    const QByteArray text = manyLines("line ");
    const QString path = writeFile(QStringLiteral("long.txt"), text);
    bool closedDuringLoad = true;
    DuringLoad during(m_window.data(), [&] {
        perform({"keys:x"});
        if (fromWindowManager)
            closedDuringLoad = m_window->windowHandle()->close();
        else
            closedDuringLoad = m_window->close();
    });
    ModalAnswerer answerer;
    // The key came first: the window asks about the document it changed.
    answerer.expectMessageBox(QStringLiteral("Exit"), QStringLiteral("Document long.txt is modified, Do you want to save?"),
                              QMessageBox::StandardButton(answer));
    tabs()->openFile(path);
    QVERIFY(during.ran());
    QVERIFY(!closedDuringLoad);
    QVERIFY(m_window->isVisible());
    QVERIFY2(answerer.waitDone(), qPrintable(answerer.failure()));
    QCOMPARE(tabs()->editorAtIndex(1)->toPlainText(), QStringLiteral("x") + QString::fromUtf8(text));
    QCOMPARE(m_window->isVisible(), !closed);
}

void tst_TabWidget::nestedLoadsDeliverOnceInOrder()
{
    QVERIFY(startTypingEnglish());
    const QByteArray outerText = manyLines("outer ");
    const QByteArray innerText = manyLines("inner ");
    const QString outer = writeFile(QStringLiteral("outer.txt"), outerText);
    const QString inner = writeFile(QStringLiteral("inner.txt"), innerText);
    QScopedPointer<DuringLoad> innerDuring;
    DuringLoad outerDuring(m_window.data(), [&] {
        perform({"keys:a"});
        // A second file opened while the first is read (a file named at
        // start, a reload): its load holds the input too.
        innerDuring.reset(new DuringLoad(m_window.data(), [this] { perform({"keys:b"}); }));
        tabs()->openFile(inner);
        perform({"keys:c"});
    });
    tabs()->openFile(outer);
    QVERIFY(outerDuring.ran());
    QVERIFY(innerDuring && innerDuring->ran());
    QCOMPARE(tabs()->count(), 3);
    UnicodeKaEditor *outerEditor = tabs()->editorAtIndex(1);
    UnicodeKaEditor *innerEditor = tabs()->editorAtIndex(2);
    QCOMPARE(outerEditor->toPlainText(), QString::fromUtf8(outerText));
    QCOMPARE(innerEditor->toPlainText(), QString::fromUtf8(innerText));
    // The keys go to the document in front, once each, in the order typed.
    QTRY_COMPARE(innerEditor->toPlainText(), QStringLiteral("abc") + QString::fromUtf8(innerText));
    QTest::qWait(50);
    QCOMPARE(innerEditor->toPlainText(), QStringLiteral("abc") + QString::fromUtf8(innerText));
    QCOMPARE(outerEditor->toPlainText(), QString::fromUtf8(outerText));
    QVERIFY(tabs()->editorAtIndex(0)->toPlainText().isEmpty());
}

void tst_TabWidget::inputDuringAPartialReadFollowsTheWarning()
{
    QVERIFY(startTypingEnglish());
    const QByteArray lines = manyLines("line ");
    const QString path = writeFile(QStringLiteral("cut.txt"), lines + QByteArray(70000, 'x') + '\n');
    DuringLoad during(m_window.data(), [this] { perform({"keys:ab"}); });
    ModalAnswerer answerer;
    // The warning about the cut text takes the keyboard while what was typed
    // during the read waits.
    answerer.expectDialog<QMessageBox>(QString(), answerWithReturn);
    tabs()->openFile(path);
    QVERIFY(during.ran());
    QVERIFY2(answerer.waitDone(), qPrintable(answerer.failure()));
    QVERIFY2(answerer.seen().value(0).contains(QStringLiteral("could not be read completely")),
             qPrintable(answerer.seen().join('\n')));
    // The text before the long paragraph, without the line break before it.
    QTRY_COMPARE(tabs()->editorAtIndex(1)->toPlainText(), QStringLiteral("ab") + QString::fromUtf8(lines.chopped(1)));
    QCOMPARE(tabs()->editorAtIndex(1)->fileName(), QStringLiteral("untitled-1"));
}

void tst_TabWidget::inputDuringAConversionFollowsItsMessage()
{
    QVERIFY(startTypingEnglish());
    tabs()->slotChangeLanguage(0);
    tabs()->currentEditor()->setPlainText(QStringLiteral("ಕನ್ನಡ ಪಠ್ಯ\n").repeated(20000));
    DuringLoad during(m_window.data(), [this] { perform({QStringLiteral("commit:ಅ")}); });
    ModalAnswerer answerer;
    answerer.expectDialog<ScriptConvertDialog>(QString(), convertToTelugu);
    // The message about the result takes the keyboard while what was typed
    // before it waits.
    answerer.expectDialog<QMessageBox>(QString(), answerWithReturn);
    m_window->ui()->actionScriptConvert->trigger();
    QVERIFY(during.ran());
    QVERIFY2(answerer.waitDone(), qPrintable(answerer.failure()));
    QVERIFY2(answerer.seen().value(1).contains(QStringLiteral("Done.")), qPrintable(answerer.seen().join('\n')));
    QCOMPARE(tabs()->count(), 2);
    QTRY_COMPARE(tabs()->editorAtIndex(1)->toPlainText(), QStringLiteral("ಅ") + QStringLiteral("కన్నడ పఠ్య\n").repeated(20000));
}

void tst_TabWidget::tabSwitchDuringTheLoadSwitchesOnce_data()
{
    QTest::addColumn<QString>("step");
    QTest::newRow("to the window") << "nexttab";
    // Every parent of the editor that ignores the key is offered it too.
    QTest::newRow("to the editor") << "editornexttab";
}

void tst_TabWidget::tabSwitchDuringTheLoadSwitchesOnce()
{
    QFETCH(QString, step);
    QVERIFY(startTypingEnglish());
    const QString path = writeFile(QStringLiteral("long.txt"), manyLines("line "));
    QScopedPointer<QSignalSpy> switches;
    DuringLoad during(m_window.data(), [&] {
        switches.reset(new QSignalSpy(tabs(), &QTabWidget::currentChanged));
        perform({step});
    });
    tabs()->openFile(path);
    QVERIFY(during.ran());
    QTRY_COMPARE(switches->count(), 1);
    QTest::qWait(50);
    QCOMPARE(switches->count(), 1);
    QCOMPARE(tabs()->currentIndex(), 0);
}

void tst_TabWidget::keysTypedAfterADialogShortcutStayOutOfTheDocument()
{
    QVERIFY(startTypingEnglish());
    tabs()->slotChangeLanguage(0);
    tabs()->currentEditor()->setPlainText(QStringLiteral("ಕನ್ನಡ\n").repeated(20000));
    // Ctrl+S on the converted, untitled document asks for a name; the name
    // and the Enter typed after it were meant for that question.
    DuringLoad during(m_window.data(), [this] { perform({"save", "keys:name", "return", "keys:x"}); });
    ModalAnswerer answerer;
    answerer.expectDialog<ScriptConvertDialog>(QString(), convertToTelugu);
    answerer.expectDialog<QMessageBox>(QString(), answerWithReturn);
    answerer.expectDialog("QFileDialog", QString(), [](QWidget *dialog) { static_cast<QDialog *>(dialog)->reject(); });
    m_window->ui()->actionScriptConvert->trigger();
    QVERIFY(during.ran());
    QVERIFY2(answerer.waitDone(), qPrintable(answerer.failure() + answerer.seen().join('\n')));
    QCOMPARE(tabs()->count(), 2);
    UnicodeKaEditor *converted = tabs()->editorAtIndex(1);
    QTest::qWait(50);
    QCOMPARE(converted->toPlainText(), QStringLiteral("కన్నడ\n").repeated(20000));
    QVERIFY(converted->document()->isModified());
    // The window takes keys again.
    tabs()->slotChangeLanguage(englishLanguage);
    perform({"keys:y"});
    QCOMPARE(converted->toPlainText(), QStringLiteral("y") + QStringLiteral("కన్నడ\n").repeated(20000));
}

void tst_TabWidget::keptShortcutFollowsItsAction_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::newRow("still enabled") << true;
    QTest::newRow("disabled meanwhile") << false;
}

void tst_TabWidget::keptShortcutFollowsItsAction()
{
    QFETCH(bool, enabled);
    QVERIFY(startTypingEnglish());
    const QString path = writeFile(QStringLiteral("long.txt"), manyLines("line "));
    QAction *save = m_window->ui()->actionSave;
    QSignalSpy saves(save, &QAction::triggered);
    DuringLoad during(m_window.data(), [&] {
        perform({"save"});
        save->setEnabled(enabled);
    });
    tabs()->openFile(path);
    QVERIFY(during.ran());
    QCOMPARE(saves.count(), 0);
    QTest::qWait(50);
    QCOMPARE(saves.count(), enabled ? 1 : 0);
}

void tst_TabWidget::loadedTextIsSpellChecked()
{
    // Before the word list is loaded every word counts as misspelled.
    const QString path = writeFile(QStringLiteral("spell.txt"), "first line\nಕನ್ನಡ ಪಠ್ಯ\n");
    tabs()->openFile(path);
    UnicodeKaEditor *editor = tabs()->editorAtIndex(0);
    QCoreApplication::processEvents();
    const QTextBlock second = editor->document()->findBlockByNumber(1);
    QCOMPARE(second.text(), QStringLiteral("ಕನ್ನಡ ಪಠ್ಯ"));
    const QVector<QTextLayout::FormatRange> ranges = second.layout()->formats();
    QCOMPARE(ranges.size(), 2);
    QCOMPARE(ranges.at(0).format.underlineStyle(), QTextCharFormat::SpellCheckUnderline);
}

YAVO_TEST_MAIN(tst_TabWidget)
#include "tst_tabwidget.moc"
