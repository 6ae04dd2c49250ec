#ifndef YAVO_PRINTERSETTINGSDIALOG_H
#define YAVO_PRINTERSETTINGSDIALOG_H

#include <QDialog>

namespace Ui {
class PrinterSettingsDialog;
}

// Asks for the PDF file's name, the page orientation and the four margins
// before a document is exported. Every value lives in the form; nothing is
// remembered between exports.
class PrinterSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PrinterSettingsDialog(QWidget *parent = nullptr);
    ~PrinterSettingsDialog() override;

    void setFileName(const QString &fileName);
    QString fileName() const;

    // A QPrinter::Orientation: 1 (landscape) only while Landscape is checked.
    int orientation() const;

    double leftMargin() const;
    double topMargin() const;
    double rightMargin() const;
    double bottomMargin() const;

protected:
    void changeEvent(QEvent *event) override;

protected Q_SLOTS:
    void accept() override;

private Q_SLOTS:
    void on_chooseFileNameBtn_clicked();

private:
    Ui::PrinterSettingsDialog *ui;
};

#endif
