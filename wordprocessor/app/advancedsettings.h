#ifndef YAVO_ADVANCEDSETTINGS_H
#define YAVO_ADVANCEDSETTINGS_H

#include <QDialog>

namespace Ui {
class AdvancedSettings;
}

// An empty settings dialog with OK and Cancel.
class AdvancedSettings : public QDialog
{
    Q_OBJECT

public:
    explicit AdvancedSettings(QWidget *parent = nullptr);
    ~AdvancedSettings() override;

private:
    Ui::AdvancedSettings *ui;
};

#endif
