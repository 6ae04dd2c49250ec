#ifndef YAVO_HELPTOPICS_H
#define YAVO_HELPTOPICS_H

#include <QDialog>

namespace Ui {
class HelpTopics;
}

// The built-in help page, with a plain text search forward and backward
// from the caret.
class HelpTopics : public QDialog
{
    Q_OBJECT

public:
    explicit HelpTopics(QWidget *parent = nullptr);
    ~HelpTopics() override;

protected:
    void showEvent(QShowEvent *event) override;

private Q_SLOTS:
    void onFindForwardClicked();
    void onFindBackwardClicked();

private:
    Ui::HelpTopics *ui;
};

#endif
