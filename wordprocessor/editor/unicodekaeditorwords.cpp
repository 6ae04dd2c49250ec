// The editor's aids around words: completion, spelling, the ANSI-to-Unicode
// conversion of the text under the cursor and the context menu.

#include "editor/unicodekaeditor.h"

#include "app/yvworker.h"
#include "editor/editorowner.h"
#include "editor/highlighter.h"
#include "editor/suggestions.h"
#include "utils/utils.h"
#include "widgets/yvmessagebox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextTable>

namespace {

constexpr QChar zeroWidthJoiner(0x200D);
constexpr QChar zeroWidthNonJoiner(0x200C);

// A key that may go on a word the popup completes.
bool continuesWord(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u > 0x7F && c.isLetter());
}

// The word as the word list spells it: the layouts write joiners and other
// invisible characters (ಕಾರ್‍ಯ typed for ಕಾರ್ಯ) that the list's forms do
// without.
QString withoutInvisibles(const QString &word)
{
    QString bare;
    bare.reserve(word.size());
    for (const QChar c : word) {
        if (c.category() != QChar::Other_Format)
            bare += c;
    }
    return bare;
}

} // namespace

void UnicodeKaEditor::setCompleter(QCompleter *completer)
{
    m_completer = completer;
}

QCompleter *UnicodeKaEditor::completer() const
{
    return m_completer;
}

void UnicodeKaEditor::focusInEvent(QFocusEvent *e)
{
    // One completer serves every editor: the focused one.
    if (m_completer)
        m_completer->setWidget(this);
    // The completion popup leaves the focus here while it shows; Qt tells
    // of it going to the popup and coming back all the same, which is no
    // change: the editor's own handling would repaint all of it, for which
    // its layout first brings every paragraph after the typed one up to date.
    if (e->reason() == Qt::PopupFocusReason && m_focused)
        return;
    m_focused = true;
    QTextEdit::focusInEvent(e);
}

void UnicodeKaEditor::focusOutEvent(QFocusEvent *e)
{
    if (e->reason() == Qt::PopupFocusReason && m_completer && m_completer->popup()
        && QApplication::activePopupWidget() == m_completer->popup())
        return;
    m_focused = false;
    QTextEdit::focusOutEvent(e);
}

void UnicodeKaEditor::handleCompleterKey()
{
    QAbstractItemView *popup = m_completer ? m_completer->popup() : nullptr;
    if (!popup || !m_lastKeyEvent)
        return;

    const QString text = m_lastKeyEvent->text();
    const Qt::KeyboardModifiers modifiers = m_lastKeyEvent->modifiers();
    const bool held = modifiers & (Qt::ControlModifier | Qt::AltModifier);
    const bool otherThanShift = modifiers != Qt::NoModifier && !(modifiers & Qt::ShiftModifier);
    if (text.isEmpty() || !continuesWord(text.back()) || held || otherThanShift) {
        popup->hide();
        return;
    }
    const QString typed = textUnderCursor();
    const QString bare = withoutInvisibles(typed);
    if (bare.size() < m_autoCompletePrefixLength) {
        popup->hide();
        return;
    }
    if (typed != m_completer->completionPrefix() && bare != m_completer->completionPrefix()) {
        // The word as typed first, so that a form the list holds with its
        // joiner is found; then as the list spells it.
        m_completer->setCompletionPrefix(typed);
        QModelIndex first = m_completer->completionModel()->index(0, 0);
        if (!first.isValid() && bare != typed) {
            m_completer->setCompletionPrefix(bare);
            first = m_completer->completionModel()->index(0, 0);
        }
        if (withoutInvisibles(first.data(Qt::DisplayRole).toString()) == bare) {
            // The word is complete already.
            popup->hide();
            return;
        }
        popup->setCurrentIndex(first);
    }
    QRect under = cursorRect();
    under.setWidth(popup->sizeHintForColumn(0) + popup->verticalScrollBar()->sizeHint().width());
    m_completer->complete(under);
}

void UnicodeKaEditor::insertCompletion(const QString &completion)
{
    // Every editor hears the shared completer; only the one it serves acts.
    if (!m_completer || m_completer->widget() != this)
        return;
    QTextCursor cursor = textCursor();
    QTextCharFormat format = cursor.charFormat();
    cursor.movePosition(QTextCursor::StartOfWord, QTextCursor::KeepAnchor);
    cursor.insertText(completion);
    if (!m_composedFontFamily.isEmpty())
        format.setFontFamily(m_composedFontFamily);
    cursor.mergeCharFormat(format);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void UnicodeKaEditor::slotAddDictionary()
{
    if (!m_utils)
        return;
    const QString word = textUnderCursor().simplified();
    if (m_utils->addToUserDictionary(word, m_completer)) {
        QMessageBox::information(this, Utils::displayName(), tr("Word added to dictionary"),
                                 QMessageBox::Ok);
        if (m_highlighter)
            m_highlighter->rehighlightBlock(textCursor().block());
    } else {
        QMessageBox::warning(this, Utils::displayName(), tr("Failed to add the word"),
                             QMessageBox::Ok);
    }
}

void UnicodeKaEditor::slotDisplaySuggestions()
{
    // Until the word list is loaded there is nothing to suggest from.
    if (!m_completer || !m_utils)
        return;
    // The chosen word replaces the misspelled one, wherever the editing
    // meanwhile moved it.
    QTextCursor word = textCursor();
    word.clearSelection();
    word.select(QTextCursor::WordUnderCursor);
    auto *popup = new Suggestions(m_utils->suggestions(word.selectedText()), this);
    popup->move(mapToGlobal(cursorRect().bottomLeft()));
    connect(popup, &Suggestions::wordSelected, this, [this, word](const QString &chosen) mutable {
        if (!word.hasSelection())
            return;
        word.insertText(chosen);
        setTextCursor(word);
    });
}

void UnicodeKaEditor::slotSearchString()
{
    emit searchString(textUnderCursor());
}

// The text goes to the worker and back as a document fragment: through
// HTML it would come back in the worker's document's default font and size
// instead of the editor's.
void UnicodeKaEditor::slotConvertANSI2Unicode()
{
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    if (cursor.hasSelection()) {
        QTextDocument converted;
        QTextCursor(&converted).insertFragment(cursor.selection());
        {
            yvWorker worker;
            worker.convertANSI2Unicode(&converted);
        }
        cursor.insertFragment(QTextDocumentFragment(&converted));
        setTextCursor(cursor);
    }
    EditorOwner *o = owner();
    yvMessageBox::showMessage(tr("Unicode conversion completed!"), o ? o->mainWindow() : nullptr);
}

QMenu *UnicodeKaEditor::tableMenu()
{
    if (m_tableMenu)
        return m_tableMenu;
    m_tableMenu = new QMenu(tr("Table Properties"), this);
    const struct
    {
        const char *text;
        void (UnicodeKaEditor::*slot)();
    } entries[] = {
        { QT_TR_NOOP("Append row(s)"), &UnicodeKaEditor::slotAppendRow },
        { QT_TR_NOOP("Append column(s)"), &UnicodeKaEditor::slotAppendColumn },
        { QT_TR_NOOP("Remove row(s)"), &UnicodeKaEditor::slotRemoveRow },
        { QT_TR_NOOP("Remove column(s)"), &UnicodeKaEditor::slotRemoveColumn },
        { QT_TR_NOOP("Insert row(s)"), &UnicodeKaEditor::slotInsertRow },
        { QT_TR_NOOP("Insert column(s)"), &UnicodeKaEditor::slotInsertCol },
        { QT_TR_NOOP("Insert row(s) before"), &UnicodeKaEditor::slotInsertRowBefore },
        { QT_TR_NOOP("Insert column(s) before"), &UnicodeKaEditor::slotInsertColBefore },
        { QT_TR_NOOP("Merge cell(s)"), &UnicodeKaEditor::slotMergeCells },
        { QT_TR_NOOP("Split cell"), &UnicodeKaEditor::slotSplitCells },
    };
    for (const auto &entry : entries)
        m_tableMenu->addAction(tr(entry.text), this, entry.slot);
    return m_tableMenu;
}

// The entries follow the caret and its format, not the point clicked.
void UnicodeKaEditor::contextMenuEvent(QContextMenuEvent *e)
{
    QMenu *menu = createStandardContextMenu(e->pos());
    if (!menu) {
        QTextEdit::contextMenuEvent(e);
        return;
    }
    const QTextCursor cursor = textCursor();
    const QTextCharFormat format = currentCharFormat();

    QAction *copy = menu->addAction(tr("Copy special"), this, &UnicodeKaEditor::copySpecial);
    copy->setEnabled(!cursor.selectedText().isEmpty());
    menu->addSeparator();

    const QString word = textUnderCursor();
    if (format.isImageFormat()) {
        menu->addSeparator();
        menu->addAction(tr("Image Properties"), this, &UnicodeKaEditor::slotUpdateImageSize);
    } else if (cursor.currentTable() || format.isTableCellFormat()) {
        if (!m_tableMenu)
            menu->addSeparator();
        menu->addMenu(tableMenu());
    } else if (!word.isEmpty()) {
        menu->addSeparator();
        if (m_utils && m_utils->isMisspelled(word))
            menu->addAction(tr("Add To Dictionary"), this, &UnicodeKaEditor::slotAddDictionary);
        menu->addAction(tr("Suggestions..."), this, &UnicodeKaEditor::slotDisplaySuggestions);
        menu->addSeparator();
        menu->addAction(tr("Wiktionary Meaning (Online)..."), this, &UnicodeKaEditor::slotSearchString);
    }

    menu->addSeparator();
    menu->addAction(tr("Insert ZWJ"), this, [this] { insertTextAtCursor(QString(zeroWidthJoiner)); });
    menu->addAction(tr("Insert ZWNJ"), this, [this] { insertTextAtCursor(QString(zeroWidthNonJoiner)); });
    menu->addSeparator();
    menu->addAction(tr("Convert ANSI to Unicode"), this, &UnicodeKaEditor::slotConvertANSI2Unicode);

    menu->exec(e->globalPos());
    menu->deleteLater();
}
