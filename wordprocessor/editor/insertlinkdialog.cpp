#include "editor/insertlinkdialog.h"
#include "ui_insertlinkdialog.h"

InsertLinkDialog::InsertLinkDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::InsertLinkDialog)
{
    ui->setupUi(this);
}

InsertLinkDialog::~InsertLinkDialog()
{
    delete ui;
}

QString InsertLinkDialog::url() const
{
    return ui->urlLineEdit->text();
}

void InsertLinkDialog::setURL(const QString &aurl)
{
    ui->urlLineEdit->setText(aurl);
}

void InsertLinkDialog::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
