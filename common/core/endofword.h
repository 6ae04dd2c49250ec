#ifndef YAVO_ENDOFWORD_H
#define YAVO_ENDOFWORD_H

#include <QChar>

// The ASCII punctuation that ends a word for completion: U+0021 to U+002F,
// U+003A to U+0040, U+005B to U+005F and U+007B to U+007E. The grave accent
// is not among it.
inline bool isEndOfWordCharacter(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 0x21 && u <= 0x2F) || (u >= 0x3A && u <= 0x40)
            || (u >= 0x5B && u <= 0x5F) || (u >= 0x7B && u <= 0x7E);
}

#endif
