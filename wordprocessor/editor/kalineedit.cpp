#include "editor/kalineedit.h"

#include "core/indicchars.h"
#include "core/indictransliterator.h"
#include "core/keyboardlayouts.h"
#include "utils/utils.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>

namespace {

// The language number after the Indic ones: Indic input off.
constexpr int english = IndicLanguage::count;

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
    const bool latinLetters = m_language == english
            || m_keyboard == int(KeyboardLayout::Transliteration);
    if (m_completer && !text.isEmpty() && latinLetters)
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
