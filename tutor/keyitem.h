#ifndef YAVO_KEYITEM_H
#define YAVO_KEYITEM_H

#include <QString>

// One key of the on-screen keyboard as a layout file describes it.
struct KeyItem
{
    QString romanChar;       // unshifted text ("q", "1", "SHFT")
    QString romanUpperChar;  // shifted text ("Q", "!", "SHFT")
    double widthFactor = 1.0;
    bool isShiftKey = false;

    // The unshifted text, padded on the right for keys wider than a cell so
    // that the caption keeps to the left of the wide key.
    QString keyDisplayText() const;
    bool matches(const QString &text) const;
    bool hasText() const;
    bool isAlpha() const;
    bool isSpecial() const;

    // Two keys are the same key when both carry text and show the same caption.
    bool operator==(const KeyItem &other) const;
    bool operator!=(const KeyItem &other) const { return !(*this == other); }
};

#endif
