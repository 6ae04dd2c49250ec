#include "app/qflowlayout.h"

#include "testmain.h"

#include <QPointer>
#include <QProxyStyle>
#include <QSpacerItem>
#include <QWidget>
#include <QtTest>

Q_DECLARE_METATYPE(QMargins)

namespace {

// Gives the layout metrics and the push-button spacing it is told to.
class SpacingStyle : public QProxyStyle
{
public:
    SpacingStyle(int hMetric, int vMetric, int hButtons, int vButtons)
        : QProxyStyle(QStringLiteral("Fusion"))
        , m_hMetric(hMetric), m_vMetric(vMetric), m_hButtons(hButtons), m_vButtons(vButtons)
    {
    }

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_LayoutHorizontalSpacing)
            return m_hMetric;
        if (metric == PM_LayoutVerticalSpacing)
            return m_vMetric;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    int layoutSpacing(QSizePolicy::ControlType, QSizePolicy::ControlType, Qt::Orientation orientation,
                      const QStyleOption *, const QWidget *) const override
    {
        return orientation == Qt::Horizontal ? m_hButtons : m_vButtons;
    }

private:
    int m_hMetric, m_vMetric, m_hButtons, m_vButtons;
};

QList<QPoint> positionsOfWidgets(QFlowLayout *layout)
{
    QList<QPoint> positions;
    for (int i = 0; i < layout->count(); ++i)
        positions.append(layout->itemAt(i)->widget()->pos());
    return positions;
}

} // namespace

class TestQFlowLayout : public QObject
{
    Q_OBJECT

private slots:
    void emptyLayoutIsItsMargins_data();
    void emptyLayoutIsItsMargins();
    void itemsFlowIntoRows_data();
    void itemsFlowIntoRows();
    void minusOneSpacingComesFromTheParentStyle_data();
    void minusOneSpacingComesFromTheParentStyle();
    void itemsWithoutWidgetGetASpacing_data();
    void itemsWithoutWidgetGetASpacing();
};

void TestQFlowLayout::emptyLayoutIsItsMargins_data()
{
    QTest::addColumn<QMargins>("margins");

    QTest::newRow("none") << QMargins(0, 0, 0, 0);
    QTest::newRow("5 all round") << QMargins(5, 5, 5, 5);
    QTest::newRow("uneven") << QMargins(1, 2, 3, 4);
}

void TestQFlowLayout::emptyLayoutIsItsMargins()
{
    QFETCH(QMargins, margins);

    QFlowLayout layout(0, 4, 6);
    layout.setContentsMargins(margins);
    // The minimum starts from the invalid size -1 x -1.
    QCOMPARE(layout.minimumSize(),
             QSize(margins.left() + margins.right() - 1, margins.top() + margins.bottom() - 1));
    QCOMPARE(layout.sizeHint(), layout.minimumSize());
    QVERIFY(layout.hasHeightForWidth());
    QCOMPARE(layout.heightForWidth(100), margins.top() + margins.bottom());
    QCOMPARE(layout.expandingDirections(), Qt::Orientations());
    QVERIFY(!layout.itemAt(0));
    QVERIFY(!layout.itemAt(-1));
    QVERIFY(!layout.takeAt(0));
}

void TestQFlowLayout::itemsFlowIntoRows_data()
{
    QTest::addColumn<int>("margin");
    QTest::addColumn<QList<QSize>>("sizes");
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<QPoint>>("positions");
    QTest::addColumn<int>("height");

    const QSize box(40, 20);
    QTest::newRow("third wraps") << 5 << QList<QSize>{box, box, box} << 100
                                 << QList<QPoint>{{5, 5}, {49, 5}, {5, 31}} << 56;
    QTest::newRow("all on one row") << 5 << QList<QSize>{box, box, box} << 140
                                    << QList<QPoint>{{5, 5}, {49, 5}, {93, 5}} << 30;
    // An item wraps once its end (x + width) passes the last pixel column.
    QTest::newRow("ends before the last column") << 5 << QList<QSize>{box, box, box} << 139
                                                 << QList<QPoint>{{5, 5}, {49, 5}, {93, 5}} << 30;
    QTest::newRow("ends past the last column") << 5 << QList<QSize>{box, box, box} << 138
                                               << QList<QPoint>{{5, 5}, {49, 5}, {5, 31}} << 56;
    QTest::newRow("next row below the tallest") << 0 << QList<QSize>{{40, 20}, {40, 50}, {40, 10}} << 90
                                                << QList<QPoint>{{0, 0}, {44, 0}, {0, 56}} << 66;
    QTest::newRow("too wide stays on its own row") << 0 << QList<QSize>{{40, 20}, {200, 30}, {40, 20}} << 100
                                                   << QList<QPoint>{{0, 0}, {0, 26}, {0, 62}} << 82;
}

void TestQFlowLayout::itemsFlowIntoRows()
{
    QFETCH(int, margin);
    QFETCH(QList<QSize>, sizes);
    QFETCH(int, width);
    QFETCH(QList<QPoint>, positions);
    QFETCH(int, height);

    QWidget parent;
    auto *layout = new QFlowLayout(&parent, margin, 4, 6);
    for (const QSize &size : sizes) {
        auto *widget = new QWidget;
        widget->setFixedSize(size);
        layout->addWidget(widget);
    }
    QCOMPARE(layout->count(), sizes.size());
    QCOMPARE(layout->heightForWidth(width), height);

    parent.resize(width, height);
    parent.show();
    layout->setGeometry(QRect(0, 0, width, height));
    QCOMPARE(positionsOfWidgets(layout), positions);
}

void TestQFlowLayout::minusOneSpacingComesFromTheParentStyle_data()
{
    QTest::addColumn<int>("hMetric");
    QTest::addColumn<int>("vMetric");
    QTest::addColumn<int>("buttonSpacing");   // both directions; the vertical one is 4 more
    QTest::addColumn<QList<QPoint>>("positions");

    QTest::newRow("layout metrics") << 7 << 11 << 9 << QList<QPoint>{{0, 0}, {47, 0}, {0, 31}};
    // A style without layout metrics: the widgets' push-button spacing.
    QTest::newRow("push-button spacing") << -1 << -1 << 9 << QList<QPoint>{{0, 0}, {49, 0}, {0, 33}};
    // Neither gives one (the common styles' own default): no gap, no overlap.
    QTest::newRow("no spacing anywhere") << -1 << -1 << -5 << QList<QPoint>{{0, 0}, {40, 0}, {0, 20}};
}

void TestQFlowLayout::minusOneSpacingComesFromTheParentStyle()
{
    QFETCH(int, hMetric);
    QFETCH(int, vMetric);
    QFETCH(int, buttonSpacing);
    QFETCH(QList<QPoint>, positions);

    SpacingStyle style(hMetric, vMetric, buttonSpacing, buttonSpacing < 0 ? buttonSpacing : buttonSpacing + 4);
    QWidget parent;
    parent.setStyle(&style);
    auto *layout = new QFlowLayout(&parent, 0, -1, -1);
    QCOMPARE(layout->horizontalSpacing(), hMetric);
    QCOMPARE(layout->verticalSpacing(), vMetric);
    for (int i = 0; i < 3; ++i) {
        auto *widget = new QWidget;
        widget->setStyle(&style);
        widget->setFixedSize(40, 20);
        layout->addWidget(widget);
    }
    parent.resize(100, 100);
    parent.show();
    layout->setGeometry(QRect(0, 0, 100, 100));
    QCOMPARE(positionsOfWidgets(layout), positions);
}

void TestQFlowLayout::itemsWithoutWidgetGetASpacing_data()
{
    QTest::addColumn<bool>("widgetParent");
    QTest::addColumn<int>("ownSpacing");   // -1: none set
    QTest::addColumn<int>("gap");

    QTest::newRow("no parent, no spacing") << false << -1 << 0;
    QTest::newRow("no parent, own spacing") << false << 3 << 3;
    QTest::newRow("parent style without spacing") << true << -1 << 0;
    QTest::newRow("parent style without spacing, own spacing") << true << 5 << 5;
}

// Spacers carry no widget whose style could be asked for the gap.
void TestQFlowLayout::itemsWithoutWidgetGetASpacing()
{
    QFETCH(bool, widgetParent);
    QFETCH(int, ownSpacing);
    QFETCH(int, gap);

    SpacingStyle style(-1, -1, 9, 13);
    QWidget parent;
    parent.setStyle(&style);
    QFlowLayout *layout = widgetParent ? new QFlowLayout(&parent, 0, -1, -1) : new QFlowLayout(0, -1, -1);
    QScopedPointer<QFlowLayout> owned(widgetParent ? nullptr : layout);
    if (ownSpacing >= 0)
        layout->setSpacing(ownSpacing);
    QList<QSpacerItem *> spacers;
    for (int i = 0; i < 3; ++i) {
        spacers.append(new QSpacerItem(30, 10, QSizePolicy::Fixed, QSizePolicy::Fixed));
        layout->addItem(spacers.last());
    }

    QCOMPARE(layout->heightForWidth(70), 20 + gap);
    layout->setGeometry(QRect(0, 0, 70, 20 + gap));
    QCOMPARE(spacers[0]->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(spacers[1]->geometry().topLeft(), QPoint(30 + gap, 0));
    QCOMPARE(spacers[2]->geometry().topLeft(), QPoint(0, 10 + gap));
}

YAVO_TEST_MAIN(TestQFlowLayout)
#include "tst_qflowlayout.moc"
