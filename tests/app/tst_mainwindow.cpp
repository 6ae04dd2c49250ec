#include "app/aboutyavo.h"
#include "app/mainwindow.h"
#include "app/tabwidget.h"
#include "app/ui_mainwindow.h"
#include "core/sharedsettings.h"
#include "editor/findandreplacedialog.h"
#include "editor/unicodekaeditor.h"
#include "widgets/yvquickbytestoolbar.h"

#include "modalanswerer.h"
#include "testmain.h"
#include "testplugins.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QXmlStreamReader>

// Start-up from the settings and the settings written at exit, each test in
// a fresh settings store.
class tst_MainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The find panel keeps its histories in the encrypted store.
    void initTestCase() { addTestPluginPath(); }
    void init() { m_sandbox.reset(new TestSandbox); }
    void cleanup() { m_sandbox.reset(); }
    void firstStart();
    void storedSettingsApplied_data();
    void storedSettingsApplied();
    void settingsWrittenOnlyAtExit();
    void cancelledCloseKeepsWindowAndDocument();
    void titleAndAboutNameTheVersion();
    void lowerWidgetPlacedOnce();
    void windowAtTheScreenEdgesKeepsItsPlace_data();
    void windowAtTheScreenEdgesKeepsItsPlace();
    void keysGoToTheCurrentDocument();
    void toolBarsTakeNoFocus();
    void labelsShowTheirWholeText_data();
    void labelsShowTheirWholeText();
    void kannadaInterfaceLeavesNoEnglish();

private:
    // A window with the find panel open for replacing, active and in front.
    static void showWithFindPanel(MainWindow &window);
    static void setKannadaInterface(MainWindow &window, bool on);
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

void tst_MainWindow::windowAtTheScreenEdgesKeepsItsPlace_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("kept");
    QTest::newRow("snapped into the bottom right corner") << "corner" << true;
    QTest::newRow("full height") << "height" << true;
    QTest::newRow("wider than the screen") << "wider" << false;
    QTest::newRow("on no screen") << "nowhere" << false;
}

// Maximized, snapped and full-height windows touch the screen's edges: they
// fit, and come back where they were, also when the program is started
// with a file.
void tst_MainWindow::windowAtTheScreenEdgesKeepsItsPlace()
{
    QFETCH(QString, where);
    QFETCH(bool, kept);
    // The window's frame, which has to be on the screen too, lies around
    // its geometry.
    QWidget probe;
    probe.show();
    const int frame = probe.geometry().top() - probe.frameGeometry().top();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry().adjusted(frame, frame, -frame, 0);
    const QSize size(600, screen.height());
    QRect place;
    if (where == QLatin1String("corner"))
        place = QRect(QPoint(screen.right() - size.width() + 1, screen.top()), size);
    else if (where == QLatin1String("height"))
        place = QRect(screen.topLeft(), size);
    else if (where == QLatin1String("wider"))
        place = QRect(screen.topLeft(), QSize(screen.width() + 50, size.height()));
    else
        place = QRect(screen.bottomRight() + QPoint(1000, 1000), size);
    {
        QSettings settings(settingsOrganization, settingsApplication);
        settings.setValue(QStringLiteral("Geometry/geo"), place);
        settings.setValue(QStringLiteral("Geometry/isMaximized"), false);
    }
    const QRect expected = kept ? place : QRect(200, 200, 600, 400);
    const QString file = m_sandbox->writeFile(QStringLiteral("a.txt"), "a");
    {
        MainWindow window;
        window.handleArguments({QStringLiteral("yavo-pad"), file});
        QCOMPARE(window.geometry(), place);
        window.keepOnScreen();
        QCOMPARE(window.geometry(), expected);
    }
    QCOMPARE(stored(QStringLiteral("Geometry/geo")).toRect(), expected);
}

void tst_MainWindow::keysGoToTheCurrentDocument()
{
    const QString first = m_sandbox->writeFile(QStringLiteral("first.txt"), "1");
    const QString second = m_sandbox->writeFile(QStringLiteral("second.txt"), "2");
    MainWindow window;
    window.handleArguments({QStringLiteral("yavo-pad"), first});
    TabWidget *tabs = window.tabWidget();
    const auto focusIsOnTheDocument = [tabs](const char *when) {
        const QWidget *focus = QApplication::focusWidget();
        const QString message = QStringLiteral("%1: the focus is on %2 \"%3\"")
                .arg(QLatin1String(when), QLatin1String(focus ? focus->metaObject()->className() : "nothing"),
                     focus ? focus->objectName() : QString());
        return qMakePair(focus && focus == tabs->currentEditor(), message);
    };
#define YAVO_CHECK_FOCUS(when)                                               \
    do {                                                                     \
        const auto check = focusIsOnTheDocument(when);                       \
        QVERIFY2(check.first, qPrintable(check.second));                      \
    } while (false)

    // The window activates itself: no window manager does it here.
    QVERIFY(QTest::qWaitForWindowActive(&window));
    YAVO_CHECK_FOCUS("the window first shown");

    window.ui()->actionNew->trigger();
    YAVO_CHECK_FOCUS("a new tab");
    tabs->openFile(second);
    YAVO_CHECK_FOCUS("a file opened");
    tabs->setCurrentIndex(0);
    YAVO_CHECK_FOCUS("back to the first tab");
    tabs->slotCloseCurrentTab();
    YAVO_CHECK_FOCUS("the tab closed");

    ModalAnswerer answerer;
    answerer.expectDialog<AboutYavo>(QString(), [](AboutYavo *dialog) { dialog->reject(); });
    window.ui()->actionAbout->trigger();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QTRY_VERIFY(QApplication::activeWindow() == &window);
    YAVO_CHECK_FOCUS("a dialog closed");

    // Typed into, then shut with its close button.
    window.ui()->actionFind->trigger();
    auto *panel = window.findChild<FindAndReplaceDialog *>();
    QVERIFY(panel && panel->isVisible());
    QVERIFY(panel->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x"));
    QTest::mouseClick(panel->findChild<QAbstractButton *>(QStringLiteral("toolButton")), Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    YAVO_CHECK_FOCUS("the find panel closed");
#undef YAVO_CHECK_FOCUS
}

// Their buttons are clicked, never tabbed to; a field is typed into after a
// click into it. None of them catches the first keys typed into the window.
void tst_MainWindow::toolBarsTakeNoFocus()
{
    MainWindow window;
    window.handleArguments({QStringLiteral("yavo-pad")});
    const QList<QToolBar *> bars = window.findChildren<QToolBar *>();
    QVERIFY(bars.size() >= 2);
    int buttons = 0;
    for (QToolBar *bar : bars) {
        for (QWidget *widget : bar->findChildren<QWidget *>()) {
            // A combo box's list is a pop-up of its own; the field of a combo
            // box takes the focus as the box does (its focus proxy).
            if (widget->window() != &window)
                continue;
            if (qobject_cast<QAbstractButton *>(widget)) {
                ++buttons;
                QVERIFY2(widget->focusPolicy() == Qt::NoFocus,
                         qPrintable(QStringLiteral("%1 %2").arg(bar->objectName(), widget->toolTip())));
            } else {
                QVERIFY2(widget->focusProxy() || !(widget->focusPolicy() & Qt::TabFocus),
                         qPrintable(QStringLiteral("%1 %2").arg(bar->objectName(),
                                                                QLatin1String(widget->metaObject()->className()))));
            }
        }
    }
    QVERIFY(buttons > 10);
    QCOMPARE(window.tabWidget()->cornerWidget()->focusPolicy(), Qt::NoFocus);
}

void tst_MainWindow::showWithFindPanel(MainWindow &window)
{
    window.handleArguments({QStringLiteral("yavo-pad")});
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.tabWidget()->slotFindAndReplace();
    auto *panel = window.findChild<FindAndReplaceDialog *>();
    QVERIFY(panel && panel->isVisible());
}

void tst_MainWindow::setKannadaInterface(MainWindow &window, bool on)
{
    if (window.ui()->actionLocalize_Kannada->isChecked() != on)
        window.ui()->actionLocalize_Kannada->trigger();
    // The widgets hear of the language through posted events.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void tst_MainWindow::labelsShowTheirWholeText_data()
{
    QTest::addColumn<bool>("kannada");
    QTest::newRow("English") << false;
    QTest::newRow("Kannada") << true;
}

void tst_MainWindow::labelsShowTheirWholeText()
{
    QFETCH(bool, kannada);
    MainWindow window;
    showWithFindPanel(window);
    setKannadaInterface(window, kannada);
    window.showNormal();
    window.resize(1000, 600);
    QTest::qWait(50);
    QStringList cut;
    for (QLabel *label : window.findChildren<QLabel *>()) {
        if (label->isVisible() && !label->text().isEmpty() && label->width() < label->minimumSizeHint().width())
            cut << QStringLiteral("\"%1\" %2 < %3").arg(label->text()).arg(label->width()).arg(label->minimumSizeHint().width());
    }
    setKannadaInterface(window, false);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

namespace {

// The texts the Kannada translation gives another wording, as patterns: a
// text with "%1" matches whatever stands in its place.
QList<QRegularExpression> translatedTexts()
{
    QList<QRegularExpression> patterns;
    QFile file(QStringLiteral(YAVO_KANNADA_TRANSLATION));
    if (!file.open(QIODevice::ReadOnly))
        return patterns;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QStringRef type = xml.attributes().value(QLatin1String("type"));
            const QString translation = xml.readElementText();
            if (!type.isEmpty() || translation.isEmpty() || translation == source)
                continue;
            QString pattern = QRegularExpression::escape(source);
            pattern.replace(QRegularExpression(QStringLiteral("%\\d")), QStringLiteral(".*"));
            // A text that is nothing but a place holder says nothing.
            if (QString(source).remove(QRegularExpression(QStringLiteral("%\\d|\\W"))).isEmpty())
                continue;
            patterns << QRegularExpression(QStringLiteral("^%1$").arg(pattern),
                                           QRegularExpression::DotMatchesEverythingOption);
        }
    }
    return patterns;
}

} // namespace

// Every text of the window that the translation has in Kannada is shown in
// Kannada: the form's, and those the tab widget and the bars set themselves.
void tst_MainWindow::kannadaInterfaceLeavesNoEnglish()
{
    const QList<QRegularExpression> translated = translatedTexts();
    QVERIFY(translated.size() > 100);
    MainWindow window;
    showWithFindPanel(window);
    setKannadaInterface(window, true);

    QList<QPair<QString, QString>> shown;   // where, text
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisible())
            continue;
        const QString where = QLatin1String(widget->metaObject()->className()) + QLatin1Char(' ') + widget->objectName();
        shown.append({where, widget->toolTip()});
        if (auto *label = qobject_cast<QLabel *>(widget))
            shown.append({where, label->text()});
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            shown.append({where, button->text()});
        if (auto *box = qobject_cast<QGroupBox *>(widget))
            shown.append({where, box->title()});
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            shown.append({where, edit->placeholderText()});
        if (auto *bar = qobject_cast<QToolBar *>(widget))
            shown.append({where, bar->windowTitle()});
    }
    for (QMenu *menu : window.findChildren<QMenu *>())
        shown.append({QStringLiteral("menu ") + menu->objectName(), menu->title()});
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->isVisible())
            shown.append({QStringLiteral("action ") + action->objectName(), action->text()});
    }
    setKannadaInterface(window, false);

    QStringList english;
    for (const auto &text : qAsConst(shown)) {
        if (text.second.isEmpty())
            continue;
        for (const QRegularExpression &pattern : translated) {
            if (pattern.match(text.second).hasMatch()) {
                english << QStringLiteral("%1: \"%2\"").arg(text.first, text.second);
                break;
            }
        }
    }
    english.removeDuplicates();
    QVERIFY2(english.isEmpty(), qPrintable(english.join(QLatin1Char('\n'))));
}

YAVO_TEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
