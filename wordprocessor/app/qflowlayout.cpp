#include "app/qflowlayout.h"

#include <QWidget>

QFlowLayout::QFlowLayout(QWidget *parent, int margin, int hSpacing, int vSpacing)
    : QLayout(parent)
    , m_hSpace(hSpacing)
    , m_vSpace(vSpacing)
{
    setContentsMargins(margin, margin, margin, margin);
}

QFlowLayout::QFlowLayout(int margin, int hSpacing, int vSpacing)
    : m_hSpace(hSpacing)
    , m_vSpace(vSpacing)
{
    setContentsMargins(margin, margin, margin, margin);
}

QFlowLayout::~QFlowLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void QFlowLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
}

int QFlowLayout::horizontalSpacing() const
{
    return m_hSpace >= 0 ? m_hSpace : smartSpacing(QStyle::PM_LayoutHorizontalSpacing);
}

int QFlowLayout::verticalSpacing() const
{
    return m_vSpace >= 0 ? m_vSpace : smartSpacing(QStyle::PM_LayoutVerticalSpacing);
}

int QFlowLayout::count() const
{
    return m_items.size();
}

QLayoutItem *QFlowLayout::itemAt(int index) const
{
    return m_items.value(index);
}

QLayoutItem *QFlowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    return m_items.takeAt(index);
}

Qt::Orientations QFlowLayout::expandingDirections() const
{
    return {};
}

bool QFlowLayout::hasHeightForWidth() const
{
    return true;
}

int QFlowLayout::heightForWidth(int width) const
{
    return doLayout(QRect(0, 0, width, 0), true);
}

void QFlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    doLayout(rect, false);
}

QSize QFlowLayout::sizeHint() const
{
    return minimumSize();
}

QSize QFlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem *item : m_items)
        size = size.expandedTo(item->minimumSize());
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

int QFlowLayout::itemSpacing(QLayoutItem *item, Qt::Orientation orientation) const
{
    const int kept = orientation == Qt::Horizontal ? horizontalSpacing() : verticalSpacing();
    if (kept >= 0)
        return kept;
    if (const QWidget *widget = item->widget()) {
        const int fromStyle =
            widget->style()->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, orientation);
        if (fromStyle >= 0)
            return fromStyle;
    }
    // A spacer or a nested layout has no style to ask, and a style may have
    // no spacing to give: take the spacing set on this layout or given by its
    // parent, else no gap (a negative one would overlap the items).
    return qMax(spacing(), 0);
}

int QFlowLayout::doLayout(const QRect &rect, bool testOnly) const
{
    int left, top, right, bottom;
    getContentsMargins(&left, &top, &right, &bottom);
    const QRect effectiveRect = rect.adjusted(+left, +top, -right, -bottom);
    int x = effectiveRect.x();
    int y = effectiveRect.y();
    int lineHeight = 0;

    if (m_items.isEmpty())
        return top + bottom;

    for (QLayoutItem *item : m_items) {
        const int spaceX = itemSpacing(item, Qt::Horizontal);
        const int spaceY = itemSpacing(item, Qt::Vertical);
        const QSize hint = item->sizeHint();
        int nextX = x + hint.width() + spaceX;
        if (nextX - spaceX > effectiveRect.right() && lineHeight > 0) {
            x = effectiveRect.x();
            y = y + lineHeight + spaceY;
            nextX = x + hint.width() + spaceX;
            lineHeight = 0;
        }
        if (!testOnly)
            item->setGeometry(QRect(QPoint(x, y), hint));
        x = nextX;
        lineHeight = qMax(lineHeight, hint.height());
    }
    return y + lineHeight - rect.y() + bottom;
}

int QFlowLayout::smartSpacing(QStyle::PixelMetric metric) const
{
    QObject *parent = this->parent();
    if (!parent)
        return -1;
    if (parent->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(parent);
        return widget->style()->pixelMetric(metric, nullptr, widget);
    }
    return static_cast<QLayout *>(parent)->spacing();
}
