#include "app/helptopics.h"
#include "app/ui_helptopics.h"

#include <QApplication>
#include <QFile>

HelpTopics::HelpTopics(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::HelpTopics)
{
    Q_INIT_RESOURCE(yavopad);
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    connect(ui->findForward, &QToolButton::clicked, this, &HelpTopics::onFindForwardClicked);
    connect(ui->findBackWard, &QToolButton::clicked, this, &HelpTopics::onFindBackwardClicked);

    ui->textEdit->clear();
    QFile page(QStringLiteral(":/resources/HelpTopics.html"));
    if (page.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QByteArray bytes = page.readAll();
        const int zero = bytes.indexOf('\0');
        if (zero >= 0)
            bytes.truncate(zero);
        ui->textEdit->setHtml(QString::fromUtf8(bytes));
    }

    ui->lineEdit->selectAll();
    ui->lineEdit->setFocus();
}

HelpTopics::~HelpTopics()
{
    delete ui;
}

void HelpTopics::showEvent(QShowEvent *event)
{
    QApplication::setActiveWindow(this);
    QDialog::showEvent(event);
}

void HelpTopics::onFindForwardClicked()
{
    ui->textEdit->find(ui->lineEdit->text());
}

void HelpTopics::onFindBackwardClicked()
{
    ui->textEdit->find(ui->lineEdit->text(), QTextDocument::FindBackward);
}
