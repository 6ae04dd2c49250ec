#include "modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

namespace {

QString describe(QWidget *w)
{
    QString text;
    if (auto *box = qobject_cast<QMessageBox *>(w))
        text = box->text();
    return QStringLiteral("%1|%2|%3")
            .arg(QString::fromLatin1(w->metaObject()->className()), w->windowTitle(), text);
}

void dismiss(QWidget *w)
{
    if (auto *dialog = qobject_cast<QDialog *>(w))
        dialog->reject();
    else
        w->close();
}

} // namespace

ModalAnswerer::ModalAnswerer(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start();
}

ModalAnswerer::~ModalAnswerer() = default;

void ModalAnswerer::expectMessageBox(const QString &title, const QString &text,
                                     QMessageBox::StandardButton button)
{
    Expectation e;
    e.className = QMessageBox::staticMetaObject.className();
    e.title = title;
    e.text = text;
    e.checkText = !text.isEmpty();
    e.action = [this, button](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        QAbstractButton *b = box ? box->button(button) : nullptr;
        if (!b) {
            m_failure += QStringLiteral("message box has no button %1; ").arg(int(button));
            dismiss(w);
            return;
        }
        b->click();
    };
    m_expected.append(e);
}

void ModalAnswerer::expectDialog(const char *className, const QString &title, const Action &action)
{
    Expectation e;
    e.className = className;
    e.title = title;
    e.action = action;
    m_expected.append(e);
}

void ModalAnswerer::expectFileDialog(const QString &title, const QString &path)
{
    expectDialog<QFileDialog>(title, [this, path](QFileDialog *dialog) {
        // Not selectFile(): it leaves a name field that has the focus alone,
        // and whether the field has it yet depends on how soon the dialog
        // is answered after it was shown.
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!name) {
            m_failure += QStringLiteral("file dialog has no name field; ");
            return;
        }
        const QFileInfo file(path);
        dialog->setDirectory(file.absolutePath());
        name->setText(file.fileName());
        static_cast<QDialog *>(dialog)->accept();
    });
}

bool ModalAnswerer::isDone() const
{
    return m_expected.isEmpty() && m_answering.isEmpty() && m_failure.isEmpty();
}

bool ModalAnswerer::waitDone(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while ((!m_expected.isEmpty() || !m_answering.isEmpty()) && m_failure.isEmpty() && clock.elapsed() < timeoutMs)
        QTest::qWait(10);
    return isDone();
}

QString ModalAnswerer::failure() const
{
    if (!m_failure.isEmpty() || m_expected.isEmpty())
        return m_failure;
    return QStringLiteral("%1 expected dialog(s) never came, first %2 \"%3\"")
            .arg(m_expected.size())
            .arg(QString::fromLatin1(m_expected.first().className), m_expected.first().title);
}

QStringList ModalAnswerer::seen() const
{
    return m_seen;
}

void ModalAnswerer::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) {
        m_handled.clear();  // the same dialog object may be shown again
        return;
    }
    // A dialog whose answer runs is on top again once a dialog the answer
    // opened has closed: it is not a new one.
    if (modal == m_handled || m_answering.contains(modal))
        return;
    m_handled = modal;
    const QString description = describe(modal);
    m_seen.append(description);

    if (m_expected.isEmpty()) {
        m_failure += QStringLiteral("unexpected dialog %1; ").arg(description);
        dismiss(modal);
        return;
    }
    const Expectation e = m_expected.takeFirst();
    auto *box = qobject_cast<QMessageBox *>(modal);
    const bool matches = modal->inherits(e.className.constData())
            && (e.title.isEmpty() || modal->windowTitle() == e.title)
            && (!e.checkText || (box && box->text() == e.text));
    if (!matches) {
        m_failure += QStringLiteral("expected %1|%2|%3 but got %4; ")
                .arg(QString::fromLatin1(e.className), e.title, e.text, description);
        dismiss(modal);
        return;
    }
    // Answered from the event loop, not from this timer's slot: Qt does not
    // fire a timer again while its slot runs, so a dialog that the answer
    // opens in turn would never be looked at, and the test would hang in it.
    const QPointer<QWidget> dialog(modal);
    m_answering.append(dialog);
    QTimer::singleShot(0, this, [this, dialog, description, action = e.action] {
        if (dialog)
            action(dialog);
        m_answering.removeOne(dialog);
        if (!dialog)
            return;
        // An answer that did not close its dialog would leave the code under
        // test waiting in it for good.
        if (dialog->isVisible() && QApplication::activeModalWidget() == dialog) {
            m_failure += QStringLiteral("%1 still open after its answer; ").arg(description);
            dismiss(dialog);
        }
    });
}
