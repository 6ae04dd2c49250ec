#include "editor/suggestions.h"

#include <QListWidget>
#include <QVBoxLayout>

Suggestions::Suggestions(const QStringList &words, QWidget *parent)
    : QWidget(parent, Qt::Popup)
    , m_list(new QListWidget(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    m_list->setFont(QFont(QStringLiteral("Tunga"), 11));
    connect(m_list, &QListWidget::itemDoubleClicked, this, &Suggestions::onItemDoubleClicked);
    showWords(words);
    setAttribute(Qt::WA_DeleteOnClose);
}

Suggestions::~Suggestions() = default;

void Suggestions::showWords(const QStringList &words)
{
    m_list->clear();
    m_list->addItems(words);
    show();
}

void Suggestions::onItemDoubleClicked(QListWidgetItem *item)
{
    if (!item)
        return;
    emit wordSelected(item->text());
    m_list->clear();
    close();
}
