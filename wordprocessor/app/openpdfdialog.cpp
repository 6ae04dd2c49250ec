#include "app/openpdfdialog.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

namespace {

template <class Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

OpenPdfDialog::OpenPdfDialog(QWidget *parent)
    : QDialog(parent, Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
    , ui(new Widgets)
{
    setObjectName(QStringLiteral("OpenPdfDialog"));
    resize(383, 78);

    ui->gridLayout = named(new QGridLayout(this), "gridLayout");
    ui->lineEdit = named(new QLineEdit(this), "lineEdit");
    ui->lineEdit->setReadOnly(true);
    ui->OpenBtn = named(new QPushButton(this), "OpenBtn");
    ui->OpenFolderBtn = named(new QPushButton(this), "OpenFolderBtn");
    ui->CloseBtn = named(new QPushButton(this), "CloseBtn");

    ui->gridLayout->addWidget(ui->lineEdit, 0, 0, 1, 3);
    ui->gridLayout->addWidget(ui->OpenBtn, 1, 0);
    ui->gridLayout->addWidget(ui->OpenFolderBtn, 1, 1);
    ui->gridLayout->addWidget(ui->CloseBtn, 1, 2);

    retranslate();
    QMetaObject::connectSlotsByName(this);
}

OpenPdfDialog::~OpenPdfDialog()
{
    // The widgets go with the dialog; only the record is ours.
    delete ui;
}

void OpenPdfDialog::setFilePath(const QString &filePath)
{
    ui->lineEdit->setText(filePath);
}

void OpenPdfDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void OpenPdfDialog::retranslate()
{
    setWindowTitle(tr("Yavo - Export to Pdf"));
    ui->OpenBtn->setText(tr("Open"));
    ui->OpenFolderBtn->setText(tr("Open Containing folder"));
    ui->CloseBtn->setText(tr("Close"));
}

void OpenPdfDialog::on_CloseBtn_clicked()
{
    QDialog::accept();
}

// A name typed without a folder is relative to the current folder; the
// desktop's handlers are given absolute file URLs, which they can open.
void OpenPdfDialog::on_OpenFolderBtn_clicked()
{
    const QFileInfo pdf(ui->lineEdit->text());
    if (pdf.exists())
        QDesktopServices::openUrl(QUrl::fromLocalFile(pdf.absolutePath()));
}

void OpenPdfDialog::on_OpenBtn_clicked()
{
    const QFileInfo pdf(ui->lineEdit->text());
    if (pdf.exists())
        QDesktopServices::openUrl(QUrl::fromLocalFile(pdf.absoluteFilePath()));
}
