#ifndef YAVO_TEXTSIMULATOR_H
#define YAVO_TEXTSIMULATOR_H

#include "platform/keyboardinput.h"

#include <QString>
#include <QVector>

// The text of an application that receives the input method's keys: the
// keys that reach it and the records the input method sends. Only key-downs
// change it: a Unicode record types its character, Backspace deletes the
// character before the cursor (none at the start), Enter types a line feed.
class TextSimulator
{
public:
    void apply(const Platform::INPUT &record);
    void apply(const QVector<Platform::INPUT> &records);
    // A key typed by the user that reached the application: its character,
    // or for '\b' (Backspace) the deletion of the character before it.
    void type(QChar c);

    QString text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }

private:
    QString m_text;
};

// A record list written out, one item per key-down: "<BS>", "<RET>", the
// character for a Unicode record, "<vk N>" for any other key; the key-ups
// must match their key-downs and are not written ("<bad pair>" otherwise).
QString describeRecords(const QVector<Platform::INPUT> &records);

#endif
