#include "modalanswerer.h"
#include "testmain.h"
#include "utils/utils.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>

class TestUtils : public QObject
{
    Q_OBJECT

private slots:
    void constants();
    void languageTables_data();
    void languageTables();
    void codecName_data();
    void codecName();
    void workingDir();
    void quickBytesPath();
    void englishNumerals();
    void chooseDefaultLanguage_data();
    void chooseDefaultLanguage();
};

void TestUtils::constants()
{
    QCOMPARE(settingsOrganization, QStringLiteral("Quenvel"));
    QCOMPARE(settingsApplication, QStringLiteral("Yavo"));
    QCOMPARE(dictSettingsApplication, QStringLiteral("Yavo-Dict"));
    QCOMPARE(utf8CodecName, QByteArray("UTF-8"));
    QCOMPARE(Utils::converterTitle(), QStringLiteral("Yavo-Converter"));
    QVERIFY(Utils::decodeUtf8(QByteArray()).isEmpty());
    QCOMPARE(Utils::decodeUtf8("\xe0\xb2\x95"), QString(QChar(0x0C95)));
}

void TestUtils::languageTables_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("writingSystem");
    QTest::addColumn<QString>("font");

    QTest::newRow("kannada") << 0 << "Kannada" << "kn" << int(QFontDatabase::Kannada) << "tunga";
    QTest::newRow("oriya") << 3 << "Oriya" << "or" << int(QFontDatabase::Oriya) << "ARIALUNI";
    QTest::newRow("hindi") << 4 << "Hindi" << "hi" << int(QFontDatabase::Devanagari) << "mangal";
    QTest::newRow("gurmukhi") << 7 << "Gurmukhi" << "pa" << int(QFontDatabase::Gurmukhi) << "Arial Unicode MS";
    QTest::newRow("tamil") << 8 << "Tamil" << "ta" << int(QFontDatabase::Tamil) << "latha";
    QTest::newRow("english") << 9 << "English" << QString() << int(QFontDatabase::Latin) << "arial";
    QTest::newRow("past the end") << 10 << "" << QString() << int(QFontDatabase::Latin) << "tunga";
    QTest::newRow("far past the end") << 12 << "" << QString() << int(QFontDatabase::Latin) << "tunga";
    QTest::newRow("negative") << -1 << "" << QString() << int(QFontDatabase::Latin) << "tunga";
}

void TestUtils::languageTables()
{
    QFETCH(int, language);
    QFETCH(QString, name);
    QFETCH(QString, code);
    QFETCH(int, writingSystem);
    QFETCH(QString, font);

    QCOMPARE(Utils::languageName(language), name);
    QVERIFY(!Utils::languageName(language).isNull());
    QCOMPARE(Utils::languageCode(language), code);
    QCOMPARE(Utils::languageCode(language).isNull(), code.isNull());
    QCOMPARE(int(Utils::writingSystem(language)), writingSystem);
    QCOMPARE(Utils::defaultFontFamily(language), font);
}

void TestUtils::codecName_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("codec");
    const QByteArray utf8("UTF-8");
    QTest::newRow("0") << 0 << utf8;
    QTest::newRow("1") << 1 << utf8;
    QTest::newRow("2") << 2 << QByteArray("UTF-16");
    QTest::newRow("3") << 3 << QByteArray("UTF-16BE");
    QTest::newRow("4") << 4 << QByteArray("UTF-16LE");
    QTest::newRow("5") << 5 << QByteArray("UTF-32");
    QTest::newRow("6") << 6 << utf8;
    QTest::newRow("7") << 7 << QByteArray("UTF-32BE");
    QTest::newRow("8") << 8 << QByteArray("UTF-32LE");
    QTest::newRow("9") << 9 << utf8;
    QTest::newRow("-3") << -3 << utf8;
}

void TestUtils::codecName()
{
    QFETCH(int, index);
    QFETCH(QByteArray, codec);
    QCOMPARE(Utils::codecName(index), codec);
}

void TestUtils::workingDir()
{
    QVERIFY(Utils::workingDir().isNull());
    Utils::setWorkingDir(QStringLiteral("/tmp/somewhere"));
    QCOMPARE(Utils::workingDir(), QStringLiteral("/tmp/somewhere"));
    Utils::setWorkingDir(QString());
}

void TestUtils::quickBytesPath()
{
    TestSandbox sandbox;
    const QString expected = sandbox.dataDir() + QStringLiteral("/yavosoftware/quickbytes.txt");
    QCOMPARE(Utils::quickBytesPath(), expected);
    QVERIFY(QFileInfo(sandbox.dataDir() + QStringLiteral("/yavosoftware")).isDir());
    QCOMPARE(Utils::quickBytesPath(), expected);
}

void TestUtils::englishNumerals()
{
    TestSandbox sandbox;
    QCOMPARE(Utils::englishNumerals(), false);

    Utils::setEnglishNumerals(true);
    QCOMPARE(Utils::englishNumerals(), true);

    // Another program writing the store is seen at the very next call.
    {
        QSettings other(settingsOrganization, settingsApplication);
        other.setValue(QStringLiteral("InputSettings/englishNumerals"), false);
    }
    QCOMPARE(Utils::englishNumerals(), false);

    Utils::setEnglishNumerals(true);
    QSettings check(settingsOrganization, settingsApplication);
    QVERIFY(check.fileName().startsWith(sandbox.configDir()));
    QCOMPARE(check.value(QStringLiteral("InputSettings/englishNumerals")).toBool(), true);
}

void TestUtils::chooseDefaultLanguage_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("pick");   // -2: leave the box as it is
    QTest::addColumn<bool>("accept");
    QTest::addColumn<int>("result");
    QTest::addColumn<QVariant>("stored");

    QTest::newRow("accept the current one") << 2 << -2 << true << 2 << QVariant(QStringLiteral("2"));
    QTest::newRow("accept another") << 0 << 7 << true << 7 << QVariant(QStringLiteral("7"));
    QTest::newRow("cancel") << 5 << 1 << false << 0 << QVariant();
    // Tamil is not offered, so the box shows nothing and says so.
    QTest::newRow("no entry for tamil") << 8 << -2 << true << -1 << QVariant(QStringLiteral("-1"));
}

void TestUtils::chooseDefaultLanguage()
{
    QFETCH(int, current);
    QFETCH(int, pick);
    QFETCH(bool, accept);
    QFETCH(int, result);
    QFETCH(QVariant, stored);

    TestSandbox sandbox;
    int entries = -1;
    ModalAnswerer answerer;
    answerer.expectDialog<QDialog>(QString(), [&](QDialog *dialog) {
        auto *combo = dialog->findChild<QComboBox *>();
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        if (!combo || !buttons) {
            dialog->reject();
            return;
        }
        entries = combo->count();
        if (pick != -2)
            combo->setCurrentIndex(pick);
        buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    });
    QCOMPARE(Utils::chooseDefaultLanguage(current), result);
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(entries, 8);
    QSettings settings(settingsOrganization, settingsApplication);
    QCOMPARE(settings.value(QStringLiteral("Yavo-Default-Language")), stored);
}

YAVO_TEST_MAIN(TestUtils)
#include "tst_utils.moc"
