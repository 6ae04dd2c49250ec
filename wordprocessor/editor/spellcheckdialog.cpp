#include "editor/spellcheckdialog.h"
#include "ui_spellcheckdialog.h"

#include "editor/unicodekaeditor.h"
#include "editor/wholewordsearch.h"

#include "utils/utils.h"
#include "widgets/unicodelineedit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>

#include <algorithm>

namespace {

// Marks the editor's extra selection that is the dialog's own, so that the
// editor's other extra selections are left alone.
constexpr int highlightMarker = QTextFormat::UserProperty + 0x5C;

} // namespace

SpellCheckDialog::SpellCheckDialog(Utils *utils, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint)
    , ui(new Ui::SpellCheckDialog)
    , m_utils(utils)
{
    ui->setupUi(this);
    connect(ui->suggestionsList, &QListWidget::itemDoubleClicked,
            this, &SpellCheckDialog::onSuggestionDoubleClicked);
    connect(ui->suggestionsList, &QListWidget::currentRowChanged,
            this, &SpellCheckDialog::onCurrentRowChanged);
    connect(ui->changeToLineEdit, &UnicodeLineEdit::editingFinished,
            this, &SpellCheckDialog::on_changePushButton_clicked);

    m_highlightFormat.setUnderlineColor(Qt::red);
    m_highlightFormat.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    m_highlightFormat.setProperty(highlightMarker, true);
}

SpellCheckDialog::~SpellCheckDialog()
{
    setHighlight(false);
    delete ui;
}

void SpellCheckDialog::setEditor(UnicodeKaEditor *editor, int language, int keyboard)
{
    if (m_editor != editor)
        setHighlight(false);
    m_editor = editor;
    ui->changeToLineEdit->setLanguage(language, keyboard);
}

void SpellCheckDialog::startCheck()
{
    if (!m_editor)
        return;
    m_currentWord.clear();
    m_walkCursor = QTextCursor(m_editor->document());
    open();
    activateWindow();
    checkNextWord();
}

void SpellCheckDialog::reject()
{
    removeHighlight();
    QDialog::reject();
}

void SpellCheckDialog::closeEvent(QCloseEvent *event)
{
    QDialog::closeEvent(event);
    event->accept();
}

void SpellCheckDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

bool SpellCheckDialog::checkNextWord()
{
    if (!m_editor)
        return true;
    // A loop, not a recursion: thousands of known words in a row must not
    // deepen the stack.
    for (;;) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const bool found = selectNextWord();
        QApplication::restoreOverrideCursor();
        if (!found)
            break;
        if (showMisspelledWord())
            return true;
    }
    m_currentWord.clear();
    clearFields();
    hide();
    QMessageBox::information(this, windowTitle(), tr("Done\t\t"));
    return true;
}

bool SpellCheckDialog::selectNextWord()
{
    m_walkCursor.clearSelection();
    for (;;) {
        if (m_walkCursor.atStart())
            m_walkCursor.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
        if (m_walkCursor.hasSelection())
            return true;
        const int before = m_walkCursor.position();
        if (!m_walkCursor.movePosition(QTextCursor::NextWord)
                && !m_walkCursor.movePosition(QTextCursor::NextBlock))
            return false;
        if (m_walkCursor.position() <= before)
            return false;
        m_walkCursor.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
        if (m_walkCursor.hasSelection())
            return true;
    }
}

bool SpellCheckDialog::showMisspelledWord()
{
    m_currentWord = m_walkCursor.selectedText().simplified();
    // Without a word list every word counts as misspelled.
    if (m_utils && !m_utils->isMisspelled(m_currentWord)) {
        m_currentWord.clear();
        return false;
    }
    m_savedFormat = m_walkCursor.charFormat();
    setHighlight(true);
    m_editor->setTextCursor(m_walkCursor);
    m_editor->ensureCursorVisible();

    ui->misSpelledLineEdit->setText(m_currentWord);
    ui->changeToLineEdit->setText(QString());
    ui->suggestionsList->clear();
    const QStringList suggestions = m_utils ? m_utils->suggestions(m_currentWord) : QStringList();
    if (suggestions.isEmpty()) {
        ui->changeToLineEdit->setFocus(Qt::OtherFocusReason);
    } else {
        ui->suggestionsList->addItems(suggestions);
        ui->suggestionsList->setCurrentRow(0);
    }
    return true;
}

void SpellCheckDialog::clearFields()
{
    ui->changeToLineEdit->setText(QString());
    ui->suggestionsList->clear();
    ui->misSpelledLineEdit->clear();
}

void SpellCheckDialog::removeHighlight()
{
    setHighlight(false);
    if (m_editor && hasWordOnShow())
        m_editor->setTextCursor(m_walkCursor);
}

void SpellCheckDialog::setHighlight(bool on)
{
    if (!m_editor)
        return;
    QList<QTextEdit::ExtraSelection> selections = m_editor->extraSelections();
    selections.erase(std::remove_if(selections.begin(), selections.end(),
                                    [](const QTextEdit::ExtraSelection &selection) {
                                        return selection.format.hasProperty(highlightMarker);
                                    }),
                     selections.end());
    if (on)
        selections.append({m_walkCursor, m_highlightFormat});
    m_editor->setExtraSelections(selections);
}

bool SpellCheckDialog::hasWordOnShow() const
{
    return !m_currentWord.isEmpty() && m_editor
            && m_walkCursor.document() == m_editor->document();
}

void SpellCheckDialog::onCurrentRowChanged(int row)
{
    Q_UNUSED(row)
    if (QListWidgetItem *item = ui->suggestionsList->currentItem())
        ui->changeToLineEdit->setText(item->text());
}

void SpellCheckDialog::on_ignorePushButton_clicked()
{
    if (!hasWordOnShow())
        return;
    if (m_utils)
        m_utils->ignoreWord(m_currentWord);
    removeHighlight();
    checkNextWord();
}

void SpellCheckDialog::on_ignoreAllPushButton_clicked()
{
    on_ignorePushButton_clicked();
}

void SpellCheckDialog::on_addToDictionary_clicked()
{
    if (!hasWordOnShow())
        return;
    if (m_utils) {
        m_utils->addToUserDictionary(m_currentWord, nullptr);
        m_utils->addWord(m_currentWord);
    }
    removeHighlight();
    checkNextWord();
}

void SpellCheckDialog::on_changePushButton_clicked()
{
    if (!hasWordOnShow())
        return;
    removeHighlight();
    QTextCursor cursor = m_editor->textCursor();
    cursor.insertText(ui->changeToLineEdit->text(), m_savedFormat);
    checkNextWord();
}

void SpellCheckDialog::on_changeAllPushButton_clicked()
{
    if (!hasWordOnShow())
        return;
    removeHighlight();
    const QString replacement = ui->changeToLineEdit->text();
    // One undo step for the whole change. The search goes on after each new
    // text, never above the word on show and never around the end.
    QTextCursor block(m_editor->document());
    block.beginEditBlock();
    while (m_editor->textCursor().hasSelection()) {
        QTextCursor cursor = m_editor->textCursor();
        cursor.insertText(replacement, m_savedFormat);
        WholeWordSearch::find(m_editor, m_currentWord, QTextDocument::FindWholeWords);
    }
    block.endEditBlock();
    checkNextWord();
}

void SpellCheckDialog::onSuggestionDoubleClicked(QListWidgetItem *item)
{
    if (!item)
        return;
    ui->changeToLineEdit->setText(item->text());
    on_changePushButton_clicked();
}

void SpellCheckDialog::on_closePushButton_clicked()
{
    close();
}
