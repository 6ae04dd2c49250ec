#include "app/yvansitounicodebatchconverterdialog.h"
#include "app/ui_yvansitounicodebatchconverterdialog.h"

#include "app/yvworker.h"
#include "core/sharedsettings.h"
#include "formats/formatmanager.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

yvANSIToUnicodeBatchConverterDialog::yvANSIToUnicodeBatchConverterDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::yvANSIToUnicodeBatchConverterDialog)
{
    ui->setupUi(this);
    ui->pSrcFolderLE->setText(SharedSettings::workingDir());
    ui->progressBar->hide();
    ui->pAbortPB->setEnabled(false);

    connect(ui->pSrcTB, &QToolButton::clicked, this, &yvANSIToUnicodeBatchConverterDialog::onSrcTBClicked);
    connect(ui->pDstTB, &QToolButton::clicked, this, &yvANSIToUnicodeBatchConverterDialog::onDstTBClicked);
    connect(ui->pOKPB, &QPushButton::clicked, this, &yvANSIToUnicodeBatchConverterDialog::onOkClicked);
    connect(ui->pAbortPB, &QPushButton::clicked, this, &yvANSIToUnicodeBatchConverterDialog::onAbortClicked);
    connect(ui->pCancelPB, &QPushButton::clicked, this, &yvANSIToUnicodeBatchConverterDialog::onCancelClicked);
    connect(ui->pSrcFolderLE, &QLineEdit::editingFinished, this,
            [this] { suggestDestinationFolder(ui->pSrcFolderLE->text(), ui->pDstFolderLE); });
}

yvANSIToUnicodeBatchConverterDialog::~yvANSIToUnicodeBatchConverterDialog()
{
    delete ui;
}

void yvANSIToUnicodeBatchConverterDialog::suggestDestinationFolder(const QString &source, QLineEdit *destination)
{
    if (QDir(source).exists() && destination->text().isEmpty())
        destination->setText(source + QStringLiteral("/Unicode/"));
}

QString yvANSIToUnicodeBatchConverterDialog::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, QGuiApplication::applicationDisplayName(),
                                                             SharedSettings::workingDir(),
                                                             QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        SharedSettings::setWorkingDir(folder);
    return folder;
}

void yvANSIToUnicodeBatchConverterDialog::onSrcTBClicked()
{
    abort = false;
    const QString folder = chooseFolder();
    if (folder.isEmpty())
        return;
    ui->pSrcFolderLE->setText(folder);
    suggestDestinationFolder(folder, ui->pDstFolderLE);
}

void yvANSIToUnicodeBatchConverterDialog::onDstTBClicked()
{
    const QString folder = chooseFolder();
    if (!folder.isEmpty())
        ui->pDstFolderLE->setText(folder);
}

void yvANSIToUnicodeBatchConverterDialog::onCancelClicked()
{
    ui->progressBar->hide();
    close();
}

// Closing the window in the middle of a run stops it before the next file.
void yvANSIToUnicodeBatchConverterDialog::reject()
{
    abort = true;
    QDialog::reject();
}

void yvANSIToUnicodeBatchConverterDialog::onAbortClicked()
{
    if (!running)
        return;
    abort = true;
    ui->pStatus->setText(tr("<b>Aborting...!!!</b>"));
}

// Asks before creating a missing destination and before writing into one
// that already holds something; false when the run must not go on.
bool yvANSIToUnicodeBatchConverterDialog::prepareDestination(const QString &folder)
{
    if (folder.isEmpty()) {
        ui->pStatus->setText(tr("Destination folder path is empty, please select destination folder!!!"));
        return false;
    }
    QDir destination(folder);
    if (!destination.exists()) {
        const QString question = tr("Destination folder not present!!!") + QLatin1Char('\n') + QLatin1Char('!')
            + QLatin1Char('\n') + tr("Do you want to create the folder and continue?");
        if (QMessageBox::question(this, QGuiApplication::applicationDisplayName(), question,
                                  QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
            ui->pStatus->setText(tr("Destination folder doesnt exists!!!"));
            return false;
        }
        if (!destination.mkpath(QStringLiteral("."))) {
            ui->pStatus->setText(tr("Destination folder could not be created!!!"));
            return false;
        }
    }
    if (!destination.entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty()) {
        const QString question = tr("Destination folder is not empty!!!") + QLatin1Char('\n')
            + tr("files might get overwritten!") + QLatin1Char('\n') + tr("Do you want to continue?");
        if (QMessageBox::question(this, QGuiApplication::applicationDisplayName(), question,
                                  QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            return false;
    }
    return true;
}

void yvANSIToUnicodeBatchConverterDialog::onOkClicked()
{
    if (running)
        return;
    abort = false;
    ui->pStatus->clear();

    QDir source(ui->pSrcFolderLE->text());
    if (ui->pSrcFolderLE->text().isEmpty() || !source.exists()) {
        ui->pStatus->setText(tr("Source folder doesnt exists!!!"));
        return;
    }
    const QFileInfoList files =
        source.entryInfoList(FormatManager::nameFilters(), QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (files.isEmpty()) {
        ui->progressBar->hide();
        ui->pStatus->setText(tr("No files to convert"));
        return;
    }
    const QString destination = ui->pDstFolderLE->text();
    if (!prepareDestination(destination))
        return;

    setRunning(true);
    ui->pStatus->setText(tr("<b>Started...!!!</b>"));
    ui->progressBar->setRange(0, files.size());
    ui->progressBar->setValue(0);
    ui->progressBar->show();

    int converted = 0;
    int failed = 0;
    for (const QFileInfo &file : files) {
        if (abort)
            break;
        const QString output = convertFile(file.filePath());
        if (output.isEmpty())
            ++failed;
        else
            ui->pStatus->setText(tr("Completed: %1").arg(output));
        ui->progressBar->setValue(++converted);
    }

    setRunning(false);
    if (converted < files.size()) {
        ui->progressBar->hide();
        ui->pStatus->setText(tr("Aborted!!!"));
    } else if (failed > 0) {
        ui->pStatus->setText(tr("<b>Completed!!!</b> %n file(s) could not be converted", nullptr, failed));
    } else {
        ui->pStatus->setText(tr("<b>Completed!!!</b>"));
    }
}

QString yvANSIToUnicodeBatchConverterDialog::convertFile(const QString &path)
{
    ui->pStatus->setText(path);
    QString output;
    yvWorker worker;
    connect(&worker, &yvWorker::fileCompleted, this, [&output](const QString &written) { output = written; });
    worker.convertANSI2UnicodeFile(path, ui->pDstFolderLE->text());
    return output;
}

void yvANSIToUnicodeBatchConverterDialog::setRunning(bool on)
{
    running = on;
    ui->pOKPB->setEnabled(!on);
    ui->pCancelPB->setEnabled(!on);
    ui->pAbortPB->setEnabled(on);
    ui->pSrcTB->setEnabled(!on);
    ui->pDstTB->setEnabled(!on);
}
