#ifndef YVTABCONTENTWIDGET_H
#define YVTABCONTENTWIDGET_H

#include <QWidget>

// The page of one tab: frames the document editor with wide coloured side
// margins and a drop shadow, so the text column reads like a sheet of paper.
//
// The page paints the shadow itself, behind the editor: a graphics effect
// on the editor would render the whole editor off-screen and blur it again
// for every repaint of its text, which is to say for every key.
class yvTabContentWidget : public QWidget
{
    Q_OBJECT

public:
    yvTabContentWidget(QWidget *editor, QWidget *parent = nullptr);

    QWidget *editor() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *m_editor;
};

#endif
