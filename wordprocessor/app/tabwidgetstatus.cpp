// The formatting toolbar and menus following the current editor's text
// (bullets, alignment, font, size), the text-size steps, and the status
// labels for words, line and column.
#include "app/tabwidget.h"

#include "app/mainwindow.h"
#include "app/ui_mainwindow.h"
#include "app/wordcounter.h"

#include "editor/unicodekaeditor.h"

#include <QActionGroup>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QTextCursor>
#include <QTimer>

#include <algorithm>

namespace {

// Characters of the document's text counted between two turns of the
// event loop: a few milliseconds' work.
constexpr int WordCountSlice = 1 << 20;

// A colour swatch: a dark frame around the colour.
QIcon swatch(const QColor &color)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(color.darker(200));
    QPainter painter(&pixmap);
    painter.fillRect(QRect(1, 1, 19, 19), color);
    return QIcon(pixmap);
}

} // namespace

// --- Bullets and alignment ----------------------------------------------

void TabWidget::slotButtetsActionToggled(bool checked)
{
    if (!checked || !m_bulletGroup->checkedAction())
        return;
    slotTextStyle(m_bulletActions.indexOf(m_bulletGroup->checkedAction()));
}

void TabWidget::slotTextStyle(int styleIndex)
{
    if (UnicodeKaEditor *editor = m_currentEditor)
        editor->slotTextStyle(styleIndex);
}

void TabWidget::slotTextAlign(QAction *action)
{
    UnicodeKaEditor *editor = m_currentEditor;
    if (!editor)
        return;
    const Ui::MainWindow *ui = m_mainWindow->ui();
    Qt::Alignment alignment;
    if (action == ui->actionAlign_left)
        alignment = Qt::AlignLeft | Qt::AlignAbsolute;
    else if (action == ui->actionAlign_center)
        alignment = Qt::AlignHCenter;
    else if (action == ui->actionAlign_right)
        alignment = Qt::AlignRight | Qt::AlignAbsolute;
    else if (action == ui->actionJustify)
        alignment = Qt::AlignJustify;
    editor->slotTextAlign(alignment);
}

void TabWidget::slotAlignmentChanged(Qt::Alignment alignment)
{
    const Ui::MainWindow *ui = m_mainWindow->ui();
    if (alignment & Qt::AlignLeft)
        ui->actionAlign_left->setChecked(true);
    else if (alignment & Qt::AlignHCenter)
        ui->actionAlign_center->setChecked(true);
    else if (alignment & Qt::AlignRight)
        ui->actionAlign_right->setChecked(true);
    else if (alignment & Qt::AlignJustify)
        ui->actionJustify->setChecked(true);
}

// --- Font -----------------------------------------------------------------

void TabWidget::onFontFamilyEdited()
{
    const QString family = m_comboFont->lineEdit()->text();
    if (QFontDatabase().families().contains(family))
        slotTextFontFamily(family);
}

void TabWidget::showTextSize(const QString &size)
{
    if (!m_comboSize)
        return;
    const int item = m_comboSize->findText(size);
    if (item >= 0)
        m_comboSize->setCurrentIndex(item);
    // The field may hold a typed size while the item was already current.
    m_comboSize->lineEdit()->setText(size);
}

void TabWidget::slotFontChanged(const QFont &font)
{
    UnicodeKaEditor *editor = m_currentEditor;
    if (!editor || editor->isInternalEdit())
        return;
    if (font.pointSizeF() > 0)
        showTextSize(QString::number(font.pointSizeF()));
    if (m_comboFont) {
        const QString family = QFontInfo(font).family();
        const int item = m_comboFont->findText(family);
        if (item >= 0)
            m_comboFont->setCurrentIndex(item);
        else
            m_comboFont->lineEdit()->setText(family);
    }
    const Ui::MainWindow *ui = m_mainWindow->ui();
    ui->actionBold->setChecked(font.weight() > QFont::Medium);
    ui->actionItalic->setChecked(font.style() != QFont::StyleNormal);
    ui->actionUnderline->setChecked(font.underline());
    editor->setFocus();
}

void TabWidget::onChooseFontClicked()
{
    const QPointer<UnicodeKaEditor> editor = m_currentEditor;
    if (!editor)
        return;
    bool accepted = false;
    const QFont font = QFontDialog::getFont(&accepted, editor->currentCharFormat().font(), this, QString());
    if (!accepted || !editor || editor != m_currentEditor)
        return;
    editor->setFont(font);
    slotTextFontFamily(font.family());
    slotTextSize(QString::number(font.pointSize()));
    editor->slotTextBold(font.weight() > QFont::Medium);
    editor->slotTextItalic(font.style() != QFont::StyleNormal);
    editor->slotTextUnderline(font.underline());
    editor->slotTextStrikeOut(font.strikeOut());
}

// The next listed size up or down from the size field. A size that is not
// listed goes to the nearest listed one in that direction, or by ten beyond
// the largest; below the smallest there is nothing smaller, and the size
// stays as it is.
void TabWidget::stepTextSize(int step)
{
    UnicodeKaEditor *editor = m_currentEditor;
    if (!editor || !m_comboSize || m_comboSize->count() == 0)
        return;
    const int size = m_comboSize->lineEdit()->text().toInt();
    QList<int> listed;
    for (int i = 0; i < m_comboSize->count(); ++i)
        listed.append(m_comboSize->itemText(i).toInt());
    const int item = m_comboSize->findText(QString::number(size));
    int next = 0;
    if (item >= 0) {
        if (step > 0)
            next = item + 1 < listed.size() ? listed.at(item + 1) : size + 10;
        else
            next = item > 0 ? listed.at(item - 1) : size;
    } else if (size < listed.last()) {
        if (step > 0) {
            next = *std::find_if(listed.cbegin(), listed.cend(), [size](int s) { return s > size; });
        } else {
            for (int s : qAsConst(listed)) {
                if (s < size)
                    next = s;
            }
        }
    } else {
        next = size + 10 * step;
    }
    if (next <= 0)
        return;
    QTextCharFormat format;
    format.setFontPointSize(next);
    editor->mergeFormatOnWordOrSelection(format);
    // Text that had that size already sends no change back.
    showTextSize(QString::number(next));
}

void TabWidget::onIncreaseTextSizeClicked()
{
    stepTextSize(1);
}

void TabWidget::onDecreaseTextSizeClicked()
{
    stepTextSize(-1);
}

// --- Status labels --------------------------------------------------------

void TabWidget::onTextChanged()
{
    // Only the document in front speaks for the status bar.
    const auto *editor = qobject_cast<UnicodeKaEditor *>(sender());
    if (!editor || editor != m_currentEditor)
        return;
    // Not restarted by every key: while the user types on, the count still
    // follows a few times a second.
    if (!m_wordCountTimer->isActive())
        m_wordCountTimer->start();
}

void TabWidget::showWordCount()
{
    m_wordCountTimer->stop();
    if (!m_currentEditor)
        return;
    // A long text is counted a slice at a time, its count growing in the
    // status bar while the events are served between the slices: counted
    // whole, 64 MB held the window for a quarter of a second.
    WordCounter *counter = WordCounter::of(m_currentEditor->document());
    const bool whole = counter->countSome(WordCountSlice);
    m_wordsLabel->setText(tr("<b>Words</b>: %1").arg(counter->counted(), -16));
    if (!whole)
        QTimer::singleShot(0, this, &TabWidget::showWordCount);
}

void TabWidget::onCursorPositionChanged()
{
    auto *editor = qobject_cast<UnicodeKaEditor *>(sender());
    if (!editor || editor != m_currentEditor)
        return;
    const QTextCursor cursor = editor->textCursor();
    m_lineLabel->setText(tr("<b>Line</b>: %1").arg(cursor.blockNumber() + 1, -6));
    m_columnLabel->setText(tr("<b>Col</b>: %2").arg(cursor.columnNumber() + 1, -6));

    const Ui::MainWindow *ui = m_mainWindow->ui();
    ui->actionText_color->setIcon(swatch(editor->textColor()));
    QColor background = editor->textBackgroundColor();
    if (background == QTextCharFormat().background().color())
        background = Qt::white;
    ui->actionBackground_Color->setIcon(swatch(background));

    if (m_comboSize) {
        const double size = editor->currentCharFormat().property(QTextFormat::FontPointSize).toDouble();
        const QString text = QString::number(size, 'g', 6);
        if (size > 0 || m_comboSize->findText(text) >= 0)
            showTextSize(text);
    }
}
