#include "core/sharedsettings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

const QString settingsOrganization = QStringLiteral("Quenvel");
const QString settingsApplication = QStringLiteral("Yavo");
const QString dictSettingsApplication = QStringLiteral("Yavo-Dict");
const QByteArray utf8CodecName = QByteArrayLiteral("UTF-8");

namespace {

const QString inputSettingsGroup = QStringLiteral("InputSettings");
const QString englishNumeralsKey = QStringLiteral("englishNumerals");

QString &workingFolder()
{
    static QString folder;
    return folder;
}

} // namespace

bool SharedSettings::englishNumerals()
{
    // Read afresh on every call: the other program may have toggled it.
    QSettings settings(settingsOrganization, settingsApplication);
    settings.beginGroup(inputSettingsGroup);
    const bool on = settings.value(englishNumeralsKey, QVariant()).toBool();
    settings.endGroup();
    return on;
}

void SharedSettings::setEnglishNumerals(bool on)
{
    QSettings settings(settingsOrganization, settingsApplication);
    settings.beginGroup(inputSettingsGroup);
    settings.setValue(englishNumeralsKey, on);
    settings.endGroup();
    settings.sync();
}

QString SharedSettings::workingDir()
{
    return workingFolder();
}

void SharedSettings::setWorkingDir(const QString &dir)
{
    workingFolder() = dir;
}

QString SharedSettings::quickBytesPath()
{
    const QString folder = QStringLiteral("%1/yavosoftware")
            .arg(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QDir().mkpath(folder);
    return QStringLiteral("%1/quickbytes.txt").arg(folder);
}
