#ifndef YAVO_MAINWINDOW_H
#define YAVO_MAINWINDOW_H

#include <QMainWindow>
#include <QPointer>
#include <QThread>

class MiniBrowser;
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
    Ui::MainWindow *ui() const;
    TabWidget *tabWidget() const;

    // The version shown in the window's title and the About entry.
    static QString version();

private Q_SLOTS:
    void slotActionExitClicked();
    void slotToolbarActionToggled(bool acheck);
    void slotStatusbarActionToggled(bool check);
    void slotQuickBytesbarActionToggled(bool check);
    void writeSettings();
    void readSettings();
    void onShowLowerWidget(QWidget *w);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createConnections();
    void addFormattingToToolBar();

    Ui::MainWindow *m_ui = nullptr;
    TabWidget *m_tabWidget = nullptr;
    MiniBrowser *m_miniBrowser = nullptr;
    QVBoxLayout *m_centralLayout = nullptr;
    QPointer<QDockWidget> m_sidePaneDock;
    QThread m_workerThread;
};

#endif
