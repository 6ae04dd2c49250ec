#include "app/mainwindow.h"

#include "app/minibrowser.h"
#include "app/programstarter.h"
#include "app/tabwidget.h"
#include "app/ui_mainwindow.h"
#include "app/windowreactivator.h"

#include "core/sharedsettings.h"
#include "widgets/yvquickbytestoolbar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

static void initResources()
{
    Q_INIT_RESOURCE(yavopad);
}

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_programStarter(new ProgramStarter)
{
    initResources();
    new WindowReactivator(this);
    m_ui = new Ui::MainWindow;
    m_ui->setupUi(this);
    addFormattingToToolBar();

    m_tabWidget = new TabWidget(this);

    auto *central = new QWidget(this);
    m_centralLayout = new QVBoxLayout(central);
    m_centralLayout->setContentsMargins(0, 0, 0, 0);
    m_centralLayout->setSpacing(0);
    m_centralLayout->addWidget(m_tabWidget);
    setCentralWidget(central);

    m_ui->menuView->insertAction(m_ui->actionStatusbar,
                                 m_tabWidget->quickBytesToolBar()->toggleViewAction());
    createConnections();
    m_ui->actionZoomIn->setVisible(false);
    m_ui->actionZoomOut->setVisible(false);

    readSettings();

    const QString name = QStringLiteral("YavoPad-%1").arg(version());
    QCoreApplication::setApplicationName(name);
    QGuiApplication::setApplicationDisplayName(name);
    QCoreApplication::setApplicationVersion(version());
    setWindowTitle(name);
    m_ui->actionAbout->setText(tr("About %1").arg(name));

    m_ui->actionYavoKosha->setVisible(false);
    m_ui->actionANSI->setVisible(false);
    m_workerThread.start(QThread::InheritPriority);
    m_ui->actionKPRao_Extended->setVisible(false);

    style()->unpolish(qApp);
    style()->unpolish(m_ui->menuBar);
    style()->unpolish(m_ui->menuFile);
    style()->polish(qApp);
    style()->polish(m_ui->menuBar);
    style()->polish(m_ui->menuFile);
}

MainWindow::~MainWindow()
{
    writeSettings();
    m_workerThread.quit();
    m_workerThread.wait();
    delete m_sidePaneDock;
    delete m_ui;
}

QString MainWindow::version()
{
    return QStringLiteral("5.x.6");
}

Ui::MainWindow *MainWindow::ui() const
{
    return m_ui;
}

TabWidget *MainWindow::tabWidget() const
{
    return m_tabWidget;
}

void MainWindow::addFormattingToToolBar()
{
    QToolBar *bar = m_ui->mainToolBar;
    bar->addAction(m_ui->actionBold);
    bar->addAction(m_ui->actionItalic);
    bar->addAction(m_ui->actionUnderline);
    bar->addSeparator();
    bar->addAction(m_ui->actionText_color);
    bar->addAction(m_ui->actionBackground_Color);
    bar->addAction(m_ui->actionChooseFont);
    bar->addAction(m_ui->actionIncreaseTextSize);
    bar->addAction(m_ui->actionDecreaseTextSize);
    bar->addSeparator();
    bar->addAction(m_ui->actionClearFormatting);
    bar->addSeparator();

    const QIcon bulletIcon(QStringLiteral(":/resources/bullet-list.png"));
    auto *bullets = new QToolButton;
    bullets->setIcon(bulletIcon);
    bullets->setMenu(m_ui->menuBullets);
    bullets->setPopupMode(QToolButton::InstantPopup);
    // Like the tool bar's own buttons: keys belong to the document.
    bullets->setFocusPolicy(Qt::NoFocus);
    // A tool bar does not own the actions it shows: this one goes with it.
    auto *bulletsAction = new QWidgetAction(bar);
    bulletsAction->setIcon(bulletIcon);
    bulletsAction->setDefaultWidget(bullets);
    bar->addAction(bulletsAction);
    bar->addSeparator();
    bar->addActions(m_ui->menuAlign->actions());
    bar->addSeparator();
}

void MainWindow::createConnections()
{
    connect(m_ui->actionNew, SIGNAL(triggered()), m_tabWidget, SLOT(slotNew()));
    connect(m_ui->actionOpen, SIGNAL(triggered()), m_tabWidget, SLOT(slotOpen()));
    connect(m_ui->actionSave, SIGNAL(triggered()), m_tabWidget, SLOT(slotSave()));
    connect(m_ui->actionSave_as, SIGNAL(triggered()), m_tabWidget, SLOT(slotSaveAs()));
    connect(m_ui->actionPDF, SIGNAL(triggered()), m_tabWidget, SLOT(slotExportToPdf()));
    connect(m_ui->actionClose, SIGNAL(triggered()), m_tabWidget, SLOT(slotCloseCurrentTab()));
    connect(m_ui->actionPrint, SIGNAL(triggered()), m_tabWidget, SLOT(slotPrint()));
    connect(m_ui->actionPrint_preview, SIGNAL(triggered()), m_tabWidget, SLOT(slotPrintPreview()));
    connect(m_ui->actionPrint_Setup, SIGNAL(triggered()), m_tabWidget, SLOT(slotPageSetup()));
    connect(m_ui->actionExit, SIGNAL(triggered()), this, SLOT(slotActionExitClicked()));
    connect(m_ui->actionToolbar, SIGNAL(toggled(bool)), this, SLOT(slotToolbarActionToggled(bool)));
    connect(m_ui->actionStatusbar, SIGNAL(toggled(bool)), this, SLOT(slotStatusbarActionToggled(bool)));
    connect(m_tabWidget, SIGNAL(showLowerWidget(QWidget*)), this, SLOT(onShowLowerWidget(QWidget*)));
    createCommandConnections();
}

void MainWindow::readSettings()
{
    QSettings settings(settingsOrganization, settingsApplication);
    settings.beginGroup(QStringLiteral("Geometry"));
    resize(settings.value(QStringLiteral("size"), QSize(400, 400)).toSize());
    move(settings.value(QStringLiteral("pos"), QPoint(200, 200)).toPoint());
    setGeometry(settings.value(QStringLiteral("geo"), QRect(200, 200, 600, 400)).toRect());
    if (settings.value(QStringLiteral("isMaximized"), QStringLiteral("1")).toBool())
        showMaximized();
    else
        show();
    const bool miniBrowserShown = settings.value(QStringLiteral("isMiniBrowserShown"), QStringLiteral("1")).toBool();
    if (m_sidePaneDock) {
        m_ui->actionSidepane->setChecked(miniBrowserShown);
        m_sidePaneDock->setVisible(miniBrowserShown);
    }
    const bool toolbarShown = settings.value(QStringLiteral("isToolbarShown"), QStringLiteral("1")).toBool();
    m_ui->actionToolbar->setChecked(toolbarShown);
    m_ui->mainToolBar->setVisible(toolbarShown);
    const bool statusbarShown = settings.value(QStringLiteral("isStatusbarShown"), QStringLiteral("1")).toBool();
    m_ui->actionStatusbar->setChecked(statusbarShown);
    m_ui->statusBar->setVisible(statusbarShown);
    yvQuickBytesToolBar *quickBytes = m_tabWidget->quickBytesToolBar();
    quickBytes->setVisible(settings.value(QStringLiteral("isQuickBytesShown"), QStringLiteral("1")).toBool());
    const int area = settings.value(QStringLiteral("quickBytesbarArea"), int(Qt::BottomToolBarArea)).toInt();
    addToolBar(Qt::ToolBarArea(area), quickBytes);
    settings.endGroup();

    settings.beginGroup(QStringLiteral("InputSettings"));
    m_tabWidget->slotLanguageChanged(settings.value(QStringLiteral("language"), 0).toInt());
    m_tabWidget->slotKeyboardChanged(settings.value(QStringLiteral("keyboard"), 0).toInt());
    const QString workingDir = settings.value(QStringLiteral("WorkingDir")).toString();
    if (!workingDir.isEmpty())
        m_tabWidget->onWorkingDirChanged(workingDir);
    m_tabWidget->setAutoComplpetePrefixLength(settings.value(QStringLiteral("AutoComplpetePrefixLength"), 5).toInt());
    m_tabWidget->setSpellCheckAsYouType(settings.value(QStringLiteral("isSpellCheckAsYouType"), true).toBool());
    m_tabWidget->setTextEncodingIndex(settings.value(QStringLiteral("UTF-Type"), 1).toInt());
    m_tabWidget->slotTextSize(QString::number(settings.value(QStringLiteral("fontSize"), 14).toInt()));
    m_tabWidget->slotFontFamilyChanged(settings.value(QStringLiteral("fontFamily")).toString());
    const int localize = settings.value(QStringLiteral("Localize"), 0).toInt();
    m_ui->actionLocalize_Kannada->setChecked(localize != 0);
    // The converters read this key with false as its default; a first start
    // stores the checked default, so that the mark and the digits agree.
    if (!settings.contains(QStringLiteral("englishNumerals")))
        SharedSettings::setEnglishNumerals(true);
    m_ui->actionEnglishNumerals->setChecked(SharedSettings::englishNumerals());
    settings.endGroup();

    onLocalizeKannada(localize != 0);
}

void MainWindow::writeSettings()
{
    QSettings settings(settingsOrganization, settingsApplication);
    settings.beginGroup(QStringLiteral("Geometry"));
    settings.setValue(QStringLiteral("size"), size());
    settings.setValue(QStringLiteral("pos"), pos());
    settings.setValue(QStringLiteral("geo"), geometry());
    settings.setValue(QStringLiteral("isMaximized"), isMaximized());
    settings.setValue(QStringLiteral("isMiniBrowserShown"), m_ui->actionSidepane->isChecked());
    settings.setValue(QStringLiteral("isToolbarShown"), m_ui->actionToolbar->isChecked());
    settings.setValue(QStringLiteral("isStatusbarShown"), m_ui->actionStatusbar->isChecked());
    yvQuickBytesToolBar *quickBytes = m_tabWidget->quickBytesToolBar();
    settings.setValue(QStringLiteral("isQuickBytesShown"), quickBytes->toggleViewAction()->isChecked());
    settings.setValue(QStringLiteral("quickBytesbarArea"), int(toolBarArea(quickBytes)));
    settings.endGroup();

    settings.beginGroup(QStringLiteral("InputSettings"));
    settings.setValue(QStringLiteral("language"), m_tabWidget->lastIndicLanguage());
    settings.setValue(QStringLiteral("keyboard"), m_tabWidget->keyboard());
    settings.setValue(QStringLiteral("WorkingDir"), m_tabWidget->workingDir());
    settings.setValue(QStringLiteral("AutoComplpetePrefixLength"), m_tabWidget->autoComplpetePrefixLength());
    settings.setValue(QStringLiteral("isSpellCheckAsYouType"), m_tabWidget->spellCheckAsYouType());
    settings.setValue(QStringLiteral("UTF-Type"), m_tabWidget->textEncodingIndex());
    settings.setValue(QStringLiteral("Localize"), m_ui->actionLocalize_Kannada->isChecked() ? 1 : 0);
    const int fontSize = m_tabWidget->fontSize();
    settings.setValue(QStringLiteral("fontSize"), fontSize <= 5 ? 14 : fontSize);
    settings.setValue(QStringLiteral("fontFamily"), m_tabWidget->fontFamily());
    settings.endGroup();
}

void MainWindow::handleArguments(const QStringList &args)
{
    if (m_tabWidget)
        m_tabWidget->openStartupFiles(args);
    if (m_miniBrowser)
        m_miniBrowser->setRootPath(QDir::homePath());
    // Without a window manager nobody else gives the new window the
    // keyboard; with one, this is what it would do anyway. The current
    // document's editor holds the window's focus (the tab widget sees to
    // that), so the first key typed goes into it.
    activateWindow();
}

void MainWindow::keepOnScreen()
{
    const QRect placed = geometry();
    const QPoint centre((placed.left() + placed.right()) / 2, (placed.top() + placed.bottom()) / 2);
    QScreen *screen = QGuiApplication::screenAt(centre);
    if (!screen || !screen->availableGeometry().contains(placed, false))
        setGeometry(200, 200, 600, 400);
}

void MainWindow::onShowLowerWidget(QWidget *w)
{
    if (m_centralLayout->count() < 2)
        m_centralLayout->addWidget(w, 0);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_tabWidget->slotExit())
        event->accept();
    else
        event->ignore();
}

void MainWindow::slotActionExitClicked()
{
    if (m_tabWidget->slotExit())
        QCoreApplication::quit();
}

void MainWindow::slotToolbarActionToggled(bool acheck)
{
    m_ui->mainToolBar->setVisible(acheck);
}

void MainWindow::slotStatusbarActionToggled(bool check)
{
    m_ui->statusBar->setVisible(check);
}

void MainWindow::slotQuickBytesbarActionToggled(bool check)
{
    m_tabWidget->quickBytesToolBar()->setVisible(check);
}
