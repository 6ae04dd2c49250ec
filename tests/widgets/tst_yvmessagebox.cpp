#include "testmain.h"
#include "widgets/yvmessagebox.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>

class TestYvMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void givesUpFocusAfterTwoSecondsAndDeletesItself();
    void closesAtTwoSecondsWithoutEverGettingTheFocus();
    void closesAtOnceWhenAnotherWindowIsActivated();
    void showAtPlacesTheBoxNearTheLowerRightCorner();
    void showMessageParentsTheBox();
};

namespace {

yvMessageBox *findBox(QWidget *parent = nullptr)
{
    if (parent)
        return parent->findChild<yvMessageBox *>();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<yvMessageBox *>(w))
            return box;
    }
    return nullptr;
}

} // namespace

void TestYvMessageBox::cleanup()
{
    // Boxes that outlive a test function must not steal the next one's focus.
    for (QWidget *w : QApplication::topLevelWidgets())
        delete qobject_cast<yvMessageBox *>(w);
}

void TestYvMessageBox::givesUpFocusAfterTwoSecondsAndDeletesItself()
{
    QElapsedTimer sinceCreation;
    sinceCreation.start();
    QPointer<yvMessageBox> box = new yvMessageBox(nullptr);
    box->setMessage(QStringLiteral("done"));
    QCOMPARE(box->findChild<QLabel *>()->text(), QStringLiteral("done"));
    box->show();
    QVERIFY(QTest::qWaitForWindowActive(box));
    QVERIFY(box->hasFocus());
    QVERIFY(box->windowFlags().testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!box->windowFlags().testFlag(Qt::WindowTitleHint));

    // Counted from creation; a slow start must not make the check fail.
    QTest::qWait(qMax<qint64>(0, 1500 - sinceCreation.elapsed()));
    if (sinceCreation.elapsed() < 1900)
        QVERIFY2(box, "the box went before its two seconds were up");
    QTRY_VERIFY_WITH_TIMEOUT(box.isNull(), 3000);
}

void TestYvMessageBox::closesAtTwoSecondsWithoutEverGettingTheFocus()
{
    // One box the window system was never asked to show, one whose window
    // holds nothing that takes the focus: neither ever has it to lose.
    QPointer<yvMessageBox> hidden = new yvMessageBox(nullptr);
    hidden->setMessage(QStringLiteral("never shown"));
    QPointer<yvMessageBox> shown = new yvMessageBox(nullptr);
    shown->show();
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QVERIFY(!hidden->hasFocus());
    QVERIFY(!shown->hasFocus());

    QTRY_VERIFY_WITH_TIMEOUT(hidden.isNull() && shown.isNull(), 4000);
}

void TestYvMessageBox::closesAtOnceWhenAnotherWindowIsActivated()
{
    QPointer<yvMessageBox> box = new yvMessageBox(nullptr);
    box->setMessage(QStringLiteral("first"));
    box->show();
    QVERIFY(QTest::qWaitForWindowActive(box));

    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_VERIFY_WITH_TIMEOUT(box.isNull(), 1000);
}

void TestYvMessageBox::showAtPlacesTheBoxNearTheLowerRightCorner()
{
    QWidget window;
    window.setGeometry(100, 120, 640, 480);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto *box = new yvMessageBox(&window);
    box->setMessage(QStringLiteral("converted"));
    box->showAt(&window);
    const QRect target = window.geometry();
    QCOMPARE(box->geometry().right(), target.right() - 20);
    QCOMPARE(box->geometry().bottom(), target.bottom() - box->sizeHint().height());

    // Without a widget the box is only shown.
    auto *plain = new yvMessageBox(&window);
    plain->showAt(nullptr);
    QVERIFY(plain->isVisible());
}

void TestYvMessageBox::showMessageParentsTheBox()
{
    QWidget window;
    window.setGeometry(50, 50, 400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    yvMessageBox::showMessage(QStringLiteral("to the window"), &window);
    yvMessageBox *box = findBox(&window);
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QCOMPARE(box->findChild<QLabel *>()->text(), QStringLiteral("to the window"));
    delete box;

    window.hide();
    QApplication::setActiveWindow(nullptr);
    QTRY_VERIFY(!QApplication::activeWindow());
    yvMessageBox::showMessage(QStringLiteral("no window"));
    box = findBox();
    QVERIFY(box);
    QVERIFY(!box->parentWidget());
    QCOMPARE(box->findChild<QLabel *>()->text(), QStringLiteral("no window"));
}

YAVO_TEST_MAIN(TestYvMessageBox)
#include "tst_yvmessagebox.moc"
