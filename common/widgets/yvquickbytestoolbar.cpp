#include "widgets/yvquickbytestoolbar.h"

#include "core/indicchars.h"
#include "core/sharedsettings.h"

#include <QDate>
#include <QDesktopServices>
#include <QEvent>
#include <QFile>
#include <QLocale>
#include <QTextStream>
#include <QTime>
#include <QToolButton>
#include <QUrl>
#include <QWidgetAction>

// The default QuickBytes file is compiled into the (static) common library;
// referring to its initialiser keeps the linker from dropping it.
static void initQuickBytesResource()
{
    Q_INIT_RESOURCE(yavocommon);
}

namespace {

const QString defaultFilePath = QStringLiteral(":/resources/quickbytes.txt");

void copyDefaultFileIfMissing()
{
    const QString path = SharedSettings::quickBytesPath();
    if (!QFile::exists(path))
        QFile::copy(defaultFilePath, path);
}

} // namespace

yvQuickBytesToolBar::yvQuickBytesToolBar(QB_Type type, QWidget *parent)
    : QToolBar(tr("QuickBytesbar"), parent)
    , m_type(type)
{
    initQuickBytesResource();

    setStyleSheet(QStringLiteral(
        "QToolBar{padding: 0; margin:0; background-color: qlineargradient(spread:pad, "
        "x1:0, y1:0, x2:1, y2:1,   stop:0 #DCDCDC, stop:1 #C0C0C0); color: #000000; "
        "border-radius: 1px;} QToolBar QToolButton { padding: 0; margin: 0; font: 18px;}"));
    setAllowedAreas(Qt::LeftToolBarArea | Qt::RightToolBarArea | Qt::BottomToolBarArea);
    setMaximumHeight(28);

    auto *edit = new QToolButton(this);
    m_editButton = edit;
    edit->setText(QStringLiteral("..."));
    edit->setAutoRaise(false);
    // Neither this nor an entry's button takes the focus from where the
    // user is typing: that is where a snippet goes.
    edit->setFocusPolicy(Qt::NoFocus);
    connect(edit, &QToolButton::clicked, this, &yvQuickBytesToolBar::onEdit);

    copyDefaultFileIfMissing();

    addWidget(edit);
    addSeparator();
    retranslate();
    updateToolbar();
}

void yvQuickBytesToolBar::changeEvent(QEvent *event)
{
    QToolBar::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void yvQuickBytesToolBar::retranslate()
{
    setWindowTitle(tr("QuickBytesbar"));
    setToolTip(tr(
        "QuickBytes: Allows you to keep frequently accessed words/letters as shortcuts;\n"
        "You could edit them on your own anytime;\n"
        "Key = Value pair, with equal-to(=) as separator!\n"
        "key is the text displayed in this widget and value is what get inserted at current\n"
        "cursor position in the current tab! easy??"));
    if (m_editButton)
        m_editButton->setToolTip(tr("Edit quick bytes"));
}

yvQuickBytesToolBar::~yvQuickBytesToolBar() = default;

QToolButton *yvQuickBytesToolBar::editButton() const
{
    return m_editButton;
}

void yvQuickBytesToolBar::addEntry(const QString &label, const QString &text)
{
    const QString key = label.trimmed();
    for (const auto &entry : qAsConst(m_entries)) {
        if (entry.first == key)
            return;  // the first occurrence wins
    }
    m_entries.append(qMakePair(key, text.trimmed()));
}

void yvQuickBytesToolBar::readEntries(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QTextStream in(&file);
    in.setCodec(utf8CodecName.constData());  // a byte-order mark still wins
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(QLatin1String("//")))
            continue;
        const QStringList pieces = line.split(QLatin1Char('='), Qt::SkipEmptyParts);
        if (pieces.size() < 2)
            continue;
        if (pieces.first().trimmed().isEmpty() || pieces.last().trimmed().isEmpty())
            continue;
        addEntry(pieces.first(), pieces.last());
    }
}

void yvQuickBytesToolBar::removeButtons()
{
    const QList<QAction *> barActions = actions();
    for (QToolButton *button : qAsConst(m_buttons)) {
        // The bar wraps each added widget in an action of its own; drop it
        // too, or every rebuild would leave an empty action behind.
        for (QAction *action : barActions) {
            auto *widgetAction = qobject_cast<QWidgetAction *>(action);
            if (widgetAction && widgetAction->defaultWidget() == button) {
                removeAction(widgetAction);
                widgetAction->deleteLater();
                break;
            }
        }
        button->deleteLater();
    }
    m_buttons.clear();
}

void yvQuickBytesToolBar::updateToolbar()
{
    m_entries.clear();
    if (m_type == QB_Editor) {
        addEntry(QStringLiteral("zwnj"), QString(QChar(IndicChars::zeroWidthNonJoiner)));
        addEntry(QStringLiteral("zwj"), QString(QChar(IndicChars::zeroWidthJoiner)));
        addEntry(QString(QChar(0x0C81)), QString(QChar(0x0C81)));  // candrabindu
        addEntry(QString(QChar(0x0CBC)), QString(QChar(0x0CBC)));  // nukta
    }

    removeButtons();
    readEntries(SharedSettings::quickBytesPath());

    for (const auto &entry : qAsConst(m_entries)) {
        auto *button = new QToolButton(this);
        button->setText(entry.first);
        button->setToolTip(entry.second);
        button->setEnabled(m_type == QB_Editor);
        button->setFocusPolicy(Qt::NoFocus);
        m_buttons.append(button);
        const QString text = entry.second;
        connect(button, &QToolButton::clicked, this, [this, text] { emit charClicked(text); });
        addWidget(button);
    }
}

QString yvQuickBytesToolBar::textFor(const QString &label) const
{
    if (label.isEmpty())
        return QString();
    for (const auto &entry : m_entries) {
        if (entry.first != label)
            continue;
        QString text = entry.second;
        const QString date = QStringLiteral("{date}");
        const QString time = QStringLiteral("{time}");
        if (text.contains(date))
            text.replace(date, QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
        if (text.contains(time))
            text.replace(time, QTime::currentTime().toString(QStringLiteral("h:m:s ap")));
        return text;
    }
    return QString();
}

void yvQuickBytesToolBar::keyPressEvent(QKeyEvent *event)
{
    // Keys belong to the window the bar sits in.
    QWidget::keyPressEvent(event);
}

void yvQuickBytesToolBar::onEdit()
{
    copyDefaultFileIfMissing();
    const QString path = SharedSettings::quickBytesPath();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
