#include "core/indictransliterator.h"
#include "editor/kalineedit.h"
#include "testmain.h"
#include "utils/utils.h"

namespace {

QString conv(const QString &keys, int language, int keyboard)
{
    return IndicTransliterator().convert(keys, language, keyboard);
}

} // namespace

class TestKaLineEdit : public QObject
{
    Q_OBJECT

private slots:
    void whiteSpaceConvertsTheLine_data();
    void whiteSpaceConvertsTheLine();
    void languageSetsTheFont();
};

void TestKaLineEdit::whiteSpaceConvertsTheLine_data()
{
    QTest::addColumn<int>("language");   // -1: never set
    QTest::addColumn<int>("keyboard");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("after");

    QTest::newRow("a word and a space") << 0 << 0 << QString() << 0 << "namaste "
            << conv("namaste", 0, 0) + " ";
    QTest::newRow("a space mid-line goes to the end") << 0 << 0 << "namaste" << 3 << " "
            << conv("namaste", 0, 0) + " ";
    QTest::newRow("converted words pass through") << 4 << 0 << QString() << 0 << "nama ste "
            << conv(conv("nama", 4, 0) + " ste", 4, 0) + " ";
    QTest::newRow("other keys are not converted") << 0 << 0 << QString() << 0 << "namaste" << "namaste";
    QTest::newRow("English stays as typed") << 9 << 0 << QString() << 0 << "namaste " << "namaste ";
    QTest::newRow("before any language is set") << -1 << -1 << QString() << 0 << "namaste " << "namaste ";
    QTest::newRow("another layout") << 8 << 2 << QString() << 0 << "kd " << conv("kd", 8, 2) + " ";
}

void TestKaLineEdit::whiteSpaceConvertsTheLine()
{
    QFETCH(int, language);
    QFETCH(int, keyboard);
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, keys);
    QFETCH(QString, after);

    KaLineEdit edit;
    if (language >= 0)
        edit.setLanugage(language);
    if (keyboard >= 0)
        edit.setKeyboard(keyboard);
    edit.QLineEdit::setText(before);
    edit.setCursorPosition(cursor);
    QTest::keyClicks(&edit, keys);
    QCOMPARE(edit.text(), after);
}

void TestKaLineEdit::languageSetsTheFont()
{
    KaLineEdit edit;
    edit.setLanugage(1);
    QCOMPARE(edit.font().family(), Utils::defaultFontFamily(1));
    QCOMPARE(edit.font().pointSize(), 11);
}

YAVO_TEST_MAIN(TestKaLineEdit)
#include "tst_kalineedit.moc"
