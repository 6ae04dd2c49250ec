#ifndef YAVO_UNICODEKAEDITOR_H
#define YAVO_UNICODEKAEDITOR_H

#include <QPointer>
#include <QString>
#include <QTextEdit>

class EditorOwner;
class Highlighter;
class HtmlMarkup;
class QCompleter;
class QFileDevice;
class QKeyEvent;
class QMenu;
class QMimeData;
class QPrinter;
class QTextCodec;
class QTextStream;
class QTimer;
class Utils;
class yvQuickBytesToolBar;

// The rich-text editor of one document of the word processor.
//
// While Indic input is on, the Latin keys of the word being typed are not
// typed: the editor keeps them in its key buffer and shows what the
// transliterator makes of them for the editor's language and keyboard
// layout, the whole word again at every key, each key one undo step. With
// the Transliteration layout the letters stay Latin until white space, a
// digit or punctuation ends the word, which is then converted at once.
// Any cursor move the editor did not make itself ends the word.
//
// The widget that creates the editor is its owner; when it implements
// EditorOwner, the editor asks it for its font size and hands it the Escape
// key.
//
// Besides the typing, the editor offers word completion from the shared
// completer, spelling aids and its own context menu, character and
// paragraph formatting, lists, tables, images and links, and it saves its
// document in the format its file name's suffix asks for.
class UnicodeKaEditor : public QTextEdit
{
    Q_OBJECT

public:
    UnicodeKaEditor(Utils *utils, int language, int keyboard, QWidget *parent = nullptr);
    // An editor with Indic input off, the KPRao layout, and no spell check.
    UnicodeKaEditor(Utils *utils, QWidget *parent = nullptr);
    ~UnicodeKaEditor() override;

    // Language and keyboard layout of the composition. Every change ends the
    // word being composed.
    void setLanguage(int language);
    void changeLanguage(int language);
    int language() const;
    int indicLanguage() const;
    bool isIndicInputOn() const;
    void setIndicInputOn(bool on);
    void setKeyboard(int keyboard);
    int keyboard() const;
    bool isInternalEdit() const;
    void setInternalEdit(bool internalEdit);

    QString textUnderCursor() const;
    QString blockUnderCursor() const;
    QString wholeText() const;
    // A backslash followed by n becomes a paragraph break.
    void insertTextAtCursor(const QString &text);
    void copySpecial();

    void setQuickBytesToolBar(yvQuickBytesToolBar *toolBar);

    // The completer is shared by every editor; it serves the focused one.
    void setCompleter(QCompleter *completer);
    QCompleter *completer() const;

    void mergeFormatOnWordOrSelection(const QTextCharFormat &format);
    void setDefaultCharFormat();

    // Takes over a finished document (read apart from any view) as the
    // editor's own, with nothing to undo and not modified: the spell check
    // goes along with it. The editor becomes the document's parent, and the
    // document it had before is deleted if it was the editor's.
    void adoptDocument(QTextDocument *document);

    // Writes the document to its file name in the format of the name's
    // suffix. The old file stays whole until the new one is complete on the
    // disk; on failure the user is told, the document stays modified and the
    // answer is false.
    bool saveFile();
    bool saveFileAs();
    // Saves a modified document, asking first when `ask` is set; false when
    // the caller must not go on (cancelled, or the save failed).
    bool maybeSave(bool ask);
    QString defaultSaveName(const QString &path) const;
    // Pushes the file to the disk; on failure *error names the cause.
    bool flushToDisk(QFileDevice &file, QString *error = nullptr);
    // Replaces the document by the stream's text. User input waits until the
    // text is in.
    void loadPlainText(QTextStream &stream);

    QString fileName() const;
    void setFileName(const QString &name);
    // How far down the editors' layout places a document's paragraphs: Qt's
    // own layout, where the editors do not lay out in place, reaches less.
    static qreal maxDocumentHeight();
    void setWorkingDirFromFile(const QString &path);
    // The folder the save dialogs start in, named itself rather than by a
    // file inside it; a folder that is not there changes nothing.
    void setWorkingDirectory(const QString &folder);
    void setFontFamily(const QString &family);
    void setLanguageFont(int language);
    QString fontFamily() const;
    QString encodingName() const;
    void setEncodingName(const QString &name);
    QTextCodec *textCodec() const;
    void setTextCodec(QTextCodec *codec);
    void loadDefaultSettings();

Q_SIGNALS:
    void alignmentChanged(Qt::Alignment alignment);
    void fontChanged(const QFont &font);
    void languageChanged(int language);
    void keyboardChanged(int keyboard);
    void fontFamilyChanged(const QString &family);
    void loadCompleter();
    void searchString(const QString &word);
    void workingDirChanged(const QString &dirpath);
    void searchInYavoKosha();

public Q_SLOTS:
    void slotTextBold(bool abool);
    void slotTextUnderline(bool abool);
    void slotTextItalic(bool abool);
    void slotTextStrikeOut(bool on);
    void slotTextFontFamily(const QString &f);
    void slotTextSize(const QString &p);
    void slotTextStyle(int styleIndex);
    void slotTextColor();
    void slotBackgroundColor();
    void slotTextAlign(Qt::Alignment alignment);
    void slotToggleKeyboardLayout();
    void slotToggleLanguage();
    void slotInsertPicture();
    void slotInsertTable();
    void slotInsertHyperLink();
    void slotPrint(QPrinter *printer);
    void slotSearchString();
    void slotConvertANSI2Unicode();
    void slotDisplaySuggestions();
    void setAutoComplpetePrefixLength(int length);
    int autoComplpetePrefixLength() const;
    void setSpellCheckAsYouType(bool yesNo);
    bool spellCheckAsYouType() const;
    void setTextEncodingIndex(int encodingIndex);
    int textEncodingIndex() const;
    void updateWorkingDir();

protected Q_SLOTS:
    void slotBufferTimeout();
    void slotCursorPositionChanged();
    void insertCompletion(const QString &completion);

private Q_SLOTS:
    void slotCurrentCharFormatChanged(const QTextCharFormat &f);
    void slotUpdateImageSize();
    void slotEditImageWidth(int width);
    void slotEditImageHeight(int height);
    void slotAppendRow();
    void slotRemoveRow();
    void slotAppendColumn();
    void slotRemoveColumn();
    void slotMergeCells();
    void slotSplitCells();
    void slotInsertRow();
    void slotInsertCol();
    void slotInsertRowBefore();
    void slotInsertColBefore();
    void slotAddDictionary();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

    void handleCompleterKey();

    void processIndicKey(QKeyEvent *event);
    void convertInputBuffer(bool dropOneMore);
    void deletePreviousChars(int count);
    void resetInputBuffer();

private:
    void init();
    void reachWholeText(int minimum, int maximum);
    void endWord();
    void baseKeyPressEvent(QKeyEvent *e);
    void expandQuickBytes(QKeyEvent *e);
    void composeTransliteration(QKeyEvent *e);
    void convertWordAtWhiteSpace(QKeyEvent *e);
    void convertWordAtOtherKey(QKeyEvent *e);
    void revertConvertedWord(QKeyEvent *e);
    void setWorkingDir(const QString &path);
    QMenu *tableMenu();
    void chooseColor(QTextFormat::Property property, const QColor &current);
    bool askCount(const QString &label, int value, int minimum, int maximum, int *count);
    void insertTableLines(bool rows, int offset);
    void removeSelectedTableLines(bool rows);
    void resizeImage(int width, int height);
    bool writeDocument(QString *error);
    // Whether the markup, pasted, leaves the document below the height the
    // editor can lay out.
    bool fitsBelowHeightLimit(const HtmlMarkup &markup) const;
    QString askSaveName(const QString &title, const QString &filter);
    void keepShapedText(int from, int removed, int added);
    void keepSpellCheckAheadOfLayout(QTextDocument *doc);
    EditorOwner *owner() const;
    int ownerFontSize() const;

    QPointer<QWidget> m_owner;
    EditorOwner *m_ownerInterface = nullptr;
    Utils *m_utils = nullptr;
    QString m_lastOutput;
    QString m_keyBuffer;
    QTextCodec *m_textCodec = nullptr;
    QTimer *m_bufferTimer = nullptr;
    bool m_internalEdit = false;
    QString m_encodingName;
    QPointer<QCompleter> m_completer;
    QString m_fileName;
    int m_keyboard = 0;
    int m_language = 0;
    bool m_indicInputOn = true;
    QKeyEvent *m_lastKeyEvent = nullptr;
    QPointer<QMenu> m_tableMenu;
    QString m_composedFontFamily;
    QString m_workingDir;
    // A child of the editor's document: it goes with the document the editor
    // takes over, and is gone if anyone else replaces the document.
    QPointer<Highlighter> m_highlighter;
    int m_autoCompletePrefixLength = 3;
    // Whether the editor was told it has the focus, and not told since
    // that it lost it.
    bool m_focused = false;
    bool m_spellCheckAsYouType = true;
    int m_textEncodingIndex = 1;
    QPointer<yvQuickBytesToolBar> m_quickBytesToolBar;
};

#endif
