#ifndef YAVO_ABOUTYAVOIME_H
#define YAVO_ABOUTYAVOIME_H

#include <QDialog>

namespace Ui {
class AboutYavoIME;
}

// The input method's About box: icon, version and maker. Like a note, it
// goes away once the focus leaves it.
class AboutYavoIME : public QDialog
{
    Q_OBJECT

public:
    explicit AboutYavoIME(QWidget *parent = nullptr);
    ~AboutYavoIME() override;

protected:
    void focusOutEvent(QFocusEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    Ui::AboutYavoIME *ui;
};

#endif
