#include "app/printersettingsdialog.h"
#include "app/ui_printersettingsdialog.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPageLayout>
#include <QStandardPaths>

PrinterSettingsDialog::PrinterSettingsDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint)
    , ui(new Ui::PrinterSettingsDialog)
{
    ui->setupUi(this);
}

PrinterSettingsDialog::~PrinterSettingsDialog()
{
    delete ui;
}

void PrinterSettingsDialog::setFileName(const QString &fileName)
{
    ui->fileNameLineEdit->setText(fileName);
}

QString PrinterSettingsDialog::fileName() const
{
    return ui->fileNameLineEdit->text();
}

int PrinterSettingsDialog::orientation() const
{
    // QPageLayout numbers the orientations as QPrinter does.
    return ui->landscapeRadioButton->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

double PrinterSettingsDialog::leftMargin() const
{
    return ui->leftMargin->value();
}

double PrinterSettingsDialog::topMargin() const
{
    return ui->topMargin->value();
}

double PrinterSettingsDialog::rightMargin() const
{
    return ui->rightMargin->value();
}

double PrinterSettingsDialog::bottomMargin() const
{
    return ui->bottonMargin->value();
}

void PrinterSettingsDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void PrinterSettingsDialog::accept()
{
    if (ui->fileNameLineEdit->text().isEmpty()) {
        QMessageBox::information(this, QGuiApplication::applicationDisplayName(),
                                 tr("You must enter the name for the new file"), QMessageBox::Ok);
        return;
    }
    QDialog::accept();
}

void PrinterSettingsDialog::on_chooseFileNameBtn_clicked()
{
    // The chooser's answer replaces the field even when it is empty, so
    // cancelling it clears a name the user no longer wanted.
    const QString startDir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ui->fileNameLineEdit->setText(QFileDialog::getSaveFileName(this, tr("Save File"), startDir,
                                                               tr("PDF files (*.pdf)")));
}
