#include "app/mainwindow.h"
#include "app/tabwidget.h"
#include "app/ui_mainwindow.h"
#include "core/sharedsettings.h"
#include "editor/unicodekaeditor.h"
#include "widgets/yvquickbytestoolbar.h"

#include "modalanswerer.h"
#include "testmain.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QSettings>

// Start-up from the settings and the settings written at exit, each test in
// a fresh settings store.
class tst_MainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_sandbox.reset(new TestSandbox); }
    void cleanup() { m_sandbox.reset(); }
    void firstStart();
    void storedSettingsApplied_data();
    void storedSettingsApplied();
    void settingsWrittenOnlyAtExit();
    void cancelledCloseKeepsWindowAndDocument();
    void titleAndAboutNameTheVersion();
    void lowerWidgetPlacedOnce();

private:
    static QVariant stored(const QString &key)
    {
        return QSettings(settingsOrganization, settingsApplication).value(key);
    }
    QScopedPointer<TestSandbox> m_sandbox;
};

void tst_MainWindow::firstStart()
{
    MainWindow window;
    window.handleArguments({QStringLiteral("yavo-pad")});
    Ui::MainWindow *ui = window.ui();
    QVERIFY(window.isVisible());
    QVERIFY(window.isMaximized());
    QCOMPARE(window.normalGeometry(), QRect(200, 200, 600, 400));
    QVERIFY(ui->mainToolBar->isVisible());
    QVERIFY(ui->statusBar->isVisible());
    QVERIFY(window.tabWidget()->quickBytesToolBar()->isVisible());
    QCOMPARE(window.toolBarArea(window.tabWidget()->quickBytesToolBar()), Qt::BottomToolBarArea);
    QVERIFY(ui->actionKannada->isChecked());
    QVERIFY(ui->actionPhonetic->isChecked());
    QVERIFY(ui->actionUTF_8->isChecked());
    QCOMPARE(window.tabWidget()->autoComplpetePrefixLength(), 5);
    QVERIFY(ui->actionSpell_Check_As_You_Type->isChecked());
    QVERIFY(ui->actionEnglishNumerals->isChecked());
    QVERIFY(SharedSettings::englishNumerals());
    QVERIFY(!ui->actionLocalize_Kannada->isChecked());
    // The default Indic font exists on this machine, or one like it is used.
    const QString family = window.tabWidget()->fontFamily();
    QVERIFY(!family.isEmpty());
    QVERIFY2(QFontDatabase().families(QFontDatabase::Kannada).contains(family), qPrintable(family));
    UnicodeKaEditor *editor = window.tabWidget()->editorAtIndex(0);
    QCOMPARE(editor->language(), 0);
    QCOMPARE(editor->keyboard(), 0);
    QCOMPARE(editor->font().pointSize(), 14);
}

void tst_MainWindow::storedSettingsApplied_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("check");
    QTest::addColumn<QVariant>("seen");
    QTest::addColumn<QVariant>("written");

    QTest::newRow("font size 3 used, written as 14") << "InputSettings/fontSize" << QVariant(3)
            << "fontSize" << QVariant(3) << QVariant(14);
    QTest::newRow("QuickBytes bar on the left") << "Geometry/quickBytesbarArea" << QVariant(1)
            << "quickBytesArea" << QVariant(1) << QVariant(1);
    QTest::newRow("QuickBytes bar hidden") << "Geometry/isQuickBytesShown" << QVariant(false)
            << "quickBytesShown" << QVariant(false) << QVariant(false);
    QTest::newRow("Telugu, InScript") << "InputSettings/language" << QVariant(1)
            << "language" << QVariant(1) << QVariant(1);
    QTest::newRow("prefix 2 raised to 3") << "InputSettings/AutoComplpetePrefixLength" << QVariant(2)
            << "prefix" << QVariant(3) << QVariant(3);
    QTest::newRow("Kannada numerals") << "InputSettings/englishNumerals" << QVariant(false)
            << "englishNumerals" << QVariant(false) << QVariant(false);
    QTest::newRow("UTF-16BE") << "InputSettings/UTF-Type" << QVariant(3)
            << "encoding" << QVariant(3) << QVariant(3);
}

void tst_MainWindow::storedSettingsApplied()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(QString, check);
    QFETCH(QVariant, seen);
    QFETCH(QVariant, written);
    QSettings(settingsOrganization, settingsApplication).setValue(key, value);
    {
        MainWindow window;
        window.handleArguments({QStringLiteral("yavo-pad")});
        TabWidget *tabs = window.tabWidget();
        QVariant actual;
        if (check == QLatin1String("fontSize"))
            actual = tabs->fontSize();
        else if (check == QLatin1String("quickBytesArea"))
            actual = int(window.toolBarArea(tabs->quickBytesToolBar()));
        else if (check == QLatin1String("quickBytesShown"))
            actual = tabs->quickBytesToolBar()->isVisible();
        else if (check == QLatin1String("language"))
            actual = tabs->editorAtIndex(0)->language();
        else if (check == QLatin1String("prefix"))
            actual = tabs->autoComplpetePrefixLength();
        else if (check == QLatin1String("encoding"))
            actual = tabs->textEncodingIndex();
        else if (check == QLatin1String("englishNumerals"))
            actual = window.ui()->actionEnglishNumerals->isChecked();
        QCOMPARE(actual.toString(), seen.toString());
    }
    QCOMPARE(stored(key).toString(), written.toString());
}

void tst_MainWindow::settingsWrittenOnlyAtExit()
{
    {
        MainWindow window;
        window.handleArguments({QStringLiteral("yavo-pad")});
        QVERIFY(!stored(QStringLiteral("Geometry/isMaximized")).isValid());
        QVERIFY(!stored(QStringLiteral("InputSettings/fontSize")).isValid());
    }
    QCOMPARE(stored(QStringLiteral("Geometry/isMaximized")).toBool(), true);
    QCOMPARE(stored(QStringLiteral("InputSettings/language")).toInt(), 0);
    QCOMPARE(stored(QStringLiteral("InputSettings/fontSize")).toInt(), 14);
    QCOMPARE(stored(QStringLiteral("InputSettings/zoomLevel")).toInt(), 0);
    // Native format: an INI file under the user's configuration folder.
    QVERIFY(QFile::exists(m_sandbox->configDir() + QStringLiteral("/Quenvel/Yavo.conf")));
}

void tst_MainWindow::cancelledCloseKeepsWindowAndDocument()
{
    MainWindow window;
    window.handleArguments({QStringLiteral("yavo-pad")});
    UnicodeKaEditor *editor = window.tabWidget()->editorAtIndex(0);
    editor->insertPlainText(QStringLiteral("unsaved"));
    ModalAnswerer answerer;
    answerer.expectMessageBox(QStringLiteral("Exit"),
                              QStringLiteral("Document untitled-0 is modified, Do you want to save?"),
                              QMessageBox::Cancel);
    QVERIFY(!window.close());
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QVERIFY(window.isVisible());
    QCOMPARE(editor->toPlainText(), QStringLiteral("unsaved"));
    QVERIFY(!stored(QStringLiteral("Geometry/isMaximized")).isValid());
    editor->document()->setModified(false);
}

void tst_MainWindow::titleAndAboutNameTheVersion()
{
    MainWindow window;
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("YavoPad-5.x.6"));
    QCOMPARE(window.windowTitle(), QStringLiteral("YavoPad-5.x.6"));
    QCOMPARE(window.ui()->actionAbout->text(), QStringLiteral("About YavoPad-5.x.6"));
}

void tst_MainWindow::lowerWidgetPlacedOnce()
{
    MainWindow window;
    auto *first = new QWidget;
    auto *second = new QWidget;
    emit window.tabWidget()->showLowerWidget(first);
    emit window.tabWidget()->showLowerWidget(second);
    QCOMPARE(first->parentWidget(), window.centralWidget());
    QVERIFY(!second->parentWidget());
    delete second;
}

YAVO_TEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
