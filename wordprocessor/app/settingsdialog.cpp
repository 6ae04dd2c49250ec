#include "app/settingsdialog.h"
#include "app/ui_settingsdialog.h"

#include "core/keyboardlayouts.h"
#include "core/sharedsettings.h"

#include <QSettings>

namespace {

const QString settingsGroup = QStringLiteral("Settings");
const QString languageKey = QStringLiteral("Default-Language");
const QString keyboardLayoutKey = QStringLiteral("Default-Keyboard-Layout");
const QString transliterationTypeKey = QStringLiteral("Default-Transliteration-Type");

enum TransliterationType { Active = 0, Passive = 1 };

int storedNumber(const QSettings &settings, const QString &key)
{
    return settings.value(key, QStringLiteral("0")).toInt();
}

} // namespace

SettingsDialog::SettingsDialog(QWidget *parent)
    : QDialog(parent, Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
    , ui(new Ui::SettingsDialog)
{
    ui->setupUi(this);
    ui->keyboardLayoutGroup->setId(ui->phoneticRadioButton, int(KeyboardLayout::Phonetic));
    ui->keyboardLayoutGroup->setId(ui->kannadaRadioButton, int(KeyboardLayout::KPRao));
    ui->transliterationTypeGroup->setId(ui->activeTransRadio, Active);
    ui->transliterationTypeGroup->setId(ui->passiveTransRadio, Passive);

    QSettings settings(settingsOrganization, settingsApplication);
    settings.beginGroup(settingsGroup);

    // The list follows the shared language numbering, so the stored number
    // is the entry's position. A number outside it keeps the default.
    const int language = storedNumber(settings, languageKey);
    if (language >= 0 && language < ui->languageComboBox->count())
        ui->languageComboBox->setCurrentIndex(language);

    // Only two layouts are offered: every stored layout but Phonetic shows
    // as K.P.Rao.
    const auto layout = static_cast<KeyboardLayout>(storedNumber(settings, keyboardLayoutKey));
    if (layout == KeyboardLayout::Phonetic)
        ui->phoneticRadioButton->setChecked(true);
    else
        ui->kannadaRadioButton->setChecked(true);

    if (storedNumber(settings, transliterationTypeKey) == Active)
        ui->activeTransRadio->setChecked(true);
    else
        ui->passiveTransRadio->setChecked(true);
}

SettingsDialog::~SettingsDialog()
{
    delete ui;
}

void SettingsDialog::accept()
{
    QSettings settings(settingsOrganization, settingsApplication);
    settings.remove(settingsGroup);
    settings.beginGroup(settingsGroup);
    settings.setValue(languageKey, ui->languageComboBox->currentIndex());
    settings.setValue(keyboardLayoutKey, ui->keyboardLayoutGroup->checkedId());
    settings.setValue(transliterationTypeKey, ui->transliterationTypeGroup->checkedId());
    settings.endGroup();
    QDialog::accept();
}

void SettingsDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}
