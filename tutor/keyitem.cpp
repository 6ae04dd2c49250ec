#include "tutor/keyitem.h"

QString KeyItem::keyDisplayText() const
{
    if (!isSpecial())
        return romanChar;
    const int width = static_cast<int>(7 * widthFactor);
    return romanChar.leftJustified(width, QLatin1Char(' '));
}

bool KeyItem::matches(const QString &text) const
{
    return text == romanChar || text == romanUpperChar;
}

bool KeyItem::hasText() const
{
    return !romanChar.isEmpty() || !romanUpperChar.isEmpty();
}

bool KeyItem::isAlpha() const
{
    if (romanChar.isEmpty())
        return false;
    const char16_t first = romanChar.at(0).unicode();
    return (first >= u'A' && first <= u'Z') || (first >= u'a' && first <= u'z');
}

bool KeyItem::isSpecial() const
{
    return widthFactor != 1.0;
}

bool KeyItem::operator==(const KeyItem &other) const
{
    return hasText() && other.hasText() && keyDisplayText() == other.keyDisplayText();
}
