#ifndef YAVO_KEYBOARDEXAMPLES_H
#define YAVO_KEYBOARDEXAMPLES_H

#include <QDialog>

namespace Ui {
class KeyboardExamples;
}

// Pictures of example words typed in each of three keyboard layouts; the
// combo box picks the layout. It always opens on the Phonetic picture.
class KeyboardExamples : public QDialog
{
    Q_OBJECT

public:
    explicit KeyboardExamples(QWidget *parent = nullptr);
    ~KeyboardExamples() override;

protected:
    void showEvent(QShowEvent *event) override;

private Q_SLOTS:
    void onShowExample(int index);

private:
    Ui::KeyboardExamples *ui;
};

#endif
