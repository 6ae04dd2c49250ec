#include "app/userinputhold.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

#include <algorithm>

namespace {

// A copy of an event worth keeping, or null for one that is dropped.
std::unique_ptr<QEvent> keepable(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto *key = static_cast<const QKeyEvent *>(event);
        auto copy = std::make_unique<QKeyEvent>(key->type(), key->key(), key->modifiers(), key->nativeScanCode(),
                                                key->nativeVirtualKey(), key->nativeModifiers(), key->text(),
                                                key->isAutoRepeat(), key->count());
        copy->setTimestamp(key->timestamp());
        return copy;
    }
    case QEvent::Shortcut: {
        const auto *shortcut = static_cast<const QShortcutEvent *>(event);
        return std::make_unique<QShortcutEvent>(shortcut->key(), shortcut->shortcutId(), shortcut->isAmbiguous());
    }
    case QEvent::InputMethod:
        return std::make_unique<QInputMethodEvent>(*static_cast<const QInputMethodEvent *>(event));
    case QEvent::Close:
        return std::make_unique<QCloseEvent>();
    default:
        return nullptr;
    }
}

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::Drop:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

// A shortcut kept while its action was enabled may have been switched off
// since (no document left to save, a command that is under way): the
// shortcut map would no longer offer it, so neither do we.
bool stillWanted(QObject *receiver, const QEvent *event)
{
    if (event->type() != QEvent::Shortcut)
        return true;
    if (const auto *action = qobject_cast<QAction *>(receiver))
        return action->isEnabled() && action->isVisible();
    if (const auto *shortcut = qobject_cast<QShortcut *>(receiver))
        return shortcut->isEnabled();
    return true;
}

} // namespace

UserInputHold::UserInputHold(QObject *parent)
    : QObject(parent)
{
}

UserInputHold::~UserInputHold()
{
    setFiltering(false);
}

UserInputHold::Scope::Scope(UserInputHold *hold)
    : m_hold(hold)
{
    if (m_hold)
        m_hold->hold();
}

UserInputHold::Scope::~Scope()
{
    if (m_hold)
        m_hold->release();
}

void UserInputHold::hold()
{
    ++m_depth;
    setFiltering(true);
}

void UserInputHold::release()
{
    if (--m_depth > 0)
        return;
    if (m_delivering)
        return; // the delivery further up the stack goes on with what came meanwhile
    if (m_kept.empty()) {
        setFiltering(false);
        return;
    }
    // Delivered from the event loop, not from inside the code that held
    // them. Until then the filter keeps holding, so input that comes in the
    // meantime queues up behind what was kept.
    if (!m_deliveryPosted) {
        m_deliveryPosted = true;
        QMetaObject::invokeMethod(this, &UserInputHold::deliver, Qt::QueuedConnection);
    }
}

// All in one go and each sent, not posted one by one: posted, input that
// arrives in between could overtake them, and the ones behind a key that
// opens a dialog would be delivered to a window the dialog blocks, and lost.
// Sent, they wait for such a dialog to close.
void UserInputHold::deliver()
{
    m_deliveryPosted = false;
    // A new hold has begun: its release delivers all of it.
    if (m_depth > 0 || m_delivering)
        return;
    const QPointer<UserInputHold> alive(this);
    m_delivering = true;
    while (m_depth == 0 && !m_kept.empty()) {
        const Kept next = std::move(m_kept.front());
        m_kept.pop_front();
        if (!next.receiver || !stillWanted(next.receiver, next.event.get()))
            continue;
        // What was typed after a key that opened a dialog was meant for
        // that dialog, which is gone once the key returns: in the document
        // behind it, a file name and an Enter would be text typed by
        // mistake. Input kept while the dialog showed (a load it started)
        // stands behind them and is still delivered.
        const size_t typedAhead = m_kept.size();
        m_modalBefore = QApplication::activeModalWidget();
        m_modalOpened = false;
        auto *widget = qobject_cast<QWidget *>(next.receiver);
        if (widget && next.event->type() == QEvent::Close)
            widget->close(); // a close event on its own would not hide it
        else
            QCoreApplication::sendEvent(next.receiver, next.event.get());
        if (!alive)
            return;
        if (m_modalOpened)
            m_kept.erase(m_kept.begin(), m_kept.begin() + std::min(typedAhead, m_kept.size()));
    }
    m_delivering = false;
    if (m_depth == 0 && m_kept.empty())
        setFiltering(false);
}

void UserInputHold::setFiltering(bool on)
{
    if (on == m_filtering)
        return;
    m_filtering = on;
    if (on)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

bool UserInputHold::eventFilter(QObject *receiver, QEvent *event)
{
    if (m_delivering && !m_modalOpened) {
        QWidget *modal = QApplication::activeModalWidget();
        m_modalOpened = modal && modal != m_modalBefore;
    }
    if (!isUserInput(event->type()))
        return false;
    // A message shown at the end of a load, or a question asked during
    // one, has to be answered.
    if (QApplication::activeModalWidget())
        return false;
    // A kept key that opened a menu or a dialog is waited for: the keys for
    // it come now.
    if (m_delivering && m_depth == 0)
        return false;
    // Not accepted: the window stays open, and the shortcut map goes on to
    // turn a shortcut's key into a shortcut event, which is kept. A key is
    // accepted once kept: ignored, Qt would offer the same key to every
    // parent of a widget it was sent to, and each would keep a copy of it
    // (one Ctrl+Tab switching tabs once for each).
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease)
        event->accept();
    else
        event->ignore();
    if (std::unique_ptr<QEvent> copy = keepable(event))
        m_kept.push_back({receiver, std::move(copy)});
    return true;
}
