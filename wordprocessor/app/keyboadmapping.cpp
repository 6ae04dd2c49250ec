#include "app/keyboadmapping.h"
#include "app/ui_keyboadmapping.h"

#include "core/indictransliterator.h"
#include "core/languagetable.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// How many tiles each of the nine rows of a page takes.
struct RowLengths
{
    int language;
    int first;
    int second;
    int seventh;
    int lastPhonetic;
    int lastNudi;
};

// Rows 2 to 6 take five tiles everywhere. Languages not listed (Kannada,
// Malayalam and any other number) use the first row.
constexpr RowLengths rowLengthTable[] = {
    { 0, 10, 5, 11, 2, 4 },
    { 1, 10, 5, 10, 2, 4 },
    { 4, 10, 5, 11, 3, 5 },
    { 5, 9, 4, 10, 2, 4 },
    { 6, 9, 4, 10, 2, 4 },
    { 7, 9, 4, 9, 2, 4 },
};

const RowLengths &rowLengthsOf(int language)
{
    for (const RowLengths &row : rowLengthTable) {
        if (row.language == language)
            return row;
    }
    return rowLengthTable[0];
}

QList<int> rowLengths(int language, bool nudi)
{
    const RowLengths &row = rowLengthsOf(language);
    return { row.first, row.second, 5, 5, 5, 5, 5, row.seventh, nudi ? row.lastNudi : row.lastPhonetic };
}

constexpr int Malayalam = 2;
constexpr int Hindi = 4;
constexpr int Bengali = 6;

} // namespace

KeyboadMapping::KeyboadMapping(int language, int keyboard, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint)
    , ui(new Ui::KeyboadMapping)
    , m_language(language)
{
    Q_INIT_RESOURCE(yavopad);
    ui->setupUi(this);
    // The pages' tiles have fixed sizes: the window never shrinks below a
    // page, whatever the form's minimum width and the screen allow.
    layout()->setSizeConstraint(QLayout::SetMinimumSize);

    createPhoneticHelp();
    createNudiHelp();

    if (keyboard == 1) {
        ui->nudiRadio->setChecked(true);
        onNudoRadioClicked();
    } else {
        ui->phoneticRadio->setChecked(true);
        onPhoneticRadioClicked();
    }

    connect(ui->phoneticRadio, &QRadioButton::clicked, this, &KeyboadMapping::onPhoneticRadioClicked);
    connect(ui->nudiRadio, &QRadioButton::clicked, this, &KeyboadMapping::onNudoRadioClicked);
}

KeyboadMapping::~KeyboadMapping()
{
    delete ui;
}

void KeyboadMapping::onPhoneticRadioClicked()
{
    if (ui->stackedWidget->count() < 1)
        createPhoneticHelp();
    ui->stackedWidget->setCurrentIndex(PhoneticPage);
    adjustSize();
}

void KeyboadMapping::onNudoRadioClicked()
{
    if (ui->stackedWidget->count() < 2)
        createNudiHelp();
    ui->stackedWidget->setCurrentIndex(NudiPage);
    adjustSize();
}

void KeyboadMapping::createPhoneticHelp()
{
    createHelp(PhoneticPage);
}

void KeyboadMapping::createNudiHelp()
{
    createHelp(NudiPage);
}

void KeyboadMapping::setPhoneticRowLens(QList<int> &rowLen)
{
    rowLen += rowLengths(m_language, false);
}

void KeyboadMapping::setNudiRowLens(QList<int> &rowLen)
{
    rowLen += rowLengths(m_language, true);
}

// The invisible joiners are shown by name; on the Kannada Nudi page "F"
// shows the Kannada digit nine, as the keyboard prints it.
QString KeyboadMapping::displayText(Page page, const QString &key, const QString &converted) const
{
    if (key == QLatin1String(page == PhoneticPage ? "x" : "ff"))
        return QStringLiteral("ZWNJ");
    if (key == QLatin1String("X"))
        return QStringLiteral("ZWJ");
    if (page == NudiPage && m_language == 0 && key == QLatin1String("F"))
        return IndicTransliterator().convert(QStringLiteral("9"), 0, 0);
    return converted;
}

void KeyboadMapping::createHelp(Page page)
{
    auto *pageWidget = new QWidget;
    ui->stackedWidget->addWidget(pageWidget);
    pageWidget->setStyleSheet(QStringLiteral("background-color: white;"));
    auto *grid = new QGridLayout(pageWidget);
    grid->setContentsMargins(3, 3, 3, 3);
    grid->setSpacing(3);

    IndicTransliterator transliterator;
    QStringList keys;
    if (page == PhoneticPage) {
        keys = transliterator.phoneticKeys();
    } else {
        keys = transliterator.kpraoKeys();
        keys << QStringLiteral("ff");
    }
    if (m_language == Hindi)
        keys << QStringLiteral("OM");

    QList<int> rowLen;
    if (page == PhoneticPage)
        setPhoneticRowLens(rowLen);
    else
        setNudiRowLens(rowLen);

    // The Phonetic page's style sheets end in ";", the Nudi page's do not.
    const QString end = page == PhoneticPage ? QStringLiteral(";") : QString();
    const int layout = page == PhoneticPage ? 0 : 1;
    const int scriptPointSize = m_language == Malayalam ? 15 : m_language == Bengali ? 17 : 12;

    QLabel *lastKeyLabel = nullptr;
    QLabel *lastScriptLabel = nullptr;
    QList<QFrame *> tiles;
    int next = 0;
    for (int row = 0; row < rowLen.size(); ++row) {
        int column = 0;
        while (column < rowLen.at(row) && next < keys.size()) {
            const QString key = keys.at(next++);
            const QString converted = transliterator.convertKey(key, m_language, layout);
            if (lastScriptLabel && lastScriptLabel->text() == converted) {
                lastKeyLabel->setText(key + QLatin1Char('/') + lastKeyLabel->text());
                continue;
            }

            auto *tile = new QFrame;
            tile->setFrameShape(QFrame::StyledPanel);
            tile->setStyleSheet(QStringLiteral("background-image:url(:/resources/button-bg.png);"));
            auto *tileLayout = new QVBoxLayout(tile);
            tileLayout->setContentsMargins(0, 0, 0, 0);
            tileLayout->setSpacing(0);

            auto *keyLabel = new QLabel(key);
            keyLabel->setAlignment(Qt::AlignCenter);
            keyLabel->setStyleSheet(QStringLiteral("color:brown") + end);
            QFont keyFont = keyLabel->font();
            keyFont.setPointSize(12);
            keyFont.setBold(true);
            keyLabel->setFont(keyFont);

            auto *scriptLabel = new QLabel(displayText(page, key, converted));
            scriptLabel->setAlignment(Qt::AlignCenter);
            scriptLabel->setStyleSheet(QStringLiteral("color:darkblue") + end);
            QFont scriptFont(LanguageTable::defaultFontFamily(m_language));
            scriptFont.setBold(true);
            scriptFont.setPointSize(scriptPointSize);
            scriptLabel->setFont(scriptFont);

            tileLayout->addWidget(keyLabel, 0, Qt::AlignCenter);
            tileLayout->addWidget(scriptLabel, 0, Qt::AlignCenter);
            grid->addWidget(tile, row, column++);
            tiles.append(tile);
            lastKeyLabel = keyLabel;
            lastScriptLabel = scriptLabel;
        }
    }
    // Indic fonts rise and fall far beyond Latin ones: the tiles, all of one
    // size, grow from 55 x 50 until every label has its whole height, so no
    // glyph loses its top or its bottom.
    QSize tileSize(55, 50);
    for (QFrame *tile : qAsConst(tiles))
        tileSize = tileSize.expandedTo(tile->sizeHint());
    for (QFrame *tile : qAsConst(tiles))
        tile->setFixedSize(tileSize);
}

void KeyboadMapping::keyPressEvent(QKeyEvent *event)
{
    close();
    QDialog::keyPressEvent(event);
}

void KeyboadMapping::showEvent(QShowEvent *event)
{
    QApplication::setActiveWindow(this);
    QDialog::showEvent(event);
}
