#include "core/keyboardlayouts.h"
#include "testmain.h"

#include <QtTest>

class TestKeyboardLayouts : public QObject
{
    Q_OBJECT

private slots:
    void keyboardLayoutOfImeLayout_data();
    void keyboardLayoutOfImeLayout();
};

void TestKeyboardLayouts::keyboardLayoutOfImeLayout_data()
{
    QTest::addColumn<int>("imeLayout");
    QTest::addColumn<int>("layout");

    QTest::newRow("Phonetic") << 0 << 0;
    QTest::newRow("KPRao") << 1 << 1;
    QTest::newRow("InScript") << 2 << 2;
    // The input method's Phonetic-2 is the word processor's 4; its 3 is
    // Transliteration, which the input method does not have.
    QTest::newRow("Phonetic-2") << 3 << 4;
    QTest::newRow("unknown above") << 4 << 0;
    QTest::newRow("negative") << -1 << 0;
}

void TestKeyboardLayouts::keyboardLayoutOfImeLayout()
{
    QFETCH(int, imeLayout);
    QFETCH(int, layout);
    QCOMPARE(int(::keyboardLayoutOfImeLayout(imeLayout)), layout);
}

YAVO_TEST_GUILESS_MAIN(TestKeyboardLayouts)
#include "tst_keyboardlayouts.moc"
