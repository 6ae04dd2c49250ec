#ifndef YVTABCONTENTWIDGET_H
#define YVTABCONTENTWIDGET_H

#include <QWidget>

// The page of one tab: frames the document editor with wide coloured side
// margins and a drop shadow, so the text column reads like a sheet of paper.
class yvTabContentWidget : public QWidget
{
    Q_OBJECT

public:
    yvTabContentWidget(QWidget *editor, QWidget *parent = nullptr);

    QWidget *editor() const;

private:
    QWidget *m_editor;
};

#endif
