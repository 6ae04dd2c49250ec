#include "app/minibrowser.h"

#include "app/documentopener.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QSplitter>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

MiniBrowser::MiniBrowser(DocumentOpener *tabWidget, QWidget *parent)
    : QWidget(parent)
    , m_tabWidget(tabWidget)
{
    Q_INIT_RESOURCE(yavopad);

    m_model = new QFileSystemModel;
    m_model->setFilter(QDir::AllEntries | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    m_model->sort(0, Qt::DescendingOrder);

    m_treeView = new QTreeView;
    m_treeView->setHeaderHidden(true);
    m_treeView->setRootIsDecorated(false);
    m_treeView->sortByColumn(0, Qt::DescendingOrder);
    m_treeView->setSortingEnabled(true);
    m_treeView->setModel(m_model);
    for (int column = 1; column <= 3; ++column)
        m_treeView->setColumnHidden(column, true);

    m_pathEdit = new QLineEdit;
    m_pathEdit->setReadOnly(true);

    m_upButton = new QToolButton;
    m_upButton->setIcon(QIcon(QStringLiteral(":/resources/lo_arrow_top.png")));
    m_upButton->setIconSize(QSize(16, 16));

    auto *grid = new QGridLayout;
    grid->setContentsMargins(1, 1, 1, 1);
    grid->addWidget(m_pathEdit, 0, 0);
    grid->addWidget(m_upButton, 0, 1);
    grid->addWidget(m_treeView, 1, 0, 1, 2);
    auto *browser = new QWidget;
    browser->setLayout(grid);

    auto *splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(browser);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(splitter);

    connect(m_treeView, &QTreeView::doubleClicked, this, &MiniBrowser::slotDoubleClicked);
    connect(m_model, &QFileSystemModel::rootPathChanged, this, &MiniBrowser::slotRootPathChanged);
    connect(m_upButton, &QToolButton::clicked, this, &MiniBrowser::slotCdUp);

    m_model->setRootPath(QDir::homePath());
}

MiniBrowser::~MiniBrowser()
{
    delete m_model;
}

void MiniBrowser::setRootPath(const QString &path)
{
    if (!path.isEmpty())
        setRootIndexForPath(path);
}

void MiniBrowser::setRootIndexForPath(const QString &path)
{
    const QModelIndex index = m_model->index(path);
    if (index.isValid())
        m_treeView->setRootIndex(index);
}

void MiniBrowser::slotRootPathChanged(const QString &path)
{
    m_pathEdit->setText(path);
}

void MiniBrowser::slotCdUp()
{
    QDir dir(m_pathEdit->text());
    if (!dir.cdUp())
        return;
    const QString path = dir.path();
    m_pathEdit->setText(path);
    if (!path.isEmpty())
        setRootIndexForPath(path);
}

void MiniBrowser::slotDoubleClicked(const QModelIndex &index)
{
    if (m_model->isDir(index)) {
        const QString path = m_model->filePath(index);
        m_pathEdit->setText(path);
        if (!path.isEmpty())
            setRootIndexForPath(path);
        return;
    }

    const QFileInfo info = m_model->fileInfo(index);
    const QString suffix = info.suffix();
    if (suffix.isEmpty())
        return;

    static const QStringList readable = {
        QStringLiteral("txt"), QStringLiteral("html"), QStringLiteral("htm"),
        QStringLiteral("rtf"), QStringLiteral("nudi"), QStringLiteral("brh"),
    };
    if (readable.contains(suffix, Qt::CaseInsensitive)) {
        m_tabWidget->openFile(info.filePath());
        return;
    }
    QMessageBox::information(this, QGuiApplication::applicationDisplayName(),
                             tr("Ouch sorry, can't handle this kind of file in Yavo"),
                             QMessageBox::Ok);
}
