#include "app/aboutyavo.h"
#include "app/ui_aboutyavo.h"

#include <QApplication>

AboutYavo::AboutYavo(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::AboutYavo)
{
    Q_INIT_RESOURCE(yavopad);
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    ui->verticalLayout->setAlignment(ui->label, Qt::AlignHCenter);
    ui->label_2->setText(QGuiApplication::applicationDisplayName());
}

AboutYavo::~AboutYavo()
{
    delete ui;
}

void AboutYavo::showEvent(QShowEvent *event)
{
    QApplication::setActiveWindow(this);
    QDialog::showEvent(event);
}
