// The tutor's window on an X desktop, as a person meets it: on a virtual X
// server, with the openbox window manager when YAVO_TEST_WINDOW_MANAGER is
// "openbox" and without one otherwise (the suite runs it both ways). A
// window manager applies sizes in its own time, after the window is shown;
// the keyboard must follow whatever size the window has.

#include "testsandbox.h"
#include "virtualdesktop.h"

#include "tutor/tutorapplication.h"
#include "tutor/yvtypingtutorwidget.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QQuickItem>
#include <QtTest>

namespace {

QRectF sceneRect(QQuickItem *item)
{
    return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
}

QString describe(const QRectF &rect)
{
    return QStringLiteral("%1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

// Why the views do not fit the window, or "" when they do: they have the
// window's size, every key and the asked box lie inside it, and the keys
// stand in the grid's present cells, reaching the window's right or bottom
// edge (laid out for this size, not for an earlier one).
QString misfit(QQuickView &window)
{
    const QRectF area(QPointF(0, 0), QSizeF(window.size()));
    if (window.rootObject()->size() != area.size())
        return QStringLiteral("views of %1 in %2").arg(describe(sceneRect(window.rootObject())), describe(area));
    auto *grid = window.rootObject()->findChild<QQuickItem *>(QStringLiteral("keyboardGridView"));
    const int count = grid->property("count").toInt();
    if (count != 48)
        return QStringLiteral("%1 keys").arg(count);
    QRectF keyboard;
    for (int row = 0; row < count; ++row) {
        QQuickItem *key = nullptr;
        QMetaObject::invokeMethod(grid, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, key), Q_ARG(int, row));
        if (!key)
            return QStringLiteral("key %1 not made").arg(row);
        const QRectF rect = sceneRect(key);
        if (!area.contains(rect))
            return QStringLiteral("key %1 at %2 in %3").arg(row).arg(describe(rect), describe(area));
        keyboard |= rect;
    }
    const qreal cell = grid->property("cellWidth").toReal();
    const int columns = window.rootObject()->property("columnCount").toInt();
    const qreal keyWidth = keyboard.width() - (columns - 1) * cell;
    if (qMin(area.right() - keyboard.right(), area.bottom() - keyboard.bottom()) > cell / 2
        || keyWidth < cell / 2 || keyWidth > cell)
        return QStringLiteral("keyboard %1 in %2, cells of %3").arg(describe(keyboard), describe(area)).arg(cell);
    auto *box = window.rootObject()->findChild<QQuickItem *>(QStringLiteral("askgingCharRectItem"));
    if (!area.contains(sceneRect(box)))
        return QStringLiteral("asked box at %1 in %2").arg(describe(sceneRect(box)), describe(area));
    return QString();
}

// The window's size when it was first exposed.
class FirstExposure : public QObject
{
public:
    explicit FirstExposure(QWindow *window)
        : m_window(window)
    {
        window->installEventFilter(this);
    }

    QSize size() const { return m_size; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_size.isEmpty() && m_window->isExposed())
            m_size = m_window->size();
        return QObject::eventFilter(watched, event);
    }

private:
    QWindow *m_window;
    QSize m_size;
};

} // namespace

class TestTutorDesktop : public QObject
{
    Q_OBJECT

public:
    TestTutorDesktop(VirtualDesktop *desktop, const QString &desktopError)
        : m_desktop(desktop)
        , m_desktopError(desktopError)
    {
    }

private slots:
    void initTestCase();
    void drawsWithTheSoftwareSceneGraphOverARasterizer();
    void opensAtItsSizeWithTheKeyboardInside();
    void keyboardFollowsResizes_data();
    void keyboardFollowsResizes();
    void takesKeysWithoutAClick();

private:
    VirtualDesktop *m_desktop;
    QString m_desktopError;
};

void TestTutorDesktop::initTestCase()
{
    if (!m_desktopError.isEmpty())
        QSKIP(qPrintable(m_desktopError));
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    // As the program starts.
    TutorApplication::installFont();
    TutorApplication::chooseSceneGraphBackend();
}

void TestTutorDesktop::drawsWithTheSoftwareSceneGraphOverARasterizer()
{
    // The virtual server's OpenGL, where it has one, runs on the processor.
    const QByteArray renderer = TutorApplication::openGLRenderer();
    QVERIFY2(renderer.isNull() || TutorApplication::isSoftwareRasterizer(renderer), renderer.constData());
    QCOMPARE(QQuickWindow::sceneGraphBackend(), QStringLiteral("software"));

    yvTypingTutorWidget window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.rendererInterface()->graphicsApi(), QSGRendererInterface::Software);
}

void TestTutorDesktop::opensAtItsSizeWithTheKeyboardInside()
{
    // As the program does: the window shows itself, and is shown again.
    yvTypingTutorWidget window;
    FirstExposure exposure(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(exposure.size(), QSize(800, 300));
    QTRY_COMPARE(window.size(), QSize(800, 300));
    QTRY_VERIFY2(misfit(window).isEmpty(), qPrintable(misfit(window)));
}

void TestTutorDesktop::keyboardFollowsResizes_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("atOnce");
    QTest::newRow("larger") << QSize(1100, 560) << false;
    QTest::newRow("wide and low") << QSize(1200, 320) << false;
    // As a window manager that gives a window its stored or maximised size
    // right after it is shown, while the keys are still arriving.
    QTest::newRow("resized as soon as shown") << QSize(1200, 700) << true;
}

void TestTutorDesktop::keyboardFollowsResizes()
{
    QFETCH(QSize, size);
    QFETCH(bool, atOnce);

    yvTypingTutorWidget window;
    if (atOnce) {
        window.resize(size);
    } else {
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY2(misfit(window).isEmpty(), qPrintable(misfit(window)));
        window.resize(size);
    }
    QTRY_COMPARE(window.size(), size);
    QTRY_VERIFY2(misfit(window).isEmpty(), qPrintable(misfit(window)));

    // And back to the smallest size.
    window.resize(800, 300);
    QTRY_COMPARE(window.size(), QSize(800, 300));
    QTRY_VERIFY2(misfit(window).isEmpty(), qPrintable(misfit(window)));
}

void TestTutorDesktop::takesKeysWithoutAClick()
{
    // The pointer away from where the window opens, so that no focus that
    // follows it gives the window the keyboard.
    QCursor::setPos(QGuiApplication::primaryScreen()->geometry().bottomRight() - QPoint(5, 5));
    yvTypingTutorWidget window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *grid = window.rootObject()->findChild<QQuickItem *>(QStringLiteral("keyboardGridView"));
    QTRY_COMPARE(grid->property("count").toInt(), 48);
    // A key typed at once, as on a real keyboard: the key showing it
    // flashes.
    QVERIFY(m_desktop->type(QStringLiteral("q"), 0));
    QTRY_COMPARE(grid->property("currentIndex").toInt(), 12);
}

int main(int argc, char *argv[])
{
    TestSandbox sandbox;
    VirtualDesktop desktop;
    const bool withWindowManager = qgetenv("YAVO_TEST_WINDOW_MANAGER") == "openbox";
    const bool started = desktop.start(withWindowManager ? VirtualDesktop::WindowManager : VirtualDesktop::Server);
    if (started) {
        desktop.useDisplay();
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication app(argc, argv);
    TestTutorDesktop test(&desktop, started ? QString() : desktop.errorString());
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tutordesktop.moc"
