#include "editor/ansikaeditor.h"
#include "private/completerkeys_p.h"

#include "core/ansitounicode.h"
#include "core/endofword.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFile>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStringListModel>

namespace {

const QString wordListPath = QStringLiteral(":/resources/wordlist_en.txt");

bool isShortcut(const QKeyEvent *e)
{
    return (e->modifiers() & Qt::ControlModifier) && e->key() == Qt::Key_E;
}

} // namespace

AnsiKaEditor::AnsiKaEditor()
    : QTextEdit(nullptr)
    , m_completer(new QCompleter(this))
{
    m_completer->setModel(loadWordList(wordListPath));
    m_completer->setModelSorting(QCompleter::UnsortedModel);
    m_completer->setCaseSensitivity(Qt::CaseInsensitive);
    m_completer->setWrapAround(false);
    m_completer->setWidget(this);
    m_completer->setCompletionMode(QCompleter::PopupCompletion);
    connect(m_completer, QOverload<const QString &>::of(&QCompleter::activated),
            this, &AnsiKaEditor::insertCompletion);
    setFont(QFont(QStringLiteral("Tunga"), 12));
}

AnsiKaEditor::~AnsiKaEditor() = default;

QStringListModel *AnsiKaEditor::loadWordList(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return new QStringListModel(m_completer);

    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    QStringList words;
    while (!file.atEnd()) {
        QByteArray line = file.readLine().trimmed();
        const int nul = line.indexOf('\0');
        if (nul >= 0)
            line.truncate(nul);
        words << QString::fromUtf8(line);
    }
    QApplication::restoreOverrideCursor();
    return new QStringListModel(words, m_completer);
}

QString AnsiKaEditor::textUnderCursor() const
{
    QTextCursor cursor = textCursor();
    cursor.select(QTextCursor::WordUnderCursor);
    return cursor.selectedText();
}

QString AnsiKaEditor::lineUnderCursor() const
{
    QTextCursor cursor = textCursor();
    cursor.select(QTextCursor::LineUnderCursor);
    return cursor.selectedText();
}

void AnsiKaEditor::keyPressEvent(QKeyEvent *e)
{
    if (isReadOnly())
        return;

    if (m_completer && m_completer->popup()->isVisible() && isCompleterPopupKey(e->key())) {
        e->ignore();
        return;
    }

    const bool shortcut = isShortcut(e);
    if (!shortcut || !m_completer)
        QTextEdit::keyPressEvent(e);

    if (!m_completer)
        return;
    const bool ctrlOrShift = e->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    if (ctrlOrShift && e->text().isEmpty())
        return;

    const QString prefix = textUnderCursor();
    const bool otherModifier = e->modifiers() != Qt::NoModifier && !ctrlOrShift;
    if (!shortcut && (otherModifier || e->text().isEmpty() || prefix.size() < 2
                      || isEndOfWordCharacter(e->text().back()))) {
        m_completer->popup()->hide();
        return;
    }

    if (prefix != m_completer->completionPrefix()) {
        m_completer->setCompletionPrefix(prefix);
        m_completer->popup()->setCurrentIndex(m_completer->completionModel()->index(0, 0));
    }
    QRect rect = cursorRect();
    rect.setWidth(m_completer->popup()->sizeHintForColumn(0)
                  + m_completer->popup()->verticalScrollBar()->sizeHint().width());
    m_completer->complete(rect);

    captureLine();

    if (e->text() == QLatin1String("\n")) {
        m_capturedText.clear();
        emit wordAdded(m_capturedText);
    }
}

void AnsiKaEditor::captureLine()
{
    m_capturedText.clear();
    const QStringList pieces = lineUnderCursor().split(QLatin1Char(' '));
    for (const QString &piece : pieces) {
        m_capturedText += AnsiToUnicode().convert(piece) + QLatin1Char(' ');
        emit wordAdded(m_capturedText);
    }
}

void AnsiKaEditor::insertCompletion(const QString &completion)
{
    if (m_completer->widget() != this)
        return;
    const int extra = qMax(0, completion.size() - m_completer->completionPrefix().size());
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::Left);
    cursor.movePosition(QTextCursor::EndOfWord);
    cursor.insertText(completion.right(extra));
    setTextCursor(cursor);
    captureLine();
}

void AnsiKaEditor::focusInEvent(QFocusEvent *e)
{
    if (m_completer)
        m_completer->setWidget(this);
    QTextEdit::focusInEvent(e);
}
