#ifndef YAVO_RTFTOKENIZER_P_H
#define YAVO_RTFTOKENIZER_P_H

#include <QByteArray>

class QIODevice;

// Splits the bytes of an RTF file into group marks, control words and text
// runs. Reading past the end of the file throws a translated QString, which
// only RtfReader catches.
class RtfTokenizer
{
public:
    enum TokenType {
        StartGroupToken = 0,
        EndGroupToken = 1,
        ControlWordToken = 2,
        TextToken = 3
    };

    RtfTokenizer();

    void setDevice(QIODevice *device);
    bool hasNext() const;
    void readNext();

    TokenType tokenType() const { return type; }
    const QByteArray &tokenText() const { return text; }
    const QByteArray &tokenHex() const { return hex; }
    int tokenValue() const { return value; }
    bool tokenHasValue() const { return hasValue; }

private:
    char next();
    void pushBack() { --position; }

    QIODevice *device = nullptr;
    QByteArray buffer;
    int position = 0;
    TokenType type = TextToken;
    QByteArray hex;
    QByteArray text;
    int value = 0;
    bool hasValue = false;
};

#endif
