#ifndef YAVO_ANSI2INDICANSI_H
#define YAVO_ANSI2INDICANSI_H

#include "ime/ansitoindicbase.h"

#include <QList>

// Types Kannada in the Nudi font's 8-bit glyph encoding, with the KPRao and
// InScript layouts. A vowel sign or a second consonant changes glyphs that
// were already typed, so the converter remembers the glyph groups of the
// word and answers each key with the new form of the last group: it deletes
// the group and types it again.
//
// It needs the consonant-and-vowel table ":/resources/ANSIKaagunita.txt"
// (34 rows of 15 cells). Without a sound table it logs why and converts
// nothing: no key is valid and every record is empty.
class ANSI2IndicANSI : public AnsiToIndicBase
{
    Q_OBJECT

public:
    // Any Indic language is typed as Kannada; English (or any language out
    // of range) converts nothing. A layout other than InScript becomes KPRao.
    ANSI2IndicANSI(int language, int layout,
                   const QString &kaagunitaFile = QStringLiteral(":/resources/ANSIKaagunita.txt"));

    void reset() override;
    bool isValidKey(const QString &key) const override;
    QChar virama() const override;
    ConverterOutput process(const QString &key, const QString &emittedText) override;
    bool flushPending(ConverterOutput &out) override;

protected:
    QChar appendVowel(int keyIndex, bool asSign, ConverterOutput &out) override;
    QChar appendConsonant(int keyIndex, ConverterOutput &out) override;

private:
    bool loadKaagunita(const QString &fileName);
    int vowelColumn(int keyIndex) const;
    int consonantColumn(int keyIndex) const;
    QChar halantKey() const;
    bool attachesSign() const;
    bool endsWithSubjoined(const QString &group) const;
    QString baseConsonantOf(QString group) const;
    QString baseHalantOf(QString group) const;

    QStringList vowelGlyphs;
    QStringList consonantGlyphs;
    QStringList halantGlyphs;
    QStringList pendingGlyphs;
    QList<QStringList> kaagunita;
    QStringList subjoinedGlyphs;
};

#endif
