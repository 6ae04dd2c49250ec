#ifndef YAVO_ANSITOINDICBASE_H
#define YAVO_ANSITOINDICBASE_H

#include "core/keyboardlayouts.h"
#include "ime/converteroutput.h"

#include <QObject>
#include <QStringList>

// The input method's keystroke converters: the hook hands them one Latin key
// at a time together with what it has typed so far, and types the record
// they answer. They keep their own KPRao and InScript key lists and layout
// numbering (0 Phonetic, 1 KPRao, 2 InScript, 3 Phonetic-2), apart from the
// word processor's transliterator; the Phonetic keys and the script blocks
// are the transliterator's.
//
// Every key has one index across the three lists: its position plus the
// list's first index. The derived classes' tables are keyed by it.
class AnsiToIndicBase : public QObject
{
    Q_OBJECT

public:
    enum KeyList {
        PhoneticKeyBase = 0,
        PhoneticKeyCount = 67,
        KpraoKeyBase = 67,
        KpraoKeyCount = 52,
        InscriptKeyBase = 119,
        InscriptKeyCount = 67
    };

    AnsiToIndicBase(int language, int layout);
    ~AnsiToIndicBase() override;

    void setLanguage(int language);
    void setKeyboardLayout(int layout);
    // The first code point of the language's Unicode block; 0 outside 0..8.
    static quint16 scriptBase(int language);

    virtual void reset();
    virtual bool isValidKey(const QString &key) const;
    virtual QChar virama() const = 0;
    virtual ConverterOutput process(const QString &key, const QString &emittedText) = 0;
    virtual ConverterOutput digitOutput(QChar digit);
    // Steps the pending composition one stage back into `out`; false when
    // nothing was pending.
    virtual bool flushPending(ConverterOutput &out);

    // The keys of the layouts, in key-index order; Phonetic-2 shares the
    // Phonetic list.
    const QStringList phoneticKeys;
    const QStringList kpraoKeys;
    const QStringList inscriptKeys;

    // Read freely; change them through setLanguage and setKeyboardLayout.
    // The layout is numbered as ImeKeyboardLayout numbers it.
    quint16 baseCodePoint = 0;
    int keyboardLayout = 0;
    int language = 0;

protected:
    virtual QChar appendVowel(int keyIndex, bool asSign, ConverterOutput &out);
    virtual QChar appendConsonant(int keyIndex, ConverterOutput &out);
    virtual void fixupScript(int language);

    // Only the nine Indic languages are converted; anything else (English,
    // a stored value out of range) leaves every key as it is typed.
    bool convertsLanguage() const { return baseCodePoint != 0; }
    // The layout, as the input method numbers it.
    ImeKeyboardLayout imeLayout() const { return ImeKeyboardLayout(keyboardLayout); }
    // A key that stands for a digit: an ASCII digit or a number above ASCII.
    static bool isNumberKey(QChar c);
    // Whether digits are typed as English numerals for this digit key. The
    // hook asks isValidKey before it converts a key, and that check has just
    // read the shared setting: its answer serves the same key once, so one
    // key press reads the settings store once. Otherwise it is read afresh.
    bool englishNumeralsFor(QChar digit) const;

    // The key's position in the list of the current layout (KPRao for 1,
    // InScript for 2, Phonetic for any other value); -1 when it is none of
    // its keys.
    int keyPosition(const QString &key) const;

    // Scratch text of one process() call.
    QString workBuffer;

private:
    // The setting as isValidKey last read it, for the number key it was
    // asked about; null when the last key asked was no number.
    mutable QChar m_numeralsCheckedKey;
    mutable bool m_numeralsCheckedEnglish = false;
};

#endif
