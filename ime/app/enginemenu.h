#ifndef YAVO_ENGINEMENU_H
#define YAVO_ENGINEMENU_H

#include "platform/keyboardbackend.h"

#include <QList>
#include <QObject>
#include <QTimer>

class QAction;

// The tray menu's settings as the menu a desktop shows for its input
// method, within reach where no tray icon is shown. Its entries mirror
// actions of the tray menu, so that both always show the same state, and
// choosing an entry triggers its action, as a click in the tray menu does.
// It also passes on the keyboard backend's news of its availability.
class EngineMenu : public QObject, public Platform::KeyboardBackendListener
{
    Q_OBJECT

public:
    // Listens to the current keyboard backend while it lives.
    explicit EngineMenu(QObject *parent = nullptr);
    ~EngineMenu() override;

    // Entries in the order of the calls. A submenu of exclusive choices;
    // with a menu action, the choices are enabled only while it is.
    void addChoices(const QString &label, const QList<QAction *> &actions, QAction *menuAction = nullptr);
    void addToggle(const QString &label, QAction *action);
    void addCommand(QAction *action);

Q_SIGNALS:
    void keyboardAvailabilityChanged();

private:
    struct Item;

    void availabilityChanged() override;
    void menuEntryActivated(const QString &id, bool checked) override;

    void watch(QAction *action);
    void publish();
    bool isEnabled(const Item &item, const QAction *action = nullptr) const;
    // The enabled action of the entry; null for an unknown or greyed one.
    QAction *actionOf(const QString &id) const;

    Platform::KeyboardBackend *m_backend;
    QList<Item> m_items;
    // Several actions change at once; the desktop hears of them together.
    QTimer m_publishTimer;
};

#endif
