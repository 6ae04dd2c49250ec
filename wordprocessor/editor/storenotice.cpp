#include "editor/storenotice.h"

#include "utils/utils.h"

#include <QMessageBox>
#include <QWidget>

void StoreNotice::show(QWidget *owner, const QString &text)
{
    if (!owner || text.isEmpty())
        return;
    auto *box = new QMessageBox(QMessageBox::Information, Utils::displayName(), text,
                                QMessageBox::Ok, owner->window());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}
