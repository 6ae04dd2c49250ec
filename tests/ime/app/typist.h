#ifndef YAVO_TYPIST_H
#define YAVO_TYPIST_H

#include "fakekeyboardbackend.h"
#include "textsimulator.h"

#include <QString>

// A user at the fake keyboard, typing into an application whose text the
// simulator keeps: each character becomes its key (with Shift where the
// character needs it), the records the input method sends go into the
// text, and a key the hook passes on reaches the text as itself.
class Typist
{
public:
    explicit Typist(FakeKeyboardBackend &keyboard);

    void type(const QString &keys);
    // One press and release of the key; `reaches` is what the application
    // gets when the hook lets the key-down through. Returns whether the
    // key-down was kept from the application.
    bool press(int virtualKey, QChar reaches = QChar());
    // The key-down alone, and the key-up alone; true when kept from the
    // application.
    bool keyDown(int virtualKey, QChar reaches = QChar());
    bool release(int virtualKey);

    QString text() const { return m_application.text(); }
    void setText(const QString &text) { m_application.setText(text); }
    // Every record sent since the typist began, written out.
    QString records() const { return m_records; }

private:
    bool deliver(quintptr message, int virtualKey, QChar reaches);

    FakeKeyboardBackend &m_keyboard;
    TextSimulator m_application;
    QString m_records;
};

#endif
