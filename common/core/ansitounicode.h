#ifndef YAVO_ANSITOUNICODE_H
#define YAVO_ANSITOUNICODE_H

#include <QChar>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>

// Turns phonetic Latin text, as NudiToAnsi writes it, into Unicode Kannada.
// The text carries no syllable boundaries, so it is read greedily: a run of
// consonant keys becomes consonant, virama, consonant, virama..., and the
// vowel that follows replaces only the last virama. Every input gives an
// output; characters that are no key are copied unchanged.
//
// Whether digits come out as ASCII or as Kannada digits is read from the
// "englishNumerals" setting once, when the object is made.
//
// The conversion steps call appendVowel, isVowel, appendConsonant and digit
// only through their virtual functions, so a subclass can replace any of
// them. The steps are handed views into the text being converted, valid only
// for the call. Not thread-safe: build one object per conversion and thread.
class AnsiToUnicode
{
public:
    AnsiToUnicode();
    virtual ~AnsiToUnicode();

    // The whole text, line by line and word by word; line breaks and spaces
    // are kept exactly.
    QString convertText(const QString &text);
    // One word, or any text without line breaks: runs of ASCII letters and
    // digits are converted, everything else is copied.
    QString convertWord(const QString &text);
    // One run of letters and digits.
    QString convert(const QString &word);

protected:
    virtual void appendVowel(QStringView rest);
    virtual bool isVowel(QChar c);
    virtual void appendConsonant(QStringView cluster);
    virtual QChar digit(QChar c);

    // The Kannada text of the letter run being converted, as UTF-16 code
    // units. A run rarely outgrows the room kept in the object.
    QVarLengthArray<char16_t, 256> buffer;
    int position = 0;
    bool finished = false;
    bool afterVowel = false;
    bool englishNumerals = false;

private:
    class Output;

    void appendWord(const QChar *text, int size, Output &out);
    void appendRun(const QChar *word, int size, Output &out);

    void appendUnit(char16_t unit);
    void appendUnits(char16_t first, char16_t second);
    char16_t lastUnit(int fromEnd = 0) const;
    void setLastUnit(char16_t unit);
    void removeLastUnit();
    void clearBuffer();
    bool endsInJoinPoint() const;
    void appendDependent(char16_t independent, char16_t sign);
};

#endif
