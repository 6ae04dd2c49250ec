#include "app/advancedsettings.h"
#include "app/settingsdialog.h"

#include "core/languagetable.h"
#include "core/sharedsettings.h"

#include "testmain.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QtTest>

using Stored = QMap<QString, QVariant>;
Q_DECLARE_METATYPE(Stored)

namespace {

const QString group = QStringLiteral("Settings");

void store(const Stored &values)
{
    QSettings settings(settingsOrganization, settingsApplication);
    settings.remove(group);
    settings.beginGroup(group);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
}

Stored stored()
{
    QSettings settings(settingsOrganization, settingsApplication);
    settings.beginGroup(group);
    Stored values;
    for (const QString &key : settings.childKeys())
        values.insert(key, settings.value(key).toInt());
    return values;
}

Stored defaults(int language, int layout, int type)
{
    return {{QStringLiteral("Default-Language"), language},
            {QStringLiteral("Default-Keyboard-Layout"), layout},
            {QStringLiteral("Default-Transliteration-Type"), type}};
}

QComboBox *languages(QDialog &dialog)
{
    return dialog.findChild<QComboBox *>(QStringLiteral("languageComboBox"));
}

bool checked(QDialog &dialog, const char *button)
{
    return dialog.findChild<QRadioButton *>(QLatin1String(button))->isChecked();
}

void press(QDialog &dialog, QDialogButtonBox::StandardButton button)
{
    dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(button)->click();
}

} // namespace

class TestSettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void showsTheStoredDefaults_data();
    void showsTheStoredDefaults();
    void okRewritesTheGroup_data();
    void okRewritesTheGroup();
    void chosenLanguageComesBackAsChosen_data();
    void chosenLanguageComesBackAsChosen();
    void cancelWritesNothing();
    void advancedSettingsIsAnEmptyDialog();
};

void TestSettingsDialog::showsTheStoredDefaults_data()
{
    QTest::addColumn<Stored>("values");
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("phonetic");
    QTest::addColumn<bool>("active");

    QTest::newRow("nothing stored") << Stored() << "Kannada" << true << true;
    QTest::newRow("layout 1") << defaults(0, 1, 0) << "Kannada" << false << true;
    QTest::newRow("layout 5 is K.P.Rao") << defaults(0, 5, 0) << "Kannada" << false << true;
    QTest::newRow("passive") << defaults(4, 0, 1) << "Hindi" << true << false;
    QTest::newRow("type 7 is passive") << defaults(0, 0, 7) << "Kannada" << true << false;
    QTest::newRow("8 is Tamil") << defaults(8, 0, 0) << "Tamil" << true << true;
    QTest::newRow("9 is English") << defaults(9, 0, 0) << "English" << true << true;
    QTest::newRow("unknown language keeps Kannada") << defaults(42, 0, 0) << "Kannada" << true << true;
    QTest::newRow("negative language keeps Kannada") << defaults(-1, 0, 0) << "Kannada" << true << true;
}

void TestSettingsDialog::showsTheStoredDefaults()
{
    QFETCH(Stored, values);
    QFETCH(QString, language);
    QFETCH(bool, phonetic);
    QFETCH(bool, active);

    store(values);
    SettingsDialog dialog;
    QCOMPARE(languages(dialog)->currentText(), language);
    QCOMPARE(checked(dialog, "phoneticRadioButton"), phonetic);
    QCOMPARE(checked(dialog, "kannadaRadioButton"), !phonetic);
    QCOMPARE(checked(dialog, "activeTransRadio"), active);
    QCOMPARE(checked(dialog, "passiveTransRadio"), !active);
}

void TestSettingsDialog::okRewritesTheGroup_data()
{
    QTest::addColumn<Stored>("values");
    QTest::addColumn<Stored>("written");

    QTest::newRow("nothing stored") << Stored() << defaults(0, 0, 0);
    QTest::newRow("layout 5 is stored as 1") << defaults(2, 5, 0) << defaults(2, 1, 0);
    QTest::newRow("Tamil stays Tamil") << defaults(8, 0, 1) << defaults(8, 0, 1);
    QTest::newRow("English stays English") << defaults(9, 1, 1) << defaults(9, 1, 1);
    Stored unknown = defaults(1, 0, 0);
    unknown.insert(QStringLiteral("Stray-Key"), 3);
    QTest::newRow("unknown keys go") << unknown << defaults(1, 0, 0);
}

void TestSettingsDialog::okRewritesTheGroup()
{
    QFETCH(Stored, values);
    QFETCH(Stored, written);

    store(values);
    SettingsDialog dialog;
    dialog.show();
    press(dialog, QDialogButtonBox::Ok);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(stored(), written);
}

void TestSettingsDialog::chosenLanguageComesBackAsChosen_data()
{
    QTest::addColumn<QString>("language");

    QTest::newRow("Tamil") << "Tamil";
    QTest::newRow("English") << "English";
    QTest::newRow("Bengali") << "Bengali";
}

// The stored number is the shared language index, which the editor applies
// to new documents: it must name the language the user picked.
void TestSettingsDialog::chosenLanguageComesBackAsChosen()
{
    QFETCH(QString, language);

    store(Stored());
    {
        SettingsDialog dialog;
        languages(dialog)->setCurrentText(language);
        QCOMPARE(languages(dialog)->currentText(), language);
        dialog.accept();
    }
    const int number = stored().value(QStringLiteral("Default-Language")).toInt();
    QCOMPARE(LanguageTable::languageName(number), language);

    SettingsDialog reopened;
    QCOMPARE(languages(reopened)->currentText(), language);
}

void TestSettingsDialog::cancelWritesNothing()
{
    Stored values = defaults(3, 7, 0);
    values.insert(QStringLiteral("Stray-Key"), 3);
    store(values);

    SettingsDialog dialog;
    dialog.show();
    languages(dialog)->setCurrentIndex(6);
    dialog.findChild<QRadioButton *>(QStringLiteral("passiveTransRadio"))->click();
    press(dialog, QDialogButtonBox::Cancel);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(stored(), values);
}

void TestSettingsDialog::advancedSettingsIsAnEmptyDialog()
{
    AdvancedSettings dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("AdvancedSettings"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dialog"));
    auto *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QCOMPARE(buttons->geometry(), QRect(30, 240, 341, 32));

    dialog.show();
    buttons->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    dialog.show();
    buttons->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

YAVO_TEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
