#ifndef YAVO_PHONETICANSIKANNADA_H
#define YAVO_PHONETICANSIKANNADA_H

#include <QObject>
#include <QString>
#include <QStringList>

// Converts phonetic Latin text into Kannada Unicode with a key list of its
// own, independent of the keystroke transliterator. Kannada text passes
// unchanged; spaces, punctuation and anything else that starts no key are
// dropped. A key's code is its position in the key list.
class PhoneticANSIKannada : public QObject
{
public:
    PhoneticANSIKannada();

    QString convert(QString text);
    QString respellEnglishWord(QString text);
    // text (at most two characters) whole, then its first character, looked
    // up in the key list: the first key found, else an empty string.
    QString longestKey(const QString &text) const;
    void emitKey(const QString &key);

private:
    void buildKeyTable();
    void emitVowel(int code);
    void emitConsonant(int code);
    void emitDigit(int code);
    void emitJoiner(int code);

    QStringList keyList;
    QStringList secondList;
    QStringList thirdList;
    QString output;
};

#endif
