#ifndef YAVO_INSERTLINKDIALOG_H
#define YAVO_INSERTLINKDIALOG_H

#include <QDialog>
#include <QString>

namespace Ui {
class InsertLinkDialog;
}

// Asks for the address of a link. The address is handed back as typed.
class InsertLinkDialog : public QDialog
{
    Q_OBJECT

public:
    explicit InsertLinkDialog(QWidget *parent = nullptr);
    ~InsertLinkDialog() override;

    QString url() const;

public Q_SLOTS:
    void setURL(const QString &aurl);

protected:
    void changeEvent(QEvent *e) override;

private:
    Ui::InsertLinkDialog *ui;
};

#endif
