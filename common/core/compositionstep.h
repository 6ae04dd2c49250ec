#ifndef YAVO_COMPOSITIONSTEP_H
#define YAVO_COMPOSITIONSTEP_H

#include "core/keyboardlayouts.h"

#include <QString>

// One step of composing a word in place of the Latin keys typed for it: how
// many characters before the cursor make way, and the text that takes their
// place. The Indic entry widgets apply it to their text.
struct CompositionStep
{
    int remove = 0;
    QString text;

    // keys are the word's keys, shown the text the previous step left.
    // With every layout but Transliteration the shown text gives way to the
    // conversion of all the keys. With Transliteration, takeBack (Backspace
    // right after a word end) puts the keys back in place of their
    // conversion and empties keys; otherwise the keys give way to their
    // conversion, and dropOneMore takes the character after them too.
    static CompositionStep next(QString &keys, const QString &shown, int language,
                                KeyboardLayout keyboard, bool takeBack, bool dropOneMore);
};

#endif
