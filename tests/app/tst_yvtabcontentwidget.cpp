#include "app/yvtabcontentwidget.h"

#include "testmain.h"

#include <QGraphicsDropShadowEffect>
#include <QPointer>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtTest>

class TestTabContentWidget : public QObject
{
    Q_OBJECT

private slots:
    void framesTheEditor();
    void editorGoesWithThePage();
};

// The editor fills the page but for 100 pixels of #C0C0FF on its left and
// right, with a shadow falling 4 pixels right and down; what lies behind
// the page (here red) shows nowhere.
void TestTabContentWidget::framesTheEditor()
{
    QWidget behind;
    QPalette red = behind.palette();
    red.setColor(QPalette::Window, Qt::red);
    behind.setPalette(red);
    behind.setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(&behind);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *editor = new QTextEdit;
    editor->setStyleSheet(QStringLiteral("background-color:white; color:black"));
    auto *page = new yvTabContentWidget(editor);
    layout->addWidget(page);
    behind.resize(600, 300);
    behind.show();
    QVERIFY(QTest::qWaitForWindowExposed(&behind));

    QCOMPARE(page->editor(), editor);
    QCOMPARE(editor->parentWidget(), page);
    QCOMPARE(editor->geometry(), QRect(100, 0, 400, 300));

    auto *shadow = qobject_cast<QGraphicsDropShadowEffect *>(editor->graphicsEffect());
    QVERIFY(shadow);
    QCOMPARE(shadow->offset(), QPointF(4.0, 4.0));
    QCOMPARE(shadow->color(), QColor(QStringLiteral("#C0C0FF")));

    const QImage shot = behind.grab().toImage();
    const QColor margin(QStringLiteral("#C0C0FF"));
    for (const QPoint &point : {QPoint(2, 2), QPoint(50, 150), QPoint(97, 297), QPoint(550, 150), QPoint(597, 2)})
        QCOMPARE(QColor(shot.pixel(point)), margin);
    QCOMPARE(QColor(shot.pixel(300, 150)), QColor(Qt::white));
}

void TestTabContentWidget::editorGoesWithThePage()
{
    auto *page = new yvTabContentWidget(new QTextEdit);
    QPointer<QWidget> editor = page->editor();
    delete page;
    QVERIFY(editor.isNull());
}

YAVO_TEST_MAIN(TestTabContentWidget)
#include "tst_yvtabcontentwidget.moc"
