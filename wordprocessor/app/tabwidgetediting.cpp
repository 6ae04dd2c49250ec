// The tab widget's editing commands and the language tools it shares among
// its editors: the find panel, the spell-check dialog, the word completer,
// the online and offline dictionaries, and the conversion of a document
// into another script.
#include "app/tabwidget.h"

#include "app/mainwindow.h"
#include "app/scriptconvertdialog.h"
#include "app/settingsdialog.h"
#include "app/ui_mainwindow.h"
#include "app/userinputhold.h"
#include "app/yvtabcontentwidget.h"

#include "core/sharedsettings.h"
#include "editor/edituserdict.h"
#include "editor/findandreplacedialog.h"
#include "editor/spellcheckdialog.h"
#include "editor/storenotice.h"
#include "editor/unicodekaeditor.h"
#include "editor/userdict.h"
#include "editor/wiktionaryonline.h"
#include "editor/yavokoshadialog.h"
#include "utils/utils.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFile>
#include <QFontComboBox>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScopedPointer>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextStream>

namespace {

const QChar zeroWidthJoiner(0x200D);
const QChar zeroWidthNonJoiner(0x200C);
const QString aboutPage = QStringLiteral(":/resources/about.html");
const QString userWordsTable = QStringLiteral("UnicodeWords");

} // namespace

void TabWidget::connectEditingActions()
{
    Ui::MainWindow *ui = m_mainWindow->ui();
    struct Connection
    {
        QAction *action;
        const char *signal;
        const char *slot;
    };
    const Connection connections[] = {
        {ui->actionBold, SIGNAL(triggered()), SLOT(slotTextBold())},
        {ui->actionUnderline, SIGNAL(triggered()), SLOT(slotTextUnderline())},
        {ui->actionItalic, SIGNAL(triggered()), SLOT(slotTextItalic())},
        {ui->actionText_color, SIGNAL(triggered()), SLOT(slotTextColor())},
        {ui->actionBackground_Color, SIGNAL(triggered()), SLOT(slotBackgroundColor())},
        {ui->actionCut, SIGNAL(triggered()), SLOT(slotCut())},
        {ui->actionCopy, SIGNAL(triggered()), SLOT(slotCopy())},
        {ui->actionPaste, SIGNAL(triggered()), SLOT(slotPaste())},
        {ui->actionUndo, SIGNAL(triggered()), SLOT(slotUndo())},
        {ui->actionRedo, SIGNAL(triggered()), SLOT(slotRedo())},
        {ui->actionSelect_All, SIGNAL(triggered()), SLOT(slotSelectAll())},
        {ui->actionClear, SIGNAL(triggered()), SLOT(slotClear())},
        {ui->actionKeyboardLayout, SIGNAL(triggered()), SLOT(slotToggleKeyboardLayout())},
        {ui->actionPicture, SIGNAL(triggered()), SLOT(slotInsertPicture())},
        {ui->actionInsert_Table, SIGNAL(triggered()), SLOT(slotInsertTable())},
        {ui->actionFind, SIGNAL(triggered()), SLOT(onFind())},
        {ui->actionFind_2, SIGNAL(triggered()), SLOT(onFind())},
        {ui->actionFind_Next, SIGNAL(triggered()), SLOT(onFindNext())},
        {ui->actionFind_Previous, SIGNAL(triggered()), SLOT(onFindPrevious())},
        {ui->actionEnglishLanguage, SIGNAL(triggered()), SLOT(slotToggleLanguage())},
        {ui->actionSpellCheck, SIGNAL(triggered()), SLOT(slotSpellCheck())},
        {ui->actionSettings, SIGNAL(triggered()), SLOT(slotSettingsClicked())},
        {ui->actionLink, SIGNAL(triggered()), SLOT(slotInsertHyperLink())},
        {ui->actionScriptConvert, SIGNAL(triggered()), SLOT(slotActionScriptConverter())},
        {ui->actionZoomIn, SIGNAL(triggered()), SLOT(slotZoomIn())},
        {ui->actionZoomOut, SIGNAL(triggered()), SLOT(slotZoomOut())},
        {ui->actionSearch_Window, SIGNAL(triggered()), SLOT(slotShowWiktionaryOnline())},
        {ui->actionYavoKosha, SIGNAL(triggered()), SLOT(onActionYavoKoshaClicked())},
        {ui->actionAdd_Words_to_Dictionary, SIGNAL(triggered()), SLOT(onEditUserToDictionary())},
        {ui->actionClearFormatting, SIGNAL(triggered()), SLOT(onClearFormattingClicked())},
        {ui->actionInsert_ZWJ, SIGNAL(triggered()), SLOT(onInsertZWJ())},
        {ui->actionInsert_ZWNJ, SIGNAL(triggered()), SLOT(onInsertZWNJ())},
    };
    // Unique: a command connected twice would run twice (two undo steps for
    // one Undo).
    for (const Connection &c : connections)
        connect(c.action, c.signal, this, c.slot, Qt::UniqueConnection);
}

bool TabWidget::hasCurrentEditor() const
{
    return !m_currentEditor.isNull();
}

// --- Commands handed to the current editor ------------------------------

void TabWidget::slotTextBold()
{
    if (m_currentEditor)
        m_currentEditor->slotTextBold(m_mainWindow->ui()->actionBold->isChecked());
}

void TabWidget::slotTextUnderline()
{
    if (m_currentEditor)
        m_currentEditor->slotTextUnderline(m_mainWindow->ui()->actionUnderline->isChecked());
}

void TabWidget::slotTextItalic()
{
    if (m_currentEditor)
        m_currentEditor->slotTextItalic(m_mainWindow->ui()->actionItalic->isChecked());
}

void TabWidget::slotTextColor()
{
    if (m_currentEditor)
        m_currentEditor->slotTextColor();
}

void TabWidget::slotBackgroundColor()
{
    if (m_currentEditor)
        m_currentEditor->slotBackgroundColor();
}

void TabWidget::slotCut()
{
    if (m_currentEditor)
        m_currentEditor->cut();
}

void TabWidget::slotCopy()
{
    if (m_currentEditor)
        m_currentEditor->copySpecial();
}

void TabWidget::slotPaste()
{
    if (m_currentEditor)
        m_currentEditor->paste();
}

void TabWidget::slotUndo()
{
    if (m_currentEditor)
        m_currentEditor->undo();
}

void TabWidget::slotRedo()
{
    if (m_currentEditor)
        m_currentEditor->redo();
}

void TabWidget::slotClear()
{
    // Replacing everything by nothing is one edit, which Undo takes back.
    if (m_currentEditor) {
        m_currentEditor->selectAll();
        m_currentEditor->insertPlainText(QString());
    }
}

void TabWidget::slotSelectAll()
{
    if (m_currentEditor)
        m_currentEditor->selectAll();
}

void TabWidget::slotInsertPicture()
{
    if (m_currentEditor)
        m_currentEditor->slotInsertPicture();
}

void TabWidget::slotInsertTable()
{
    if (m_currentEditor)
        m_currentEditor->slotInsertTable();
}

void TabWidget::slotInsertHyperLink()
{
    if (m_currentEditor)
        m_currentEditor->slotInsertHyperLink();
}

void TabWidget::onClearFormattingClicked()
{
    if (m_currentEditor)
        m_currentEditor->setDefaultCharFormat();
}

void TabWidget::onInsertZWJ()
{
    if (m_currentEditor)
        m_currentEditor->insertTextAtCursor(QString(zeroWidthJoiner));
}

void TabWidget::onInsertZWNJ()
{
    if (m_currentEditor)
        m_currentEditor->insertTextAtCursor(QString(zeroWidthNonJoiner));
}

void TabWidget::slotZoomIn()
{
    if (m_currentEditor)
        m_currentEditor->zoomIn(1);
}

void TabWidget::slotZoomOut()
{
    if (m_currentEditor)
        m_currentEditor->zoomOut(1);
}

void TabWidget::slotToggleLanguage()
{
    if (!m_currentEditor)
        return;
    // The icon shows what the toggle is about to switch to.
    m_mainWindow->ui()->actionEnglishLanguage->setIcon(QIcon(
            m_currentEditor->isIndicInputOn() ? QStringLiteral(":/resources/lo_english_32.png")
                                              : QStringLiteral(":/resources/lo_kannada_32.png")));
    m_currentEditor->slotToggleLanguage();
}

void TabWidget::slotToggleKeyboardLayout()
{
    if (!m_currentEditor)
        return;
    m_mainWindow->ui()->actionKeyboardLayout->setIcon(QIcon(
            m_currentEditor->keyboard() != 0 ? QStringLiteral(":/resources/lo_baraha_32.png")
                                             : QStringLiteral(":/resources/lo_kagapa_32.png")));
    // The menus follow the layout an editor reports as if it were the
    // current one: the other tabs step in silence, or the current editor
    // would be set to their layouts on the way.
    for (int i = 0; i < count(); ++i) {
        UnicodeKaEditor *editor = editorAtIndex(i);
        if (editor && editor != m_currentEditor) {
            const QSignalBlocker quiet(editor);
            editor->slotToggleKeyboardLayout();
        }
    }
    m_currentEditor->slotToggleKeyboardLayout();
}

// --- Find panel ---------------------------------------------------------

void TabWidget::showFindPanel(bool show)
{
    if (!m_currentEditor)
        return;
    if (!m_findPanel)
        m_findPanel = new FindAndReplaceDialog(this);
    if (show) {
        emit showLowerWidget(m_findPanel);
        m_findPanel->show();
    }
    m_findPanel->setEditor(m_currentEditor, m_language, m_keyboard);
}

void TabWidget::bindFindPanel()
{
    if (m_findPanel && m_currentEditor)
        m_findPanel->setEditor(m_currentEditor, m_language, m_keyboard);
}

void TabWidget::onFind()
{
    showFindPanel(true);
    if (m_findPanel && m_currentEditor)
        m_findPanel->setMode(0);
}

void TabWidget::slotFindAndReplace()
{
    showFindPanel(true);
    if (m_findPanel && m_currentEditor)
        m_findPanel->setMode(1);
}

void TabWidget::onFindNext()
{
    findAgain(true);
}

void TabWidget::onFindPrevious()
{
    findAgain(false);
}

void TabWidget::findAgain(bool forward)
{
    // A hidden panel stays hidden: it searches with what the editor has
    // selected, or else with its field as last used.
    showFindPanel(false);
    if (m_findPanel && m_currentEditor) {
        m_findPanel->setMode(0);
        m_findPanel->find(forward);
    }
}

bool TabWidget::onEscapePressed()
{
    if (!m_findPanel || !m_findPanel->isVisible())
        return false;
    m_findPanel->restoreEditorCursor(true);
    m_findPanel->hide();
    return true;
}

void TabWidget::refreshFindDialog()
{
    if (m_findPanel)
        m_findPanel->retranslate();
}

// --- Spelling and completion --------------------------------------------

void TabWidget::slotSpellCheck()
{
    if (!m_spellCheckDialog)
        m_spellCheckDialog = new SpellCheckDialog(m_utils, this);
    if (!m_currentEditor)
        return;
    m_spellCheckDialog->setLanguage(m_currentEditor, m_language, m_keyboard);
    m_spellCheckDialog->startCheck();
}

void TabWidget::slotLoadCompleter()
{
    if (!m_completer) {
        m_completer = m_utils->completer();
        QString text;
        QString problem;
        {
            UserDict store;
            text = store.load(userWordsTable);
            problem = store.errorString();
        }
        // A damaged store has been set aside with what could be read of it;
        // the user must learn where, not only the log.
        StoreNotice::show(this, problem);
        if (!text.isEmpty()) {
            QStringList words = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            words.removeDuplicates();
            m_utils->addWords(words);
        }
        // Until now every word counted as misspelled: the documents opened
        // meanwhile (those named on the command line) are checked again.
        setSpellCheckAsYouType(spellCheckAsYouType());
        if (QAbstractItemView *popup = m_completer->popup())
            popup->setFont(QFont(m_comboFont->currentText(), 11));
    }
    if (m_currentEditor)
        bindCompleter();
}

void TabWidget::bindCompleter()
{
    if (!m_completer)
        return;
    // Only this tab widget's own connection goes; the completer's other
    // signals are no business of the tab that loses it.
    disconnect(m_completer, SIGNAL(activated(QString)), nullptr, nullptr);
    if (!m_currentEditor)
        return;
    m_completer->setWidget(m_currentEditor);
    m_currentEditor->setCompleter(m_completer);
    connect(m_completer, SIGNAL(activated(QString)), m_currentEditor, SLOT(insertCompletion(QString)));
    if (QAbstractItemView *popup = m_completer->popup())
        popup->setFont(QFont(m_currentEditor->fontFamily(), 11));
}

void TabWidget::onEditUserToDictionary()
{
    EditUserDict dialog;
    dialog.setLanguage(m_language, m_keyboard);
    dialog.exec();
}

// --- Dictionaries -------------------------------------------------------

WiktionaryOnline *TabWidget::wiktionaryDialog()
{
    if (!m_wiktionaryDialog)
        m_wiktionaryDialog = new WiktionaryOnline(this);
    return m_wiktionaryDialog;
}

void TabWidget::slotShowWiktionaryOnline()
{
    WiktionaryOnline *dialog = wiktionaryDialog();
    if (!m_currentEditor)
        return;
    dialog->setLanguage(m_language, m_keyboard);
    dialog->show();
    // The editor names the word under its cursor through searchString(),
    // which reaches slotSearchString; on blank space it says nothing.
    m_currentEditor->slotSearchString();
}

void TabWidget::slotSearchString(const QString &str)
{
    WiktionaryOnline *dialog = wiktionaryDialog();
    dialog->setLanguage(m_language, m_keyboard);
    if (!str.isEmpty())
        dialog->searchWord(str);
    dialog->show();
}

YavoKoshaDialog *TabWidget::dictionaryDialog()
{
    if (!m_dictionaryDialog)
        m_dictionaryDialog = new YavoKoshaDialog(this);
    return m_dictionaryDialog;
}

void TabWidget::onActionYavoKoshaClicked()
{
    YavoKoshaDialog *dialog = dictionaryDialog();
    dialog->setLanguage(m_language, m_keyboard);
    dialog->show();
}

void TabWidget::onSearchInYavoKosha()
{
    YavoKoshaDialog *dialog = dictionaryDialog();
    if (!m_currentEditor)
        return;
    const QString word = m_currentEditor->textUnderCursor().simplified();
    if (word.isEmpty())
        return;
    dialog->setLanguage(m_language, m_keyboard);
    dialog->show();
    dialog->searchWord(word);
}

// --- Script conversion --------------------------------------------------

void TabWidget::slotActionScriptConverter()
{
    if (!m_currentEditor)
        return;
    const QString text = m_currentEditor->toPlainText();
    if (text.isEmpty()) {
        QMessageBox::information(this, QGuiApplication::applicationDisplayName(),
                                 tr("Input text is empty!"), QMessageBox::Ok);
        return;
    }
    int target = 0;
    {
        ScriptConvertDialog dialog(m_language, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        target = dialog.destinationIndex();
    }

    QPointer<UnicodeKaEditor> editor = createEditor();
    addTab(newTabContent(editor), nextUntitledName());
    setCurrentIndex(count() - 1);
    // What the user types during the conversion goes into its result once
    // the message below is closed: while the message shows, the window
    // takes no keys.
    const UserInputHold::Scope hold(m_inputHold);
    setProgressBarVisibility(true);
    // The result goes into a document of its own, with no view, which the
    // editor then takes over whole, as with a file opened: put into the
    // shown editor, every paragraph of it would be laid out at once.
    QScopedPointer<QTextDocument> converted(convertedDocument(text, target));
    if (editor) {
        adoptInto(editor, converted.take());
        keepAsUnsavedResult(editor);
    }
    setProgressBarVisibility(false);
    slotChangeLanguage(target);

    QMessageBox::information(this, QGuiApplication::applicationDisplayName(),
                             tr("Done. Check the output in <b>%1</b> tab!").arg(tabText(count() - 1)),
                             QMessageBox::Ok);
}

// --- Operations that no command reaches ---------------------------------

void TabWidget::slotSettingsClicked()
{
    SettingsDialog dialog;
    dialog.exec();
}

void TabWidget::slotHelp()
{
    UnicodeKaEditor *editor = createEditor();
    loadAboutPage(editor);
    editor->setFileName(aboutPage);
    setCurrentIndex(count() - 1);
}

void TabWidget::loadAboutPage(QTextEdit *editor)
{
    if (!editor)
        return;
    QFile file(aboutPage);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream stream(&file);
    stream.setCodec(utf8CodecName.constData());
    stream.setAutoDetectUnicode(true);
    QString html;
    QString line;
    while (stream.readLineInto(&line))
        html += line;
    editor->setWordWrapMode(QTextOption::WordWrap);
    editor->setLineWrapMode(QTextEdit::WidgetWidth);
    editor->setBackgroundRole(QPalette::Window);
    editor->setHtml(html);
    editor->moveCursor(QTextCursor::Start);
    editor->setReadOnly(true);
}

void TabWidget::callProcessEvents()
{
    QCoreApplication::processEvents();
}

void TabWidget::slotPopupAnsiEditor(bool on)
{
    Q_UNUSED(on)
}

void TabWidget::slotTypingActionToggled(bool on)
{
    Q_UNUSED(on)
}

void TabWidget::slotCurrentCharFormatChanged(const QTextCharFormat &f)
{
    Q_UNUSED(f)
}
