#include "widgets/unicodelineedit.h"

#include "core/compositionstep.h"
#include "core/endofword.h"
#include "core/keyboardlayouts.h"
#include "core/languagetable.h"
#include "widgets/indiccomposition.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QStringListModel>
#include <QTextBlock>
#include <QTextCursor>

namespace {

constexpr int fieldFontPoints = 11;
constexpr int minimumPrefixLength = 3;

} // namespace

class UnicodeLineEditPrivate
{
public:
    explicit UnicodeLineEditPrivate(UnicodeLineEdit *field)
        : q(field)
    {
    }

    ~UnicodeLineEditPrivate()
    {
        delete wordModel;
    }

    void applyLanguageFont();
    void init();
    QString wordUnderCursor() const;
    void resetComposition();
    void toggleIndicInput();
    void setPopupAtCursor(bool atCursor);
    void createCompleter(const QStringList &words);
    void showCompleterPopup();
    void handleCompleterKey(QKeyEvent *e);
    void insertCompletion(const QString &completion);
    void transliteratePending(bool deleteOneMore);
    void addWords(const QStringList &words);

    bool popupVisible() const { return completer && completer->popup()->isVisible(); }
    void composeTransliteration(QKeyEvent *e, QChar c);
    void convertWordAtWhiteSpace(QKeyEvent *e);
    void convertWordAtOtherKey(QKeyEvent *e);

    UnicodeLineEdit *const q;
    bool skipNextReset = false;
    QString lastOutput;
    QString pendingKeys;
    QKeyEvent *currentKeyEvent = nullptr;
    int language = 0;
    KeyboardLayout keyboard = KeyboardLayout::Phonetic;
    QCompleter *completer = nullptr;
    QStringListModel *wordModel = nullptr;
    bool indicInputOn = true;
    bool popupShown = false;
    bool popupAtCursor = false;
    bool multiLine = false;
};

void UnicodeLineEditPrivate::applyLanguageFont()
{
    q->setFont(QFont(LanguageTable::defaultFontFamily(language), fieldFontPoints));
}

void UnicodeLineEditPrivate::init()
{
    applyLanguageFont();
    q->setLineWrapMode(QPlainTextEdit::NoWrap);
    q->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    q->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    q->setTabChangesFocus(true);
    q->setFixedHeight(24);
    q->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QObject::connect(q, &QPlainTextEdit::cursorPositionChanged,
                     q, &UnicodeLineEdit::onCursorPositionChanged);
    q->setStyleSheet(QStringLiteral("margin-top: -2px; padding-top: -2px;"));
}

QString UnicodeLineEditPrivate::wordUnderCursor() const
{
    QTextCursor cursor = q->textCursor();
    cursor.select(QTextCursor::WordUnderCursor);
    return cursor.selectedText();
}

void UnicodeLineEditPrivate::resetComposition()
{
    if (!skipNextReset) {
        lastOutput.clear();
        pendingKeys.clear();
        if (completer)
            completer->setCompletionPrefix(QString());
    }
    skipNextReset = false;
    popupShown = false;
}

void UnicodeLineEditPrivate::toggleIndicInput()
{
    indicInputOn = !indicInputOn;
    resetComposition();
}

void UnicodeLineEditPrivate::setPopupAtCursor(bool atCursor)
{
    popupAtCursor = atCursor;
}

void UnicodeLineEditPrivate::createCompleter(const QStringList &words)
{
    wordModel = new QStringListModel(words);
    completer = new QCompleter(wordModel, q);
    completer->setModelSorting(QCompleter::UnsortedModel);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setWrapAround(true);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->popup()->setFont(QFont(QStringLiteral("Tunga"), 10));
    completer->setWidget(q);
    QObject::connect(completer, QOverload<const QString &>::of(&QCompleter::activated),
                     q, &UnicodeLineEdit::onCompleterItemActivated);
}

void UnicodeLineEditPrivate::showCompleterPopup()
{
    if (popupAtCursor) {
        const QRect geometry = q->geometry();
        QRect rect;
        rect.setLeft(geometry.left() - 4);
        rect.setRight(geometry.right() + 17);
        rect.setTop(-2);
        rect.setHeight(q->cursorRect().height());
        completer->complete(rect);
        popupShown = true;
    } else if (!completer->completionPrefix().isEmpty()) {
        completer->complete();
    }
}

void UnicodeLineEditPrivate::handleCompleterKey(QKeyEvent *e)
{
    if (!completer)
        return;
    completer->setCompletionPrefix(QString());

    if (e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete) {
        completer->popup()->hide();
        return;
    }
    const Qt::KeyboardModifiers modifiers = e->modifiers();
    if (modifiers != Qt::NoModifier && !(modifiers & (Qt::ShiftModifier | Qt::ControlModifier))) {
        completer->popup()->hide();
        return;
    }
    const QString prefix = wordUnderCursor();
    const QString keyText = e->text();
    if (prefix.isEmpty() || (!keyText.isEmpty() && isEndOfWordCharacter(keyText.back()))) {
        completer->popup()->hide();
        return;
    }
    if (prefix.size() >= minimumPrefixLength) {
        completer->setCompletionPrefix(prefix);
        if (completer->completionCount() == 1) {
            completer->popup()->hide();
            return;
        }
        completer->popup()->setCurrentIndex(completer->completionModel()->index(0, 0));
    }
    showCompleterPopup();
}

void UnicodeLineEditPrivate::insertCompletion(const QString &completion)
{
    if (completer->widget() != q)
        return;
    q->setText(completion);
    q->moveCursor(QTextCursor::End);
    q->ensureCursorVisible();
    popupShown = false;
}

void UnicodeLineEditPrivate::transliteratePending(bool deleteOneMore)
{
    skipNextReset = true;
    QTextCursor cursor = q->textCursor();
    const bool takeBack = currentKeyEvent && currentKeyEvent->key() == Qt::Key_Backspace;
    const CompositionStep step = CompositionStep::next(pendingKeys, lastOutput, language, keyboard,
                                                       takeBack, deleteOneMore);
    IndicComposition::replaceBeforeCursor(cursor, step.remove, step.text, q->currentCharFormat());
    lastOutput = step.text;
    q->setTextCursor(cursor);
    skipNextReset = false;
    q->ensureCursorVisible();
}

void UnicodeLineEditPrivate::addWords(const QStringList &words)
{
    if (!wordModel)
        return;
    QStringList all = wordModel->stringList() + words;
    all.removeDuplicates();
    wordModel->setStringList(all);
}

void UnicodeLineEditPrivate::convertWordAtWhiteSpace(QKeyEvent *e)
{
    QTextCursor cursor = q->textCursor();
    if (cursor.hasSelection()) {
        q->QPlainTextEdit::keyPressEvent(e);
        return;
    }
    const int position = cursor.position();
    const QString before = position > cursor.block().position()
            ? cursor.block().text().mid(position - cursor.block().position() - 1, 1)
            : QString();
    q->QPlainTextEdit::keyPressEvent(e);
    // A white-space key that the plain text edit does not type (Ctrl+Tab)
    // ends no word: there is no typed character to stand before.
    if (q->textCursor().position() != position + 1)
        return;
    // Only a word of letters ends here; white space, digits and punctuation
    // before the cursor end none.
    if (!before.isEmpty() && !before.at(0).isLetter())
        return;

    // Stand before the white space just typed, with it selected, so that
    // the conversion's first deletion takes it away.
    QTextCursor typed = q->textCursor();
    const int after = typed.position();
    typed.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
    const QString keys = IndicComposition::keysBeforeCursor(typed);
    if (keys.isEmpty() || keys.back().isSpace()) {
        // Nothing to convert: leave the cursor after the white space, not
        // with it selected for the next key to overwrite.
        typed.setPosition(after);
        q->setTextCursor(typed);
        return;
    }
    skipNextReset = true;
    q->setTextCursor(typed);
    pendingKeys = keys;
    skipNextReset = true;
    transliteratePending(true);
    skipNextReset = true;
    q->QPlainTextEdit::keyPressEvent(e);
    skipNextReset = false;
}

void UnicodeLineEditPrivate::convertWordAtOtherKey(QKeyEvent *e)
{
    // The key replaces the selection; converting the word before the
    // cursor would delete the selection and as much again in front of it.
    if (q->textCursor().hasSelection()) {
        q->QPlainTextEdit::keyPressEvent(e);
        return;
    }
    const QString keys = IndicComposition::keysBeforeCursor(q->textCursor());
    if (!keys.isEmpty() && !keys.back().isSpace()) {
        pendingKeys = keys;
        skipNextReset = true;
        transliteratePending(false);
        skipNextReset = true;
    }
    // The key that ended the word is typed in any case, never swallowed.
    const int converted = q->textCursor().position();
    q->QPlainTextEdit::keyPressEvent(e);
    // A key the plain text edit does not type (Ctrl+1) leaves no ending
    // character for Backspace to take back: the word is over. Nor may the
    // flag outlive it and keep the next real move from ending a word.
    skipNextReset = false;
    if (q->textCursor().position() != converted + 1)
        resetComposition();
}

void UnicodeLineEditPrivate::composeTransliteration(QKeyEvent *e, QChar c)
{
    if (c.isSpace()) {
        convertWordAtWhiteSpace(e);
    } else if (c.isLetter()) {
        q->QPlainTextEdit::keyPressEvent(e);
    } else if (e->key() == Qt::Key_Backspace) {
        if (pendingKeys.isEmpty()) {
            q->QPlainTextEdit::keyPressEvent(e);
            return;
        }
        // Right after a word end: take the ending character back and show
        // the word in the Latin keys it was typed with.
        const QString keys = pendingKeys;
        const QString output = lastOutput;
        const int position = q->textCursor().position();
        q->QPlainTextEdit::keyPressEvent(e);
        // Only a Backspace that took the one ending character back stands
        // right after the converted word; Ctrl+Backspace takes more.
        if (q->textCursor().position() != position - 1)
            return;
        pendingKeys = keys;
        lastOutput = output;
        skipNextReset = true;
        transliteratePending(true);
        handleCompleterKey(e);
    } else if (c.category() == QChar::Other_Control) {
        // Keys held with Ctrl (select all, copy, undo) edit; they type no
        // character, so they end no word.
        q->QPlainTextEdit::keyPressEvent(e);
    } else {
        convertWordAtOtherKey(e);
    }
}

UnicodeLineEdit::UnicodeLineEdit(QWidget *parent)
    : QPlainTextEdit(parent)
    , d(new UnicodeLineEditPrivate(this))
{
    d->init();
}

UnicodeLineEdit::~UnicodeLineEdit()
{
    delete d;
}

QString UnicodeLineEdit::text() const
{
    return toPlainText();
}

void UnicodeLineEdit::setText(const QString &text)
{
    setPlainText(text.simplified());
    d->resetComposition();
}

void UnicodeLineEdit::setLanguage(int language, int keyboard)
{
    if (language != d->language) {
        d->language = language;
        d->applyLanguageFont();
    }
    d->keyboard = KeyboardLayout(keyboard);
    d->resetComposition();
}

int UnicodeLineEdit::language() const
{
    return d->language;
}

void UnicodeLineEdit::setMultiLine(bool multiLine)
{
    d->multiLine = multiLine;
}

void UnicodeLineEdit::resetComposition()
{
    d->resetComposition();
}

void UnicodeLineEdit::setCompleterPopupAtCursor(bool atCursor)
{
    d->setPopupAtCursor(atCursor);
}

void UnicodeLineEdit::showCompleter()
{
    setFocus(Qt::OtherFocusReason);
    if (!d->completer)
        return;
    if (d->popupShown)
        d->popupShown = false;
    else
        d->showCompleterPopup();
}

void UnicodeLineEdit::setWords(const QStringList &words)
{
    if (!d->completer)
        d->createCompleter(words);
}

void UnicodeLineEdit::addWords(const QStringList &words)
{
    d->addWords(words);
}

void UnicodeLineEdit::keyPressEvent(QKeyEvent *e)
{
    const int key = e->key();
    const bool isReturn = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (d->popupVisible()
        && (key == Qt::Key_Escape || key == Qt::Key_Tab || key == Qt::Key_Backtab || isReturn)) {
        e->ignore();  // the completer's popup takes these
        return;
    }
    if (isReturn) {
        emit editingFinished();
        if (d->multiLine)
            QPlainTextEdit::keyPressEvent(e);
        return;
    }
    if (d->popupVisible())
        d->completer->popup()->hide();
    if (key == Qt::Key_F11)
        d->toggleIndicInput();

    const QString text = e->text();
    if (text.isEmpty() || !d->indicInputOn) {
        QPlainTextEdit::keyPressEvent(e);
        return;
    }

    d->currentKeyEvent = e;
    const QChar c = text.at(0);
    // Typing over a selection replaces it, so the word being composed is
    // over, even when making the selection left the cursor where it stood.
    if (textCursor().hasSelection())
        d->resetComposition();
    if (d->keyboard == KeyboardLayout::Transliteration) {
        d->composeTransliteration(e, c);
    } else if (c.isLetterOrNumber()) {
        d->pendingKeys.append(text);
        d->transliteratePending(true);
        d->handleCompleterKey(e);
    } else if (key == Qt::Key_Backspace && !d->pendingKeys.isEmpty()) {
        d->pendingKeys.chop(1);
        d->transliteratePending(true);
        d->handleCompleterKey(e);
    } else {
        QPlainTextEdit::keyPressEvent(e);
    }
    d->currentKeyEvent = nullptr;
}

void UnicodeLineEdit::focusInEvent(QFocusEvent *e)
{
    emit focusChanged(true);
    QPlainTextEdit::focusInEvent(e);
}

void UnicodeLineEdit::focusOutEvent(QFocusEvent *e)
{
    emit focusChanged(false);
    QPlainTextEdit::focusOutEvent(e);
}

void UnicodeLineEdit::onCursorPositionChanged()
{
    d->resetComposition();
}

void UnicodeLineEdit::onCompleterItemActivated(const QString &completion)
{
    d->insertCompletion(completion);
}
