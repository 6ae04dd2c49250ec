#ifndef YAVO_TABWIDGET_H
#define YAVO_TABWIDGET_H

#include "app/documentopener.h"
#include "editor/editorowner.h"

#include <QList>
#include <QPair>
#include <QPointer>
#include <QStringList>
#include <QTabWidget>

#include <functional>

class FindAndReplaceDialog;
class MainWindow;
class QAction;
class QActionGroup;
class QComboBox;
class QCompleter;
class QFile;
class QFileSystemWatcher;
class QFontComboBox;
class QLabel;
class QMenu;
class QProgressBar;
class QSpinBox;
class QTextCharFormat;
class QTextCursor;
class QTextDocument;
class QTextEdit;
class QTimer;
class SpellCheckDialog;
class UnicodeKaEditor;
class UserInputHold;
class Utils;
class WiktionaryOnline;
class YavoKoshaDialog;
class yvQuickBytesToolBar;
class yvTabContentWidget;
class yvZoomControllerWidget;

// The word processor's document manager: one tab per document, each tab
// page framing one editor. It creates and wires the editors, opens files
// into them, and keeps the shared services of all editors (word list,
// QuickBytes toolbar, file watcher, zoom level).
class TabWidget : public QTabWidget, public DocumentOpener, public EditorOwner
{
    Q_OBJECT

public:
    explicit TabWidget(MainWindow *parent);
    ~TabWidget() override;

    // EditorOwner
    int fontSize() const override;
    QWidget *mainWindow() const override;

    int language() const;
    int lastIndicLanguage() const;
    int keyboard() const;
    yvQuickBytesToolBar *quickBytesToolBar() const;
    Utils *utils() const;

    UnicodeKaEditor *currentEditor();
    QString nextUntitledName();
    yvTabContentWidget *newTabContent(UnicodeKaEditor *editor);
    UnicodeKaEditor *createEditor();

    // DocumentOpener
    void openFile(const QString &path) override;
    void openInNewTab(const QString &path, QFile *file);
    void loadFile(const QString &path, QFile *file, UnicodeKaEditor *editor);
    // Reads a BRH file, its lines converted from the Phonetic keys into the
    // current language, into the document; false, with *error saying why,
    // when not all of it could be read.
    bool loadBrhFile(const QString &path, QFile *file, QTextDocument *doc, QString *error);
    void openStartupFiles(const QStringList &args);
    void addRecentFile(const QString &path);
    QStringList recentFiles() const;

    QString convertScript(const QString &text, int language, int keyboard);
    // The text converted line by line into a document of its own (Phonetic
    // keys for Latin text), the window kept live between lines while user
    // input waits; the caller owns the document.
    QTextDocument *convertedDocument(const QString &text, int language);

    QString fontFamily() const;
    int textEncodingIndex() const;
    int autoComplpetePrefixLength() const;
    bool spellCheckAsYouType() const;

    // Paths as this tab widget compares them: absolute and cleaned, with case.
    static QString canonicalPath(const QString &path);

    // The editing commands and language tools (tabwidgetediting.cpp).
    void showFindPanel(bool show);
    void refreshFindDialog();
    bool hasCurrentEditor() const;
    void loadAboutPage(QTextEdit *editor);

Q_SIGNALS:
    void showLowerWidget(QWidget *w);
    void loadCompleter();

public Q_SLOTS:
    bool onEscapePressed() override;
    UnicodeKaEditor *editorAtIndex(int index);
    int tabIndexOfOpenFilename(const QString &filepath);
    void setProgressBarVisibility(bool visible);
    void slotSetTabbarVisible(bool visible);
    QString workingDir();
    void onWorkingDirChanged(const QString &newdir);

    void slotNew();
    void appendDocument(QTextDocument *doc);
    void slotOpen();
    void slotCurrentChanged(int index);
    void onQuickBytesCharClicked(const QString &text);
    void slotLoadCompleter();

    bool slotSave();
    void slotSaveAs();
    bool slotTabCloseRequested(int index);
    void slotCloseCurrentTab();
    void slotDocumentModified(bool modified);
    bool slotExit();
    void slotRecentFilesMenuTriggered(QAction *action);
    void onFileChangedOutside(const QString &path);
    void slotSortAscending();
    void slotSortDescending();

    void slotPrint();
    void slotPrintPreview();
    void slotPageSetup();
    void slotExportToPdf();

    void slotLanguageActionToggled(bool checked);
    void slotChangeLanguage(int language);
    void slotLanguageChanged(int language);
    void slotKeyboardActionToggled(bool checked);
    void slotChangeKeyboard(int keyboard);
    void slotKeyboardChanged(int keyboard);
    void onEncodingActionTriggered(QAction *action);
    void setTextEncodingIndex(int encodingIndex);
    void slotTextFontFamily(const QString &f);
    void slotTextSize(const QString &p);
    void slotFontFamilyChanged(const QString &family);
    void setAutoComplpetePrefixLength(int length);
    void setSpellCheckAsYouType(bool on);
    void slotButtetsActionToggled(bool checked);
    void slotTextStyle(int styleIndex);
    void slotTextAlign(QAction *action);
    void slotAlignmentChanged(Qt::Alignment alignment);
    void slotFontChanged(const QFont &font);
    void onChooseFontClicked();
    void onIncreaseTextSizeClicked();
    void onDecreaseTextSizeClicked();
    void onTextChanged();
    void onCursorPositionChanged();

    // The editing commands and language tools (tabwidgetediting.cpp).
    void slotTextBold();
    void slotTextUnderline();
    void slotTextItalic();
    void slotTextColor();
    void slotBackgroundColor();
    void slotCut();
    void slotCopy();
    void slotPaste();
    void slotUndo();
    void slotRedo();
    void slotClear();
    void slotSelectAll();
    void slotInsertPicture();
    void slotInsertTable();
    void onClearFormattingClicked();
    void onInsertZWJ();
    void onInsertZWNJ();
    void onFind();
    void onFindNext();
    void onFindPrevious();
    void slotFindAndReplace();
    void slotSpellCheck();
    void slotShowWiktionaryOnline();
    void slotSearchString(const QString &str = QString());
    void onEditUserToDictionary();
    void slotActionScriptConverter();
    void slotToggleKeyboardLayout();
    void slotToggleLanguage();
    void slotSettingsClicked();
    void slotInsertHyperLink();
    void slotZoomIn();
    void slotZoomOut();
    void onActionYavoKoshaClicked();
    void onSearchInYavoKosha();
    void slotHelp();
    void callProcessEvents();
    void slotPopupAnsiEditor(bool on);
    void slotTypingActionToggled(bool on);
    void slotCurrentCharFormatChanged(const QTextCharFormat &f);

protected:
    void changeEvent(QEvent *event) override;
    void tabInserted(int index) override;

private:
    void connectEditingActions();
    void bindCompleter();
    void bindFindPanel();
    void findAgain(bool forward);
    YavoKoshaDialog *dictionaryDialog();
    WiktionaryOnline *wiktionaryDialog();
    void createFormatToolBar();
    void connectActions();
    void updateLanguageStatus(int index);
    void updateKeyboardStatus(int index);
    // A label on the main toolbar whose text follows the interface language.
    void addToolBarLabel(const char *text);
    void retranslate();
    void nameCloseButton(int index);
    QString installedFamily(const QString &family) const;
    bool readInto(const QString &path, QFile *file, QTextDocument *doc, QString *error);
    // Inserts `count` lines that `nextLine` gives, each converted into the
    // language as a paragraph of its own; the event loop runs between slices.
    void insertConverted(QTextCursor &cursor, int count, int language, const std::function<QString()> &nextLine);
    void onFontFamilyEdited();
    // Shows the tab that holds the file, or opens it; either way the file
    // goes to the top of the recent files.
    void showOrOpenFile(const QString &path);
    bool saveCurrent(bool saveAs);
    bool saveUnwatched(UnicodeKaEditor *editor, const std::function<bool()> &save);
    void sortLines(Qt::SortOrder order);
    void stepTextSize(int step);
    void showTextSize(const QString &size);
    void showWordCount();
    // Hands a document read or made apart to the editor, with the tab's
    // modified mark and the status bar following it.
    void adoptInto(UnicodeKaEditor *editor, QTextDocument *document);
    // Every tab that holds what a command made rather than a file goes
    // through here once it is filled.
    void keepAsUnsavedResult(UnicodeKaEditor *editor);
    void watch(const QString &path);
    // Asks whether to keep the text of a document whose file is gone.
    void keepOrCloseDeleted(const QString &path, const QPointer<UnicodeKaEditor> &editor);

    MainWindow *m_mainWindow = nullptr;
    QPointer<UnicodeKaEditor> m_currentEditor;
    QPointer<QSpinBox> m_prefixLengthSpinBox;
    QPointer<QComboBox> m_comboSize;
    QPointer<QFontComboBox> m_comboFont;
    QPointer<QCompleter> m_completer;
    Utils *m_utils = nullptr;
    int m_untitledCounter = 0;
    QProgressBar *m_progressBar = nullptr;
    QLabel *m_languageLabel = nullptr;
    QLabel *m_keyboardLabel = nullptr;
    QLabel *m_wordsLabel = nullptr;
    QTimer *m_wordCountTimer = nullptr;
    QLabel *m_lineLabel = nullptr;
    QLabel *m_columnLabel = nullptr;
    QPointer<yvZoomControllerWidget> m_zoomController;
    int m_language = 0;
    int m_lastIndicLanguage = 0;
    int m_keyboard = 0;
    int m_fontSize = 14;
    QList<QAction *> m_languageActions;
    QActionGroup *m_languageGroup = nullptr;
    QList<QAction *> m_bulletActions;
    QActionGroup *m_bulletGroup = nullptr;
    QList<QAction *> m_keyboardActions;
    QActionGroup *m_keyboardGroup = nullptr;
    QActionGroup *m_encodingGroup = nullptr;
    QMenu *m_recentFilesMenu = nullptr;
    QStringList m_recentFiles;
    QString m_workingDir;
    // Makes the user's input wait while a document is read or converted.
    UserInputHold *m_inputHold = nullptr;
    QPointer<QFileSystemWatcher> m_fileWatcher;
    QPointer<yvQuickBytesToolBar> m_quickBytesToolBar;
    QPointer<FindAndReplaceDialog> m_findPanel;
    QPointer<SpellCheckDialog> m_spellCheckDialog;
    QPointer<WiktionaryOnline> m_wiktionaryDialog;
    QPointer<YavoKoshaDialog> m_dictionaryDialog;
    QList<QPair<QPointer<QLabel>, const char *>> m_toolBarLabels;
};

#endif
