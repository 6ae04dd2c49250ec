#include "ime/app/yavoimehelp.h"

#include "ime/app/focusleavecloser.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QTextBrowser>

struct YavoIMEHelpForm
{
    QGridLayout *gridLayout;
    QTextBrowser *textBrowser;
    QDialogButtonBox *buttonBox;
};

YavoIMEHelp::YavoIMEHelp(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint)
    , form(new YavoIMEHelpForm)
{
    setObjectName(QStringLiteral("YavoIMEHelp"));
    resize(538, 559);
    form->gridLayout = new QGridLayout(this);
    form->gridLayout->setObjectName(QStringLiteral("gridLayout"));
    form->gridLayout->setSpacing(3);
    form->gridLayout->setContentsMargins(6, 6, 6, 6);
    form->textBrowser = new QTextBrowser(this);
    form->textBrowser->setObjectName(QStringLiteral("textBrowser"));
    form->gridLayout->addWidget(form->textBrowser, 0, 0);
    form->buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok, Qt::Horizontal, this);
    form->buttonBox->setObjectName(QStringLiteral("buttonBox"));
    form->gridLayout->addWidget(form->buttonBox, 1, 0);

    setWindowTitle(tr("Yavo IME Help"));
    form->textBrowser->setHtml(tr("<p>help</p>"));
    connect(form->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(form->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    QMetaObject::connectSlotsByName(this);
    new FocusLeaveCloser(this);
    setFocus();
}

YavoIMEHelp::~YavoIMEHelp()
{
    delete form;
}

void YavoIMEHelp::done(int result)
{
    QDialog::done(result);
}

void YavoIMEHelp::focusOutEvent(QFocusEvent *event)
{
    QDialog::focusOutEvent(event);
}

void YavoIMEHelp::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
}

void YavoIMEHelp::closeEvent(QCloseEvent *event)
{
    QDialog::closeEvent(event);
}
