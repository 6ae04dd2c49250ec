#ifndef YAVO_YVANSITOUNICODEBATCHCONVERTERDIALOG_H
#define YAVO_YVANSITOUNICODEBATCHCONVERTERDIALOG_H

#include <QDialog>

class QLineEdit;

namespace Ui {
class yvANSIToUnicodeBatchConverterDialog;
}

// Converts every document of a source folder from Nudi-font (ANSI) Kannada
// to Unicode, writing "Unicode-<name>" copies into a destination folder.
// The conversions run one after another on the caller's thread; the readers
// let events through while they read, so OK and Close stay disabled until
// the run ends and Abort stops it before the next file.
class yvANSIToUnicodeBatchConverterDialog : public QDialog
{
    Q_OBJECT

public:
    explicit yvANSIToUnicodeBatchConverterDialog(QWidget *parent = nullptr);
    ~yvANSIToUnicodeBatchConverterDialog() override;

public Q_SLOTS:
    void onSrcTBClicked();
    void onDstTBClicked();
    void onOkClicked();
    void onAbortClicked();
    void onCancelClicked();
    void reject() override;

private:
    void suggestDestinationFolder(const QString &source, QLineEdit *destination);
    bool prepareDestination(const QString &folder);
    QString convertFile(const QString &path);
    void setRunning(bool running);
    QString chooseFolder();

    Ui::yvANSIToUnicodeBatchConverterDialog *ui;
    bool abort = false;
    bool running = false;
};

#endif
