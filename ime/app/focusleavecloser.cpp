#include "private/focusleavecloser_p.h"

#include <QApplication>
#include <QWidget>

FocusLeaveCloser::FocusLeaveCloser(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    connect(qApp, &QApplication::focusChanged, this, &FocusLeaveCloser::onFocusChanged);
}

void FocusLeaveCloser::onFocusChanged(QWidget *old, QWidget *now)
{
    if (holds(old) && !holds(now))
        m_window->deleteLater();
}

bool FocusLeaveCloser::holds(const QWidget *widget) const
{
    return widget && (widget == m_window || m_window->isAncestorOf(widget));
}
