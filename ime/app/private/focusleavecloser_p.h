#ifndef YAVO_FOCUSLEAVECLOSER_P_H
#define YAVO_FOCUSLEAVECLOSER_P_H

#include <QObject>

class QWidget;

// Deletes a pop-up note once the keyboard focus leaves it: to another
// window, or to no window of the program. Focus moving between the note
// and its own widgets keeps it.
class FocusLeaveCloser : public QObject
{
    Q_OBJECT

public:
    // Lives as a child of the window it watches.
    explicit FocusLeaveCloser(QWidget *window);

private Q_SLOTS:
    void onFocusChanged(QWidget *old, QWidget *now);

private:
    bool holds(const QWidget *widget) const;

    QWidget *m_window;
};

#endif
