// The editor's rich-text operations: character and paragraph formats,
// lists, tables, images and links.

#include "editor/unicodekaeditor.h"

#include "editor/insertlinkdialog.h"
#include "editor/inserttabledialog.h"
#include "formats/htmlmarkup.h"
#include "private/editorlogging_p.h"
#include "utils/utils.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QInputDialog>
#include <QMessageBox>
#include <QPalette>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <cmath>

namespace {

constexpr qreal tableCellPadding = 6;
constexpr int maximumTableLines = 999;
constexpr int maximumSplit = 99;

} // namespace

// --- Characters ------------------------------------------------------------

void UnicodeKaEditor::slotTextBold(bool abool)
{
    QTextCharFormat format;
    format.setFontWeight(abool ? QFont::Bold : QFont::Normal);
    mergeFormatOnWordOrSelection(format);
}

void UnicodeKaEditor::slotTextUnderline(bool abool)
{
    QTextCharFormat format;
    format.setUnderlineStyle(abool ? QTextCharFormat::SingleUnderline : QTextCharFormat::NoUnderline);
    mergeFormatOnWordOrSelection(format);
}

void UnicodeKaEditor::slotTextItalic(bool abool)
{
    QTextCharFormat format;
    format.setFontItalic(abool);
    mergeFormatOnWordOrSelection(format);
}

void UnicodeKaEditor::slotTextStrikeOut(bool on)
{
    QTextCharFormat format;
    format.setFontStrikeOut(on);
    mergeFormatOnWordOrSelection(format);
}

void UnicodeKaEditor::slotTextSize(const QString &p)
{
    const double size = p.toDouble();
    // Letters read as 0; an infinite size would stall the layout.
    if (!(size > 0) || !std::isfinite(size))
        return;
    QTextCharFormat format;
    format.setFontPointSize(size);
    mergeFormatOnWordOrSelection(format);
}

// The colour dialog starts from the current colour; cancelling it changes
// nothing.
void UnicodeKaEditor::chooseColor(QTextFormat::Property property, const QColor &current)
{
    const QColor color = QColorDialog::getColor(current, this);
    if (!color.isValid())
        return;
    QTextCharFormat format;
    format.setProperty(property, QBrush(color, Qt::SolidPattern));
    mergeFormatOnWordOrSelection(format);
}

void UnicodeKaEditor::slotTextColor()
{
    chooseColor(QTextFormat::ForegroundBrush, textColor());
}

void UnicodeKaEditor::slotBackgroundColor()
{
    chooseColor(QTextFormat::BackgroundBrush, textBackgroundColor());
}

// --- Paragraphs and lists ----------------------------------------------------

void UnicodeKaEditor::slotTextAlign(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignLeft)
        setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    else if (alignment & Qt::AlignHCenter)
        setAlignment(Qt::AlignHCenter);
    else if (alignment & Qt::AlignRight)
        setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    else if (alignment & Qt::AlignJustify)
        setAlignment(Qt::AlignJustify);
}

// Makes the paragraph an item of a new list. A paragraph already in a list
// keeps that list's indent; a plain one moves its indent onto the list.
void UnicodeKaEditor::slotTextStyle(int styleIndex)
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    QTextBlockFormat blockFormat = cursor.blockFormat();
    QTextListFormat listFormat;
    if (QTextList *list = cursor.currentList()) {
        listFormat = list->format();
        if (styleIndex == 0)
            listFormat.setIndent(blockFormat.indent());
    } else {
        listFormat.setIndent(blockFormat.indent() + 1);
        blockFormat.setIndent(0);
        cursor.setBlockFormat(blockFormat);
    }
    listFormat.setStyle(QTextListFormat::Style(-qAbs(styleIndex)));
    cursor.createList(listFormat);
    cursor.endEditBlock();
    setTextCursor(cursor);
}

// --- Tables ------------------------------------------------------------------

void UnicodeKaEditor::slotInsertTable()
{
    int nesting = 0;
    for (QTextFrame *frame = textCursor().currentFrame(); frame; frame = frame->parentFrame())
        nesting += qobject_cast<QTextTable *>(frame) != nullptr;
    if (nesting >= HtmlMarkup::maxTableNesting()) {
        QMessageBox::information(this, Utils::displayName(),
                                 tr("Tables can stand at most %1 deep in one another.")
                                         .arg(HtmlMarkup::maxTableNesting()));
        return;
    }
    InsertTableDialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return;
    QTextTableFormat format;
    format.setCellPadding(tableCellPadding);
    QTextCursor cursor = textCursor();
    cursor.insertTable(dialog.rows(), dialog.columns(), format);
    setTextCursor(cursor);
}

bool UnicodeKaEditor::askCount(const QString &label, int value, int minimum, int maximum, int *count)
{
    bool accepted = false;
    *count = QInputDialog::getInt(this, Utils::displayName(), label, value, minimum, maximum, 1, &accepted);
    return accepted;
}

// Rows or columns at the cell's own line plus the offset: 1 after it, 0
// before it.
void UnicodeKaEditor::insertTableLines(bool rows, int offset)
{
    int count = 0;
    if (!askCount(rows ? tr("Enter number of rows:") : tr("Enter number of columns:"), 1, 1,
                  maximumTableLines, &count))
        return;
    const QTextCursor cursor = textCursor();
    QTextTable *table = cursor.currentTable();
    if (!table)
        return;
    const QTextTableCell cell = table->cellAt(cursor);
    if (rows)
        table->insertRows(cell.row() + offset, count);
    else
        table->insertColumns(cell.column() + offset, count);
}

void UnicodeKaEditor::slotAppendRow()
{
    int count = 0;
    if (!askCount(tr("Enter number of rows:"), 1, 1, maximumTableLines, &count))
        return;
    if (QTextTable *table = textCursor().currentTable())
        table->appendRows(count);
}

void UnicodeKaEditor::slotAppendColumn()
{
    int count = 0;
    if (!askCount(tr("Enter number of columns:"), 1, 1, maximumTableLines, &count))
        return;
    if (QTextTable *table = textCursor().currentTable())
        table->appendColumns(count);
}

void UnicodeKaEditor::slotInsertRow()
{
    insertTableLines(true, 1);
}

void UnicodeKaEditor::slotInsertCol()
{
    insertTableLines(false, 1);
}

void UnicodeKaEditor::slotInsertRowBefore()
{
    insertTableLines(true, 0);
}

void UnicodeKaEditor::slotInsertColBefore()
{
    insertTableLines(false, 0);
}

// Only the cells of a selection are removed; a caret alone in a cell
// selects none.
void UnicodeKaEditor::removeSelectedTableLines(bool rows)
{
    const QTextCursor cursor = textCursor();
    QTextTable *table = cursor.currentTable();
    if (!table)
        return;
    int firstRow, rowCount, firstColumn, columnCount;
    cursor.selectedTableCells(&firstRow, &rowCount, &firstColumn, &columnCount);
    if (rows && firstRow >= 0)
        table->removeRows(firstRow, rowCount);
    else if (!rows && firstColumn >= 0)
        table->removeColumns(firstColumn, columnCount);
}

void UnicodeKaEditor::slotRemoveRow()
{
    removeSelectedTableLines(true);
}

void UnicodeKaEditor::slotRemoveColumn()
{
    removeSelectedTableLines(false);
}

void UnicodeKaEditor::slotMergeCells()
{
    const QTextCursor cursor = textCursor();
    if (QTextTable *table = cursor.currentTable())
        table->mergeCells(cursor);
}

// The user says into how many rows and columns the cell is split; Qt asks
// for the spans the cell itself keeps, the rest becoming single cells. A
// cell is never split into more than it spans, so a cell that was never
// merged stays as it is.
void UnicodeKaEditor::slotSplitCells()
{
    const QTextCursor cursor = textCursor();
    QTextTable *table = cursor.currentTable();
    if (!table)
        return;
    const QTextTableCell cell = table->cellAt(cursor);
    int rows = 0;
    int columns = 0;
    if (!askCount(tr("Number of rows to split into:"), 2, 2, maximumSplit, &rows)
        || !askCount(tr("Number of columns to split into:"), 2, 2, maximumSplit, &columns))
        return;
    const int rowSpan = cell.rowSpan();
    const int columnSpan = cell.columnSpan();
    table->splitCell(cell.row(), cell.column(), rowSpan - qMin(rows, rowSpan) + 1,
                     columnSpan - qMin(columns, columnSpan) + 1);
}

// --- Images --------------------------------------------------------------------

void UnicodeKaEditor::slotInsertPicture()
{
    const QString path = QFileDialog::getOpenFileName(this, Utils::displayName(), QDir::homePath(),
                                                      tr("Images (*.png *.xpm *.jpg);;All (*.*)"));
    if (path.isEmpty())
        return;
    const QImage image(path);
    if (image.isNull()) {
        QMessageBox::information(this, Utils::displayName(), tr("Invalid image"), QMessageBox::Ok);
        return;
    }
    textCursor().insertImage(image, path);
}

void UnicodeKaEditor::slotUpdateImageSize()
{
    const QTextCharFormat format = currentCharFormat();
    if (format.isImageFormat())
        qCDebug(lcEditor) << format.toImageFormat().name();
}

// Grows (or shrinks) the image before the caret by the given amounts. An
// image without a size of its own grows from the size it is shown at, and
// only the image changes, not the word beside it.
void UnicodeKaEditor::resizeImage(int width, int height)
{
    const QTextCharFormat format = currentCharFormat();
    if (!format.isImageFormat())
        return;
    const QTextImageFormat image = format.toImageFormat();
    const QSize natural = document()->resource(QTextDocument::ImageResource, QUrl(image.name()))
                                  .value<QImage>().size();
    QTextImageFormat resized;
    if (width)
        resized.setWidth((image.hasProperty(QTextFormat::ImageWidth) ? image.width() : natural.width()) + width);
    if (height)
        resized.setHeight((image.hasProperty(QTextFormat::ImageHeight) ? image.height() : natural.height()) + height);
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(resized);
}

void UnicodeKaEditor::slotEditImageWidth(int width)
{
    resizeImage(width, 0);
}

void UnicodeKaEditor::slotEditImageHeight(int height)
{
    resizeImage(0, height);
}

// --- Links -------------------------------------------------------------------

// The anchor goes into the character format, so that whatever the address
// and the text hold stays text and never becomes markup.
void UnicodeKaEditor::slotInsertHyperLink()
{
    const QTextCursor current = textCursor();
    const QString selected = current.selectedText();
    QTextCharFormat format = current.charFormat();
    InsertLinkDialog dialog;
    if (format.isAnchor())
        dialog.setURL(format.anchorHref());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString url = dialog.url();

    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    format.setAnchor(true);
    format.setAnchorHref(url);
    format.setForeground(QGuiApplication::palette().link());
    format.setUnderlineStyle(QTextCharFormat::SingleUnderline);
    cursor.insertText(selected.isEmpty() ? url : selected, format);
    cursor.endEditBlock();
    setTextCursor(cursor);
}
