#include "ime/app/aboutyavoime.h"

#include "private/focusleavecloser_p.h"
#include "private/imeresources_p.h"
#include "private/imeversion_p.h"

#include "ui_aboutyavoime.h"

AboutYavoIME::AboutYavoIME(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint)
    , ui(new Ui::AboutYavoIME)
{
    registerYavoIMEResources();
    ui->setupUi(this);
    ui->gridLayout->setAlignment(ui->label, Qt::AlignHCenter);
    ui->label_5->setText(QStringLiteral("%1 %2").arg(ui->label_5->text(), QStringLiteral(YAVO_IME_VERSION)));
    new FocusLeaveCloser(this);
    setFocus();
}

AboutYavoIME::~AboutYavoIME()
{
    delete ui;
}

void AboutYavoIME::focusOutEvent(QFocusEvent *event)
{
    QDialog::focusOutEvent(event);
}

void AboutYavoIME::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
}
