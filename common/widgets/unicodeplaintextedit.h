#ifndef YAVO_UNICODEPLAINTEXTEDIT_H
#define YAVO_UNICODEPLAINTEXTEDIT_H

#include "widgets/unicodelineedit.h"

class UnicodePlainTextEditPrivate;

// The several-line variant of the Indic entry field: it wraps at word
// boundaries, scrolls as needed, and Return starts a new line.
class UnicodePlainTextEdit : public UnicodeLineEdit
{
    Q_OBJECT

public:
    explicit UnicodePlainTextEdit(QWidget *parent = nullptr);
    ~UnicodePlainTextEdit() override;

private:
    UnicodePlainTextEditPrivate *const d;
};

#endif
