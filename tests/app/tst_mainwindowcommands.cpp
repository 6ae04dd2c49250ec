#include "app/aboutyavo.h"
#include "app/helptopics.h"
#include "app/keyboadmapping.h"
#include "app/keyboardexamples.h"
#include "app/mainwindow.h"
#include "app/programstarter.h"
#include "app/scriptconvertdialog.h"
#include "app/tabwidget.h"
#include "app/ui_mainwindow.h"
#include "app/yvansitounicodebatchconverterdialog.h"
#include "core/sharedsettings.h"
#include "editor/unicodekaeditor.h"

#include "modalanswerer.h"
#include "nudidocuments.h"
#include "testmain.h"
#include "urlopenrecorder.h"

#include <QClipboard>
#include <QComboBox>
#include <QDockWidget>
#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTabBar>
#include <QToolBar>

namespace {

// Keeps what would have been started instead of starting it.
class RecordingStarter : public ProgramStarter
{
public:
    RecordingStarter(QStringList *started, bool succeed) : m_started(started), m_succeed(succeed) {}
    bool startDetached(const QString &program, const QStringList &arguments) override
    {
        *m_started << program << arguments;
        return m_succeed;
    }

private:
    QStringList *m_started;
    bool m_succeed;
};

const QString nudiKa = QString::fromLatin1("\x50\xC0");
const QString ka = QStringLiteral("ಕ");

} // namespace

// The main window's own commands, run from their menu entries in a window
// with a fresh settings store; every dialog is answered from the test.
class tst_MainWindowCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void convertsTheClipboard_data();
    void convertsTheClipboard();
    void convertsTheCurrentDocument_data();
    void convertsTheCurrentDocument();
    void digitsFollowTheSwitchWhenTheConversionStarts();
    void resultTabsAskBeforeClosing_data();
    void resultTabsAskBeforeClosing();
    void convertsAFile_data();
    void convertsAFile();
    void folderConverterRunsModally();
    void helpEntriesOpenTheirWindows_data();
    void helpEntriesOpenTheirWindows();
    void keyboardExamplesShowTheMadePictures();
    void makersPagesOpenInTheBrowser();
    void typingTutorStartsBesideTheProgram_data();
    void typingTutorStartsBesideTheProgram();
    void localizeKannada();
    void scriptConverterHelpInKannada();
    void dropsOnTheBarsOpenNothing();
    void sidePaneIsBuiltOnFirstUse();

private:
    void start();
    TabWidget *tabs() const { return m_window->tabWidget(); }
    Ui::MainWindow *ui() const { return m_window->ui(); }
    QString lastTabText() const { return tabs()->editorAtIndex(tabs()->count() - 1)->toPlainText(); }

    QScopedPointer<TestSandbox> m_sandbox;
    QScopedPointer<MainWindow> m_window;
};

void tst_MainWindowCommands::init()
{
    m_sandbox.reset(new TestSandbox);
}

void tst_MainWindowCommands::start()
{
    m_window.reset(new MainWindow);
    m_window->handleArguments({QStringLiteral("yavo-pad")});
}

void tst_MainWindowCommands::cleanup()
{
    if (m_window) {
        for (int i = 0; i < tabs()->count(); ++i)
            tabs()->editorAtIndex(i)->document()->setModified(false);
    }
    m_window.reset();
    m_sandbox.reset();
}

void tst_MainWindowCommands::convertsTheClipboard_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("converted");  // empty: refused, no new tab

    QTest::newRow("image only") << "image" << QString() << QString();
    QTest::newRow("nothing") << "text" << QString() << QString();
    QTest::newRow("plain Nudi text") << "text" << NudiDocuments::nudiText() << QStringLiteral("ಕನ್ನಡ ಕ\nಕ");
    QTest::newRow("HTML") << "text" << QStringLiteral("<b>%1</b> %1").arg(nudiKa) << QStringLiteral("%1 %1").arg(ka);
}

void tst_MainWindowCommands::convertsTheClipboard()
{
    QFETCH(QString, kind);
    QFETCH(QString, content);
    QFETCH(QString, converted);
    start();
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (kind == QLatin1String("image")) {
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        clipboard->setImage(image);
    } else {
        clipboard->setText(content);
    }
    const int before = tabs()->count();

    ModalAnswerer answerer;
    if (converted.isEmpty())
        answerer.expectMessageBox(QStringLiteral("ANSI to Unicode"),
                                  QStringLiteral("Please copy your ANSI text first and then try this!!!"),
                                  QMessageBox::Ok);
    ui()->actionANSI2UnicodeFromClipboardText->trigger();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    if (converted.isEmpty()) {
        QCOMPARE(tabs()->count(), before);
        return;
    }
    QCOMPARE(tabs()->count(), before + 1);
    QCOMPARE(tabs()->currentIndex(), before);
    QCOMPARE(lastTabText(), converted);
}

void tst_MainWindowCommands::convertsTheCurrentDocument_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("converted");  // empty: refused, no new tab

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("only a paragraph break") << QStringLiteral("\n") << QStringLiteral("\n");
    QTest::newRow("Nudi lines") << NudiDocuments::nudiText() << QStringLiteral("ಕನ್ನಡ ಕ\nಕ");
}

void tst_MainWindowCommands::convertsTheCurrentDocument()
{
    QFETCH(QString, source);
    QFETCH(QString, converted);
    start();
    UnicodeKaEditor *editor = tabs()->editorAtIndex(0);
    editor->setPlainText(source);
    editor->document()->setModified(false);
    const int undoSteps = editor->document()->availableUndoSteps();

    ModalAnswerer answerer;
    if (converted.isEmpty())
        answerer.expectMessageBox(m_window->windowTitle(),
                                  QStringLiteral("Empty Document!!!\nOpen an ANSI document first or type "
                                                 "some ANSI text and then try again!"),
                                  QMessageBox::Ok);
    ui()->actionANSI2UnicodeFromCurrentDocument->trigger();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(tabs()->count(), converted.isEmpty() ? 1 : 2);
    if (!converted.isEmpty())
        QCOMPARE(lastTabText(), converted);
    // The source tab is as it was.
    QCOMPARE(editor->toPlainText(), source);
    QVERIFY(!editor->document()->isModified());
    QCOMPARE(editor->document()->availableUndoSteps(), undoSteps);
}

void tst_MainWindowCommands::digitsFollowTheSwitchWhenTheConversionStarts()
{
    // A first start shows the entry checked, and conversions do as it shows.
    start();
    QVERIFY(ui()->actionEnglishNumerals->isChecked());
    const QString steps[] = { QStringLiteral("1990"), QStringLiteral("೧೯೯೦"), QStringLiteral("1990") };
    for (const QString &expected : steps) {
        QGuiApplication::clipboard()->setText(QStringLiteral("1990"));
        ui()->actionANSI2UnicodeFromClipboardText->trigger();
        QCOMPARE(lastTabText(), expected);
        QCOMPARE(SharedSettings::englishNumerals(), ui()->actionEnglishNumerals->isChecked());
        ui()->actionEnglishNumerals->trigger();
    }
}

// Every command that puts its result into a new tab leaves it marked
// unsaved: closing the tab asks before the result is lost.
void tst_MainWindowCommands::resultTabsAskBeforeClosing_data()
{
    QTest::addColumn<QString>("command");

    QTest::newRow("ANSI to Unicode from the clipboard") << "actionANSI2UnicodeFromClipboardText";
    QTest::newRow("ANSI to Unicode from the current document") << "actionANSI2UnicodeFromCurrentDocument";
    QTest::newRow("script converter") << "actionScriptConvert";
}

void tst_MainWindowCommands::resultTabsAskBeforeClosing()
{
    QFETCH(QString, command);
    start();
    UnicodeKaEditor *source = tabs()->editorAtIndex(0);
    source->setPlainText(NudiDocuments::nudiText());
    source->document()->setModified(false);
    QGuiApplication::clipboard()->setText(NudiDocuments::nudiText());

    {
        ModalAnswerer answerer;
        if (command == QLatin1String("actionScriptConvert")) {
            answerer.expectDialog<ScriptConvertDialog>(QString(), [](ScriptConvertDialog *dialog) {
                static_cast<QDialog *>(dialog)->accept();
            });
            answerer.expectMessageBox(QString(), QString(), QMessageBox::Ok);
        }
        m_window->findChild<QAction *>(command)->trigger();
        QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    }
    QCOMPARE(tabs()->count(), 2);
    QCOMPARE(tabs()->currentIndex(), 1);
    const QString result = lastTabText();
    QVERIFY(!result.isEmpty());
    QVERIFY(tabs()->editorAtIndex(1)->document()->isModified());
    QCOMPARE(tabs()->tabBar()->tabTextColor(1), QColor(Qt::red));
    QVERIFY(!source->document()->isModified());

    // Cancel keeps the result; No lets it go.
    for (const QMessageBox::StandardButton answer : {QMessageBox::Cancel, QMessageBox::No}) {
        ModalAnswerer answerer;
        answerer.expectMessageBox(QStringLiteral("Save file..."), QStringLiteral("Unsaved changes. Do you want to save?"),
                                  answer);
        ui()->actionClose->trigger();
        QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
        if (answer == QMessageBox::Cancel) {
            QCOMPARE(tabs()->count(), 2);
            QCOMPARE(lastTabText(), result);
        }
    }
    QCOMPARE(tabs()->count(), 1);
    QCOMPARE(tabs()->editorAtIndex(0), source);
}

void tst_MainWindowCommands::convertsAFile_data()
{
    QTest::addColumn<QString>("existing");   // what stands at Unicode-a.txt before: "", "file", "folder"
    QTest::addColumn<QString>("replace");    // answer to the replace question, "" when none comes
    QTest::addColumn<QString>("open");       // answer to the open question, "" when none comes
    QTest::addColumn<bool>("written");

    QTest::newRow("converted, opened") << "" << "" << "Yes" << true;
    QTest::newRow("converted, not opened") << "" << "" << "No" << true;
    QTest::newRow("existing file kept") << "file" << "No" << "" << false;
    QTest::newRow("existing file replaced") << "file" << "Yes" << "No" << true;
    QTest::newRow("output cannot be written") << "folder" << "" << "" << false;
}

void tst_MainWindowCommands::convertsAFile()
{
    QFETCH(QString, existing);
    QFETCH(QString, replace);
    QFETCH(QString, open);
    QFETCH(bool, written);
    start();
    const QString folder = m_sandbox->root() + QStringLiteral("/docs");
    QVERIFY(QDir().mkpath(folder));
    const QString input = folder + QStringLiteral("/a.txt");
    const QString output = folder + QStringLiteral("/Unicode-a.txt");
    QVERIFY(NudiDocuments::write(input, QStringLiteral("txt")));
    if (existing == QLatin1String("file"))
        QVERIFY(!m_sandbox->writeFile(QStringLiteral("docs/Unicode-a.txt"), "old").isEmpty());
    // As root a read-only folder takes writes: a folder in the output's place
    // makes the write fail for anyone.
    if (existing == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(output));

    const auto button = [](const QString &answer) {
        return answer == QLatin1String("Yes") ? QMessageBox::Yes : QMessageBox::No;
    };
    ModalAnswerer answerer;
    answerer.expectFileDialog(QStringLiteral("Choose ANSI File"), input);
    if (!replace.isEmpty())
        answerer.expectMessageBox(QGuiApplication::applicationDisplayName(),
                                  QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(output),
                                  button(replace));
    if (!open.isEmpty())
        answerer.expectMessageBox(QStringLiteral("Open File..."),
                                  QStringLiteral("File converted to unicode\nDo you want to open it???"),
                                  button(open));
    if (existing == QLatin1String("folder"))
        answerer.expectMessageBox(QGuiApplication::applicationDisplayName(),
                                  QStringLiteral("File is NOT converted to unicode!!"), QMessageBox::Ok);
    ui()->actionANSI2UnicodeAFile->trigger();
    QVERIFY2(answerer.waitDone(), qPrintable(answerer.failure() + answerer.seen().join(QLatin1Char(';'))));

    if (existing != QLatin1String("folder")) {
        QTextDocument document;
        QVERIFY(NudiDocuments::read(output, &document));
        const QStringList expected = written ? NudiDocuments::unicodeBlocks() : QStringList{ QStringLiteral("old") };
        QCOMPARE(NudiDocuments::blockTexts(document), expected);
    }
    const bool yes = open == QLatin1String("Yes");
    QCOMPARE(tabs()->count(), yes ? 2 : 1);
    if (yes) {
        QCOMPARE(tabs()->tabText(1), QStringLiteral("Unicode-a.txt"));
        // (The tab widget's text loader ends every line with a paragraph break.)
        const QTextDocument *opened = tabs()->editorAtIndex(1)->document();
        QCOMPARE(NudiDocuments::blockTexts(*opened).mid(0, 2), NudiDocuments::unicodeBlocks());
    }
}

void tst_MainWindowCommands::folderConverterRunsModally()
{
    start();
    ModalAnswerer answerer;
    answerer.expectDialog<yvANSIToUnicodeBatchConverterDialog>(
            QStringLiteral("ANSI to Unicode Converter Dialog"), [this](yvANSIToUnicodeBatchConverterDialog *dialog) {
                QCOMPARE(dialog->parentWidget(), m_window.data());
                dialog->reject();
            });
    ui()->actionANSI2UnicodeAllFilesInFolder->trigger();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
}

void tst_MainWindowCommands::helpEntriesOpenTheirWindows_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("parented");

    QTest::newRow("About") << "actionAbout" << QByteArray("AboutYavo") << "Yavo Software" << true;
    QTest::newRow("Help Topics") << "actionHelp_Topics" << QByteArray("HelpTopics") << "Help Topics" << false;
    QTest::newRow("Keyboard Layout") << "actionKeyboardLayoutHelp" << QByteArray("KeyboadMapping")
                                     << "Yavo - Keyboard Layout" << false;
    QTest::newRow("Keyboard Examples") << "actionKeyboard_Examples" << QByteArray("KeyboardExamples")
                                       << "Yavo - Examples" << false;
}

void tst_MainWindowCommands::helpEntriesOpenTheirWindows()
{
    QFETCH(QString, entry);
    QFETCH(QByteArray, className);
    QFETCH(QString, title);
    QFETCH(bool, parented);
    start();
    // The layout help opens on the page of the keyboard in use.
    tabs()->slotKeyboardChanged(1);
    auto *action = m_window->findChild<QAction *>(entry);
    QVERIFY(action);

    ModalAnswerer answerer;
    bool seen = false;
    answerer.expectDialog(className.constData(), title, [&](QWidget *dialog) {
        seen = true;
        QCOMPARE(dialog->parentWidget(), parented ? static_cast<QWidget *>(m_window.data()) : nullptr);
        if (auto *radio = dialog->findChild<QRadioButton *>(QStringLiteral("nudiRadio")))
            QVERIFY(radio->isChecked());
        static_cast<QDialog *>(dialog)->reject();
    });
    action->trigger();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QVERIFY(seen);
}

void tst_MainWindowCommands::keyboardExamplesShowTheMadePictures()
{
    start();
    QList<QImage> shown;
    ModalAnswerer answerer;
    answerer.expectDialog<KeyboardExamples>(QStringLiteral("Yavo - Examples"), [&](KeyboardExamples *dialog) {
        auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("comboBox"));
        auto *label = dialog->findChild<QLabel *>(QStringLiteral("label"));
        for (int index : {0, 1, 2}) {
            combo->setCurrentIndex(index);
            emit combo->activated(index);
            shown << label->pixmap(Qt::ReturnByValue).toImage();
        }
        dialog->reject();
    });
    ui()->actionKeyboard_Examples->trigger();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(shown.size(), 3);
    for (const QImage &image : shown)
        QCOMPARE(image.size(), QSize(500, 800));
    QVERIFY(shown[0] != shown[1]);
    QVERIFY(shown[1] != shown[2]);
    QVERIFY(shown[0] != shown[2]);
}

void tst_MainWindowCommands::makersPagesOpenInTheBrowser()
{
    start();
    UrlOpenRecorder recorder;
    ui()->actionCheckForUpdates->trigger();
    ui()->actionGiveMyFeedback->trigger();
    const QList<QUrl> urls = recorder.urls();
    QCOMPARE(urls.size(), 2);
    QCOMPARE(urls[0], QUrl(QStringLiteral("https://quenvel.example/yavo/download")));
    QCOMPARE(urls[1], QUrl(QStringLiteral("https://quenvel.example/yavo/feedback")));
}

void tst_MainWindowCommands::typingTutorStartsBesideTheProgram_data()
{
    QTest::addColumn<bool>("starts");
    QTest::newRow("started") << true;
    QTest::newRow("cannot be started") << false;
}

void tst_MainWindowCommands::typingTutorStartsBesideTheProgram()
{
    QFETCH(bool, starts);
    start();
    QStringList started;
    m_window->setProgramStarter(new RecordingStarter(&started, starts));
    const QString tutor = QCoreApplication::applicationDirPath() + QStringLiteral("/YavoTypingTutor");
    ModalAnswerer answerer;
    if (!starts)
        answerer.expectMessageBox(QGuiApplication::applicationDisplayName(),
                                  QStringLiteral("The typing tutor could not be started:\n%1").arg(tutor),
                                  QMessageBox::Ok);
    ui()->actionTypingTutor->trigger();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(started, QStringList{ tutor });
}

void tst_MainWindowCommands::localizeKannada()
{
    start();
    QAction *localize = ui()->actionLocalize_Kannada;
    localize->trigger();
    QVERIFY(localize->isChecked());
    QCOMPARE(ui()->menuFile->title(), QStringLiteral("ಕಡತ (&F)"));
    QCOMPARE(ui()->actionANSI2UnicodeAFile->text(), QStringLiteral("ಕಡತದಿಂದ..."));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("ಯಾವೋ ಪ್ಯಾಡ್"));
    QCOMPARE(ui()->actionAbout->text(), QStringLiteral("ಯಾವೋ ಬಗ್ಗೆ"));
    // "Tunga" is a Windows font: an installed Kannada family stands in.
    const QFont font = QApplication::font();
    QCOMPARE(font.pointSize(), 9);
    QVERIFY2(QFontDatabase().families(QFontDatabase::Kannada).contains(font.family()), qPrintable(font.family()));
    // Dialogs made afterwards speak Kannada too.
    {
        yvANSIToUnicodeBatchConverterDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("ANSI ಇಂದ ಯೂನಿಕೋಡ್ ಪರಿವರ್ತಕ"));
    }

    localize->trigger();
    QCOMPARE(ui()->menuFile->title(), QStringLiteral("&File"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Yavo Pad"));
    QCOMPARE(QApplication::font().pointSize(), 10);
    QVERIFY(QFontDatabase().hasFamily(QApplication::font().family()));
    {
        yvANSIToUnicodeBatchConverterDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("ANSI to Unicode Converter Dialog"));
    }

    // The choice is kept for the next start.
    localize->trigger();
    for (int i = 0; i < tabs()->count(); ++i)
        tabs()->editorAtIndex(i)->document()->setModified(false);
    m_window.reset();
    start();
    QVERIFY(ui()->actionLocalize_Kannada->isChecked());
    QCOMPARE(ui()->menuFile->title(), QStringLiteral("ಕಡತ (&F)"));
    ui()->actionLocalize_Kannada->trigger();
}

// The converter's help in the Kannada interface is its translated rich
// text, shown as text: no markup of the translation file on screen.
void tst_MainWindowCommands::scriptConverterHelpInKannada()
{
    start();
    tabs()->editorAtIndex(0)->setPlainText(ka);
    tabs()->editorAtIndex(0)->document()->setModified(false);
    ui()->actionLocalize_Kannada->trigger();
    QString help;
    ModalAnswerer answerer;
    answerer.expectDialog<ScriptConvertDialog>(QString(), [&help](ScriptConvertDialog *dialog) {
        help = dialog->findChild<QTextBrowser *>(QStringLiteral("textBrowser"))->toPlainText();
        dialog->reject();
    });
    ui()->actionScriptConvert->trigger();
    ui()->actionLocalize_Kannada->trigger();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));

    QVERIFY2(help.startsWith(QStringLiteral("ಲಿಪಿ ಪರಿವರ್ತಕವು ಒಂದು ಯಾವೋ ಉಪಕರಣ;")), qPrintable(help.left(200)));
    QVERIFY(help.contains(QStringLiteral("1) ಲಿಪಿ ಪರಿವರ್ತಕವು ಪ್ರಸ್ತುತ ಟ್ಯಾಬ್‌ನ ಪಠ್ಯವನ್ನು ಮೂಲವಾಗಿ ತೆಗೆದುಕೊಳ್ಳುತ್ತದೆ.")));
    QVERIFY(help.trimmed().endsWith(QStringLiteral("https://www.quenvel.example/yavo")));
    for (const QString &stray : {QStringLiteral("<"), QStringLiteral(">"), QStringLiteral("Source :"),
                                 QStringLiteral("Script Converter")})
        QVERIFY2(!help.contains(stray), qPrintable(stray));
}

void tst_MainWindowCommands::dropsOnTheBarsOpenNothing()
{
    start();
    const QString file = m_sandbox->writeFile(QStringLiteral("dropped.txt"), "text");
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(file) });
    const int before = tabs()->count();
    for (QWidget *bar : { static_cast<QWidget *>(ui()->mainToolBar), static_cast<QWidget *>(ui()->statusBar) }) {
        const QPoint at(2, 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &enter);
        QVERIFY(!enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &drop);
        QCOMPARE(tabs()->count(), before);
    }
}

void tst_MainWindowCommands::sidePaneIsBuiltOnFirstUse()
{
    start();
    QVERIFY(!m_window->findChild<QDockWidget *>());
    ui()->actionSidepane->setChecked(true);
    auto *dock = m_window->findChild<QDockWidget *>();
    QVERIFY(dock);
    QVERIFY(dock->isVisible());
    QCOMPARE(m_window->dockWidgetArea(dock), Qt::LeftDockWidgetArea);
    QCOMPARE(dock->features(), QDockWidget::NoDockWidgetFeatures);
    QVERIFY(dock->widget()->inherits("MiniBrowser"));
    ui()->actionSidepane->setChecked(false);
    QVERIFY(!dock->isVisible());
}

YAVO_TEST_MAIN(tst_MainWindowCommands)
#include "tst_mainwindowcommands.moc"
