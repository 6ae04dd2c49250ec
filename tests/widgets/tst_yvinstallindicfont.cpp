#include "testmain.h"
#include "widgets/yvinstallindicfont.h"

#include <QFile>
#include <QFontDatabase>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QResource>

// A binary resource holding a free font under the name the tutor carries
// its own font; registered only by the test that wants it.
static const QString fontResource = QStringLiteral(TEST_FONT_RCC);
// A text file under the same name.
static const QString badFontResource = QStringLiteral(BAD_FONT_RCC);

class TestYvInstallIndicFont : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void withoutTheFontRegistersNothing();
    void aFileThatIsNoFontGivesNoFamily();
    void registersTheBuiltInFontAndReturnsItsFamily();
};

void TestYvInstallIndicFont::initTestCase()
{
    // The library's debug lines are off unless asked for; these tests ask.
    QLoggingCategory::setFilterRules(QStringLiteral("yavo.widgets.debug=true"));
}

void TestYvInstallIndicFont::withoutTheFontRegistersNothing()
{
    QVERIFY(!QFile::exists(QStringLiteral(":/qrc/SakalBharati.ttf")));
    QCOMPARE(yvInstallIndicFont::installIndicFont(), QString());
    // Application font ids start at 0: nothing got one.
    QVERIFY(QFontDatabase::applicationFontFamilies(0).isEmpty());
}

void TestYvInstallIndicFont::aFileThatIsNoFontGivesNoFamily()
{
    QVERIFY(QResource::registerResource(badFontResource));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^installIndicFont -1 .*\\(\\)$")));
    QCOMPARE(yvInstallIndicFont::installIndicFont(), QString());
    QVERIFY(QResource::unregisterResource(badFontResource));
}

void TestYvInstallIndicFont::registersTheBuiltInFontAndReturnsItsFamily()
{
    QVERIFY(QResource::registerResource(fontResource));
    QVERIFY(QFile::exists(QStringLiteral(":/qrc/SakalBharati.ttf")));

    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral(
        "^installIndicFont 0 \":/qrc/SakalBharati.ttf\" \\(\"DejaVu Sans\"\\)$")));
    QCOMPARE(yvInstallIndicFont::installIndicFont(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(QFontDatabase::applicationFontFamilies(0), QStringList{QStringLiteral("DejaVu Sans")});

    // A second call registers the font again and gives the same family.
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^installIndicFont 1 ")));
    QCOMPARE(yvInstallIndicFont::installIndicFont(), QStringLiteral("DejaVu Sans"));

    QVERIFY(QResource::unregisterResource(fontResource));
}

YAVO_TEST_MAIN(TestYvInstallIndicFont)
#include "tst_yvinstallindicfont.moc"
