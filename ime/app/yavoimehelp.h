#ifndef YAVO_YAVOIMEHELP_H
#define YAVO_YAVOIMEHELP_H

#include <QDialog>

struct YavoIMEHelpForm;

// A read-only page about the input method's keyboard layouts, with example
// words. Like a note, it goes away once the focus leaves it.
class YavoIMEHelp : public QDialog
{
    Q_OBJECT

public:
    explicit YavoIMEHelp(QWidget *parent = nullptr);
    ~YavoIMEHelp() override;

    void done(int result) override;

protected:
    void focusOutEvent(QFocusEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    YavoIMEHelpForm *form;
};

#endif
