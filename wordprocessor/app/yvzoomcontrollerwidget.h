#ifndef YVZOOMCONTROLLERWIDGET_H
#define YVZOOMCONTROLLERWIDGET_H

#include <QFrame>
#include <QList>
#include <QPointer>

class QTextEdit;

namespace Ui {
class yvZoomControllerWidget;
}

// Keeps one zoom level for every document editor. Editors are registered
// as their tabs open and unregistered as they close; a registered editor is
// zoomed at once by the current level, and a change of the level zooms each
// of them by the difference. One step is one point of the editor's font.
// The level is stored under "InputSettings"/"zoomLevel" when the widget goes.
//
// The owner wires it with setZoomLevel() (the stored level, at start-up),
// addEditor() for every editor it creates and removeEditor() for the editor
// of every tab it closes.
class yvZoomControllerWidget : public QFrame
{
    Q_OBJECT

public:
    explicit yvZoomControllerWidget(QWidget *parent = nullptr);
    ~yvZoomControllerWidget() override;

    void setZoomLevel(int level);
    void addEditor(QObject *editor);
    void removeEditor(QTextEdit *editor);
    void zoomAllBy(int steps);
    void resetAll();
    void stepZoom(int steps);

signals:
    void zoomClicked(int steps);

public slots:
    void onApplyZoomOnAll(int steps);
    void onZoomToolButtonClicked(int steps);
    void onSliderMoved(int value);
    void onResetZoom();
    void onSliderValueChanged(int value);

private slots:
    void onApplyZoom(QTextEdit *editor, int steps);

private:
    bool hasEditors() const;

    Ui::yvZoomControllerWidget *ui;
    int m_zoomLevel = 0;
    // Guarded: an editor deleted without being unregistered drops out
    // instead of being zoomed after its death.
    QList<QPointer<QTextEdit>> m_editors;
};

#endif
