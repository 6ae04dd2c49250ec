#include "editor/findandreplacedialog.h"
#include "ui_findandreplacedialog.h"

#include "editor/history.h"
#include "editor/storenotice.h"
#include "editor/unicodekaeditor.h"
#include "editor/wholewordsearch.h"

#include "utils/utils.h"
#include "widgets/unicodelineedit.h"

#include <QHideEvent>
#include <QMessageBox>

namespace {

const QString findTable = QStringLiteral("Find");
const QString replaceTable = QStringLiteral("Replace");
const QChar entrySeparator = QLatin1Char('\n');

} // namespace

FindAndReplaceDialog::FindAndReplaceDialog(QWidget *parent)
    : QDialog(parent, Qt::Tool)
    , ui(new Ui::FindAndReplaceDialog)
{
    ui->setupUi(this);

    connect(ui->findLineEdit, &UnicodeLineEdit::editingFinished,
            this, &FindAndReplaceDialog::on_findNextBtn_clicked);
    connect(ui->replaceLineEdit, &UnicodeLineEdit::editingFinished,
            this, &FindAndReplaceDialog::on_replaceNextBtn_clicked);

    QString problem;
    {
        History history;
        m_findHistory = history.load(findTable).split(entrySeparator);
        m_replaceHistory = history.load(replaceTable).split(entrySeparator);
        problem = history.errorString();
    }
    ui->findLineEdit->setWords(m_findHistory);
    ui->replaceLineEdit->setWords(m_replaceHistory);
    ui->findLineEdit->setCompleterPopupAtCursor(true);
    ui->replaceLineEdit->setCompleterPopupAtCursor(true);

    connect(ui->findArrowBtn, &QToolButton::clicked,
            this, &FindAndReplaceDialog::onFindArrowBtnClicked);
    connect(ui->replaceArrowBtn, &QToolButton::clicked,
            this, &FindAndReplaceDialog::onReplaceArrowBtnClicked);

    setStyleSheet(QStringLiteral(
            "QDialog{background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:1, y2:1,   "
            "stop:0 #DCDCDC, stop:1 #C0C0C0); color: #ffffff; border-radius: 1px; "
            "border: 1px solid black;}"));

    StoreNotice::show(parent ? parent : this, problem);
}

FindAndReplaceDialog::~FindAndReplaceDialog()
{
    // The panel goes with the program, which must not wait for anyone to
    // read a box on its way out: what went wrong is in the log.
    {
        History history;
        history.save(findTable, m_findHistory.join(entrySeparator));
        history.save(replaceTable, m_replaceHistory.join(entrySeparator));
    }
    delete ui;
}

void FindAndReplaceDialog::setEditor(UnicodeKaEditor *editor, int language, int keyboard)
{
    if (!editor)
        return;
    m_editor = editor;
    keepEditorSelectionVisible();

    const QTextCursor cursor = editor->textCursor();
    if (cursor.hasSelection())
        ui->findLineEdit->setText(cursor.selectedText());
    ui->findLineEdit->setLanguage(language, keyboard);
    ui->replaceLineEdit->setLanguage(language, keyboard);
    m_returnCursor = cursor;
    focusFindField();
}

void FindAndReplaceDialog::setMode(int mode)
{
    setWindowTitle(mode == 0 ? tr("Yavo - Find") : tr("Yavo - Find and Replace"));
}

bool FindAndReplaceDialog::find(bool forward)
{
    if (!m_editor)
        return true;
    ui->findLineEdit->resetComposition();
    ui->replaceLineEdit->resetComposition();
    ui->findLineEdit->ensureCursorVisible();

    const QString text = ui->findLineEdit->text();
    if (text.isEmpty())
        return true;
    remember(m_findHistory, text, ui->findLineEdit);

    const QTextDocument::FindFlags flags = searchFlags(forward);
    m_returnCursor = m_editor->textCursor();
    m_returnCursor.clearSelection();
    if (WholeWordSearch::find(m_editor, text, flags))
        return true;
    wrapAround(!forward);
    if (WholeWordSearch::find(m_editor, text, flags))
        return true;

    if (m_lastAction != ReplaceAll)
        showInformation(tr("Done!"));
    restoreEditorCursor(false);
    return false;
}

void FindAndReplaceDialog::restoreEditorCursor(bool focus)
{
    if (!m_editor)
        return;
    // A cursor kept from a document the editor no longer shows is no place
    // to go back to.
    if (m_returnCursor.document() == m_editor->document())
        m_editor->setTextCursor(m_returnCursor);
    if (focus)
        m_editor->setFocus(Qt::OtherFocusReason);
}

void FindAndReplaceDialog::retranslate()
{
    ui->retranslateUi(this);
}

void FindAndReplaceDialog::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
}

void FindAndReplaceDialog::closeEvent(QCloseEvent *event)
{
    restoreEditorCursor(true);
    QDialog::closeEvent(event);
}

void FindAndReplaceDialog::showEvent(QShowEvent *event)
{
    focusFindField();
    QDialog::showEvent(event);
}

void FindAndReplaceDialog::hideEvent(QHideEvent *event)
{
    // A minimised window hides the panel too; that must not move the
    // user's cursor.
    if (!event->spontaneous())
        restoreEditorCursor(true);
    QDialog::hideEvent(event);
}

void FindAndReplaceDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void FindAndReplaceDialog::on_replaceAllBtn_clicked()
{
    if (!m_editor)
        return;
    m_lastAction = ReplaceAll;
    ui->findLineEdit->resetComposition();
    ui->replaceLineEdit->resetComposition();

    const QString findText = ui->findLineEdit->text();
    if (findText.isEmpty())
        return;
    remember(m_findHistory, findText, ui->findLineEdit);
    const QString replaceText = ui->replaceLineEdit->text();

    QTextDocument *document = m_editor->document();
    // Follows the edits, but stays in front of a text put in where it
    // stands, so the user's cursor does not jump over a replacement.
    const QTextCursor current = m_editor->textCursor();
    QTextCursor keptAnchor(document);
    keptAnchor.setPosition(current.anchor());
    keptAnchor.setKeepPositionOnInsert(true);
    QTextCursor keptPosition(document);
    keptPosition.setPosition(current.position());
    keptPosition.setKeepPositionOnInsert(true);

    // One pass from the cursor to the end, then one from the start back to
    // where the pass began. The search always goes on after the text just
    // put in, so a replacement that matches again is never replaced twice.
    // A match that covers the cursor belongs to the first pass.
    int start = current.selectionStart();
    QTextCursor probe(document);
    probe.setPosition(qMax(0, start - findText.size() + 1));
    const QTextCursor covering = WholeWordSearch::find(document, findText, probe, searchFlags(true));
    if (!covering.isNull() && covering.selectionStart() < start)
        start = covering.selectionStart();

    QTextCursor block(document);
    block.beginEditBlock();
    int count = replaceAllFrom(start, -1, findText, replaceText);
    count += replaceAllFrom(0, start, findText, replaceText);
    block.endEditBlock();

    if (count > 0 && !replaceText.isEmpty())
        remember(m_replaceHistory, replaceText, ui->replaceLineEdit);
    QTextCursor restored(document);
    restored.setPosition(keptAnchor.position());
    restored.setPosition(keptPosition.position(), QTextCursor::KeepAnchor);
    // Setting the cursor scrolls it into view, for which all the text above
    // it must be laid out; after replacements all over a long document that
    // would hold the window up while its layout is being redone.
    const QTextCursor moved = m_editor->textCursor();
    if (moved.anchor() != restored.anchor() || moved.position() != restored.position())
        m_editor->setTextCursor(restored);
    showInformation(tr("Replaced %1 occurrence(s)").arg(count));
}

int FindAndReplaceDialog::replaceAllFrom(int start, int end, const QString &findText,
                                         const QString &replaceText)
{
    QTextDocument *document = m_editor->document();
    // The end is a cursor so that it follows the replacements before it.
    QTextCursor limit(document);
    if (end >= 0) {
        limit.setPosition(end);
        limit.setKeepPositionOnInsert(true);
    }
    QTextCursor from(document);
    from.setPosition(start);
    int count = 0;
    for (;;) {
        QTextCursor match = WholeWordSearch::find(document, findText, from, searchFlags(true));
        if (match.isNull() || (end >= 0 && match.selectionEnd() > limit.position()))
            break;
        match.insertText(replaceText);
        ++count;
        from = match;
    }
    return count;
}

void FindAndReplaceDialog::on_replaceNextBtn_clicked()
{
    if (!m_editor)
        return;
    m_lastAction = ReplaceAndFind;
    replaceSelection();
    find(true);
}

void FindAndReplaceDialog::on_findPrevBtn_clicked()
{
    m_lastAction = Find;
    find(false);
}

void FindAndReplaceDialog::on_findNextBtn_clicked()
{
    m_lastAction = Find;
    find(true);
}

void FindAndReplaceDialog::on_replaceBtn_clicked()
{
    if (!m_editor)
        return;
    m_lastAction = Replace;
    replaceSelection();
}

void FindAndReplaceDialog::onExpandReplaceButtonToggled(bool checked)
{
    Q_UNUSED(checked)
}

void FindAndReplaceDialog::onFindArrowBtnClicked()
{
    ui->findLineEdit->showCompleter();
}

void FindAndReplaceDialog::onReplaceArrowBtnClicked()
{
    ui->replaceLineEdit->showCompleter();
}

void FindAndReplaceDialog::keepEditorSelectionVisible()
{
    QPalette palette = m_editor->palette();
    palette.setBrush(QPalette::Inactive, QPalette::Highlight,
                     QBrush(palette.color(QPalette::Active, QPalette::Highlight)));
    palette.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                     QBrush(palette.color(QPalette::Active, QPalette::HighlightedText)));
    m_editor->setPalette(palette);
}

void FindAndReplaceDialog::wrapAround(bool backward)
{
    QTextCursor cursor(m_editor->document());
    cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    m_editor->setTextCursor(cursor);
}

bool FindAndReplaceDialog::replaceSelection()
{
    const QString replaceText = ui->replaceLineEdit->text();
    QTextCursor cursor = m_editor->textCursor();
    bool replaced = false;
    if (cursor.hasSelection() && cursor.selectedText() == ui->findLineEdit->text()) {
        cursor.insertText(replaceText);
        replaced = true;
    }
    if (!replaceText.isEmpty())
        remember(m_replaceHistory, replaceText, ui->replaceLineEdit);
    return replaced;
}

void FindAndReplaceDialog::focusFindField()
{
    ui->findLineEdit->resetComposition();
    ui->replaceLineEdit->resetComposition();
    ui->findLineEdit->ensureCursorVisible();
    ui->findLineEdit->setFocus(Qt::OtherFocusReason);
    ui->findLineEdit->selectAll();
}

QTextDocument::FindFlags FindAndReplaceDialog::searchFlags(bool forward) const
{
    QTextDocument::FindFlags flags;
    if (!forward)
        flags |= QTextDocument::FindBackward;
    if (ui->wholeWordsCheckBox->isChecked())
        flags |= QTextDocument::FindWholeWords;
    return flags;
}

void FindAndReplaceDialog::showInformation(const QString &text)
{
    QMessageBox::information(m_editor, Utils::displayName(), text);
}

void FindAndReplaceDialog::remember(QStringList &history, const QString &text,
                                    UnicodeLineEdit *field)
{
    if (history.contains(text))
        return;
    history.prepend(text);
    field->addWords(history);
}
