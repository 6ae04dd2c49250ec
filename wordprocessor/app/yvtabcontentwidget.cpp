#include "app/yvtabcontentwidget.h"

#include <QColor>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>

yvTabContentWidget::yvTabContentWidget(QWidget *editor, QWidget *parent)
    : QWidget(parent)
    , m_editor(editor)
{
    auto *layout = new QHBoxLayout(this);
    setContentsMargins(100, 0, 100, 0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor);

    auto *shadow = new QGraphicsDropShadowEffect(this);
    shadow->setOffset(4.0, 4.0);
    shadow->setColor(QColor(QStringLiteral("#C0C0FF")));
    editor->setGraphicsEffect(shadow);

    // A QWidget subclass paints no style-sheet background of its own; without
    // this the margins would show whatever lies behind the page.
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QStringLiteral("background-color:#C0C0FF"));
}

QWidget *yvTabContentWidget::editor() const
{
    return m_editor;
}
