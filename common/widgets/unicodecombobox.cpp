#include "widgets/unicodecombobox.h"

#include "widgets/unicodelineedit.h"

#include <QHBoxLayout>
#include <QToolButton>

class UnicodeComboBoxPrivate
{
public:
    explicit UnicodeComboBoxPrivate(UnicodeComboBox *box)
        : q(box)
    {
    }

    void init();

    UnicodeComboBox *const q;
    UnicodeLineEdit *lineEdit = nullptr;
    QToolButton *button = nullptr;
};

void UnicodeComboBoxPrivate::init()
{
    auto *layout = new QHBoxLayout(q);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    lineEdit = new UnicodeLineEdit(nullptr);
    button = new QToolButton(nullptr);
    button->setAutoRaise(false);
    button->setArrowType(Qt::DownArrow);
    button->setIconSize(QSize(8, 16));
    // Placed in the layout, which makes the box their parent and owner.
    layout->addWidget(lineEdit);
    layout->addWidget(button);
}

UnicodeComboBox::UnicodeComboBox(QWidget *parent)
    : QWidget(parent)
    , d(new UnicodeComboBoxPrivate(this))
{
}

UnicodeComboBox::~UnicodeComboBox()
{
    delete d;
}

UnicodeLineEdit *UnicodeComboBox::lineEdit() const
{
    return d->lineEdit;
}
