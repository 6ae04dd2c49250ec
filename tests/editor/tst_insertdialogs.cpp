#include "editor/insertlinkdialog.h"
#include "editor/inserttabledialog.h"

#include "testmain.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

class TestInsertDialogs : public QObject
{
    Q_OBJECT

private slots:
    void untouchedTableDialogGivesTwoByTwo();
    void spinBoxesKeepToOneToNinetyNine_data();
    void spinBoxesKeepToOneToNinetyNine();
    void linkDialogGivesTheAddressAsTyped_data();
    void linkDialogGivesTheAddressAsTyped();
    void cancelOrCloseRejects_data();
    void cancelOrCloseRejects();
};

namespace {

// Runs the dialog, letting the action answer it once it is up.
int runWith(QDialog &dialog, const std::function<void()> &action)
{
    QTimer::singleShot(0, &dialog, action);
    return dialog.exec();
}

void clickButton(QDialog &dialog, QDialogButtonBox::StandardButton which)
{
    dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(which)->click();
}

} // namespace

void TestInsertDialogs::untouchedTableDialogGivesTwoByTwo()
{
    InsertTableDialog dialog(nullptr);
    QCOMPARE(runWith(dialog, [&] { clickButton(dialog, QDialogButtonBox::Ok); }), int(QDialog::Accepted));
    QCOMPARE(dialog.rows(), 2);
    QCOMPARE(dialog.columns(), 2);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Yavo - Insert Table"));
}

void TestInsertDialogs::spinBoxesKeepToOneToNinetyNine_data()
{
    QTest::addColumn<QString>("spinBox");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");

    QTest::newRow("rows 0") << "rowsSpinBox" << "0" << 2 << 2;
    QTest::newRow("rows 100") << "rowsSpinBox" << "100" << 10 << 2;
    QTest::newRow("rows 99") << "rowsSpinBox" << "99" << 99 << 2;
    QTest::newRow("columns -5") << "columnsSpinBox" << "-5" << 2 << 5;
    QTest::newRow("columns 7") << "columnsSpinBox" << "7" << 2 << 7;
}

void TestInsertDialogs::spinBoxesKeepToOneToNinetyNine()
{
    QFETCH(QString, spinBox);
    QFETCH(QString, typed);
    QFETCH(int, rows);
    QFETCH(int, columns);

    InsertTableDialog dialog(nullptr);
    auto *box = dialog.findChild<QSpinBox *>(spinBox);
    QVERIFY(box);
    dialog.show();
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, typed);
    box->interpretText();
    QCOMPARE(dialog.rows(), rows);
    QCOMPARE(dialog.columns(), columns);
}

void TestInsertDialogs::linkDialogGivesTheAddressAsTyped_data()
{
    QTest::addColumn<QString>("url");

    QTest::newRow("empty") << "";
    QTest::newRow("untrimmed") << " https://example.org/a b ";
}

void TestInsertDialogs::linkDialogGivesTheAddressAsTyped()
{
    QFETCH(QString, url);

    InsertLinkDialog dialog(nullptr);
    dialog.setURL(QStringLiteral("old"));
    const int result = runWith(dialog, [&] {
        auto *field = dialog.findChild<QLineEdit *>(QStringLiteral("urlLineEdit"));
        field->clear();
        QTest::keyClicks(field, url);
        clickButton(dialog, QDialogButtonBox::Ok);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(dialog.url(), url);
}

void TestInsertDialogs::cancelOrCloseRejects_data()
{
    QTest::addColumn<bool>("table");
    QTest::addColumn<bool>("close");

    QTest::newRow("table cancel") << true << false;
    QTest::newRow("table close") << true << true;
    QTest::newRow("link cancel") << false << false;
    QTest::newRow("link close") << false << true;
}

void TestInsertDialogs::cancelOrCloseRejects()
{
    QFETCH(bool, table);
    QFETCH(bool, close);

    InsertTableDialog tableDialog(nullptr);
    InsertLinkDialog linkDialog(nullptr);
    QDialog &dialog = table ? static_cast<QDialog &>(tableDialog) : linkDialog;
    const int result = runWith(dialog, [&] {
        if (close)
            dialog.close();
        else
            clickButton(dialog, QDialogButtonBox::Cancel);
    });
    QCOMPARE(result, int(QDialog::Rejected));
}

YAVO_TEST_MAIN(TestInsertDialogs)

#include "tst_insertdialogs.moc"
