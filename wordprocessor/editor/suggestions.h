#ifndef YAVO_SUGGESTIONS_H
#define YAVO_SUGGESTIONS_H

#include <QStringList>
#include <QWidget>

class QListWidget;
class QListWidgetItem;

// A popup list of spelling suggestions. It shows itself when made; a
// double-click hands the suggestion over and closes it, and closing it in
// any way deletes it.
class Suggestions : public QWidget
{
    Q_OBJECT

public:
    Suggestions(const QStringList &words, QWidget *parent = nullptr);
    ~Suggestions() override;

Q_SIGNALS:
    void wordSelected(const QString &word);

public Q_SLOTS:
    void onItemDoubleClicked(QListWidgetItem *item);

private:
    void showWords(const QStringList &words);

    QListWidget *m_list;
};

#endif
