#ifndef YAVO_MAINWINDOW_H
#define YAVO_MAINWINDOW_H

#include <QMainWindow>
#include <QPointer>
#include <QThread>

#include <functional>
#include <memory>

class MiniBrowser;
class ProgramStarter;
class QTranslator;
class yvWorker;
class QDockWidget;
class QVBoxLayout;
class TabWidget;

namespace Ui {
class MainWindow;
}

// The word processor's window: its menus, toolbar and status bar, and the
// tab widget that holds the documents. It restores the window and the input
// settings once at start and writes them once, when it goes.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    void handleArguments(const QStringList &args);
    // A window stored for a screen that is gone comes back where it can be
    // seen; one that fills its screen or touches an edge stays.
    void keepOnScreen();
    Ui::MainWindow *ui() const;
    TabWidget *tabWidget() const;

    // The version shown in the window's title and the About entry.
    static QString version();

    // Replaces what starts the typing tutor; the window takes ownership.
    void setProgramStarter(ProgramStarter *starter);
    // The typing tutor, beside this program.
    static QString typingTutorPath();

private Q_SLOTS:
    void on_actionYavoBanda_triggered();
    void on_actionKeyboardLayoutHelp_triggered();
    void slotAbout();
    void slotActionExitClicked();
    void slotToggleFileBrowser(bool acheck);
    void slotToolbarActionToggled(bool acheck);
    void slotStatusbarActionToggled(bool check);
    void slotQuickBytesbarActionToggled(bool check);
    void writeSettings();
    void readSettings();
    void slotRunUpdater();
    void onGiveMyFeedbackTriggered();
    void onHelpTopicsTriggered();
    void onLocalizeKannada(bool on);
    void onShowKeyboardExamples();
    void onShowLowerWidget(QWidget *w);
    void onConvertANSItoUnicodeFromClipboardClicked();
    void onConvertANSItoUnicodeFromCurrentDocumentClicked();
    void onConvertANSItoUnicodeAFileClicked();
    void onConvertANSItoUnicodeAllFilesFromFolderClicked();
    void onEnglishNumeralsClicked();
    void onLaunchTypingTutor();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createConnections();
    void createCommandConnections();
    void createSidePane();
    void convertIntoNewTab(const std::function<void(yvWorker &)> &convert);
    void addFormattingToToolBar();

    Ui::MainWindow *m_ui = nullptr;
    TabWidget *m_tabWidget = nullptr;
    MiniBrowser *m_miniBrowser = nullptr;
    QVBoxLayout *m_centralLayout = nullptr;
    QPointer<QDockWidget> m_sidePaneDock;
    QThread m_workerThread;
    std::unique_ptr<ProgramStarter> m_programStarter;
    QTranslator *m_kannadaTranslator = nullptr;
};

#endif
