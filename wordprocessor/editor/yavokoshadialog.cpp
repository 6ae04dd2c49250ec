#include "editor/yavokoshadialog.h"
#include "ui_yavokoshadialog.h"

#include "dictionary/dictdatabase.h"
#include "editor/wordhistory.h"
#include "utils/utils.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

namespace {

// The links to similar words point into the maker's site; the dialog
// recognises them by this prefix and never opens them.
const QString similarWordPrefix = QStringLiteral("http://yavo.example.org/kosha/");

// Where a user without a dictionary for the language is sent.
const QString contactPage = QStringLiteral("https://yavo.example.org/contact");
const QString contactPageText = QStringLiteral("yavo.example.org");

constexpr int statusMessageMs = 6000;
constexpr int keyboardActionCount = 7;

const QSize defaultSize(400, 300);
const QPoint defaultPosition(200, 200);

} // namespace

YavoKoshaDialog::YavoKoshaDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint)
    , ui(new Ui::YavoKoshaDialog)
    , m_dictionary(new DictDatabase)
{
    ui->setupUi(this);

    connect(ui->searchButton, &QToolButton::clicked, this, &YavoKoshaDialog::onSearchClicked);
    connect(ui->forwardButton, &QToolButton::clicked, this, &YavoKoshaDialog::onForwardClicked);
    connect(ui->backwardButton, &QToolButton::clicked, this, &YavoKoshaDialog::onBackwardClicked);
    ui->forwardButton->setEnabled(false);
    ui->backwardButton->setEnabled(false);
    connect(ui->textBrowser, &QTextBrowser::backwardAvailable, this, &YavoKoshaDialog::onBackwardAvailable);
    connect(ui->textBrowser, &QTextBrowser::forwardAvailable, this, &YavoKoshaDialog::onForwardAvailable);
    connect(ui->textBrowser, &QTextBrowser::anchorClicked, this, &YavoKoshaDialog::onAnchorClicked);
    connect(ui->wordLineEdit, &UnicodeLineEdit::editingFinished, this, &YavoKoshaDialog::onSearchClicked);
    connect(ui->wordLineEdit, &UnicodeLineEdit::focusChanged, this,
            QOverload<>::of(&YavoKoshaDialog::updateStatusMessage));

    readGeometry();
    updateStatusMessage();
}

YavoKoshaDialog::~YavoKoshaDialog()
{
    // The field's focus-out, as the widgets go, must not reach a dialog
    // whose form is gone.
    disconnect(ui->wordLineEdit, nullptr, this, nullptr);
    writeGeometry();
    delete m_dictionary;
    delete ui;
}

void YavoKoshaDialog::showEvent(QShowEvent *event)
{
    QApplication::setActiveWindow(this);
    ui->wordLineEdit->selectAll();
    ui->wordLineEdit->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
}

void YavoKoshaDialog::setLanguage(int language, int keyboard)
{
    m_language = language;
    m_keyboard = keyboard;
    ui->wordLineEdit->setLanguage(language, keyboard);
    onLanguageActionToggled(true);
}

void YavoKoshaDialog::onLanguageActionToggled(bool checked)
{
    if (!checked)
        return;
    const bool found = m_dictionary->open(m_language, false);
    if (found) {
        ui->textBrowser->setFont(QFont(Utils::defaultFontFamily(m_language), 11));
        ui->wordLineEdit->setLanguage(m_language, m_keyboard);
    } else {
        const QString link = QStringLiteral("<a href=\"%1\">%2</a>").arg(contactPage, contactPageText);
        QMessageBox::information(this, tr("YavoKosha"),
                                 tr("Dictionary is not found for <b>%1</b>! <br/>Check here => %2")
                                         .arg(Utils::languageName(m_language), link),
                                 QMessageBox::Ok);
    }
    ui->wordLineEdit->setEnabled(found);
    ui->textBrowser->setEnabled(found);
    updateStatusMessage();
}

void YavoKoshaDialog::onKeyboardActionToggled(bool checked)
{
    // Nothing creates the group, so nothing can be selected in it.
    if (!checked || !m_keyboardActionGroup)
        return;
    const QAction *selected = m_keyboardActionGroup->checkedAction();
    int index = selected ? m_keyboardActionGroup->actions().indexOf(const_cast<QAction *>(selected)) : -1;
    if (index >= keyboardActionCount)
        index = 0;
    m_keyboard = index;
    ui->wordLineEdit->setLanguage(m_language, m_keyboard);
}

void YavoKoshaDialog::updateStatusMessage(const QString &msg)
{
    const QString text = msg.isEmpty()
            ? tr("Use \" F11\" key to toggle between %1 & English").arg(Utils::languageName(m_language))
            : msg;
    ui->statusBar->setText(text);
    QTimer::singleShot(statusMessageMs, this, &YavoKoshaDialog::onTimeOut);
}

void YavoKoshaDialog::updateStatusMessage()
{
    updateStatusMessage(QString());
}

void YavoKoshaDialog::onTimeOut()
{
    ui->statusBar->clear();
}

void YavoKoshaDialog::onSearchClicked()
{
    const QString text = ui->wordLineEdit->text();
    if (text.isEmpty())
        updateStatusMessage(tr("You have not entered any word!"));
    else
        lookUpWord(text);
}

void YavoKoshaDialog::searchWord(const QString &word)
{
    ui->wordLineEdit->setText(word);
    const QString simplified = word.simplified();
    if (!simplified.isEmpty())
        lookUpWord(simplified);
}

void YavoKoshaDialog::lookUpWord(const QString &typed)
{
    ui->textBrowser->clear();
    ui->wordLineEdit->selectAll();
    ui->wordLineEdit->resetComposition();

    const QString word = typed.trimmed();
    QString entry;
    if (!m_dictionary->meaning(word, entry))
        return;

    if (entry.isEmpty()) {
        updateStatusMessage(tr("Word not found. Sorry!"));
        // Words reach the view as text, never as markup of their own.
        ui->textBrowser->append(QStringLiteral("<i><b><font color=\"red\">&nbsp;&nbsp;%1</font></i></b>")
                                        .arg(word.toHtmlEscaped()));
        const QStringList similar = m_dictionary->suggestions(word);
        for (const QString &candidate : similar) {
            const QString href = similarWordPrefix + QString::fromLatin1(QUrl::toPercentEncoding(candidate));
            ui->textBrowser->append(QStringLiteral("<a href=\"%1\">%2</a>")
                                            .arg(href, candidate.toHtmlEscaped()));
        }
    } else {
        const int tag = entry.indexOf(QLatin1Char('<'));
        if (tag >= 0) {
            entry.insert(tag, QLatin1String("</font></h2>"));
            entry.prepend(QLatin1String("<h2><font color=\"darkblue\">&nbsp;&nbsp;"));
            ui->textBrowser->setHtml(entry);
        }
    }

    if (m_record && word != m_currentWord) {
        m_history.append(word);
        ui->backwardButton->setEnabled(m_history.size() > 1);
    }
    m_currentWord = word;
    m_record = true;
}

void YavoKoshaDialog::onAnchorClicked(const QUrl &link)
{
    const QString text = link.toString(QUrl::FullyEncoded);
    if (!text.startsWith(similarWordPrefix))
        return;
    const QByteArray encoded = text.mid(similarWordPrefix.size()).toLatin1();
    ui->wordLineEdit->setText(QUrl::fromPercentEncoding(encoded));
    onSearchClicked();
}

void YavoKoshaDialog::onBackwardAvailable(bool available)
{
    ui->backwardButton->setEnabled(available);
}

void YavoKoshaDialog::onForwardAvailable(bool available)
{
    ui->forwardButton->setEnabled(available);
}

void YavoKoshaDialog::onBackwardClicked()
{
    stepThroughHistory(-1);
}

void YavoKoshaDialog::onForwardClicked()
{
    stepThroughHistory(+1);
}

void YavoKoshaDialog::stepThroughHistory(int step)
{
    if (m_history.isEmpty())
        return;
    const WordHistoryStep to(m_history, m_currentWord, step);
    ui->backwardButton->setEnabled(to.currentFound && (step > 0 || to.position > 0));
    ui->forwardButton->setEnabled(to.position < m_history.size() - 1);
    if (!to.hasTarget)
        return;
    m_record = false;
    ui->wordLineEdit->setText(to.target);
    lookUpWord(to.target);
}

void YavoKoshaDialog::readGeometry()
{
    QSettings settings(settingsOrganization, dictSettingsApplication);
    settings.beginGroup(QStringLiteral("Geometry"));
    resize(settings.value(QStringLiteral("size"), defaultSize).toSize());
    move(settings.value(QStringLiteral("pos"), defaultPosition).toPoint());
    settings.endGroup();
}

void YavoKoshaDialog::writeGeometry()
{
    QSettings settings(settingsOrganization, dictSettingsApplication);
    settings.beginGroup(QStringLiteral("Geometry"));
    settings.setValue(QStringLiteral("size"), size());
    settings.setValue(QStringLiteral("pos"), pos());
    settings.endGroup();
}

void YavoKoshaDialog::onStopClicked()
{
}

void YavoKoshaDialog::onAboutClicked()
{
}

void YavoKoshaDialog::onExitClicked()
{
}

void YavoKoshaDialog::onActionInformationClicked()
{
}
