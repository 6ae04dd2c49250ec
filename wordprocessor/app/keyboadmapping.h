#ifndef YAVO_KEYBOADMAPPING_H
#define YAVO_KEYBOADMAPPING_H

#include <QDialog>
#include <QList>

class QLabel;

namespace Ui {
class KeyboadMapping;
}

// The keyboard layout help: every key of the Phonetic and of the Nudi
// (KPRao) layout as a tile, the key above the text it types in one
// language's script. Keys in a row that type the same text share a tile.
// Any key closes it.
class KeyboadMapping : public QDialog
{
    Q_OBJECT

public:
    KeyboadMapping(int language, int keyboard, QWidget *parent = nullptr);
    ~KeyboadMapping() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private Q_SLOTS:
    void onPhoneticRadioClicked();
    void onNudoRadioClicked();
    void createPhoneticHelp();
    void createNudiHelp();
    void setPhoneticRowLens(QList<int> &rowLen);
    void setNudiRowLens(QList<int> &rowLen);

private:
    enum Page { PhoneticPage, NudiPage };
    void createHelp(Page page);
    QString displayText(Page page, const QString &key, const QString &converted) const;

    Ui::KeyboadMapping *ui;
    int m_language;
};

#endif
