#include "widgets/unicodeplaintextedit.h"

class UnicodePlainTextEditPrivate
{
public:
    explicit UnicodePlainTextEditPrivate(UnicodePlainTextEdit *edit)
        : q(edit)
    {
    }

    UnicodePlainTextEdit *const q;
};

UnicodePlainTextEdit::UnicodePlainTextEdit(QWidget *parent)
    : UnicodeLineEdit(parent)
    , d(new UnicodePlainTextEditPrivate(this))
{
    // Undo the single-line field's fixed height before giving the range.
    setMinimumHeight(60);
    setMaximumHeight(800);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WordWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setMultiLine(true);
}

UnicodePlainTextEdit::~UnicodePlainTextEdit()
{
    delete d;
}
