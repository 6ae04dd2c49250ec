#include "app/yvtabcontentwidget.h"

#include "testmain.h"

#include <QPointer>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtTest>

class TestTabContentWidget : public QObject
{
    Q_OBJECT

private slots:
    void framesTheEditor();
    void typingRepaintsTheEditorAlone();
    void editorGoesWithThePage();
};

// The editor fills the page but for 100 pixels of #C0C0FF on its left and
// right, with a shadow (of the same colour) falling 4 pixels right and
// down; what lies behind the page (here red) shows nowhere.
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

    const QImage shot = behind.grab().toImage();
    const QColor margin(QStringLiteral("#C0C0FF"));
    for (const QPoint &point : {QPoint(2, 2), QPoint(50, 150), QPoint(97, 297), QPoint(502, 150),
                                QPoint(550, 150), QPoint(597, 2)})
        QCOMPARE(QColor(shot.pixel(point)), margin);
    QCOMPARE(QColor(shot.pixel(300, 150)), QColor(Qt::white));
}

// What a widget was asked to paint.
class PaintedRegion : public QObject
{
public:
    QRegion region;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

// The shadow is the page's: a key typed on the last line of the editor
// repaints that line, not the whole editor again (as an effect on the
// editor would, rendering and blurring all of it for every key), nor the
// page's margins.
void TestTabContentWidget::typingRepaintsTheEditorAlone()
{
    auto *editor = new QTextEdit;
    editor->setStyleSheet(QStringLiteral("background-color:white; color:black"));
    yvTabContentWidget page(editor);
    page.resize(600, 300);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QStringList lines;
    for (int i = 0; i < 40; ++i)
        lines << QStringLiteral("line %1").arg(i);
    editor->setPlainText(lines.join(QLatin1Char('\n')));
    editor->moveCursor(QTextCursor::End);
    editor->setFocus();
    QCoreApplication::processEvents();

    PaintedRegion pagePainted;
    page.installEventFilter(&pagePainted);
    PaintedRegion editorPainted;
    editor->viewport()->installEventFilter(&editorPainted);
    QTest::keyClicks(editor, QStringLiteral("x"));
    QTRY_VERIFY(!editorPainted.region.isEmpty());
    QCoreApplication::processEvents();

    QVERIFY2(editorPainted.region.boundingRect().height() < editor->viewport()->height() / 2,
             qPrintable(QStringLiteral("repainted %1 of %2 pixels")
                                .arg(editorPainted.region.boundingRect().height())
                                .arg(editor->viewport()->height())));
    QVERIFY(editor->geometry().contains(pagePainted.region.boundingRect()));
    QVERIFY(editor->toPlainText().endsWith(QLatin1String("line 39x")));
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
