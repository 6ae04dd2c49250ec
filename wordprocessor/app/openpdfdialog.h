#ifndef YAVO_OPENPDFDIALOG_H
#define YAVO_OPENPDFDIALOG_H

#include <QDialog>

class QGridLayout;
class QLineEdit;
class QPushButton;

// Shown after a PDF was written: offers to open the file, or the folder that
// holds it, with the desktop's own handlers.
class OpenPdfDialog : public QDialog
{
    Q_OBJECT

public:
    explicit OpenPdfDialog(QWidget *parent = nullptr);
    ~OpenPdfDialog() override;

    void setFilePath(const QString &filePath);

protected:
    void changeEvent(QEvent *event) override;

private Q_SLOTS:
    void on_CloseBtn_clicked();
    void on_OpenFolderBtn_clicked();
    void on_OpenBtn_clicked();

private:
    void retranslate();

    struct Widgets
    {
        QGridLayout *gridLayout;
        QLineEdit *lineEdit;
        QPushButton *OpenBtn;
        QPushButton *OpenFolderBtn;
        QPushButton *CloseBtn;
    };
    Widgets *ui;
};

#endif
