#ifndef YAVO_SETTINGSDIALOG_H
#define YAVO_SETTINGSDIALOG_H

#include <QDialog>

namespace Ui {
class SettingsDialog;
}

// The defaults for new documents, kept in the settings group "Settings": a
// language (the shared language index), a keyboard layout and a
// transliteration type.
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SettingsDialog(QWidget *parent = nullptr);
    ~SettingsDialog() override;

public Q_SLOTS:
    void accept() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::SettingsDialog *ui;
};

#endif
