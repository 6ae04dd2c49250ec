#ifndef YAVO_YAVOIMEMENU_H
#define YAVO_YAVOIMEMENU_H

#include <QMenu>

// The tray icon's context menu: it closes when it loses the keyboard focus
// and says so.
class YavoIMEMenu : public QMenu
{
    Q_OBJECT

public:
    explicit YavoIMEMenu(QWidget *parent = nullptr);

Q_SIGNALS:
    void lostFocus();

protected:
    void focusOutEvent(QFocusEvent *event) override;
};

#endif
