#include "app/yvzoomcontrollerwidget.h"

#include "core/sharedsettings.h"
#include "testmain.h"

#include <QSettings>
#include <QSlider>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

constexpr int basePointSize = 30;

// An editor as the word processor makes them: a font given in points, large
// enough that the deepest zoom-out still leaves it a size.
std::unique_ptr<QTextEdit> newEditor()
{
    auto editor = std::make_unique<QTextEdit>();
    QFont font = editor->font();
    font.setPointSize(basePointSize);
    editor->setFont(font);
    return editor;
}

int zoomOf(const QTextEdit &editor)
{
    return editor.font().pointSize() - basePointSize;
}

int storedZoomLevel()
{
    return QSettings(settingsOrganization, settingsApplication)
        .value(QStringLiteral("InputSettings/zoomLevel"), -999).toInt();
}

// Drags the slider's handle to a value, as the user does with the mouse.
void dragSlider(QSlider *slider, int value)
{
    slider->setSliderDown(true);
    slider->setSliderPosition(value);
    slider->setSliderDown(false);
}

} // namespace

class TestZoomController : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void storedLevel_data();
    void storedLevel();
    void buttonStates_data();
    void buttonStates();
    void buttonsStepAndReset();
    void sliderDrag();
    void closedEditorsLeftOut();

private:
    struct Parts
    {
        QSlider *slider;
        QToolButton *reset;
        QToolButton *minus;
        QToolButton *plus;
    };
    static Parts partsOf(const yvZoomControllerWidget &widget);
};

void TestZoomController::init()
{
    QSettings(settingsOrganization, settingsApplication).clear();
}

TestZoomController::Parts TestZoomController::partsOf(const yvZoomControllerWidget &widget)
{
    Parts parts{widget.findChild<QSlider *>(QStringLiteral("pSlider")),
                widget.findChild<QToolButton *>(QStringLiteral("pZoomResetPB")),
                widget.findChild<QToolButton *>(QStringLiteral("pZoomOutPB")),
                widget.findChild<QToolButton *>(QStringLiteral("pZoomInPB"))};
    Q_ASSERT(parts.slider && parts.reset && parts.minus && parts.plus);
    return parts;
}

void TestZoomController::storedLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("sliderValue");

    QTest::newRow("none") << 0 << 0;
    QTest::newRow("in by 3") << 3 << 3;
    QTest::newRow("out by 2") << -2 << -2;
    QTest::newRow("past the top end") << 80 << 50;
    QTest::newRow("past the bottom end") << -20 << -10;
}

// The stored level is applied in full to every editor, those registered
// later included, even where the slider can only show its end; it is
// written back unchanged.
void TestZoomController::storedLevel()
{
    QFETCH(int, level);
    QFETCH(int, sliderValue);

    auto first = newEditor();
    auto later = newEditor();
    QObject notAnEditor;
    {
        yvZoomControllerWidget widget;
        widget.setZoomLevel(level);
        QCOMPARE(partsOf(widget).slider->value(), sliderValue);

        widget.addEditor(first.get());
        widget.addEditor(&notAnEditor);
        QCOMPARE(zoomOf(*first), level);
        widget.addEditor(later.get());
        QCOMPARE(zoomOf(*later), level);
        QCOMPARE(zoomOf(*first), level);
    }
    QCOMPARE(storedZoomLevel(), level);
}

void TestZoomController::buttonStates_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("minusEnabled");
    QTest::addColumn<bool>("plusEnabled");
    QTest::addColumn<bool>("resetEnabled");
    QTest::addColumn<QString>("resetText");

    QTest::newRow("bottom end") << -10 << false << true << true << QStringLiteral("-100%");
    QTest::newRow("below zero") << -3 << true << true << true << QStringLiteral("-30%");
    QTest::newRow("zero") << 0 << true << true << false << QStringLiteral("0%");
    QTest::newRow("above zero") << 3 << true << true << true << QStringLiteral("30%");
    QTest::newRow("top end") << 50 << true << false << true << QStringLiteral("500%");
    QTest::newRow("beyond the top") << 80 << true << false << true << QStringLiteral("500%");
}

void TestZoomController::buttonStates()
{
    QFETCH(int, value);
    QFETCH(bool, minusEnabled);
    QFETCH(bool, plusEnabled);
    QFETCH(bool, resetEnabled);
    QFETCH(QString, resetText);

    yvZoomControllerWidget widget;
    QCOMPARE(widget.size(), QSize(200, 20));
    widget.setZoomLevel(value);
    const Parts parts = partsOf(widget);
    QCOMPARE(parts.minus->isEnabled(), minusEnabled);
    QCOMPARE(parts.plus->isEnabled(), plusEnabled);
    QCOMPARE(parts.reset->isEnabled(), resetEnabled);
    QCOMPARE(parts.reset->text(), resetText);
}

void TestZoomController::buttonsStepAndReset()
{
    auto editor = newEditor();
    yvZoomControllerWidget widget;
    const Parts parts = partsOf(widget);
    widget.addEditor(editor.get());

    parts.plus->click();
    parts.plus->click();
    QCOMPARE(zoomOf(*editor), 2);
    QCOMPARE(parts.slider->value(), 2);
    QCOMPARE(parts.reset->text(), QStringLiteral("20%"));

    parts.minus->click();
    QCOMPARE(zoomOf(*editor), 1);

    parts.reset->click();
    QCOMPARE(zoomOf(*editor), 0);
    QCOMPARE(parts.slider->value(), 0);
    QVERIFY(!parts.reset->isEnabled());

    // At the top end the plus button no longer acts.
    widget.setZoomLevel(50);
    parts.plus->click();
    QCOMPARE(parts.slider->value(), 50);
}

void TestZoomController::sliderDrag()
{
    auto first = newEditor();
    auto second = newEditor();
    {
        yvZoomControllerWidget widget;
        widget.setZoomLevel(5);
        widget.addEditor(first.get());
        widget.addEditor(second.get());
        const Parts parts = partsOf(widget);

        dragSlider(parts.slider, 2);
        QCOMPARE(zoomOf(*first), 2);
        QCOMPARE(zoomOf(*second), 2);

        dragSlider(parts.slider, 0);
        QCOMPARE(zoomOf(*first), 0);
        QCOMPARE(zoomOf(*second), 0);
    }
    QCOMPARE(storedZoomLevel(), 0);
}

// An editor whose tab closed keeps its zoom and takes no part in later
// changes; one deleted without being unregistered is simply gone.
void TestZoomController::closedEditorsLeftOut()
{
    auto kept = newEditor();
    auto closed = newEditor();
    auto deleted = newEditor();
    yvZoomControllerWidget widget;
    widget.setZoomLevel(1);
    widget.addEditor(kept.get());
    widget.addEditor(closed.get());
    widget.addEditor(deleted.get());

    widget.removeEditor(closed.get());
    deleted.reset();
    partsOf(widget).plus->click();

    QCOMPARE(zoomOf(*kept), 2);
    QCOMPARE(zoomOf(*closed), 1);
}

YAVO_TEST_MAIN(TestZoomController)
#include "tst_yvzoomcontrollerwidget.moc"
