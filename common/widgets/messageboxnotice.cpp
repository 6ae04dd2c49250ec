#include "widgets/messageboxnotice.h"

#include <QMessageBox>

void MessageBoxNotice::warning(const QString &title, const QString &text)
{
    QMessageBox::warning(nullptr, title, text);
}
