#ifndef YAVO_MODALANSWERER_H
#define YAVO_MODALANSWERER_H

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

// Answers the modal dialogs that the code under test opens, in the order the
// test expects them, so that a test never blocks in a dialog's event loop.
//
//     ModalAnswerer answerer;
//     answerer.expectMessageBox(QStringLiteral("Exit"), QString(), QMessageBox::No);
//     tabs.closeAll();
//     QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
//
// A dialog that does not match the next expectation (or comes when none is
// left), or that its answer leaves open, is rejected so the test goes on, and
// reported by failure().
class ModalAnswerer : public QObject
{
    Q_OBJECT

public:
    using Action = std::function<void(QWidget *dialog)>;

    explicit ModalAnswerer(QObject *parent = nullptr);
    ~ModalAnswerer() override;

    // A QMessageBox whose title and text equal the given ones (an empty
    // string matches anything) is answered with the button.
    void expectMessageBox(const QString &title, const QString &text,
                          QMessageBox::StandardButton button);

    // A modal widget that inherits className with the given title (empty
    // matches any) is handed to the action, which must close it.
    void expectDialog(const char *className, const QString &title, const Action &action);

    // A QFileDialog with the given title (empty matches any) is answered with
    // the path, typed into its name field as a user would.
    void expectFileDialog(const QString &title, const QString &path);

    // Typed convenience for expectDialog().
    template <class Dialog>
    void expectDialog(const QString &title, const std::function<void(Dialog *)> &action)
    {
        expectDialog(Dialog::staticMetaObject.className(), title,
                     [action](QWidget *w) { action(qobject_cast<Dialog *>(w)); });
    }

    // True once every expectation was met and nothing unexpected came.
    bool isDone() const;
    // Processes events until isDone() or the time-out has passed.
    bool waitDone(int timeoutMs = 5000);
    // What went wrong, or "" when nothing did.
    QString failure() const;
    // "Class|title|text" of every modal widget met, in order.
    QStringList seen() const;

private:
    void poll();

    struct Expectation
    {
        QByteArray className;
        QString title;
        QString text;
        bool checkText = false;
        Action action;
    };

    QList<Expectation> m_expected;
    QStringList m_seen;
    QString m_failure;
    QPointer<QWidget> m_handled;
    QList<QPointer<QWidget>> m_answering;  // dialogs whose answers have not ended
    QTimer m_timer;
};

#endif
