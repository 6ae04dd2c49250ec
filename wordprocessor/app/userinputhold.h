#ifndef YAVO_USERINPUTHOLD_H
#define YAVO_USERINPUTHOLD_H

#include <QObject>
#include <QPointer>

#include <deque>
#include <memory>

class QEvent;
class QWidget;

// Makes the user's input wait while the program reads or builds a document
// and runs the event loop meanwhile (so the window repaints): nothing can
// type into, save or close a half-made document. Keys, shortcuts, text from
// an input method and close requests are kept and, once the last hold has
// ended, delivered from the event loop in the order they came, each to the
// object it was meant for (a key meant for the window goes to whatever has
// its focus then: the new document's editor). Clicks, wheel turns and drops
// are dropped: they aim at places that move as the document arrives, and so
// is what was typed after a key that opened a dialog (it was meant for the
// dialog), and a shortcut whose command was disabled meanwhile. Each event
// is kept once. Holds nest; a dialog the program shows meanwhile takes its
// input as usual.
class UserInputHold : public QObject
{
    Q_OBJECT

public:
    explicit UserInputHold(QObject *parent = nullptr);
    ~UserInputHold() override;

    // Holds the input for as long as it lives.
    class Scope
    {
    public:
        explicit Scope(UserInputHold *hold);
        ~Scope();

    private:
        Q_DISABLE_COPY(Scope)
        QPointer<UserInputHold> m_hold;
    };

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override;

private:
    struct Kept
    {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };

    void hold();
    void release();
    void deliver();
    void setFiltering(bool on);

    std::deque<Kept> m_kept;
    // The modal dialog open when a kept event was sent, and whether the
    // event opened another.
    QPointer<QWidget> m_modalBefore;
    bool m_modalOpened = false;
    int m_depth = 0;
    bool m_filtering = false;
    bool m_deliveryPosted = false;
    bool m_delivering = false;
};

#endif
