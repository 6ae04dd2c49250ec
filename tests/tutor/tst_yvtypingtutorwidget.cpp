#include "testmain.h"

#include "tutor/tutorapplication.h"
#include "tutor/yvtypingtutorwidget.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QQmlContext>
#include <QQuickItem>
#include <QScreen>

namespace {

// The views' items by object name, the delegates of the keyboard included
// (they are items of the grid, not children of the root object).
QQuickItem *findItem(QQuickItem *item, const QString &name)
{
    if (item->objectName() == name)
        return item;
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

} // namespace

class TestYvTypingTutorWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void opensAFixedDialogWindowWithItsViews();
    void drawsWithoutOpenGL();
    void knowsTheRasterizersOnTheProcessor_data();
    void knowsTheRasterizersOnTheProcessor();
    void textsUseTheRegisteredFontFamily_data();
    void textsUseTheRegisteredFontFamily();

private:
    QString m_family;
};

void TestYvTypingTutorWidget::initTestCase()
{
    m_family = TutorApplication::installFont();
    TutorApplication::chooseSceneGraphBackend();
}

void TestYvTypingTutorWidget::opensAFixedDialogWindowWithItsViews()
{
    yvTypingTutorWidget window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.size(), QSize(800, 300));
    QCOMPARE(window.minimumSize(), QSize(800, 300));
    QCOMPARE(window.title(), QStringLiteral("Yavo Software - Typing Tutor"));
    const Qt::WindowFlags flags = window.flags();
    QVERIFY(flags.testFlag(Qt::Dialog));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    QCOMPARE(window.status(), QQuickView::Ready);
    QVERIFY(window.rootObject());
    QCOMPARE(window.rootObject()->size(), QSizeF(800, 300));
    QCOMPARE(window.rootContext()->contextProperty("version").toString(), QStringLiteral("1.0.0.1"));
    QCOMPARE(window.rootContext()->contextProperty("keyboardLayoutNames").toStringList().size(), 3);
}

void TestYvTypingTutorWidget::drawsWithoutOpenGL()
{
    yvTypingTutorWidget window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The gradient runs from a dark grey at the top to a light one at the
    // bottom; the left edge beside the keys shows it once a frame is drawn.
    QImage picture;
    QTRY_VERIFY((picture = window.screen()->grabWindow(window.winId()).toImage(),
                 picture.pixelColor(5, 50).lightness() < picture.pixelColor(5, 295).lightness()));
    QCOMPARE(picture.size(), QSize(800, 300));
}

void TestYvTypingTutorWidget::knowsTheRasterizersOnTheProcessor_data()
{
    QTest::addColumn<QByteArray>("renderer");
    QTest::addColumn<bool>("onTheProcessor");
    QTest::newRow("llvmpipe") << QByteArray("llvmpipe (LLVM 15.0.6, 256 bits)") << true;
    QTest::newRow("softpipe") << QByteArray("softpipe") << true;
    QTest::newRow("swrast") << QByteArray("Mesa DRI Software Rasterizer") << true;
    QTest::newRow("graphics card") << QByteArray("Mesa Intel(R) UHD Graphics 620 (KBL GT2)") << false;
    QTest::newRow("other driver") << QByteArray("NVIDIA GeForce GTX 1060/PCIe/SSE2") << false;
    QTest::newRow("none named") << QByteArray("") << false;
}

void TestYvTypingTutorWidget::knowsTheRasterizersOnTheProcessor()
{
    QFETCH(QByteArray, renderer);
    QFETCH(bool, onTheProcessor);
    QCOMPARE(TutorApplication::isSoftwareRasterizer(renderer), onTheProcessor);
}

void TestYvTypingTutorWidget::textsUseTheRegisteredFontFamily_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("button") << "buttonText" << 18;
    QTest::newRow("asked box") << "askgingCharTextItem" << 72;
    QTest::newRow("key caption") << "nameText" << 172;
}

void TestYvTypingTutorWidget::textsUseTheRegisteredFontFamily()
{
    QFETCH(QString, objectName);
    QFETCH(int, pixelSize);

    QCOMPARE(m_family, QStringLiteral("Noto Sans Kannada"));
    QCOMPARE(QGuiApplication::font().family(), m_family);
    QCOMPARE(QGuiApplication::font().pixelSize(), 15);

    yvTypingTutorWidget window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QQuickItem *text = nullptr;
    QTRY_VERIFY((text = findItem(window.rootObject(), objectName)));
    const QFont font = text->property("font").value<QFont>();
    QCOMPARE(font.family(), m_family);
    QCOMPARE(font.pixelSize(), pixelSize);
}

YAVO_TEST_MAIN(TestYvTypingTutorWidget)
#include "tst_yvtypingtutorwidget.moc"
