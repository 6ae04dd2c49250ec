#ifndef YAVO_YAVOSAVEFILES_H
#define YAVO_YAVOSAVEFILES_H

#include <QDialog>
#include <QStringList>

namespace Ui {
class YavoSaveFiles;
}

// A list of document names to pick from, with Save and Cancel. A click
// toggles a row's selection.
class YavoSaveFiles : public QDialog
{
    Q_OBJECT

public:
    explicit YavoSaveFiles(QWidget *parent = nullptr);
    ~YavoSaveFiles() override;

    // Appends the names as rows after the existing ones.
    void addNames(const QStringList &names);
    // The names of the selected rows, top to bottom.
    QStringList selectedNames() const;

private:
    Ui::YavoSaveFiles *ui;
};

#endif
