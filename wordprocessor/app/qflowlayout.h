#ifndef YAVO_QFLOWLAYOUT_H
#define YAVO_QFLOWLAYOUT_H

#include <QLayout>
#include <QList>
#include <QStyle>

// Places its items left to right and starts a new row when the next item
// would pass the right edge, so the height it needs depends on its width.
// A spacing below 0 leaves the gap to the parent widget's style or the
// parent layout.
class QFlowLayout : public QLayout
{
public:
    QFlowLayout(QWidget *parent, int margin = -1, int hSpacing = -1, int vSpacing = -1);
    explicit QFlowLayout(int margin = -1, int hSpacing = -1, int vSpacing = -1);
    ~QFlowLayout() override;

    void addItem(QLayoutItem *item) override;
    Qt::Orientations expandingDirections() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    int count() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

    int horizontalSpacing() const;
    int verticalSpacing() const;

private:
    int doLayout(const QRect &rect, bool testOnly) const;
    int smartSpacing(QStyle::PixelMetric metric) const;
    int itemSpacing(QLayoutItem *item, Qt::Orientation orientation) const;

    QList<QLayoutItem *> m_items;
    int m_hSpace;
    int m_vSpace;
};

#endif
