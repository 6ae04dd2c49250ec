#include "app/yavosavefiles.h"
#include "app/ui_yavosavefiles.h"

YavoSaveFiles::YavoSaveFiles(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::YavoSaveFiles)
{
    ui->setupUi(this);
}

YavoSaveFiles::~YavoSaveFiles()
{
    delete ui;
}

void YavoSaveFiles::addNames(const QStringList &names)
{
    ui->listWidget->addItems(names);
}

QStringList YavoSaveFiles::selectedNames() const
{
    // selectedItems() follows the order of clicking; the rows' order is the
    // one the names were given in.
    QStringList names;
    for (int row = 0; row < ui->listWidget->count(); ++row) {
        const QListWidgetItem *item = ui->listWidget->item(row);
        if (item->isSelected())
            names.append(item->text());
    }
    return names;
}
