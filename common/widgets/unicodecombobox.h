#ifndef YAVO_UNICODECOMBOBOX_H
#define YAVO_UNICODECOMBOBOX_H

#include <QWidget>

class UnicodeComboBoxPrivate;
class UnicodeLineEdit;

// An Indic entry field with a drop-down button beside it. The parts are
// made by the private block's set-up; until then lineEdit() is null.
class UnicodeComboBox : public QWidget
{
    Q_OBJECT

public:
    explicit UnicodeComboBox(QWidget *parent = nullptr);
    ~UnicodeComboBox() override;

    UnicodeLineEdit *lineEdit() const;

private:
    friend class UnicodeComboBoxPrivate;
    UnicodeComboBoxPrivate *const d;
};

#endif
