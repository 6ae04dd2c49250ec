#include "app/windowreactivator.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <QWidget>

WindowReactivator::WindowReactivator(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    qApp->installEventFilter(this);
}

WindowReactivator::~WindowReactivator()
{
    qApp->removeEventFilter(this);
}

bool WindowReactivator::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && !m_pending) {
        const auto *dialog = qobject_cast<QDialog *>(watched);
        if (dialog && dialog->isWindow()) {
            // The window system tells of the new active window (if any) only
            // after the dialog is gone.
            m_pending = true;
            QTimer::singleShot(0, this, &WindowReactivator::reactivate);
        }
    }
    return false;
}

void WindowReactivator::reactivate()
{
    m_pending = false;
    if (!m_window || !m_window->isVisible() || m_window->isMinimized() || QApplication::activeWindow())
        return;
    QWidget *modal = QApplication::activeModalWidget();
    (modal ? modal : m_window.data())->activateWindow();
}
