#include "editor/wiktionaryonline.h"
#include "ui_wiktionaryonline.h"

#include "editor/mediawiki.h"
#include "editor/wiktionarysite.h"
#include "editor/wordhistory.h"

#include "utils/utils.h"

#include <QApplication>

WiktionaryOnline::WiktionaryOnline(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint)
    , ui(new Ui::WiktionaryOnline)
    , m_client(new MediaWiki(this))
{
    ui->setupUi(this);
    ui->progressBar->hide();

    connect(ui->toolButton, &QToolButton::clicked, this, &WiktionaryOnline::onSearchClicked);
    connect(ui->plainTextEdit, &UnicodeLineEdit::editingFinished, this, &WiktionaryOnline::onSearchClicked);
    connect(m_client, QOverload<bool>::of(&MediaWiki::finished), this, &WiktionaryOnline::onFinished);
    connect(ui->textBrowser, &QTextBrowser::anchorClicked, this, &WiktionaryOnline::onAnchorClicked);
    connect(ui->backwardButton, &QToolButton::clicked, this, &WiktionaryOnline::onBackwardClicked);
    connect(ui->forwardButton, &QToolButton::clicked, this, &WiktionaryOnline::onForwardClicked);

    ui->backwardButton->setEnabled(false);
    ui->forwardButton->setEnabled(false);
    setAttribute(Qt::WA_DeleteOnClose);
}

WiktionaryOnline::~WiktionaryOnline()
{
    delete ui;
}

void WiktionaryOnline::setSite(const WiktionarySite &site)
{
    m_client->setSite(site);
}

void WiktionaryOnline::showEvent(QShowEvent *event)
{
    QApplication::setActiveWindow(this);
    QDialog::showEvent(event);
}

void WiktionaryOnline::setLanguage(int language, int keyboard)
{
    ui->plainTextEdit->setLanguage(language, keyboard);
    ui->plainTextEdit->setFocus(Qt::OtherFocusReason);
    ui->textBrowser->setFont(QFont(Utils::defaultFontFamily(language), 11));
    m_client->setLanguage(language);
}

void WiktionaryOnline::searchWord(const QString &word)
{
    ui->plainTextEdit->setText(word.simplified());
    ui->plainTextEdit->setFocus(Qt::OtherFocusReason);
    onSearchClicked();
}

void WiktionaryOnline::onSearchClicked()
{
    const QString text = ui->plainTextEdit->text();
    if (!text.isEmpty()) {
        ui->textBrowser->clear();
        ui->plainTextEdit->selectAll();
        ui->plainTextEdit->resetComposition();
        m_client->search(text);
        ui->progressBar->show();
        if (m_record && text != m_currentWord) {
            m_history.append(text);
            ui->backwardButton->setEnabled(true);
        }
        m_currentWord = text;
    }
    m_record = true;
}

void WiktionaryOnline::onFinished(bool)
{
    ui->progressBar->hide();
    ui->textBrowser->setText(m_client->result());
}

void WiktionaryOnline::onAnchorClicked(const QUrl &link)
{
    const QString text = link.toString();
    const QString prefix = m_client->site().pageLinkPrefix(
            Utils::languageCode(ui->plainTextEdit->language()));
    if (prefix.isEmpty() || !text.startsWith(prefix))
        return;
    searchWord(QString(text).remove(prefix));
}

void WiktionaryOnline::onBackwardClicked()
{
    stepThroughHistory(-1);
}

void WiktionaryOnline::onForwardClicked()
{
    stepThroughHistory(+1);
}

void WiktionaryOnline::stepThroughHistory(int step)
{
    if (m_history.isEmpty())
        return;
    const WordHistoryStep to(m_history, m_currentWord, step);
    updateHistoryButtons(to.position);
    m_record = false;
    if (to.hasTarget) {
        ui->plainTextEdit->setText(to.target);
        searchWord(to.target);
    }
}

void WiktionaryOnline::updateHistoryButtons(int index)
{
    ui->backwardButton->setEnabled(index > 0);
    ui->forwardButton->setEnabled(index < m_history.size() - 1);
}
