#ifndef YAVO_CONVERTEROUTPUT_H
#define YAVO_CONVERTEROUTPUT_H

#include <QChar>
#include <QString>
#include <QtGlobal>

// A converter's answer to one key: what the input method's hook deletes and
// types in place of the key. A default record deletes and types nothing, so
// the typed key reaches the application as it is.
//
// The hook applies the fields in this order: resetFirst, swallowKeyUp,
// backspaces, arkavattu, character, text, viramaAfter.
struct ConverterOutput
{
    // One character to type; 0 for none.
    QChar character;
    // Typed after `character`; a backslash followed by "n" is one Enter key.
    QString text;
    // Type the converter's virama after `character` and `text`.
    bool viramaAfter = false;
    // Put the repha in front of the last `backspaces` characters: they are
    // deleted, RA and the virama typed, and they are typed again.
    bool arkavattu = false;
    // How many of the characters typed before are deleted first.
    quint16 backspaces = 0;
    // Start a new composition before anything else.
    bool resetFirst = false;
    // Keep the key from the application even when nothing is typed.
    bool swallowKeyUp = false;
};

#endif
