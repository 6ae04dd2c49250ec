#ifndef YAVO_KEYBOARDLAYOUTS_H
#define YAVO_KEYBOARDLAYOUTS_H

// The keyboard layouts, each vocabulary numbered once. The numbers are what
// the settings store and what the int interfaces of the engines take, so
// they never change.

// The layouts of the transliterator, as the word processor, its line edits
// and the typing tutor number them.
enum class KeyboardLayout : int {
    Phonetic = 0,
    KPRao = 1,
    InScript = 2,
    Transliteration = 3,
    Phonetic2 = 4,
    KPRaoExtended = 5,
};

// The layouts of the input method's converters, as the input method numbers
// them: Phonetic-2 is 3 here, not 4.
enum class ImeKeyboardLayout : int {
    Phonetic = 0,
    KPRao = 1,
    InScript = 2,
    Phonetic2 = 3,
};

// The transliterator's layout for a layout number the input method stored.
// A number the input method does not know is Phonetic, as its key lists
// take it.
KeyboardLayout keyboardLayoutOfImeLayout(int imeLayout);

#endif
