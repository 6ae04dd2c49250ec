#include "app/mainwindow.h"
#include "app/tabwidget.h"
#include "app/ui_mainwindow.h"
#include "core/sharedsettings.h"
#include "editor/unicodekaeditor.h"
#include "utils/utils.h"
#include "widgets/yvquickbytestoolbar.h"

#include "modalanswerer.h"
#include "testmain.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QTabBar>

// Saving, closing, the exit prompts, the recent files and the reaction to
// files that other programs change, on the tab widget in its real window.
class tst_TabWidgetSaving : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void cancelledSaveDialogChangesNothing();
    void unmodifiedFileIsNotWrittenButWatchedAndRecent();
    void savedFileRenamesTheTab();
    void newDocumentIsSavedInTheWorkingFolder();
    void exitAnswers_data();
    void exitAnswers();
    void exitWithASaveThatDoesNotHappenKeepsRunning();
    void closingTabs();
    void modifiedMarkGoesToTheChangedTab();
    void recentFilesKeepTheNineNewest();
    void recentMenuEntryOpensOrShowsTheFile();
    void outsideChangeAsksAgainAfterEachChange_data();
    void outsideChangeAsksAgainAfterEachChange();
    void reloadReadsTheNewText();
    void reloadOverUnsavedEditsWarnsAndDefaultsToNo();
    void failedReloadKeepsTheTextUnsaved();
    void deletedFileOffersToKeepTheText_data();
    void deletedFileOffersToKeepTheText();
    void quickBytesFileRebuildsTheToolbar();
    void sortLines_data();
    void sortLines();
    void saveThatWouldNotOpenAgainWritesNothing_data();
    void saveThatWouldNotOpenAgainWritesNothing();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    UnicodeKaEditor *openModified(const QString &name);
    static void replaceByRename(const QString &path, const QByteArray &bytes);
    static QByteArray contents(const QString &path);

    QScopedPointer<TestSandbox> m_sandbox;
    QScopedPointer<MainWindow> m_window;
    TabWidget *tabs() const { return m_window->tabWidget(); }
};

void tst_TabWidgetSaving::init()
{
    m_sandbox.reset(new TestSandbox);
    QFile quickBytes(Utils::quickBytesPath());
    QVERIFY(quickBytes.open(QIODevice::WriteOnly));
    quickBytes.write("qq=first\n");
    quickBytes.close();
    m_window.reset(new MainWindow);
}

void tst_TabWidgetSaving::cleanup()
{
    // Nothing may stop the window from going.
    for (int i = 0; i < tabs()->count(); ++i)
        tabs()->editorAtIndex(i)->document()->setModified(false);
    m_window.reset();
    m_sandbox.reset();
}

QString tst_TabWidgetSaving::writeFile(const QString &name, const QByteArray &bytes)
{
    return m_sandbox->writeFile(QStringLiteral("docs/") + name, bytes);
}

QByteArray tst_TabWidgetSaving::contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The way most editors save: a new file renamed over the old one.
void tst_TabWidgetSaving::replaceByRename(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    QVERIFY(file.commit());
}

UnicodeKaEditor *tst_TabWidgetSaving::openModified(const QString &name)
{
    const QString path = writeFile(name, "old\n");
    tabs()->openFile(path);
    UnicodeKaEditor *editor = tabs()->editorAtIndex(tabs()->count() - 1);
    QTextCursor cursor(editor->document());
    cursor.insertText(name);
    return editor;
}

static void rejectDialog(QWidget *dialog)
{
    static_cast<QDialog *>(dialog)->reject();
}

void tst_TabWidgetSaving::cancelledSaveDialogChangesNothing()
{
    m_window->handleArguments({QStringLiteral("yavo-pad")});
    tabs()->currentEditor()->insertPlainText(QStringLiteral("draft"));
    ModalAnswerer answerer;
    answerer.expectDialog("QFileDialog", QStringLiteral("Save File..."), rejectDialog);
    QVERIFY(!tabs()->slotSave());
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(tabs()->tabText(0), QStringLiteral("untitled-0"));
    QVERIFY(tabs()->recentFiles().isEmpty());
    QVERIFY(tabs()->currentEditor()->document()->isModified());
}

// Not in the folder above it, where the user may not even write.
void tst_TabWidgetSaving::newDocumentIsSavedInTheWorkingFolder()
{
    m_window->handleArguments({QStringLiteral("yavo-pad")});
    const QString folder = QFileInfo(writeFile(QStringLiteral("here.txt"), "")).absolutePath();
    tabs()->onWorkingDirChanged(folder);
    tabs()->slotNew();
    tabs()->currentEditor()->insertPlainText(QStringLiteral("new"));
    ModalAnswerer answerer;
    QString proposed;
    answerer.expectDialog("QFileDialog", QStringLiteral("Save File..."), [&proposed](QWidget *w) {
        proposed = static_cast<QFileDialog *>(w)->directory().absolutePath();
        rejectDialog(w);
    });
    QVERIFY(!tabs()->slotSave());
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(proposed, folder);
}

void tst_TabWidgetSaving::unmodifiedFileIsNotWrittenButWatchedAndRecent()
{
    const QString path = writeFile(QStringLiteral("kept.txt"), "kept\n");
    const QString other = writeFile(QStringLiteral("other.txt"), "other\n");
    tabs()->openFile(path);
    tabs()->addRecentFile(other);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const QDateTime old = QDateTime::currentDateTime().addDays(-3);
    QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
    file.close();

    QVERIFY(tabs()->slotSave());
    QCOMPARE(QFileInfo(path).lastModified(), old);
    QCOMPARE(tabs()->recentFiles(), QStringList({path, other}));

    // Still watched: a change from outside is noticed.
    ModalAnswerer answerer;
    answerer.expectMessageBox(QStringLiteral("Reload "), QString(), QMessageBox::No);
    replaceByRename(path, "changed\n");
    QVERIFY2(answerer.waitDone(), qPrintable(answerer.failure()));
}

void tst_TabWidgetSaving::savedFileRenamesTheTab()
{
    m_window->handleArguments({QStringLiteral("yavo-pad")});
    tabs()->currentEditor()->insertPlainText(QStringLiteral("new text"));
    const QString path = m_sandbox->root() + QStringLiteral("/saved.txt");
    ModalAnswerer answerer;
    answerer.expectFileDialog(QStringLiteral("Save File..."), path);
    QVERIFY(tabs()->slotSave());
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QVERIFY(contents(path).contains("new text"));
    QCOMPARE(tabs()->tabText(0), QStringLiteral("saved.txt"));
    QCOMPARE(tabs()->recentFiles(), QStringList(path));
    QVERIFY(!tabs()->currentEditor()->document()->isModified());
    QCOMPARE(tabs()->tabBar()->tabTextColor(0), QColor(Qt::black));
}

void tst_TabWidgetSaving::exitAnswers_data()
{
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QList<bool>>("saved");
    QTest::addColumn<bool>("result");

    QTest::newRow("yes, no, cancel") << QList<int>{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}
                                     << QList<bool>{true, false, false} << false;
    QTest::newRow("yes to all") << QList<int>{QMessageBox::YesToAll} << QList<bool>{true, true, true} << true;
    QTest::newRow("no to all") << QList<int>{QMessageBox::NoToAll} << QList<bool>{false, false, false} << true;
    QTest::newRow("cancel, then yes") << QList<int>{QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::No}
                                      << QList<bool>{false, true, false} << false;
}

void tst_TabWidgetSaving::exitAnswers()
{
    QFETCH(QList<int>, answers);
    QFETCH(QList<bool>, saved);
    QFETCH(bool, result);

    const QStringList names{QStringLiteral("e0.txt"), QStringLiteral("e1.txt"), QStringLiteral("e2.txt")};
    for (const QString &name : names)
        openModified(name);
    ModalAnswerer answerer;
    for (int i = 0; i < answers.size(); ++i) {
        answerer.expectMessageBox(QStringLiteral("Exit"),
                                  QStringLiteral("Document %1 is modified, Do you want to save?").arg(names.at(i)),
                                  QMessageBox::StandardButton(answers.at(i)));
    }
    QCOMPARE(tabs()->slotExit(), result);
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));

    QStringList savedPaths;
    for (int i = 0; i < names.size(); ++i) {
        const QString path = tabs()->editorAtIndex(i)->fileName();
        QCOMPARE(contents(path) != "old\n", saved.at(i));
        QCOMPARE(tabs()->editorAtIndex(i)->document()->isModified(), !saved.at(i));
        if (saved.at(i))
            savedPaths.prepend(path);
    }
    QSettings settings(settingsOrganization, settingsApplication);
    settings.beginGroup(QStringLiteral("RecentFiles"));
    QCOMPARE(settings.childKeys().size(), savedPaths.size());
    for (int i = 0; i < savedPaths.size(); ++i)
        QCOMPARE(settings.value(QString::number(i)).toString(), savedPaths.at(i));
}

void tst_TabWidgetSaving::exitWithASaveThatDoesNotHappenKeepsRunning()
{
    m_window->handleArguments({QStringLiteral("yavo-pad")});
    tabs()->currentEditor()->insertPlainText(QStringLiteral("never saved"));
    ModalAnswerer answerer;
    answerer.expectMessageBox(QStringLiteral("Exit"), QString(), QMessageBox::Yes);
    answerer.expectDialog("QFileDialog", QStringLiteral("Save File..."), rejectDialog);
    QVERIFY(!tabs()->slotExit());
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));

    // Through the window's close too.
    answerer.expectMessageBox(QStringLiteral("Exit"), QString(), QMessageBox::YesToAll);
    answerer.expectDialog("QFileDialog", QStringLiteral("Save File..."), rejectDialog);
    QVERIFY(!m_window->close());
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(tabs()->currentEditor()->toPlainText(), QStringLiteral("never saved"));
}

void tst_TabWidgetSaving::closingTabs()
{
    m_window->handleArguments({QStringLiteral("yavo-pad")});
    m_window->ui()->actionClose->trigger();
    QCOMPARE(tabs()->count(), 1);
    QCOMPARE(tabs()->tabText(0), QStringLiteral("untitled-1"));
    QVERIFY(tabs()->slotTabCloseRequested(0));
    QCOMPARE(tabs()->tabText(0), QStringLiteral("untitled-2"));
    QVERIFY(!tabs()->slotTabCloseRequested(1));

    UnicodeKaEditor *editor = openModified(QStringLiteral("c.txt"));
    const QString path = editor->fileName();
    ModalAnswerer answerer;
    answerer.expectMessageBox(QString(), QStringLiteral("Unsaved changes. Do you want to save?"),
                              QMessageBox::Cancel);
    QVERIFY(!tabs()->slotTabCloseRequested(1));
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(tabs()->count(), 2);
    QCOMPARE(tabs()->editorAtIndex(1), editor);
    // The tab that stays is still watched.
    answerer.expectMessageBox(QStringLiteral("Reload "), QString(), QMessageBox::No);
    replaceByRename(path, "outside\n");
    QVERIFY2(answerer.waitDone(), qPrintable(answerer.failure()));

    answerer.expectMessageBox(QString(), QStringLiteral("Unsaved changes. Do you want to save?"),
                              QMessageBox::No);
    QVERIFY(tabs()->slotTabCloseRequested(1));
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(tabs()->count(), 1);

    // A file open twice stays watched while one of its tabs is open.
    tabs()->openFile(path);
    tabs()->openFile(path);
    QVERIFY(tabs()->slotTabCloseRequested(2));
    answerer.expectMessageBox(QStringLiteral("Reload "), QString(), QMessageBox::No);
    replaceByRename(path, "changed\n");
    QVERIFY2(answerer.waitDone(), qPrintable(answerer.failure()));
}

void tst_TabWidgetSaving::modifiedMarkGoesToTheChangedTab()
{
    const QString first = writeFile(QStringLiteral("m0.txt"), "0");
    const QString second = writeFile(QStringLiteral("m1.txt"), "1");
    tabs()->openFile(first);
    tabs()->openFile(second);
    QCOMPARE(tabs()->currentIndex(), 1);
    QTextCursor(tabs()->editorAtIndex(0)->document()).insertText(QStringLiteral("x"));
    QCOMPARE(tabs()->tabBar()->tabTextColor(0), QColor(Qt::red));
    QVERIFY(tabs()->tabBar()->tabTextColor(1) != QColor(Qt::red));
    tabs()->editorAtIndex(0)->document()->setModified(false);
    QCOMPARE(tabs()->tabBar()->tabTextColor(0), QColor(Qt::black));
}

void tst_TabWidgetSaving::recentFilesKeepTheNineNewest()
{
    QStringList files;
    for (int i = 1; i <= 10; ++i)
        files.prepend(writeFile(QStringLiteral("f%1.txt").arg(i), "f"));
    for (int i = files.size() - 1; i >= 0; --i)
        tabs()->addRecentFile(files.at(i));
    const QStringList nine = files.mid(0, 9);   // f10 ... f2
    QCOMPARE(tabs()->recentFiles(), nine);

    tabs()->addRecentFile(files.at(8));   // f2 again
    QCOMPARE(tabs()->recentFiles().size(), 9);
    QCOMPARE(tabs()->recentFiles().first(), files.at(8));

    // Another file by letter case is another entry; a missing file none.
    const QString upper = writeFile(QStringLiteral("F2.txt"), "F");
    tabs()->addRecentFile(upper);
    tabs()->addRecentFile(m_sandbox->root() + QStringLiteral("/missing.txt"));
    QCOMPARE(tabs()->recentFiles().mid(0, 2), QStringList({upper, files.at(8)}));
}

void tst_TabWidgetSaving::recentMenuEntryOpensOrShowsTheFile()
{
    const QString a = writeFile(QStringLiteral("ra.txt"), "a");
    const QString b = writeFile(QStringLiteral("rb.txt"), "b");
    {
        QSettings settings(settingsOrganization, settingsApplication);
        settings.setValue(QStringLiteral("RecentFiles/0"), a);
        settings.setValue(QStringLiteral("RecentFiles/1"), b);
    }
    m_window->handleArguments({QStringLiteral("yavo-pad")});
    QMenu *menu = m_window->ui()->actionRecentFiles->menu();
    QVERIFY(menu);
    QCOMPARE(menu->actions().at(1)->data().toString(), b);
    QCOMPARE(menu->actions().at(1)->toolTip(), b);

    menu->actions().at(1)->trigger();
    QCOMPARE(tabs()->count(), 2);
    QCOMPARE(tabs()->currentEditor()->fileName(), b);
    QCOMPARE(tabs()->recentFiles(), QStringList({b, a}));
    QCOMPARE(menu->actions().at(0)->text(), b);

    tabs()->setCurrentIndex(0);
    menu->actions().at(0)->trigger();
    QCOMPARE(tabs()->count(), 2);
    QCOMPARE(tabs()->currentIndex(), 1);
}

void tst_TabWidgetSaving::outsideChangeAsksAgainAfterEachChange_data()
{
    QTest::addColumn<bool>("rename");
    QTest::newRow("written in place") << false;
    QTest::newRow("renamed over") << true;
}

void tst_TabWidgetSaving::outsideChangeAsksAgainAfterEachChange()
{
    QFETCH(bool, rename);
    const QString path = writeFile(QStringLiteral("w.txt"), "one\n");
    tabs()->openFile(path);
    for (const QByteArray &bytes : {QByteArray("two\n"), QByteArray("three\n")}) {
        ModalAnswerer answerer;
        answerer.expectMessageBox(
                QStringLiteral("Reload "),
                QStringLiteral("%1\n\nFile has been modified by another program.\nDo you want to reload it??").arg(path),
                QMessageBox::No);
        if (rename) {
            replaceByRename(path, bytes);
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
        }
        QVERIFY2(answerer.waitDone(), qPrintable(answerer.failure() + answerer.seen().join('\n')));
        QCOMPARE(tabs()->currentEditor()->toPlainText(), QStringLiteral("one\n"));
    }
}

void tst_TabWidgetSaving::reloadReadsTheNewText()
{
    const QString other = writeFile(QStringLiteral("front.txt"), "front\n");
    UnicodeKaEditor *editor = openModified(QStringLiteral("r.txt"));
    tabs()->openFile(other);
    ModalAnswerer answerer;
    answerer.expectMessageBox(QStringLiteral("Reload "), QString(), QMessageBox::Yes);
    replaceByRename(editor->fileName(), "reloaded\n");
    QVERIFY2(answerer.waitDone(), qPrintable(answerer.failure()));
    QCOMPARE(tabs()->currentEditor(), editor);
    QTRY_COMPARE(editor->toPlainText(), QStringLiteral("reloaded\n"));
    QVERIFY(!editor->document()->isModified());
    QVERIFY(!editor->document()->isUndoAvailable());
}

// Undo cannot bring back what a reload replaced: the question says what is
// at stake, and Enter keeps the typing.
void tst_TabWidgetSaving::reloadOverUnsavedEditsWarnsAndDefaultsToNo()
{
    UnicodeKaEditor *editor = openModified(QStringLiteral("typed.txt"));
    const QString path = editor->fileName();
    ModalAnswerer answerer;
    bool defaultIsNo = false;
    answerer.expectDialog<QMessageBox>(QStringLiteral("Reload "), [&defaultIsNo](QMessageBox *box) {
        defaultIsNo = box->defaultButton() == box->button(QMessageBox::No);
        QTest::keyClick(box, Qt::Key_Return);
    });
    replaceByRename(path, "outside\n");
    QVERIFY2(answerer.waitDone(), qPrintable(answerer.failure() + answerer.seen().join('\n')));
    QCOMPARE(answerer.seen().value(0).section(QLatin1Char('|'), 2),
             QStringLiteral("%1\n\nFile has been modified by another program.\nDo you want to "
                            "reload it?? The changes you have not saved will be lost.")
                     .arg(path));
    QVERIFY(defaultIsNo);
    QCOMPARE(editor->toPlainText(), QStringLiteral("typed.txtold\n"));
    QVERIFY(editor->document()->isModified());
}

void tst_TabWidgetSaving::failedReloadKeepsTheTextUnsaved()
{
    const QString path = writeFile(QStringLiteral("gone.txt"), "text\n");
    tabs()->openFile(path);
    UnicodeKaEditor *editor = tabs()->currentEditor();
    ModalAnswerer answerer;
    answerer.expectMessageBox(QStringLiteral("Reload "), QString(), QMessageBox::Yes);
    answerer.expectMessageBox(QString(), QString(), QMessageBox::Ok);
    // Something is there by that name, but it cannot be read.
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkpath(path));
    QVERIFY2(answerer.waitDone(), qPrintable(answerer.failure()));
    QVERIFY2(answerer.seen().value(1).contains(QStringLiteral("Couldn't reload the file")),
             qPrintable(answerer.seen().join('\n')));
    QCOMPARE(editor->toPlainText(), QStringLiteral("text\n"));
    QVERIFY(editor->document()->isModified());
}

void tst_TabWidgetSaving::deletedFileOffersToKeepTheText_data()
{
    QTest::addColumn<bool>("moved");
    QTest::addColumn<int>("answer");   // a button, or 0 for Escape
    QTest::newRow("deleted, kept") << false << int(QMessageBox::Yes);
    QTest::newRow("moved, kept") << true << int(QMessageBox::Yes);
    QTest::newRow("deleted, Escape keeps") << false << 0;
    QTest::newRow("deleted, tab closed") << false << int(QMessageBox::No);
}

// A file gone from under its tab: the tab's text is the only copy left. Kept,
// it stays marked unsaved, and a plain Save writes the file again.
void tst_TabWidgetSaving::deletedFileOffersToKeepTheText()
{
    QFETCH(bool, moved);
    QFETCH(int, answer);
    const QString other = writeFile(QStringLiteral("other.txt"), "other\n");
    const QString path = writeFile(QStringLiteral("kept.txt"), "kept\n");
    tabs()->openFile(path);
    tabs()->openFile(other);
    UnicodeKaEditor *editor = tabs()->editorAtIndex(0);
    const int before = tabs()->count();

    ModalAnswerer answerer;
    bool defaultIsYes = false;
    answerer.expectDialog<QMessageBox>(QStringLiteral("File deleted or moved"), [&defaultIsYes, answer](QMessageBox *box) {
        defaultIsYes = box->defaultButton() == box->button(QMessageBox::Yes);
        if (answer == 0)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(QMessageBox::StandardButton(answer))->click();
    });
    if (moved)
        QVERIFY(QFile::rename(path, path + QStringLiteral(".away")));
    else
        QVERIFY(QFile::remove(path));
    QVERIFY2(answerer.waitDone(), qPrintable(answerer.failure() + answerer.seen().join('\n')));
    QVERIFY2(answerer.seen().value(0).section(QLatin1Char('|'), 2).startsWith(
                     path + QStringLiteral("\n\nFile has been deleted or moved by another program.")),
             qPrintable(answerer.seen().join('\n')));
    QVERIFY(defaultIsYes);

    if (answer == QMessageBox::No) {
        QTRY_COMPARE(tabs()->count(), before - 1);
        QCOMPARE(tabs()->tabIndexOfOpenFilename(path), -1);
        return;
    }
    QCOMPARE(tabs()->count(), before);
    QCOMPARE(tabs()->currentEditor(), editor);
    QCOMPARE(editor->toPlainText(), QStringLiteral("kept\n"));
    QVERIFY(editor->document()->isModified());
    QCOMPARE(tabs()->tabBar()->tabTextColor(0), QColor(Qt::red));
    // Saved where it was, without a file dialog.
    QVERIFY(tabs()->slotSave());
    QVERIFY2(answerer.isDone(), qPrintable(answerer.seen().join('\n')));
    QCOMPARE(contents(path), QByteArray("\xEF\xBB\xBFkept\n"));
    QVERIFY(!editor->document()->isModified());
}

void tst_TabWidgetSaving::quickBytesFileRebuildsTheToolbar()
{
    yvQuickBytesToolBar *bar = tabs()->quickBytesToolBar();
    QCOMPARE(bar->textFor(QStringLiteral("qq")), QStringLiteral("first"));
    ModalAnswerer answerer;   // nothing may be asked
    replaceByRename(Utils::quickBytesPath(), "qq=second\n");
    QTRY_COMPARE(bar->textFor(QStringLiteral("qq")), QStringLiteral("second"));
    // Renamed over, and still watched.
    replaceByRename(Utils::quickBytesPath(), "qq=third\n");
    QTRY_COMPARE(bar->textFor(QStringLiteral("qq")), QStringLiteral("third"));
    QVERIFY(answerer.seen().isEmpty());
}

void tst_TabWidgetSaving::sortLines_data()
{
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<QString>("sorted");
    QTest::newRow("ascending") << true << "A\na\nb";
    QTest::newRow("descending") << false << "b\na\nA";
}

void tst_TabWidgetSaving::sortLines()
{
    QFETCH(bool, ascending);
    QFETCH(QString, sorted);
    m_window->handleArguments({QStringLiteral("yavo-pad")});
    UnicodeKaEditor *editor = tabs()->currentEditor();
    editor->setPlainText(QStringLiteral("b\nA\n\na\nb"));
    editor->document()->setModified(false);

    ModalAnswerer answerer;
    answerer.expectMessageBox(QString(), QStringLiteral("Are you sure you want to continue sorting...?"),
                              QMessageBox::No);
    (ascending ? m_window->ui()->actionAscending : m_window->ui()->actionDescending)->trigger();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(editor->toPlainText(), QStringLiteral("b\nA\n\na\nb"));

    answerer.expectMessageBox(ascending ? QStringLiteral("Sort File...") : QStringLiteral("Sort Descending..."),
                              QString(), QMessageBox::Yes);
    answerer.expectMessageBox(ascending ? QStringLiteral("Yavo- Sort Ascending...")
                                        : QStringLiteral("Yavo- Sort Descending..."),
                              QStringLiteral("Done! Check the output now!"), QMessageBox::Ok);
    (ascending ? m_window->ui()->actionAscending : m_window->ui()->actionDescending)->trigger();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(editor->toPlainText(), sorted);
    QVERIFY(editor->document()->isModified());
}


void tst_TabWidgetSaving::saveThatWouldNotOpenAgainWritesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    const QByteArray longest = QByteArray(65536, 'k') + '\n';
    for (const char *name : {"long.txt", "long.html", "long.docx"})
        QTest::newRow(name) << name << longest << "thirteen more" << "It has a paragraph of";
    QTest::newRow("lines pasted beyond a text's") << "short.txt" << QByteArray("old\n")
                                                 << QString("ka\n").repeated(500001) << "a document may have at most";
}

// What the editor came to hold beyond what any file of the program opens is
// not written: the save says why, the file stays as it was and the text
// stays unsaved in the editor, for the user to shorten.
void tst_TabWidgetSaving::saveThatWouldNotOpenAgainWritesNothing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, typed);
    QFETCH(QString, message);

    // The document as it came from a text file, kept in the named format.
    const QString source = writeFile(QStringLiteral("source.txt"), bytes);
    tabs()->openFile(source);
    UnicodeKaEditor *editor = tabs()->editorAtIndex(tabs()->count() - 1);
    QVERIFY(editor);
    const QString path = writeFile(name, "the old file");
    editor->setFileName(path);
    QTextCursor cursor(editor->document());
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText(typed);

    ModalAnswerer answerer;
    answerer.expectMessageBox(QString(), QString(), QMessageBox::Ok);
    QVERIFY(!tabs()->slotSave());
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QVERIFY2(answerer.seen().value(0).contains(message), qPrintable(answerer.seen().value(0)));
    QCOMPARE(contents(path), QByteArray("the old file"));
    QVERIFY(editor->document()->isModified());
    QVERIFY(editor->toPlainText().contains(typed.left(20)));
}

YAVO_TEST_MAIN(tst_TabWidgetSaving)
#include "tst_tabwidgetsaving.moc"
