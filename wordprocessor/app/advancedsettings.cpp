#include "app/advancedsettings.h"
#include "app/ui_advancedsettings.h"

AdvancedSettings::AdvancedSettings(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::AdvancedSettings)
{
    ui->setupUi(this);
}

AdvancedSettings::~AdvancedSettings()
{
    delete ui;
}
