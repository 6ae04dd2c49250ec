#ifndef YAVO_ABOUTYAVO_H
#define YAVO_ABOUTYAVO_H

#include <QDialog>

namespace Ui {
class AboutYavo;
}

// The program's icon, name and version, and the maker's links.
class AboutYavo : public QDialog
{
    Q_OBJECT

public:
    explicit AboutYavo(QWidget *parent = nullptr);
    ~AboutYavo() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    Ui::AboutYavo *ui;
};

#endif
