#ifndef YAVO_INSERTTABLEDIALOG_H
#define YAVO_INSERTTABLEDIALOG_H

#include <QDialog>

namespace Ui {
class InsertTableDialog;
}

// Asks for the number of rows and columns of a new table, 1 to 99 each.
class InsertTableDialog : public QDialog
{
    Q_OBJECT

public:
    explicit InsertTableDialog(QWidget *parent = nullptr);
    ~InsertTableDialog() override;

    int rows() const;
    int columns() const;

protected:
    void changeEvent(QEvent *e) override;

private:
    Ui::InsertTableDialog *ui;
};

#endif
