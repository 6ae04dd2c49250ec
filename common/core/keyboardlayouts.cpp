#include "core/keyboardlayouts.h"

KeyboardLayout keyboardLayoutOfImeLayout(int imeLayout)
{
    switch (ImeKeyboardLayout(imeLayout)) {
    case ImeKeyboardLayout::KPRao:
        return KeyboardLayout::KPRao;
    case ImeKeyboardLayout::InScript:
        return KeyboardLayout::InScript;
    case ImeKeyboardLayout::Phonetic2:
        return KeyboardLayout::Phonetic2;
    case ImeKeyboardLayout::Phonetic:
        break;
    }
    return KeyboardLayout::Phonetic;
}
