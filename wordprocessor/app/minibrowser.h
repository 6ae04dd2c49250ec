#ifndef MINIBROWSER_H
#define MINIBROWSER_H

#include <QModelIndex>
#include <QWidget>

class DocumentOpener;
class QFileSystemModel;
class QLineEdit;
class QToolButton;
class QTreeView;

// The side pane: a file-system tree with a path field and an up button.
// Double-clicking a folder roots the tree there; double-clicking a document
// of a kind the word processor reads as text opens it in a new tab.
class MiniBrowser : public QWidget
{
    Q_OBJECT

public:
    MiniBrowser(DocumentOpener *tabWidget, QWidget *parent = nullptr);
    ~MiniBrowser() override;

    void setRootPath(const QString &path);

private slots:
    void slotDoubleClicked(const QModelIndex &index);
    void slotRootPathChanged(const QString &path);
    void slotCdUp();

private:
    void setRootIndexForPath(const QString &path);

    QFileSystemModel *m_model = nullptr;
    QTreeView *m_treeView = nullptr;
    DocumentOpener *m_tabWidget;
    QLineEdit *m_pathEdit = nullptr;
    QToolButton *m_upButton = nullptr;
};

#endif
