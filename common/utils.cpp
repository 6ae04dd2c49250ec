#include "utils.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGuiApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTextCodec>

const QString settingsOrganization = QStringLiteral("Quenvel");
const QString settingsApplication = QStringLiteral("Yavo");
const QString dictSettingsApplication = QStringLiteral("Yavo-Dict");
const QByteArray utf8CodecName = QByteArrayLiteral("UTF-8");

namespace {

struct LanguageRow
{
    const char *name;
    const char *code;
    QFontDatabase::WritingSystem writingSystem;
    const char *fontFamily;
};

// Indexed by the shared language number; 9 is English (Indic input off).
constexpr LanguageRow languageTable[] = {
    {"Kannada", "kn", QFontDatabase::Kannada, "tunga"},
    {"Telugu", "te", QFontDatabase::Telugu, "gautami"},
    {"Malayalam", "ml", QFontDatabase::Malayalam, "kartika"},
    {"Oriya", "or", QFontDatabase::Oriya, "ARIALUNI"},
    {"Hindi", "hi", QFontDatabase::Devanagari, "mangal"},
    {"Gujarati", "gu", QFontDatabase::Gujarati, "shruti"},
    {"Bengali", "bn", QFontDatabase::Bengali, "vrinda"},
    {"Gurmukhi", "pa", QFontDatabase::Gurmukhi, "Arial Unicode MS"},
    {"Tamil", "ta", QFontDatabase::Tamil, "latha"},
    {"English", nullptr, QFontDatabase::Latin, "arial"},
};
constexpr unsigned languageCount = sizeof(languageTable) / sizeof(languageTable[0]);

// Unsigned on purpose: a negative index is "any other" and must not index.
const LanguageRow *languageRow(int language)
{
    return static_cast<unsigned>(language) < languageCount ? &languageTable[language] : nullptr;
}

const QString inputSettingsGroup = QStringLiteral("InputSettings");
const QString englishNumeralsKey = QStringLiteral("englishNumerals");

QString &workingFolder()
{
    static QString folder;
    return folder;
}

} // namespace

Utils::Utils(QObject *parent)
    : QObject(parent)
{
}

Utils::~Utils() = default;

QString Utils::displayName()
{
    return QGuiApplication::applicationDisplayName();
}

QString Utils::converterTitle()
{
    return QStringLiteral("Yavo-Converter");
}

QString Utils::decodeUtf8(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return QString();
    QTextCodec *codec = QTextCodec::codecForName(utf8CodecName);
    return codec ? codec->toUnicode(bytes) : QString::fromUtf8(bytes);
}

QString Utils::languageCode(int language)
{
    const LanguageRow *row = languageRow(language);
    return row && row->code ? QString::fromLatin1(row->code) : QString();
}

QString Utils::languageName(int language)
{
    const LanguageRow *row = languageRow(language);
    return row ? QString::fromLatin1(row->name) : QString(QLatin1String(""));
}

QFontDatabase::WritingSystem Utils::writingSystem(int language)
{
    const LanguageRow *row = languageRow(language);
    return row ? row->writingSystem : QFontDatabase::Latin;
}

QString Utils::defaultFontFamily(int language)
{
    const LanguageRow *row = languageRow(language);
    return QString::fromLatin1(row ? row->fontFamily : "tunga");
}

QByteArray Utils::codecName(int encodingIndex)
{
    // Indexed by the stored encoding number, not by the Encoding menu's
    // labels; the gaps (0, 1, 6) are UTF-8 like any unknown value.
    switch (encodingIndex) {
    case 2: return QByteArrayLiteral("UTF-16");
    case 3: return QByteArrayLiteral("UTF-16BE");
    case 4: return QByteArrayLiteral("UTF-16LE");
    case 5: return QByteArrayLiteral("UTF-32");
    case 7: return QByteArrayLiteral("UTF-32BE");
    case 8: return QByteArrayLiteral("UTF-32LE");
    default: return utf8CodecName;
    }
}

QString Utils::workingDir()
{
    return workingFolder();
}

void Utils::setWorkingDir(const QString &dir)
{
    workingFolder() = dir;
}

QString Utils::quickBytesPath()
{
    const QString folder = QStringLiteral("%1/yavosoftware")
            .arg(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QDir().mkpath(folder);
    return QStringLiteral("%1/quickbytes.txt").arg(folder);
}

bool Utils::englishNumerals()
{
    // Read afresh on every call: the other program may have toggled it.
    QSettings settings(settingsOrganization, settingsApplication);
    settings.beginGroup(inputSettingsGroup);
    const bool on = settings.value(englishNumeralsKey, QVariant()).toBool();
    settings.endGroup();
    return on;
}

void Utils::setEnglishNumerals(bool on)
{
    QSettings settings(settingsOrganization, settingsApplication);
    settings.beginGroup(inputSettingsGroup);
    settings.setValue(englishNumeralsKey, on);
    settings.endGroup();
    settings.sync();
}

int Utils::chooseDefaultLanguage(int current)
{
    QDialog dialog;
    QSettings settings(settingsOrganization, settingsApplication);

    auto *combo = new QComboBox(&dialog);
    combo->insertItems(0, {QStringLiteral("Kannada"), QStringLiteral("Telugu"),
                           QStringLiteral("Malayalam"), QStringLiteral("Oriya"),
                           QStringLiteral("Hindi"), QStringLiteral("Gujarati"),
                           QStringLiteral("Bengali"), QStringLiteral("Gurumukhi")});
    combo->setCurrentIndex(current);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto *layout = new QFormLayout(&dialog);
    layout->addRow(QCoreApplication::translate("Utils", "Choose your default language"), combo);
    layout->addRow(buttons);

    if (dialog.exec() != QDialog::Accepted)
        return 0;
    const int chosen = combo->currentIndex();
    settings.setValue(QStringLiteral("Yavo-Default-Language"), QString::number(chosen));
    return chosen;
}
