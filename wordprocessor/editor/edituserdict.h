#ifndef YAVO_EDITUSERDICT_H
#define YAVO_EDITUSERDICT_H

#include <QDialog>

class EditUserDictPrivate;
class QListWidgetItem;

namespace Ui {
class EditUserDict;
}

// Builds the user dictionary. Words come from a text file or are typed by
// hand into the left list and are moved into the final list on the right.
// Save stores the chosen words together with the stored dictionary and the
// words added to "usr.dct" since the last save, and then deletes that file.
class EditUserDict : public QDialog
{
    Q_OBJECT

public:
    explicit EditUserDict(QWidget *parent = nullptr);
    ~EditUserDict() override;

    void setLanguage(int language, int keyboard);

public Q_SLOTS:
    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private Q_SLOTS:
    void onBrowseFileClicked();
    void onAddClicked();
    void onRemoveClicked();
    void onClearClicked();
    void onSelectAllClicked();
    void onDeselectAllClicked();
    void onLoadUserDictClicked();
    void onMoveRighBtnClicked();
    void onMoveLeftBtnClicked();
    void onItemDoubleClicked(QListWidgetItem *item);
    void onItemSelectionChanged();
    void onEditWordsCheckBoxClicked(bool checked);

private:
    friend class EditUserDictPrivate;
    Ui::EditUserDict *ui;
    EditUserDictPrivate *d;
};

#endif
