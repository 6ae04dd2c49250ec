#ifndef YAVO_ANSI2INDICUNICODE_H
#define YAVO_ANSI2INDICUNICODE_H

#include "ime/ansitoindicbase.h"

// Types Unicode text of the nine Indic scripts, one character a key. It
// decides from the key and from what the hook has typed so far; apart from
// that it keeps nothing between keys.
//
// Phonetic types every consonant with a virama that a following vowel
// takes away; Phonetic-2, KPRao and InScript type consonants with their
// inherent vowel and add the virama with the halant key.
class ANSI2IndicUnicode : public AnsiToIndicBase
{
    Q_OBJECT

public:
    ANSI2IndicUnicode(int language, int layout);

    QChar virama() const override;
    ConverterOutput process(const QString &key, const QString &emittedText) override;
    ConverterOutput digitOutput(QChar digit) override;

protected:
    QChar appendVowel(int keyIndex, bool asSign, ConverterOutput &out) override;
    QChar appendConsonant(int keyIndex, ConverterOutput &out) override;
    void fixupScript(int language) override;

private:
    QChar phoneticCharacter(int position, const QString &key, const QString &emittedText,
                            ConverterOutput &out);
    QChar phonetic2Character(int position, const QString &key, const QString &emittedText,
                             ConverterOutput &out);
    QChar kpraoCharacter(int position, const QString &key, const QString &emittedText,
                         ConverterOutput &out);
    QChar inscriptCharacter(int position, ConverterOutput &out);
    static void restartWhenPassedOn(ConverterOutput &out);

    QChar letter(int offset) const { return QChar(baseCodePoint + offset); }
    bool isConsonant(QChar c) const;
    bool isVowelSign(QChar c) const;
    QChar halantCharacter() const;
};

#endif
