#include "widgets/yvmessagebox.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int lifetimeMs = 2000;
constexpr int margin = 20;
}

yvMessageBox::yvMessageBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint)
    , m_label(new QLabel(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin, margin, margin, margin);
    QFont font = m_label->font();
    font.setPixelSize(16);
    m_label->setFont(font);
    layout->addWidget(m_label);

    // Counted from creation, not from show(): callers show the box at once.
    QTimer::singleShot(lifetimeMs, Qt::CoarseTimer, this, &yvMessageBox::giveUpFocus);

    setStyleSheet(QStringLiteral(
        "QDialog{background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:1, y2:1,   "
        "stop:0 #DCDCDC, stop:1 #DCDCFF); color: #000000; border-radius: 1px; "
        "border: 0px solid black; padding:6px;}"));
}

yvMessageBox::~yvMessageBox() = default;

void yvMessageBox::setMessage(const QString &text)
{
    m_label->setText(text);
    m_label->adjustSize();
    adjustSize();
    setFocus(Qt::OtherFocusReason);
}

void yvMessageBox::showAt(QWidget *widget)
{
    show();
    if (!widget)
        return;
    QRect box = geometry();
    const QRect target = widget->geometry();
    box.moveRight(target.right() - margin);
    box.moveBottom(target.bottom() - sizeHint().height());
    setGeometry(box);
}

void yvMessageBox::showMessage(const QString &text)
{
    auto *box = new yvMessageBox(QApplication::activeWindow());
    box->setMessage(text);
    box->show();
}

void yvMessageBox::showMessage(const QString &text, QWidget *widget)
{
    auto *box = new yvMessageBox(widget);
    box->setMessage(text);
    box->showAt(widget);
}

void yvMessageBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
}

void yvMessageBox::focusOutEvent(QFocusEvent *event)
{
    QDialog::focusOutEvent(event);
    deleteLater();
}

void yvMessageBox::giveUpFocus()
{
    // Clearing a focus the box never got sends no focus-out; a box whose
    // window the system would not activate must still go away.
    if (hasFocus())
        clearFocus();
    else
        deleteLater();
}
