#include "app/yavosavefiles.h"

#include "testmain.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

class TestYavoSaveFiles : public QObject
{
    Q_OBJECT

private slots:
    void clicksToggleRowsAndNamesComeInRowOrder_data();
    void clicksToggleRowsAndNamesComeInRowOrder();
    void saveAcceptsCancelRejects();
};

void TestYavoSaveFiles::clicksToggleRowsAndNamesComeInRowOrder_data()
{
    QTest::addColumn<QList<int>>("clicked");
    QTest::addColumn<QStringList>("selected");

    QTest::newRow("none") << QList<int>() << QStringList();
    QTest::newRow("clicked bottom up") << QList<int>{3, 0} << QStringList{"a.rtf", "d.docx"};
    QTest::newRow("second click deselects") << QList<int>{1, 2, 1} << QStringList{"c.txt"};
}

void TestYavoSaveFiles::clicksToggleRowsAndNamesComeInRowOrder()
{
    QFETCH(QList<int>, clicked);
    QFETCH(QStringList, selected);

    YavoSaveFiles dialog;
    dialog.addNames({QStringLiteral("a.rtf"), QStringLiteral("b.odt")});
    dialog.addNames({QStringLiteral("c.txt"), QStringLiteral("d.docx")});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("listWidget"));
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->item(3)->text(), QStringLiteral("d.docx"));
    for (int row : clicked) {
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
    QCOMPARE(dialog.selectedNames(), selected);
}

void TestYavoSaveFiles::saveAcceptsCancelRejects()
{
    YavoSaveFiles dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dialog"));
    auto *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QCOMPARE(buttons->orientation(), Qt::Vertical);

    dialog.show();
    buttons->button(QDialogButtonBox::Save)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    dialog.show();
    buttons->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

YAVO_TEST_MAIN(TestYavoSaveFiles)
#include "tst_yavosavefiles.moc"
