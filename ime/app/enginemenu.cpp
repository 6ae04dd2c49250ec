#include "ime/app/enginemenu.h"

#include <QAction>

#include <algorithm>

using Platform::InputMethodMenuEntry;
using Platform::KeyboardBackend;

namespace {

// Desktop menus know no keyboard mnemonics.
QString plainLabel(QString text)
{
    return text.remove(QLatin1Char('&'));
}

} // namespace

struct EngineMenu::Item
{
    InputMethodMenuEntry::Kind kind;
    QString label;
    QList<QAction *> actions;
    QAction *menuAction;
};

EngineMenu::EngineMenu(QObject *parent)
    : QObject(parent)
    , m_backend(KeyboardBackend::current())
{
    m_publishTimer.setSingleShot(true);
    m_publishTimer.setInterval(0);
    connect(&m_publishTimer, &QTimer::timeout, this, &EngineMenu::publish);
    m_backend->setListener(this);
}

EngineMenu::~EngineMenu()
{
    if (m_backend->listener() == this)
        m_backend->setListener(nullptr);
}

void EngineMenu::addChoices(const QString &label, const QList<QAction *> &actions, QAction *menuAction)
{
    m_items.append({InputMethodMenuEntry::Submenu, label, actions, menuAction});
    for (QAction *action : actions)
        watch(action);
    if (menuAction)
        watch(menuAction);
}

void EngineMenu::addToggle(const QString &label, QAction *action)
{
    m_items.append({InputMethodMenuEntry::Toggle, label, {action}, nullptr});
    watch(action);
}

void EngineMenu::addCommand(QAction *action)
{
    m_items.append({InputMethodMenuEntry::Command, plainLabel(action->text()), {action}, nullptr});
    watch(action);
}

void EngineMenu::watch(QAction *action)
{
    connect(action, &QAction::changed, &m_publishTimer, qOverload<>(&QTimer::start));
    m_publishTimer.start();
}

void EngineMenu::publish()
{
    QVector<InputMethodMenuEntry> entries;
    for (int i = 0; i < m_items.size(); ++i) {
        const Item &item = m_items.at(i);
        InputMethodMenuEntry entry;
        entry.id = QString::number(i);
        entry.label = item.label;
        entry.kind = item.kind;
        entry.enabled = isEnabled(item);
        if (item.kind == InputMethodMenuEntry::Submenu) {
            for (int j = 0; j < item.actions.size(); ++j) {
                const QAction *action = item.actions.at(j);
                if (!action->isVisible())
                    continue;
                InputMethodMenuEntry choice;
                choice.id = entry.id + QLatin1Char('.') + QString::number(j);
                choice.label = plainLabel(action->text());
                choice.kind = InputMethodMenuEntry::Choice;
                choice.checked = action->isChecked();
                choice.enabled = isEnabled(item, action);
                entry.entries.append(choice);
            }
        } else {
            entry.checked = item.actions.constFirst()->isChecked();
        }
        entries.append(entry);
    }
    m_backend->setMenu(entries);
}

// A submenu is offered while one of its choices is, and a choice while its
// submenu's menu action (where there is one) and its own action are.
bool EngineMenu::isEnabled(const Item &item, const QAction *action) const
{
    if (item.kind != InputMethodMenuEntry::Submenu)
        return item.actions.constFirst()->isEnabled();
    if (item.menuAction && !item.menuAction->isEnabled())
        return false;
    if (action)
        return action->isVisible() && action->isEnabled();
    return std::any_of(item.actions.cbegin(), item.actions.cend(),
                       [&](const QAction *choice) { return isEnabled(item, choice); });
}

QAction *EngineMenu::actionOf(const QString &id) const
{
    const QStringList parts = id.split(QLatin1Char('.'));
    bool ok = false;
    const int index = parts.value(0).toInt(&ok);
    if (!ok || index < 0 || index >= m_items.size())
        return nullptr;
    const Item &item = m_items.at(index);
    // A submenu is chosen through its choices only.
    const bool submenu = item.kind == InputMethodMenuEntry::Submenu;
    if (parts.size() != (submenu ? 2 : 1))
        return nullptr;
    const int choice = submenu ? parts.at(1).toInt(&ok) : 0;
    if (!ok || choice < 0 || choice >= item.actions.size())
        return nullptr;
    QAction *action = item.actions.at(choice);
    // A panel that honours the entry's state never sends an activation of
    // a greyed entry; a direct call or another panel can.
    return isEnabled(item, action) ? action : nullptr;
}

void EngineMenu::availabilityChanged()
{
    emit keyboardAvailabilityChanged();
}

void EngineMenu::menuEntryActivated(const QString &id, bool checked)
{
    QAction *action = actionOf(id);
    // A desktop menu may show an entry as chosen before it is: what it
    // shows is set again from the actions.
    m_publishTimer.start();
    if (!action || (action->isCheckable() && action->isChecked() == checked))
        return;
    action->trigger();
}
