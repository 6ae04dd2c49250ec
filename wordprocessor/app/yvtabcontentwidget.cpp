#include "app/yvtabcontentwidget.h"

#include <QColor>
#include <QHBoxLayout>
#include <QPainter>
#include <QPaintEvent>

namespace {

const QPoint shadowOffset(4, 4);

QColor pageColor()
{
    return QColor(QStringLiteral("#C0C0FF"));
}

} // namespace

yvTabContentWidget::yvTabContentWidget(QWidget *editor, QWidget *parent)
    : QWidget(parent)
    , m_editor(editor)
{
    auto *layout = new QHBoxLayout(this);
    setContentsMargins(100, 0, 100, 0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor);

    // A QWidget subclass paints no style-sheet background of its own; without
    // this the margins would show whatever lies behind the page.
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QStringLiteral("background-color:#C0C0FF"));
}

QWidget *yvTabContentWidget::editor() const
{
    return m_editor;
}

void yvTabContentWidget::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!m_editor || !m_editor->isVisible())
        return;
    const QRect shadow = m_editor->geometry().translated(shadowOffset);
    if (!event->rect().intersects(shadow))
        return;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    // A soft edge of one pixel, as a slight blur gives.
    QColor color = pageColor();
    color.setAlphaF(0.5);
    painter.fillRect(shadow, color);
    painter.fillRect(shadow.adjusted(1, 1, -1, -1), pageColor());
}
