// The main window's own commands: ANSI-to-Unicode conversions, the help
// windows, the Kannada interface, the typing tutor and the view switches.
#include "app/mainwindow.h"

#include "app/aboutyavo.h"
#include "app/helptopics.h"
#include "app/installedfontfamily.h"
#include "app/keyboadmapping.h"
#include "app/keyboardexamples.h"
#include "app/makerlinks.h"
#include "app/minibrowser.h"
#include "app/programstarter.h"
#include "app/tabwidget.h"
#include "app/ui_mainwindow.h"
#include "app/yvansitounicodebatchconverterdialog.h"
#include "app/yvworker.h"

#include "editor/unicodekaeditor.h"
#include "formats/documentfile.h"
#include "utils/utils.h"
#include "widgets/yvquickbytestoolbar.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QTextDocument>
#include <QTranslator>
#include <QUrl>

namespace {

// Shows the status bar's busy indicator while it lives.
class BusyIndicator
{
public:
    explicit BusyIndicator(TabWidget *tabs) : m_tabs(tabs) { m_tabs->setProgressBarVisibility(true); }
    ~BusyIndicator() { m_tabs->setProgressBarVisibility(false); }

private:
    TabWidget *m_tabs;
};

constexpr int maxDroppedFiles = 32;

} // namespace

static void initTranslations()
{
    Q_INIT_RESOURCE(yavotranslations);
}

void MainWindow::createCommandConnections()
{
    connect(m_ui->actionAbout, SIGNAL(triggered()), this, SLOT(slotAbout()));
    connect(m_ui->actionSidepane, SIGNAL(toggled(bool)), this, SLOT(slotToggleFileBrowser(bool)));
    connect(m_ui->actionCheckForUpdates, SIGNAL(triggered()), this, SLOT(slotRunUpdater()));
    connect(m_ui->actionGiveMyFeedback, SIGNAL(triggered()), this, SLOT(onGiveMyFeedbackTriggered()));
    connect(m_ui->actionHelp_Topics, SIGNAL(triggered()), this, SLOT(onHelpTopicsTriggered()));
    connect(m_ui->actionKeyboard_Examples, SIGNAL(triggered()), this, SLOT(onShowKeyboardExamples()));
    connect(m_ui->actionLocalize_Kannada, SIGNAL(triggered(bool)), this, SLOT(onLocalizeKannada(bool)));
    connect(m_ui->actionANSI2UnicodeFromClipboardText, SIGNAL(triggered()),
            this, SLOT(onConvertANSItoUnicodeFromClipboardClicked()));
    connect(m_ui->actionANSI2UnicodeFromCurrentDocument, SIGNAL(triggered()),
            this, SLOT(onConvertANSItoUnicodeFromCurrentDocumentClicked()));
    connect(m_ui->actionANSI2UnicodeAllFilesInFolder, SIGNAL(triggered()),
            this, SLOT(onConvertANSItoUnicodeAllFilesFromFolderClicked()));
    connect(m_ui->actionANSI2UnicodeAFile, SIGNAL(triggered()), this, SLOT(onConvertANSItoUnicodeAFileClicked()));
    connect(m_ui->actionEnglishNumerals, SIGNAL(triggered()), this, SLOT(onEnglishNumeralsClicked()));
    connect(m_ui->actionTypingTutor, SIGNAL(triggered()), this, SLOT(onLaunchTypingTutor()));
}

// --- ANSI to Unicode ----------------------------------------------------

// One worker for one conversion, on this thread: its result is handled
// inside the call, and the worker is gone when this returns.
void MainWindow::convertIntoNewTab(const std::function<void(yvWorker &)> &convert)
{
    const BusyIndicator busy(m_tabWidget);
    yvWorker worker;
    connect(&worker, &yvWorker::done, this,
            [this](QTextDocument *document) { m_tabWidget->appendDocument(document); },
            Qt::DirectConnection);
    convert(worker);
}

void MainWindow::onConvertANSItoUnicodeFromClipboardClicked()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty()) {
        QMessageBox::information(this, tr("ANSI to Unicode"),
                                 tr("Please copy your ANSI text first and then try this!!!"), QMessageBox::Ok);
        return;
    }
    convertIntoNewTab([&text](yvWorker &worker) { worker.convertANSI2Unicode(text); });
}

void MainWindow::onConvertANSItoUnicodeFromCurrentDocumentClicked()
{
    UnicodeKaEditor *editor = m_tabWidget->editorAtIndex(m_tabWidget->currentIndex());
    if (!editor)
        return;
    if (editor->document()->isEmpty()) {
        QMessageBox::information(
                this, windowTitle(),
                tr("Empty Document!!!\nOpen an ANSI document first or type some ANSI text and then try again!"),
                QMessageBox::Ok);
        return;
    }
    // The source tab stays as it is: a copy is converted into the new tab.
    QTextDocument *copy = editor->document()->clone();
    convertIntoNewTab([copy](yvWorker &worker) { worker.convertANSI2Unicode(copy); });
}

void MainWindow::onConvertANSItoUnicodeAFileClicked()
{
    const QString name = QFileDialog::getOpenFileName(
            this, tr("Choose ANSI File"), Utils::workingDir(),
            tr("All files (*.*);;Plain Text files (*.txt);;Open Office files (*.odt);;Nudi files (*.nudi);;Rtf files (*.rtf)"));
    if (name.isEmpty())
        return;
    const QString refusal = DocumentFile::kindRefusal(name);
    if (!refusal.isEmpty()) {
        QMessageBox::information(this, QGuiApplication::applicationDisplayName(),
                                 tr("File is NOT converted to unicode!!") + QStringLiteral("\n\n") + refusal,
                                 QMessageBox::Ok);
        return;
    }
    const QFileInfo input(name);
    const QString folder = input.absolutePath();
    const QString target = QDir(folder).filePath(QStringLiteral("Unicode-") + input.fileName());
    if (QFileInfo(target).isFile()) {
        const auto answer = QMessageBox::question(
                this, QGuiApplication::applicationDisplayName(),
                tr("%1 already exists.\nDo you want to replace it?").arg(QDir::toNativeSeparators(target)),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }

    QString written;
    {
        const BusyIndicator busy(m_tabWidget);
        yvWorker worker;
        connect(&worker, &yvWorker::fileCompleted, this,
                [&written](const QString &path) { written = path; }, Qt::DirectConnection);
        worker.convertANSI2UnicodeFile(name, folder);
    }
    if (written.isEmpty()) {
        QMessageBox::information(this, QGuiApplication::applicationDisplayName(),
                                 tr("File is NOT converted to unicode!!"), QMessageBox::Ok);
        return;
    }
    if (QMessageBox::question(this, tr("Open File..."), tr("File converted to unicode\nDo you want to open it???"),
                              QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes)
        m_tabWidget->openFile(written);
}

void MainWindow::onConvertANSItoUnicodeAllFilesFromFolderClicked()
{
    yvANSIToUnicodeBatchConverterDialog dialog(this);
    dialog.exec();
}

void MainWindow::onEnglishNumeralsClicked()
{
    Utils::setEnglishNumerals(m_ui->actionEnglishNumerals->isChecked());
}

// --- Help ---------------------------------------------------------------

void MainWindow::slotAbout()
{
    AboutYavo dialog(this);
    dialog.exec();
}

void MainWindow::onHelpTopicsTriggered()
{
    HelpTopics dialog(nullptr);
    dialog.exec();
}

void MainWindow::on_actionKeyboardLayoutHelp_triggered()
{
    KeyboadMapping dialog(m_tabWidget->language(), m_tabWidget->keyboard(), nullptr);
    dialog.exec();
}

void MainWindow::onShowKeyboardExamples()
{
    KeyboardExamples dialog(nullptr);
    dialog.exec();
}

void MainWindow::setProgramStarter(ProgramStarter *starter)
{
    m_programStarter.reset(starter);
}

QString MainWindow::typingTutorPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("YavoTypingTutor"));
}

// The tutor runs beside the word processor, whose window keeps answering.
void MainWindow::onLaunchTypingTutor()
{
    const QString tutor = typingTutorPath();
    if (!m_programStarter->startDetached(tutor, {})) {
        QMessageBox::warning(this, QGuiApplication::applicationDisplayName(),
                             tr("The typing tutor could not be started:\n%1").arg(QDir::toNativeSeparators(tutor)));
    }
}

void MainWindow::slotRunUpdater()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(MakerLinks::downloadUrl)));
}

void MainWindow::onGiveMyFeedbackTriggered()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(MakerLinks::feedbackUrl)));
}

void MainWindow::on_actionYavoBanda_triggered()
{
}

// --- Interface language -------------------------------------------------

void MainWindow::onLocalizeKannada(bool on)
{
    if (!m_kannadaTranslator) {
        m_kannadaTranslator = new QTranslator(this);
        initTranslations();
        m_kannadaTranslator->load(QStringLiteral("yavo_kn"), QStringLiteral(":/translations"));
    }
    if (on) {
        QCoreApplication::installTranslator(m_kannadaTranslator);
        QApplication::setFont(QFont(installedFontFamily(QStringLiteral("Tunga"), QFontDatabase::Kannada), 9));
    } else {
        QApplication::setFont(QFont(installedFontFamily(QStringLiteral("Segoe UI"), QFontDatabase::Latin), 10));
        QCoreApplication::removeTranslator(m_kannadaTranslator);
    }
    m_ui->retranslateUi(this);
}

// --- View ---------------------------------------------------------------

void MainWindow::slotToggleFileBrowser(bool acheck)
{
    if (!m_sidePaneDock)
        createSidePane();
    m_sidePaneDock->setVisible(acheck);
}

void MainWindow::createSidePane()
{
    m_sidePaneDock = new QDockWidget(tr("Side Pane"), this);
    m_miniBrowser = new MiniBrowser(m_tabWidget);
    m_sidePaneDock->hide();
    m_sidePaneDock->setFloating(false);
    m_sidePaneDock->setWidget(m_miniBrowser);
    addDockWidget(Qt::LeftDockWidgetArea, m_sidePaneDock);
    m_sidePaneDock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    m_sidePaneDock->setFeatures(QDockWidget::NoDockWidgetFeatures);
}

// --- Drag and drop ------------------------------------------------------
// The window takes no drops of its own (drops belong to the editors); these
// only act should a drop ever be let through to it.

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent *event)
{
    event->acceptProposedAction();
}

void MainWindow::dragLeaveEvent(QDragLeaveEvent *event)
{
    event->accept();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (!data->hasUrls())
        return;
    const QList<QUrl> urls = data->urls().mid(0, maxDroppedFiles);
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            m_tabWidget->openFile(url.toLocalFile());
    }
    event->acceptProposedAction();
}
