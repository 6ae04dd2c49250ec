#ifndef YAVO_KEYFEEDER_H
#define YAVO_KEYFEEDER_H

#include "ime/ansitoindicbase.h"

#include <QString>
#include <QStringList>

// Types keys into a converter the way the input method's hook does: it
// joins a key with the one before when the pair is a key, resets the
// composition on keys that stand alone or are not converted, and applies
// each record both to the hook's record of what it typed since the last
// reset (handed to the converter) and to the application's whole text.
class KeyFeeder
{
public:
    explicit KeyFeeder(AnsiToIndicBase &converter)
        : m_converter(converter)
    {
    }

    // Types every character of `keys`; returns the record of the last one
    // (an empty record when it was not converted).
    ConverterOutput type(const QString &keys)
    {
        ConverterOutput last;
        for (const QChar c : keys)
            last = typeKey(c);
        return last;
    }

    QString emittedText() const { return m_emittedText; }
    QString applicationText() const { return m_applicationText; }
    void clearApplicationText() { m_applicationText.clear(); }

    void reset()
    {
        m_typedKeys.clear();
        m_emittedText.clear();
        m_converter.reset();
    }

private:
    ConverterOutput typeKey(QChar c)
    {
        const QString single(c);
        const bool isRupee = c == QLatin1Char('$');
        // Asked once a key, as the hook does: a digit's check reads the
        // shared settings store.
        const bool valid = m_converter.isValidKey(single);
        if (!valid && !isRupee) {
            reset();
            m_applicationText += c;
            return ConverterOutput();
        }
        const bool standalone = !valid || isRupee || c.isNumber();
        QString key = single;
        if (standalone) {
            reset();
        } else if (!m_typedKeys.isEmpty()) {
            const QString pair = m_typedKeys.right(1) + c;
            if (m_converter.isValidKey(pair))
                key = pair;
        }
        const ConverterOutput out = m_converter.process(key, m_emittedText);
        const bool typesNothing = out.backspaces == 0 && !out.arkavattu && out.character.isNull()
            && out.text.isEmpty() && !out.viramaAfter;
        if (typesNothing && !out.swallowKeyUp)
            m_applicationText += c;
        apply(out);
        if (!standalone)
            m_typedKeys += c;
        return out;
    }

    void apply(const ConverterOutput &out)
    {
        if (out.resetFirst)
            reset();
        applyTo(m_emittedText, out);
        applyTo(m_applicationText, out);
    }

    void applyTo(QString &text, const ConverterOutput &out) const
    {
        if (out.arkavattu) {
            const QString moved = text.right(out.backspaces);
            text.chop(out.backspaces);
            text += QChar(m_converter.baseCodePoint + 0x30);
            text += m_converter.virama();
            text += moved;
        } else {
            text.chop(out.backspaces);
        }
        if (!out.character.isNull())
            text += out.character;
        text += out.text;
        if (out.viramaAfter)
            text += m_converter.virama();
    }

    AnsiToIndicBase &m_converter;
    QString m_typedKeys;
    QString m_emittedText;
    QString m_applicationText;
};

// What a record types: its character followed by its text.
inline QString typedText(const ConverterOutput &out)
{
    return out.character.isNull() ? out.text : out.character + out.text;
}

// The record's flags as words, in the order the hook applies them.
inline QString recordFlags(const ConverterOutput &out)
{
    QStringList flags;
    if (out.resetFirst)
        flags << QStringLiteral("reset");
    if (out.swallowKeyUp)
        flags << QStringLiteral("swallow");
    if (out.arkavattu)
        flags << QStringLiteral("arkavattu");
    if (out.viramaAfter)
        flags << QStringLiteral("virama");
    return flags.join(QLatin1Char(' '));
}

#endif
