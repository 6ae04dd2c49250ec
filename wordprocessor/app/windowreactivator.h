#ifndef YAVO_WINDOWREACTIVATOR_H
#define YAVO_WINDOWREACTIVATOR_H

#include <QObject>
#include <QPointer>

class QWidget;

// Gives the keyboard back to the program when one of its dialogs closes and
// none of its windows is active any more: to the modal dialog still open
// beneath it, or else to the main window. A window manager does that for
// its own windows; on a bare X server nobody does, and what the user types
// next would reach no widget.
class WindowReactivator : public QObject
{
    Q_OBJECT

public:
    // Watches every dialog of the application while the window lives.
    explicit WindowReactivator(QWidget *window);
    ~WindowReactivator() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void reactivate();

    QPointer<QWidget> m_window;
    bool m_pending = false;
};

#endif
