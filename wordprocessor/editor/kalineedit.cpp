#include "editor/kalineedit.h"

#include "core/indictransliterator.h"
#include "utils/utils.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>

namespace {

constexpr int english = 9;
constexpr int transliteration = 3;

} // namespace

KaLineEdit::KaLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

KaLineEdit::~KaLineEdit() = default;

QString KaLineEdit::text() const
{
    return QLineEdit::text();
}

void KaLineEdit::setLanugage(int language)
{
    m_language = language;
    QFont f = font();
    f.setFamily(Utils::defaultFontFamily(language));
    f.setPointSize(11);
    setFont(f);
    m_pendingKeys.clear();
}

void KaLineEdit::setKeyboard(int keyboard)
{
    m_keyboard = keyboard;
}

void KaLineEdit::setTyping(int typing)
{
    m_typing = typing;
}

void KaLineEdit::slotTextEdited(const QString &text)
{
    if (m_completer && !text.isEmpty() && (m_language == english || m_keyboard == transliteration))
        m_completer->popup()->hide();
}

void KaLineEdit::slotCursorPositionChanged(int, int)
{
    if (m_clearedOnce)
        return;
    m_pendingKeys.clear();
    m_clearedOnce = true;
}

void KaLineEdit::keyPressEvent(QKeyEvent *e)
{
    const QString keyText = e->text();
    if (!keyText.isEmpty() && keyText.front().isSpace()) {
        m_clearedOnce = true;
        setText(IndicTransliterator().convert(QLineEdit::text(), m_language, m_keyboard));
    }
    QLineEdit::keyPressEvent(e);
}
