// Saving and closing documents, the prompts at exit, the recent files and
// the reaction to files changed by other programs.
#include "app/tabwidget.h"

#include "app/yvzoomcontrollerwidget.h"

#include "core/sharedsettings.h"
#include "editor/unicodekaeditor.h"
#include "utils/utils.h"
#include "widgets/yvquickbytestoolbar.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QTabBar>
#include <QTextCursor>

#include <algorithm>

namespace {

constexpr int maxRecentFiles = 9;

} // namespace

void TabWidget::watch(const QString &path)
{
    // Another program (or the editor itself) saves by renaming a new file
    // over the old one; the watch then goes with the old file and has to be
    // set again on the path.
    const QFileInfo file(path);
    if (file.isAbsolute() && file.exists() && !m_fileWatcher->files().contains(path))
        m_fileWatcher->addPath(path);
}

bool TabWidget::saveUnwatched(UnicodeKaEditor *editor, const std::function<bool()> &save)
{
    // The program's own writes are no outside changes.
    const QString before = editor->fileName();
    if (!before.isEmpty())
        m_fileWatcher->removePath(before);
    const QPointer<UnicodeKaEditor> guard(editor);
    const bool saved = save();
    // Whatever a tab still shows stays watched, saved or not.
    if (tabIndexOfOpenFilename(before) >= 0)
        watch(before);
    if (guard)
        watch(guard->fileName());
    return saved && guard;
}

bool TabWidget::saveCurrent(bool saveAs)
{
    if (currentIndex() < 0)
        return false;
    const QPointer<UnicodeKaEditor> editor = editorAtIndex(currentIndex());
    if (!editor)
        return false;
    const bool saved = saveUnwatched(editor, [&editor, saveAs] {
        return saveAs ? editor->saveFileAs() : editor->maybeSave(false);
    });
    if (!editor)
        return false;
    const QString path = editor->fileName();
    if (path.isEmpty())
        return saved;
    const int index = indexOf(editor->parentWidget());
    if (index >= 0 && QFileInfo(path).isAbsolute() && QFileInfo::exists(path)) {
        setTabText(index, QFileInfo(path).fileName());
        setTabToolTip(index, path);
    }
    addRecentFile(path);
    return saved;
}

bool TabWidget::slotSave()
{
    return saveCurrent(false);
}

void TabWidget::slotSaveAs()
{
    saveCurrent(true);
}

bool TabWidget::slotTabCloseRequested(int index)
{
    if (index < 0 || index >= count())
        return false;
    const QPointer<QWidget> page = widget(index);
    const QPointer<UnicodeKaEditor> editor = editorAtIndex(index);
    QString path;
    if (editor) {
        if (!saveUnwatched(editor, [&editor] { return editor->maybeSave(true); }))
            return false;
        path = editor->fileName();
        if (!path.isEmpty())
            m_fileWatcher->removePath(path);
        m_zoomController->removeEditor(editor);
    }
    // The question ran an event loop: the tab may have moved or gone.
    if (page) {
        const int now = indexOf(page);
        if (now >= 0)
            removeTab(now);
        page->deleteLater();
    }
    // The same file may still be open in another tab.
    if (tabIndexOfOpenFilename(path) >= 0)
        watch(path);
    if (count() == 0)
        slotNew();
    return true;
}

void TabWidget::slotCloseCurrentTab()
{
    slotTabCloseRequested(currentIndex());
}

void TabWidget::slotDocumentModified(bool modified)
{
    // The mark belongs to the tab whose document changed, which need not be
    // the one in front.
    int index = currentIndex();
    if (const auto *doc = qobject_cast<const QTextDocument *>(sender())) {
        index = -1;
        for (int i = 0; i < count() && index < 0; ++i) {
            const UnicodeKaEditor *editor = editorAtIndex(i);
            if (editor && editor->document() == doc)
                index = i;
        }
    }
    if (index >= 0)
        tabBar()->setTabTextColor(index, modified ? Qt::red : Qt::black);
}

bool TabWidget::slotExit()
{
    bool result = true;
    QMessageBox::StandardButton answer = QMessageBox::NoButton;
    for (int i = 0; i < count(); ++i) {
        const QPointer<UnicodeKaEditor> editor = editorAtIndex(i);
        if (!editor || editor->fileName().startsWith(QLatin1String(":/")))
            continue;
        if (editor->document()->isModified() && answer != QMessageBox::YesToAll
            && answer != QMessageBox::NoToAll) {
            answer = QMessageBox::question(
                    this, tr("Exit"), tr("Document %1 is modified, Do you want to save?").arg(tabText(i)),
                    QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::NoToAll
                            | QMessageBox::Cancel,
                    QMessageBox::NoButton);
        }
        if (!editor)
            continue;
        if (answer == QMessageBox::Yes || answer == QMessageBox::YesToAll) {
            // A save that does not happen (its dialog cancelled, the write
            // failed) must not let the program end with the text unsaved.
            if (!saveUnwatched(editor, [&editor] { return editor->maybeSave(false); }))
                result = false;
            if (editor)
                addRecentFile(editor->fileName());
        } else if (answer == QMessageBox::Cancel) {
            result = false;
        }
    }

    QSettings settings(settingsOrganization, settingsApplication);
    settings.remove(QStringLiteral("RecentFiles"));
    settings.beginGroup(QStringLiteral("RecentFiles"));
    for (int i = 0; i < m_recentFiles.size(); ++i)
        settings.setValue(QString::number(i), m_recentFiles.at(i));
    settings.endGroup();
    return result;
}

void TabWidget::addRecentFile(const QString &path)
{
    // Only files can be opened again: not a folder, a device or a pipe.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    m_recentFiles.removeAll(path);
    m_recentFiles.prepend(path);
    while (m_recentFiles.size() > maxRecentFiles)
        m_recentFiles.removeLast();
    m_recentFilesMenu->clear();
    for (const QString &file : qAsConst(m_recentFiles)) {
        QAction *action = m_recentFilesMenu->addAction(file);
        action->setData(file);
        action->setToolTip(file);
    }
}

void TabWidget::slotRecentFilesMenuTriggered(QAction *action)
{
    if (!action)
        return;
    showOrOpenFile(action->data().toString());
}

void TabWidget::onFileChangedOutside(const QString &path)
{
    watch(path);
    if (path == Utils::quickBytesPath()) {
        if (m_quickBytesToolBar)
            m_quickBytesToolBar->updateToolbar();
        return;
    }
    const int index = tabIndexOfOpenFilename(path);
    if (index < 0)
        return;
    setCurrentIndex(index);
    const QPointer<UnicodeKaEditor> editor = editorAtIndex(index);
    if (!editor)
        return;
    if (!QFileInfo::exists(path)) {
        keepOrCloseDeleted(path, editor);
        return;
    }
    // A reload cannot be undone: unsaved typing would be gone for good.
    const bool unsaved = editor->document()->isModified();
    const QString question = unsaved
            ? tr("%1\n\nFile has been modified by another program.\nDo you want to reload it?? "
                 "The changes you have not saved will be lost.")
            : tr("%1\n\nFile has been modified by another program.\nDo you want to reload it??");
    const auto answer = QMessageBox::question(this, tr("Reload "), question.arg(path),
                                              QMessageBox::Yes | QMessageBox::No,
                                              unsaved ? QMessageBox::No : QMessageBox::NoButton);
    if (answer != QMessageBox::Yes || !editor)
        return;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        loadFile(path, &file, editor);
        return;
    }
    // The text in the editor is now the only copy: it stays unsaved.
    editor->document()->setModified(true);
    QMessageBox::warning(this, QGuiApplication::applicationDisplayName(),
                         tr("Couldn't reload the file %1:\n%2\n\nThe text in the editor is kept and not saved.")
                                 .arg(QDir::toNativeSeparators(path), file.errorString()));
}

void TabWidget::keepOrCloseDeleted(const QString &path, const QPointer<UnicodeKaEditor> &editor)
{
    QMessageBox box(QMessageBox::Question, tr("File deleted or moved"),
                    tr("%1\n\nFile has been deleted or moved by another program.\n\n"
                       "Do you want to keep its text? Yes keeps the tab open, and the next save writes the "
                       "file again; No closes the tab.")
                            .arg(path),
                    QMessageBox::Yes | QMessageBox::No, this);
    // Only a plain No lets the text go; Escape keeps it.
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Yes);
    const int answer = box.exec();
    if (!editor)
        return;
    if (answer == QMessageBox::No) {
        // The user let the text go: no question about saving it.
        editor->document()->setModified(false);
        slotTabCloseRequested(indexOf(editor->parentWidget()));
        return;
    }
    // The text in the editor is now the only copy.
    editor->document()->setModified(true);
}

void TabWidget::sortLines(Qt::SortOrder order)
{
    const QPointer<UnicodeKaEditor> editor = m_currentEditor;
    if (!editor)
        return;
    const bool ascending = order == Qt::AscendingOrder;
    if (QMessageBox::question(this, ascending ? tr("Sort File...") : tr("Sort Descending..."),
                              tr("Are you sure you want to continue sorting...?"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton)
        != QMessageBox::Yes)
        return;
    if (!editor || editor != m_currentEditor)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QStringList lines = editor->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.removeDuplicates();
    lines.sort(Qt::CaseSensitive);
    if (!ascending)
        std::reverse(lines.begin(), lines.end());
    editor->selectAll();
    editor->insertPlainText(lines.join(QLatin1Char('\n')));
    editor->document()->setModified(true);
    QApplication::restoreOverrideCursor();
    QMessageBox::information(this, ascending ? tr("Yavo- Sort Ascending...") : tr("Yavo- Sort Descending..."),
                             tr("Done! Check the output now!"), QMessageBox::Ok);
}

void TabWidget::slotSortAscending()
{
    sortLines(Qt::AscendingOrder);
}

void TabWidget::slotSortDescending()
{
    sortLines(Qt::DescendingOrder);
}
