#include "core/keystate.h"
#include "fakekeyboardbackend.h"
#include "platform/keystatetable.h"
#include "testmain.h"

using namespace Platform;

namespace {

// The seven answers of KeyState, in a fixed order, as a string of 0 and 1:
// shift, alt, ctrl, left win, right win, scroll lock held, caps lock on.
QString answers()
{
    const KeyState keys;
    const bool values[] = {keys.isShiftDown(), keys.isAltDown(), keys.isCtrlDown(),
                           keys.isLeftWinDown(), keys.isRightWinDown(),
                           keys.isScrollLockDown(), keys.isCapsLockOn()};
    QString result;
    for (bool value : values)
        result += value ? QLatin1Char('1') : QLatin1Char('0');
    return result;
}

} // namespace

class TestKeyState : public QObject
{
    Q_OBJECT

private slots:
    void nullBackendHasNoKeysDown();
    void queries_data();
    void queries();
    void sidesShareTheirKey();
    void getKeyStateBits();
    void newBackendStartsWithKeysUp();
};

void TestKeyState::nullBackendHasNoKeysDown()
{
    QCOMPARE(KeyboardBackend::current(), static_cast<KeyboardBackend *>(NullKeyboardBackend::instance()));
    QCOMPARE(answers(), QStringLiteral("0000000"));
}

void TestKeyState::queries_data()
{
    QTest::addColumn<int>("virtualKey");
    QTest::addColumn<bool>("down");
    QTest::addColumn<bool>("toggled");
    QTest::addColumn<QString>("expected");

    QTest::newRow("shift held") << VK_SHIFT << true << false << "1000000";
    QTest::newRow("left shift held") << VK_LSHIFT << true << false << "1000000";
    QTest::newRow("right shift held") << VK_RSHIFT << true << false << "1000000";
    QTest::newRow("shift toggled only") << VK_SHIFT << false << true << "0000000";
    QTest::newRow("left alt held") << VK_LMENU << true << false << "0100000";
    QTest::newRow("right alt held") << VK_RMENU << true << false << "0100000";
    QTest::newRow("left ctrl held") << VK_LCONTROL << true << false << "0010000";
    QTest::newRow("right ctrl held") << VK_RCONTROL << true << false << "0010000";
    QTest::newRow("left win held") << VK_LWIN << true << false << "0001000";
    QTest::newRow("right win held") << VK_RWIN << true << false << "0000100";
    QTest::newRow("scroll lock held") << VK_SCROLL << true << false << "0000010";
    QTest::newRow("scroll lock toggled, not held") << VK_SCROLL << false << true << "0000000";
    QTest::newRow("scroll lock held and toggled") << VK_SCROLL << true << true << "0000010";
    QTest::newRow("caps lock toggled, not held") << VK_CAPITAL << false << true << "0000001";
    QTest::newRow("caps lock held, not toggled") << VK_CAPITAL << true << false << "0000001";
    QTest::newRow("caps lock off") << VK_CAPITAL << false << false << "0000000";
    QTest::newRow("F11 held") << VK_F11 << true << false << "0000000";
}

void TestKeyState::queries()
{
    QFETCH(int, virtualKey);
    QFETCH(bool, down);
    QFETCH(bool, toggled);
    QFETCH(QString, expected);

    FakeKeyboardBackend keyboard;
    QCOMPARE(answers(), QStringLiteral("0000000"));
    keyboard.setKeyState(virtualKey, down, toggled);
    QCOMPARE(answers(), expected);
    keyboard.setKeyState(virtualKey, false, false);
    QCOMPARE(answers(), QStringLiteral("0000000"));
}

void TestKeyState::sidesShareTheirKey()
{
    FakeKeyboardBackend keyboard;
    const KeyState keys;

    keyboard.setKeyState(VK_LSHIFT, true);
    keyboard.setKeyState(VK_RSHIFT, true);
    keyboard.setKeyState(VK_LSHIFT, false);
    QVERIFY2(keys.isShiftDown(), "right shift is still held");
    keyboard.setKeyState(VK_RSHIFT, false);
    QVERIFY(!keys.isShiftDown());

    // Caps Lock's toggle survives the shift keys going up and down.
    keyboard.setKeyState(VK_CAPITAL, false, true);
    keyboard.setKeyState(VK_LCONTROL, true);
    keyboard.setKeyState(VK_LCONTROL, false);
    QVERIFY(keys.isCapsLockOn());
    QVERIFY(!keys.isCtrlDown());
}

void TestKeyState::getKeyStateBits()
{
    FakeKeyboardBackend keyboard;
    QCOMPARE(GetKeyState(VK_SCROLL), short(0));

    keyboard.setKeyState(VK_SCROLL, false, true);
    QCOMPARE(GetKeyState(VK_SCROLL), short(0x01));

    keyboard.setKeyState(VK_SCROLL, true, true);
    QVERIFY(GetKeyState(VK_SCROLL) & 0x80);
    QVERIFY(GetKeyState(VK_SCROLL) & 0x01);
    QVERIFY2(GetKeyState(VK_SCROLL) < 0, "a held key sets the high-order bit too");

    // Codes that are no virtual key read as up and change nothing.
    keyboard.setKeyState(-1, true, true);
    keyboard.setKeyState(VirtualKeyCount, true, true);
    QCOMPARE(GetKeyState(-1), short(0));
    QCOMPARE(GetKeyState(VirtualKeyCount), short(0));
    QCOMPARE(GetKeyState(VK_SHIFT), short(0));
}

void TestKeyState::newBackendStartsWithKeysUp()
{
    {
        FakeKeyboardBackend keyboard;
        keyboard.setKeyState(VK_CAPITAL, false, true);
        keyboard.setKeyState(VK_SHIFT, true);
        QCOMPARE(answers(), QStringLiteral("1000001"));
    }
    // The fake is gone: the null backend is back and reports nothing.
    QCOMPARE(KeyboardBackend::current(), static_cast<KeyboardBackend *>(NullKeyboardBackend::instance()));
    QCOMPARE(answers(), QStringLiteral("0000000"));

    FakeKeyboardBackend second;
    QCOMPARE(answers(), QStringLiteral("0000000"));
}

YAVO_TEST_GUILESS_MAIN(TestKeyState)
#include "tst_keystate.moc"
