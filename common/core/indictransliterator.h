#ifndef YAVO_INDICTRANSLITERATOR_H
#define YAVO_INDICTRANSLITERATOR_H

#include "core/keyboardlayouts.h"

#include <QString>
#include <QStringList>

// Turns Latin keystrokes of one keyboard layout into Unicode text of one of
// the nine Indic scripts, and Indic text of one script into another.
//
// Every rule is written once, as an offset into the Kannada block, and the
// target script's block base is added, so one key yields the letter at the
// same place in every script; a short per-script list then mends the letters
// a script lacks.
//
// Layouts are numbered as KeyboardLayout numbers them.
//
// A plain value class: callers build one on the stack for a conversion, the
// editors at every keystroke. The key tables are shared, immutable and built
// at compile time, so building an engine costs next to nothing.
class IndicTransliterator
{
public:
    IndicTransliterator();
    IndicTransliterator(int language, int keyboard);

    void setLanguage(int language);
    int language() const;
    QString languageName() const;

    void setKeyboard(int keyboard);
    int keyboard() const;
    QString keyboardName() const;

    QStringList phoneticKeys() const;
    QStringList kpraoKeys() const;
    QStringList inscriptKeys() const;
    QStringList keysForKeyboard() const;
    bool isKey(const QString &s) const;

    // The key at the start of text (at most its first two characters are
    // looked at), or an empty string when none starts there.
    QString longestKey(const QString &text) const;

    QString convert(const QString &keys, int language, int keyboard);
    QString convert(const QString &keys);
    QString convertMixed(const QString &text, int language, int keyboard);
    // What one key types, for a key's caption: the halant and arkavattu keys
    // are kept as typed on their own, so they show what they do to a
    // consonant before them (the virama, the repha).
    QString convertKey(const QString &key, int language, int keyboard);

    static quint32 scriptBase(int language);

    static QStringList languageNames();
    static QStringList keyboardLayoutNames();

    // Part of the public interface, though no program of the suite calls them.
    QString emptyResult1() const;
    QString emptyResult2() const;
    QString emptyResult3() const;
    QString passThrough(const QString &text) const;

private:
    enum class Walk { Keys, Mixed };
    enum VowelOffset { noVowel = -2, inherentVowel = -1 };

    bool selectScript(int language, int keyboard);
    void walk(const QString &input, Walk mode);
    int matchKey(const QChar *text, int available, int *length) const;
    void emitKey(int code);
    void emitPhoneticVowel(int code);
    void emitPhonetic2Vowel(int code);
    int vowelPosition() const;
    int vowelOffset(int code, bool after) const;
    bool keepsVowelKey(int code, bool after) const;
    void emitVowel(int code, bool after);
    void emitConsonant(int code);
    void emitArkavattu();
    void emitJoiner(int code);
    void emitDigit(QChar ch);
    void rebase(QChar ch);
    void applyScriptFixups(int language);

    void append(uint offset);
    void appendConjunct(uint first, uint second);
    char16_t lastCharacter() const;
    bool endsWith(char16_t ch) const;
    bool isConsonant(char16_t ch) const;
    bool isVowelSign(char16_t ch) const;
    char16_t virama() const;

    QString m_output;
    int m_language = 0;
    KeyboardLayout m_keyboard = KeyboardLayout::Phonetic;
    quint32 m_scriptBase = 0;
    bool m_handled = true;
};

#endif
