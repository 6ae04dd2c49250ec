#ifndef YAVO_SCRIPTCONVERTDIALOG_H
#define YAVO_SCRIPTCONVERTDIALOG_H

#include <QDialog>

namespace Ui {
class ScriptConvertDialog;
}

// Picks the script that the current tab's text is converted into. The source
// is the tab's language and only shown; the destination list starts at
// Kannada every time.
class ScriptConvertDialog : public QDialog
{
    Q_OBJECT

public:
    ScriptConvertDialog(int sourceLanguage, QWidget *parent = nullptr);
    ~ScriptConvertDialog() override;

    // A language index, 0 to 9; 9 is the "ANSI (English)" entry.
    int destinationIndex() const;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private Q_SLOTS:
    void accept() override;
    void onNotesChecked(bool visible);

private:
    Ui::ScriptConvertDialog *ui;
    int m_sourceLanguage;
};

#endif
