#include "ime/app/yavoimemenu.h"

YavoIMEMenu::YavoIMEMenu(QWidget *parent)
    : QMenu(parent)
{
}

void YavoIMEMenu::focusOutEvent(QFocusEvent *event)
{
    emit lostFocus();
    close();
    QMenu::focusOutEvent(event);
}
