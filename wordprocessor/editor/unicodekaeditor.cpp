#include "editor/unicodekaeditor.h"

#include "editor/editorowner.h"
#include "editor/highlighter.h"
#include "private/completerkeys_p.h"
#include "private/inplacelayout_p.h"
#include "private/layoutheightguard_p.h"

#include "core/compositionstep.h"
#include "core/indicchars.h"
#include "core/keyboardlayouts.h"
#include "formats/documentcapacity.h"
#include "formats/htmlmarkup.h"
#include "utils/utils.h"
#include "widgets/indiccomposition.h"
#include "widgets/yvquickbytestoolbar.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QCompleter>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QPrinter>
#include <QScopedPointer>
#include <QScrollBar>
#include <QSettings>
#include <QTextBlock>
#include <QTextCodec>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <QTimer>
#include <QtMath>

#include <algorithm>
#include <climits>
#include <iterator>

namespace {

constexpr int transliterationLayout = int(KeyboardLayout::Transliteration);
constexpr int inscriptLayout = int(KeyboardLayout::InScript);
constexpr int lastKeyboardLayout = int(KeyboardLayout::KPRaoExtended);
// The layouts Ctrl+K steps through, before it comes back to the first.
constexpr int lastToggledLayout = int(KeyboardLayout::Phonetic2);
constexpr int englishLanguage = IndicLanguage::count;
constexpr int defaultFontSize = 14;
constexpr int documentMargin = 40;
// The most paragraphs one edit of the user's typing touches.
constexpr int typedParagraphs = 4;

// With InScript these keys stand for letters and signs, and are composed
// like letters.
constexpr char16_t inscriptPunctuationKeys[] = {
    u'~', u'`', u'!', u'#', u'%', u'^', u'&', u'*', u'_', u'+', u'=', u'{',
    u'[', u'}', u']', u':', u';', u'"', u'\'', u'<', u'>', u'/', u'$'};

bool isInscriptPunctuationKey(QChar c)
{
    return std::find(std::begin(inscriptPunctuationKeys), std::end(inscriptPunctuationKeys),
                     c.unicode())
            != std::end(inscriptPunctuationKeys);
}

bool isAsciiLetter(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// A key composed as part of the word with every layout but Transliteration.
bool isComposedKey(QChar c, int keyboard)
{
    if (isAsciiLetter(c) || isAsciiDigit(c))
        return true;
    if (c.unicode() > 0x7F && c.isLetterOrNumber())
        return true;
    return keyboard == inscriptLayout && isInscriptPunctuationKey(c);
}

// Letters stay Latin with Transliteration until something else ends the word.
bool isTransliterationLetter(QChar c)
{
    return isAsciiLetter(c) || (c.unicode() > 0x7F && c.isLetter());
}

} // namespace

UnicodeKaEditor::UnicodeKaEditor(Utils *utils, int language, int keyboard, QWidget *parent)
    : QTextEdit(parent)
    , m_owner(parent)
    , m_ownerInterface(dynamic_cast<EditorOwner *>(parent))
    , m_utils(utils)
    , m_keyboard(keyboard)
    , m_language(language)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Plain);
    QFont widgetFont = font();
    widgetFont.setPointSize(ownerFontSize());
    setFont(widgetFont);
    init();
    m_highlighter = new Highlighter(utils, this);
    keepSpellCheckAheadOfLayout(document());
    emit alignmentChanged(alignment());
}

UnicodeKaEditor::UnicodeKaEditor(Utils *utils, QWidget *parent)
    : QTextEdit(parent)
    , m_owner(parent)
    , m_ownerInterface(dynamic_cast<EditorOwner *>(parent))
    , m_utils(utils)
    , m_keyboard(int(KeyboardLayout::KPRao))
    , m_language(englishLanguage)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    const QFont widgetFont(QStringLiteral("Tunga"), ownerFontSize());
    setFont(widgetFont);
    init();
    emit fontChanged(widgetFont);
    emit alignmentChanged(alignment());
}

UnicodeKaEditor::~UnicodeKaEditor() = default;

void UnicodeKaEditor::init()
{
    m_encodingName = QString::fromLatin1(utf8CodecName);
    m_textCodec = QTextCodec::codecForName(m_encodingName.toLocal8Bit());
    m_workingDir = QDir::homePath();
    m_bufferTimer = new QTimer(this);
    QAbstractTextDocumentLayout *layout = InPlaceLayout::create(document());
    layout->setPaintDevice(document()->documentLayout()->paintDevice());
    document()->setDocumentLayout(layout);
    document()->setDocumentMargin(documentMargin);
    // The text wraps at the viewport's width: a scroll bar that came and
    // went with the text's height would have the whole text laid out anew
    // each time. Qt's hides itself while a text past 21 million pixels is
    // laid out, which then started over from the top for ever.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, &UnicodeKaEditor::reachWholeText);
    new LayoutHeightGuard(this);
    if (m_language == englishLanguage)
        m_indicInputOn = false;
    connect(this, &QTextEdit::currentCharFormatChanged,
            this, &UnicodeKaEditor::slotCurrentCharFormatChanged);
    connect(this, &QTextEdit::cursorPositionChanged,
            this, &UnicodeKaEditor::slotCursorPositionChanged);
    connect(m_bufferTimer, &QTimer::timeout, this, &UnicodeKaEditor::slotBufferTimeout);
    connect(document(), &QTextDocument::contentsChange, this, &UnicodeKaEditor::keepShapedText);
    resetInputBuffer();
    setDefaultCharFormat();
    document()->setDefaultStyleSheet(
            QStringLiteral("QTextDocument { background-color: white; color: black;}"));
    setStyleSheet(QStringLiteral("background-color: white; color: black;"));
    // The margin and the default format are the editor's, not a step the
    // user could take back.
    document()->clearUndoRedoStacks();
}

// Qt's text edit gives the scroll bar too short a range, none at all, for
// a text past 21 million pixels tall: the bar is given the text's height.
void UnicodeKaEditor::reachWholeText(int minimum, int maximum)
{
    // Only as far as laid out: the document's size would lay out the rest
    // first.
    const auto *layout = qobject_cast<QTextDocumentLayout *>(document()->documentLayout());
    if (!layout)
        return;
    const qreal height = layout->dynamicDocumentSize().height();
    const int wanted = int(qMin<qreal>(qCeil(height) - viewport()->height(), INT_MAX));
    if (minimum == 0 && maximum < wanted && height > INT_MAX / 100)
        verticalScrollBar()->setMaximum(wanted);
}

void UnicodeKaEditor::adoptDocument(QTextDocument *doc)
{
    QTextDocument *old = document();
    if (!doc || doc == old)
        return;
    doc->setDocumentMargin(old->documentMargin());
    doc->setDefaultFont(old->defaultFont());
    doc->setDefaultStyleSheet(old->defaultStyleSheet());
    doc->setUndoRedoEnabled(false);
    doc->setUndoRedoEnabled(true);
    doc->setModified(false);
    doc->setParent(this);
    disconnect(old, &QTextDocument::contentsChange, this, &UnicodeKaEditor::keepShapedText);
    // The highlighter is a child of the document it checks: it goes along
    // before the old document is deleted.
    if (m_highlighter)
        m_highlighter->setParent(doc);
    // The editor's first document is its text control's, which deletes it
    // here; one taken over before is the editor's own.
    const bool ownsOld = old->parent() == this;
    {
        // Giving the document a layout reports its whole text as changed;
        // the spell check starts on it below.
        const QSignalBlocker blocker(doc);
        doc->setDocumentLayout(InPlaceLayout::create(doc));
        setDocument(doc);
    }
    if (ownsOld)
        delete old;
    // With the old document gone there are no underlines to take off it
    // (for a long one, a layout of every paragraph).
    if (m_highlighter)
        m_highlighter->setDocument(doc);
    keepSpellCheckAheadOfLayout(doc);
    connect(doc, &QTextDocument::contentsChange, this, &UnicodeKaEditor::keepShapedText);
}

// The spell check keeps ahead of the layout's background work, so that no
// paragraph is laid out before it has its underlines and again after.
void UnicodeKaEditor::keepSpellCheckAheadOfLayout(QTextDocument *doc)
{
    auto *layout = qobject_cast<InPlaceLayout *>(doc->documentLayout());
    if (m_highlighter && layout)
        connect(layout, &InPlaceLayout::aboutToLayOut, m_highlighter, &Highlighter::checkBeforeLayout);
}

// Qt drops the shaped glyphs of a paragraph once it is laid out, and shapes
// the text again for every repaint and every cursor move. With the Indic
// scripts shaping is the dearest part of typing, so the paragraphs the user
// changes keep theirs, at the cost of some memory. Only text put in or
// taken out within a few paragraphs is typing: a change of formats alone
// (the spell check's underlines among them), or a whole document replaced
// or undone at once, would keep the glyphs of paragraph after paragraph,
// several times the memory of their text.
void UnicodeKaEditor::keepShapedText(int from, int removed, int added)
{
    if (removed == added)
        return;
    const QTextBlock first = document()->findBlock(from);
    QTextBlock last = document()->findBlock(from + added);
    if (!last.isValid())
        last = document()->lastBlock();
    if (!first.isValid() || last.blockNumber() - first.blockNumber() >= typedParagraphs)
        return;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        block.layout()->setCacheEnabled(true);
        if (block == last)
            break;
    }
}

EditorOwner *UnicodeKaEditor::owner() const
{
    // The interface pointer is only good while its widget lives.
    return m_owner ? m_ownerInterface : nullptr;
}

int UnicodeKaEditor::ownerFontSize() const
{
    EditorOwner *o = owner();
    return o ? o->fontSize() : defaultFontSize;
}

// --- Language and keyboard layout ---------------------------------------

void UnicodeKaEditor::endWord()
{
    m_keyBuffer.clear();
    m_lastOutput.clear();
}

void UnicodeKaEditor::setLanguage(int language)
{
    if (language == englishLanguage) {
        m_indicInputOn = false;
        emit languageChanged(englishLanguage);
    } else if (language >= 0 && language < englishLanguage) {
        m_indicInputOn = true;
        m_language = language;
        emit languageChanged(language);
    }
    endWord();
}

void UnicodeKaEditor::changeLanguage(int language)
{
    if (language != m_language)
        setLanguage(language);
    else if (language != englishLanguage)
        m_indicInputOn = true;
}

int UnicodeKaEditor::language() const
{
    return m_indicInputOn ? m_language : englishLanguage;
}

int UnicodeKaEditor::indicLanguage() const
{
    return m_language;
}

bool UnicodeKaEditor::isIndicInputOn() const
{
    return m_indicInputOn;
}

void UnicodeKaEditor::setIndicInputOn(bool on)
{
    if (on == m_indicInputOn)
        return;
    m_indicInputOn = on;
    endWord();
}

void UnicodeKaEditor::setKeyboard(int keyboard)
{
    if (keyboard >= 0 && keyboard <= lastKeyboardLayout && keyboard != m_keyboard) {
        m_keyboard = keyboard;
        emit keyboardChanged(keyboard);
    }
    endWord();
}

int UnicodeKaEditor::keyboard() const
{
    return m_keyboard;
}

bool UnicodeKaEditor::isInternalEdit() const
{
    return m_internalEdit;
}

void UnicodeKaEditor::setInternalEdit(bool internalEdit)
{
    m_internalEdit = internalEdit;
}

void UnicodeKaEditor::slotToggleLanguage()
{
    m_indicInputOn = !m_indicInputOn;
    emit languageChanged(language());
    resetInputBuffer();
    endWord();
}

void UnicodeKaEditor::slotToggleKeyboardLayout()
{
    m_keyboard = m_keyboard < lastToggledLayout ? m_keyboard + 1 : 0;
    resetInputBuffer();
    endWord();
    emit keyboardChanged(m_keyboard);
}

// --- Key composition -----------------------------------------------------

void UnicodeKaEditor::baseKeyPressEvent(QKeyEvent *e)
{
    QTextEdit::keyPressEvent(e);
}

void UnicodeKaEditor::keyPressEvent(QKeyEvent *e)
{
    if (isReadOnly()) {
        e->ignore();
        return;
    }
    m_lastKeyEvent = e;

    if (m_completer && m_completer->popup() && m_completer->popup()->isVisible()) {
        if (isCompleterPopupKey(e->key())) {
            e->ignore();
            m_lastKeyEvent = nullptr;
            return;
        }
        m_completer->popup()->hide();
    }
    if (e->key() == Qt::Key_Escape) {
        EditorOwner *o = owner();
        if (o && o->onEscapePressed()) {
            baseKeyPressEvent(e);
            m_lastKeyEvent = nullptr;
            return;
        }
    }
    if (e->key() == Qt::Key_F11) {
        slotToggleLanguage();
        baseKeyPressEvent(e);
    } else if (e->key() == Qt::Key_K && (e->modifiers() & Qt::ControlModifier)) {
        slotToggleKeyboardLayout();
        baseKeyPressEvent(e);
    } else {
        if (m_indicInputOn)
            processIndicKey(e);
        else
            baseKeyPressEvent(e);
        if (m_completer)
            handleCompleterKey();
    }
    // The event lives only as long as its handling.
    m_lastKeyEvent = nullptr;
}

void UnicodeKaEditor::processIndicKey(QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty()) {
        baseKeyPressEvent(event);
        return;
    }
    // Typing over a selection replaces it, so the word being composed is
    // over, even when making the selection left the cursor where it stood;
    // its keys would otherwise delete text before the selection.
    if (textCursor().hasSelection())
        endWord();

    if (m_keyboard == transliterationLayout) {
        composeTransliteration(event);
        return;
    }
    const QChar c = text.at(0);
    if (isComposedKey(c, m_keyboard)) {
        m_keyBuffer.append(text);
        convertInputBuffer(true);
    } else if (event->key() == Qt::Key_Backspace) {
        if (m_keyBuffer.isEmpty()) {
            baseKeyPressEvent(event);
        } else {
            m_keyBuffer.chop(1);
            convertInputBuffer(true);
        }
    } else if (event->key() == Qt::Key_Space) {
        expandQuickBytes(event);
    } else {
        baseKeyPressEvent(event);
    }
}

void UnicodeKaEditor::expandQuickBytes(QKeyEvent *e)
{
    const QString snippet = m_lastOutput.isEmpty() || !m_quickBytesToolBar
            ? QString()
            : m_quickBytesToolBar->textFor(m_lastOutput);
    if (snippet.isEmpty()) {
        baseKeyPressEvent(e);
    } else {
        deletePreviousChars(m_lastOutput.size());
        insertTextAtCursor(snippet + QLatin1Char(' '));
    }
    m_lastOutput.clear();
}

void UnicodeKaEditor::composeTransliteration(QKeyEvent *e)
{
    const QChar c = e->text().at(0);
    if (c.isSpace())
        convertWordAtWhiteSpace(e);
    else if (e->key() == Qt::Key_Backspace)
        revertConvertedWord(e);
    else if (isTransliterationLetter(c))
        baseKeyPressEvent(e);
    else if (c.category() == QChar::Other_Control && (e->modifiers() & Qt::ControlModifier))
        // Shortcuts held with Ctrl (copy, select all, undo) type nothing and
        // must not change the text: they convert no word.
        baseKeyPressEvent(e);
    else
        convertWordAtOtherKey(e);
}

void UnicodeKaEditor::convertWordAtWhiteSpace(QKeyEvent *e)
{
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection()) {
        baseKeyPressEvent(e);
        return;
    }
    const int position = cursor.position();
    const int inBlock = position - cursor.block().position();
    const QChar before = inBlock > 0 ? cursor.block().text().at(inBlock - 1) : QChar();
    baseKeyPressEvent(e);
    // A white-space key that the base editor does not type (Ctrl+Tab) ends
    // no word: there is no typed character to stand before.
    if (textCursor().position() != position + 1)
        return;
    // Only a word of letters ends here; digits and punctuation end none.
    if (!before.isNull() && !before.isLetter())
        return;

    // Stand before the white space just typed, with it selected, so that
    // the conversion's first deletion takes it away.
    QTextCursor typed = textCursor();
    const int after = typed.position();
    typed.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
    const QString keys = IndicComposition::keysBeforeCursor(typed);
    if (keys.isEmpty() || keys.back().isSpace()) {
        // Nothing to convert: the cursor stays after the white space, not
        // with it selected for the next key to overwrite.
        typed.setPosition(after);
        m_internalEdit = true;
        setTextCursor(typed);
        m_internalEdit = false;
        return;
    }
    m_internalEdit = true;
    setTextCursor(typed);
    m_keyBuffer = keys;
    convertInputBuffer(true);
    m_internalEdit = true;
    baseKeyPressEvent(e);
    m_internalEdit = false;
}

void UnicodeKaEditor::convertWordAtOtherKey(QKeyEvent *e)
{
    // The key replaces the selection; converting the word before the cursor
    // would delete the selection and as much again in front of it.
    if (textCursor().hasSelection()) {
        baseKeyPressEvent(e);
        return;
    }
    const QString keys = IndicComposition::keysBeforeCursor(textCursor());
    const bool converting = !keys.isEmpty() && !keys.back().isSpace();
    if (converting) {
        m_keyBuffer = keys;
        convertInputBuffer(false);
    }
    // The key that ended the word is typed in any case, never swallowed.
    const int converted = textCursor().position();
    m_internalEdit = converting;
    baseKeyPressEvent(e);
    m_internalEdit = false;
    // Only a typed ending character right after a converted word leaves
    // something for Backspace to take back; a key the base editor does not
    // type (Escape, Ctrl+1) ends the word for good.
    if (!converting || textCursor().position() != converted + 1)
        endWord();
}

// Backspace right after a word end takes the ending character back and
// shows the word in the Latin keys it was typed with.
void UnicodeKaEditor::revertConvertedWord(QKeyEvent *e)
{
    if (m_keyBuffer.isEmpty()) {
        baseKeyPressEvent(e);
        return;
    }
    const QString keys = m_keyBuffer;
    const QString output = m_lastOutput;
    const int position = textCursor().position();
    baseKeyPressEvent(e);
    // Only a Backspace that took the one ending character back stands right
    // after the converted word; Ctrl+Backspace takes more, and the word is
    // over (Qt does not report that cursor move).
    if (textCursor().position() != position - 1) {
        endWord();
        return;
    }
    m_keyBuffer = keys;
    m_lastOutput = output;
    m_internalEdit = true;
    convertInputBuffer(true);
}

void UnicodeKaEditor::convertInputBuffer(bool dropOneMore)
{
    m_internalEdit = true;
    QTextCursor cursor = textCursor();
    QTextCharFormat format = currentCharFormat();

    const bool takeBack = m_lastKeyEvent && m_lastKeyEvent->key() == Qt::Key_Backspace;
    const CompositionStep step = CompositionStep::next(m_keyBuffer, m_lastOutput, m_language,
                                                       KeyboardLayout(m_keyboard), takeBack, dropOneMore);
    if (!m_composedFontFamily.isEmpty())
        format.setFontFamily(m_composedFontFamily);
    IndicComposition::replaceBeforeCursor(cursor, step.remove, step.text, format);
    m_lastOutput = step.text;

    // Setting the cursor also scrolls it into view.
    m_internalEdit = true;
    setTextCursor(cursor);
    m_internalEdit = false;
}

void UnicodeKaEditor::deletePreviousChars(int count)
{
    QTextCursor cursor = textCursor();
    for (int i = 0; i < count; ++i) {
        m_internalEdit = true;
        cursor.deletePreviousChar();
    }
    m_internalEdit = true;
    setTextCursor(cursor);
    m_internalEdit = false;
}

void UnicodeKaEditor::resetInputBuffer()
{
    if (m_bufferTimer->isActive())
        m_bufferTimer->stop();
    m_internalEdit = false;
}

void UnicodeKaEditor::slotBufferTimeout()
{
    resetInputBuffer();
}

void UnicodeKaEditor::slotCursorPositionChanged()
{
    if (isReadOnly())
        return;
    if (!m_internalEdit) {
        resetInputBuffer();
        endWord();
        emit alignmentChanged(alignment());
    }
    emit fontFamilyChanged(QTextEdit::fontFamily());
    m_internalEdit = false;
}

// --- Text operations -----------------------------------------------------

QString UnicodeKaEditor::textUnderCursor() const
{
    QTextCursor cursor = textCursor();
    // Inside a run of blanks Qt takes the word before the run as the one
    // under the cursor; there the user points at no word at all.
    const QString line = cursor.block().text();
    const int at = cursor.positionInBlock();
    const bool wordBefore = at > 0 && !line.at(at - 1).isSpace();
    const bool wordAfter = at < line.size() && !line.at(at).isSpace();
    if (!wordBefore && !wordAfter)
        return QString();
    cursor.select(QTextCursor::WordUnderCursor);
    return cursor.selectedText();
}

QString UnicodeKaEditor::blockUnderCursor() const
{
    QTextCursor cursor = textCursor();
    cursor.select(QTextCursor::BlockUnderCursor);
    return cursor.selectedText();
}

QString UnicodeKaEditor::wholeText() const
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

void UnicodeKaEditor::insertTextAtCursor(const QString &text)
{
    QString lines = text;
    lines.replace(QLatin1String("\\n"), QLatin1String("\r\n"));
    QTextCursor cursor = textCursor();
    cursor.insertText(lines, currentCharFormat());
    setTextCursor(cursor);
    ensureCursorVisible();
}

void UnicodeKaEditor::copySpecial()
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return;
    auto *data = new QMimeData;
    data->setHtml(cursor.selection().toHtml());
    // As plain text, paragraphs end in line breaks, not in U+2029.
    data->setText(cursor.selection().toPlainText());
    QApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}

void UnicodeKaEditor::setQuickBytesToolBar(yvQuickBytesToolBar *toolBar)
{
    m_quickBytesToolBar = toolBar;
}

// --- Formats -------------------------------------------------------------

void UnicodeKaEditor::mergeFormatOnWordOrSelection(const QTextCharFormat &format)
{
    // The editor's own cursor formats its selection and what is typed next
    // in one go; formatting the selection through a copy first would do the
    // work (and the layout) twice, and leave an Undo that changes nothing.
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) {
        cursor.select(QTextCursor::WordUnderCursor);
        cursor.mergeCharFormat(format);
    }
    mergeCurrentCharFormat(format);
}

void UnicodeKaEditor::setDefaultCharFormat()
{
    const QFont appFont = QApplication::font();
    const QPalette palette = QApplication::palette(this);
    QTextCharFormat format;
    format.setFontPointSize(appFont.pointSizeF());
    format.setFontFamily(appFont.family());
    format.setBackground(QBrush(palette.color(QPalette::Base), Qt::SolidPattern));
    format.setForeground(QBrush(palette.color(QPalette::WindowText), Qt::SolidPattern));
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    mergeFormatOnWordOrSelection(format);
    cursor.endEditBlock();
}

void UnicodeKaEditor::slotTextFontFamily(const QString &f)
{
    if (f.isEmpty())
        return;
    QTextEdit::setFontFamily(f);
    QTextCharFormat format;
    format.setFontFamily(f);
    mergeFormatOnWordOrSelection(format);
    m_composedFontFamily = f;
}

void UnicodeKaEditor::slotCurrentCharFormatChanged(const QTextCharFormat &f)
{
    emit fontChanged(f.font());
}

void UnicodeKaEditor::setFontFamily(const QString &family)
{
    QFont widgetFont = font();
    widgetFont.setFamily(family);
    setFont(widgetFont);
    document()->setDefaultFont(widgetFont);
    setCurrentFont(widgetFont);
    slotTextFontFamily(family);
    QTextEdit::setFontFamily(family);
    emit fontFamilyChanged(family);
}

void UnicodeKaEditor::setLanguageFont(int language)
{
    setFontFamily(Utils::defaultFontFamily(language));
}

QString UnicodeKaEditor::fontFamily() const
{
    return m_composedFontFamily;
}

void UnicodeKaEditor::setAutoComplpetePrefixLength(int length)
{
    if (length != m_autoCompletePrefixLength)
        m_autoCompletePrefixLength = length;
}

int UnicodeKaEditor::autoComplpetePrefixLength() const
{
    return m_autoCompletePrefixLength;
}

void UnicodeKaEditor::setSpellCheckAsYouType(bool yesNo)
{
    m_spellCheckAsYouType = yesNo;
    // The editor made without spell check has no highlighter to switch.
    if (m_highlighter) {
        m_highlighter->setEnabled(yesNo);
        m_highlighter->rehighlightInSlices();
    }
}

bool UnicodeKaEditor::spellCheckAsYouType() const
{
    return m_spellCheckAsYouType;
}

// --- Files, encodings, settings -----------------------------------------

QString UnicodeKaEditor::fileName() const
{
    return m_fileName;
}

void UnicodeKaEditor::setFileName(const QString &name)
{
    if (name != m_fileName)
        m_fileName = name;
}

void UnicodeKaEditor::setWorkingDir(const QString &path)
{
    const QFileInfo file(path);
    if (file.exists())
        setWorkingDirectory(file.absolutePath());
}

void UnicodeKaEditor::setWorkingDirectory(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        return;
    m_workingDir = info.absoluteFilePath();
    emit workingDirChanged(m_workingDir);
}

void UnicodeKaEditor::updateWorkingDir()
{
    setWorkingDir(m_fileName);
}

void UnicodeKaEditor::setWorkingDirFromFile(const QString &path)
{
    setWorkingDir(path);
}

void UnicodeKaEditor::setTextEncodingIndex(int encodingIndex)
{
    if (encodingIndex != m_textEncodingIndex)
        m_textEncodingIndex = encodingIndex;
}

int UnicodeKaEditor::textEncodingIndex() const
{
    return m_textEncodingIndex;
}

QString UnicodeKaEditor::encodingName() const
{
    return m_encodingName;
}

void UnicodeKaEditor::setEncodingName(const QString &name)
{
    if (name == m_encodingName)
        return;
    m_encodingName = name;
    m_textCodec = QTextCodec::codecForName(name.toLocal8Bit());
}

QTextCodec *UnicodeKaEditor::textCodec() const
{
    return m_textCodec;
}

void UnicodeKaEditor::setTextCodec(QTextCodec *codec)
{
    if (codec != m_textCodec)
        m_textCodec = codec;
}

void UnicodeKaEditor::loadDefaultSettings()
{
    QSettings settings(settingsOrganization, settingsApplication);
    settings.beginGroup(QStringLiteral("Settings"));
    changeLanguage(settings.value(QStringLiteral("Default-Language"), QStringLiteral("0")).toInt());
    setKeyboard(settings.value(QStringLiteral("Default-Keyboard-Layout"), QStringLiteral("0")).toInt());
    settings.endGroup();
}

// --- Printing and mime data ---------------------------------------------

void UnicodeKaEditor::slotPrint(QPrinter *printer)
{
    if (!printer)
        return;
    // The spelling underlines are drawn on the editor's own layout and
    // would be printed with it; a copy carries only the text and its
    // formats. It asks the document for the images it refers to.
    const QScopedPointer<QTextDocument> copy(document()->clone(document()));
    copy->print(printer);
}

bool UnicodeKaEditor::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasImage() || QTextEdit::canInsertFromMimeData(source);
}

// Pasted or dropped HTML gets the bounds an HTML file gets: deeply nested
// tables are flattened, and markup too large to import, or that would make
// the document taller than the editor can lay out, comes in as its plain
// text.
void UnicodeKaEditor::insertFromMimeData(const QMimeData *source)
{
    const QString richText = QStringLiteral("application/x-qrichtext");
    if (!acceptRichText() || !(source->hasHtml() || source->hasFormat(richText))) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    const HtmlMarkup markup(source->hasFormat(richText) ? QString::fromUtf8(source->data(richText)) : source->html());
    QMimeData bounded;
    if (markup.refusal().isEmpty() && fitsBelowHeightLimit(markup))
        bounded.setHtml(markup.html());
    if (source->hasText())
        bounded.setText(source->text());
    QTextEdit::insertFromMimeData(&bounded);
}

bool UnicodeKaEditor::fitsBelowHeightLimit(const HtmlMarkup &markup) const
{
    QTextDocument pasted;
    pasted.setDefaultFont(document()->defaultFont());
    QTextCursor cursor(&pasted);
    markup.insert(cursor);
    // Wherever it goes, what comes below it moves down by as much.
    qreal tallestShown = 0;
    qreal tallestPasted = 0;
    const qreal height = DocumentCapacity::minimumHeight(document(), &tallestShown)
            + DocumentCapacity::minimumHeight(&pasted, &tallestPasted);
    return height <= DocumentCapacity::heightLimit(qMax(tallestShown, tallestPasted), maxDocumentHeight());
}

qreal UnicodeKaEditor::maxDocumentHeight()
{
    return InPlaceLayout::inUse() ? DocumentCapacity::MaxHeight : DocumentCapacity::MaxHeightForQtLayout;
}
