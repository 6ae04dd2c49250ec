#include "editor/searchwidget.h"

#include "editor/mediawiki.h"

#include "utils/utils.h"
#include "widgets/unicodelineedit.h"

#include <QMessageBox>
#include <QProgressBar>
#include <QTextBrowser>
#include <QVBoxLayout>

SearchWidget::SearchWidget(QWidget *parent)
    : QDialog(parent, Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
    , m_client(nullptr)
    , m_lineEdit(new UnicodeLineEdit)
    , m_textBrowser(new QTextBrowser)
    , m_layout(new QVBoxLayout(this))
    , m_progressBar(new QProgressBar)
{
    setWindowTitle(tr("Yavo - Wiktionary (Online)..."));
    m_textBrowser->setOpenLinks(false);
    m_progressBar->setRange(0, 0);
    m_progressBar->setTextVisible(false);

    m_layout->setContentsMargins(2, 2, 2, 2);
    m_layout->setSpacing(2);
    m_layout->addWidget(m_lineEdit);
    m_layout->addWidget(m_textBrowser);
    m_layout->addWidget(m_progressBar);
    m_progressBar->hide();

    connect(m_lineEdit, &UnicodeLineEdit::editingFinished, this, &SearchWidget::go);
    connect(m_textBrowser, &QTextBrowser::anchorClicked, this, &SearchWidget::onAnchorClicked);

    m_client = new MediaWiki(this);
    connect(m_client, QOverload<bool>::of(&MediaWiki::finished), this, &SearchWidget::finished);

    setMinimumSize(400, 200);
}

void SearchWidget::setSite(const WiktionarySite &site)
{
    m_client->setSite(site);
}

void SearchWidget::go()
{
    const QString typed = m_lineEdit->text();
    m_textBrowser->clear();
    if (!typed.simplified().isEmpty())
        m_client->search(typed);
    m_progressBar->show();
}

void SearchWidget::search(const QString &word)
{
    m_lineEdit->setText(word);
    m_textBrowser->clear();
    m_lineEdit->setFocus(Qt::OtherFocusReason);
    go();
}

void SearchWidget::addWordToWiktionary()
{
}

void SearchWidget::finished(bool)
{
    m_progressBar->hide();
    m_textBrowser->setText(m_client->result());
}

void SearchWidget::onAnchorClicked(const QUrl &)
{
    QMessageBox::information(this, tr("Yavo - Wiktionary (Online)...)"),
                             tr("Don't be over  ;) smart !"), QMessageBox::Ok);
}

void SearchWidget::setLanguage(int language, int keyboard)
{
    m_lineEdit->setLanguage(language, keyboard);
    updateLanguage(language);
}

void SearchWidget::updateLanguage(int language)
{
    const QFont font(Utils::defaultFontFamily(language), 11);
    m_lineEdit->setFont(font);
    m_textBrowser->setFont(font);
    m_client->setLanguage(language);
}
