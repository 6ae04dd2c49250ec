#include "app/keyboardexamples.h"
#include "app/ui_keyboardexamples.h"

#include <QApplication>
#include <QComboBox>

namespace {

// The resource that holds the picture of a combo-box entry.
QString examplePicture(int index)
{
    switch (index) {
    case 1:
        return QStringLiteral(":/resources/examples/Nudi.png");
    case 2:
        return QStringLiteral(":/resources/examples/phonetic-2.png");
    default:
        return QStringLiteral(":/resources/examples/Phonetic.png");
    }
}

} // namespace

KeyboardExamples::KeyboardExamples(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint)
    , ui(new Ui::KeyboardExamples)
{
    Q_INIT_RESOURCE(yavopad);
    ui->setupUi(this);
    connect(ui->comboBox, QOverload<int>::of(&QComboBox::activated), this, &KeyboardExamples::onShowExample);
    connect(ui->pushClose, &QPushButton::clicked, this, &QDialog::close);
}

KeyboardExamples::~KeyboardExamples()
{
    delete ui;
}


void KeyboardExamples::showEvent(QShowEvent *event)
{
    QApplication::setActiveWindow(this);
    QDialog::showEvent(event);
}

void KeyboardExamples::onShowExample(int index)
{
    ui->label->setPixmap(QPixmap(examplePicture(index)));
}
