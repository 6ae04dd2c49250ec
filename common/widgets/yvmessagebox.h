#ifndef YAVO_YVMESSAGEBOX_H
#define YAVO_YVMESSAGEBOX_H

#include <QDialog>

class QLabel;

// A notice without a title bar that needs no answer: it goes away as soon as
// it loses the keyboard focus, and gives its focus up two seconds after it
// was made, so it closes by itself. Create it, set the message, show it and
// forget it: it deletes itself.
class yvMessageBox : public QDialog
{
    Q_OBJECT

public:
    explicit yvMessageBox(QWidget *parent = nullptr);
    ~yvMessageBox() override;

    void setMessage(const QString &text);
    void showAt(QWidget *widget);

    static void showMessage(const QString &text);
    static void showMessage(const QString &text, QWidget *widget);

protected:
    void showEvent(QShowEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void giveUpFocus();

    QLabel *m_label;
};

#endif
