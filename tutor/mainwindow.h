#ifndef YAVO_TUTOR_MAINWINDOW_H
#define YAVO_TUTOR_MAINWINDOW_H

#include <QMainWindow>

class QToolButton;

namespace Ui {
class MainWindow;
}

// Turns a file of typing examples ("keys=word", one a line) into a picture:
// each example a row, the word on a pressed button at the left and its
// keystrokes as pressed key buttons at the right. The picture is saved as
// "../images-output/<layout>.png", the layout being the one chosen in the
// window. Nothing in the tutor opens this window; the build uses it to make
// the word processor's keyboard example pictures.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private slots:
    void onCreateClicked();
    void onToolBrowseClicked();

private:
    static QToolButton *createKeyButton(const QString &text);
    static QWidget *createKeyRow(const QString &keys);
    static QWidget *createWordButton(const QString &word);

    Ui::MainWindow *ui;
};

#endif
