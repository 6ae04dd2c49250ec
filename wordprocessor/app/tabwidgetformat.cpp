// The tab widget's menus of script, keyboard and encoding, and the
// formatting widgets it adds to the main toolbar.
#include "app/tabwidget.h"

#include "app/installedfontfamily.h"
#include "app/mainwindow.h"
#include "app/ui_mainwindow.h"

#include "editor/unicodekaeditor.h"
#include "utils/utils.h"

#include <QActionGroup>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabBar>
#include <QToolBar>

namespace {

constexpr int englishLanguage = 9;

const char *const languageStatusNames[] = {
    QT_TRANSLATE_NOOP("TabWidget", "Kannada"), QT_TRANSLATE_NOOP("TabWidget", "Telugu"),
    QT_TRANSLATE_NOOP("TabWidget", "Malayalam"), QT_TRANSLATE_NOOP("TabWidget", "Oriya"),
    QT_TRANSLATE_NOOP("TabWidget", "Hindi"), QT_TRANSLATE_NOOP("TabWidget", "Gujarathi"),
    QT_TRANSLATE_NOOP("TabWidget", "Bengali"), QT_TRANSLATE_NOOP("TabWidget", "Gurmukhi"),
    QT_TRANSLATE_NOOP("TabWidget", "Tamil"), QT_TRANSLATE_NOOP("TabWidget", "English")};

struct KeyboardStatus
{
    const char *name;
    const char *icon;
};
const KeyboardStatus keyboardStatus[] = {
    {QT_TRANSLATE_NOOP("TabWidget", "Phonetic"), ":/resources/lo_baraha_32.png"},
    {QT_TRANSLATE_NOOP("TabWidget", "KPRao"), ":/resources/lo_kagapa_32.png"},
    {QT_TRANSLATE_NOOP("TabWidget", "InScript"), ":/resources/lo_inscript_32.png"},
    {QT_TRANSLATE_NOOP("TabWidget", "Transliteration"), ":/resources/lo_indlish_32.png"},
    {QT_TRANSLATE_NOOP("TabWidget", "Phonetic-2"), ":/resources/lo_inscript_32.png"},
    {QT_TRANSLATE_NOOP("TabWidget", "KPRao - Extended"), ":/resources/lo_kagapa_32.png"}};

// Each entry of an exclusive menu, separators left out, in menu order.
QList<QAction *> groupMenu(QMenu *menu, QActionGroup *group)
{
    QList<QAction *> list;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        action->setCheckable(true);
        group->addAction(action);
        list.append(action);
    }
    return list;
}

} // namespace

void TabWidget::createFormatToolBar()
{
    Ui::MainWindow *ui = m_mainWindow->ui();
    QToolBar *toolBar = ui->mainToolBar;

    if (m_languageActions.isEmpty()) {
        m_languageGroup = new QActionGroup(ui->menuLanguage);
        m_languageActions = groupMenu(ui->menuLanguage, m_languageGroup);
        for (QAction *action : qAsConst(m_languageActions))
            connect(action, SIGNAL(toggled(bool)), this, SLOT(slotLanguageActionToggled(bool)));
    }

    m_comboSize = toolBar->findChild<QComboBox *>(QStringLiteral("comboSize"));
    if (!m_comboSize) {
        m_comboSize = new QComboBox;
        m_comboSize->setObjectName(QStringLiteral("comboSize"));
        addToolBarLabel(QT_TR_NOOP(" Font Size: "));
        toolBar->addWidget(m_comboSize);
        m_comboSize->setEditable(true);
        m_comboSize->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        m_comboSize->setMinimumContentsLength(3);
        const QList<int> sizes = QFontDatabase::standardSizes();
        for (int size : sizes)
            m_comboSize->addItem(QString::number(size));
        connect(m_comboSize, SIGNAL(activated(QString)), this, SLOT(slotTextSize(QString)));
        m_comboSize->setCurrentIndex(m_comboSize->findText(QStringLiteral("12")));
        m_comboSize->lineEdit()->setValidator(new QIntValidator(1, 9999, m_comboSize));
    }

    if (m_bulletActions.isEmpty()) {
        m_bulletGroup = new QActionGroup(ui->menuBullets);
        m_bulletActions = groupMenu(ui->menuBullets, m_bulletGroup);
        for (QAction *action : qAsConst(m_bulletActions))
            connect(action, SIGNAL(toggled(bool)), this, SLOT(slotButtetsActionToggled(bool)));
    }

    if (m_keyboardActions.isEmpty()) {
        m_keyboardGroup = new QActionGroup(ui->menuKeyboard);
        m_keyboardActions = groupMenu(ui->menuKeyboard, m_keyboardGroup);
        for (QAction *action : qAsConst(m_keyboardActions))
            connect(action, SIGNAL(toggled(bool)), this, SLOT(slotKeyboardActionToggled(bool)));
    }

    m_comboFont = toolBar->findChild<QFontComboBox *>(QStringLiteral("comboFontFamily"));
    if (!m_comboFont) {
        m_comboFont = new QFontComboBox;
        m_comboFont->setObjectName(QStringLiteral("comboFontFamily"));
        m_comboFont->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        QFont small = m_comboFont->font();
        small.setPixelSize(9);
        m_comboFont->setFont(small);
        toolBar->addSeparator();
        addToolBarLabel(QT_TR_NOOP(" Font: "));
        toolBar->addWidget(m_comboFont);
        connect(m_comboFont, SIGNAL(activated(QString)), this, SLOT(slotTextFontFamily(QString)));
        connect(m_comboFont->lineEdit(), &QLineEdit::editingFinished, this, &TabWidget::onFontFamilyEdited);
    }

    m_prefixLengthSpinBox = toolBar->findChild<QSpinBox *>(QStringLiteral("prefixLengthSpinBox"));
    if (!m_prefixLengthSpinBox) {
        m_prefixLengthSpinBox = new QSpinBox(this);
        m_prefixLengthSpinBox->setObjectName(QStringLiteral("prefixLengthSpinBox"));
        m_prefixLengthSpinBox->setRange(1, 26);
        toolBar->addSeparator();
        addToolBarLabel(QT_TR_NOOP(" Auto complete after "));
        toolBar->addWidget(m_prefixLengthSpinBox);
        addToolBarLabel(QT_TR_NOOP(" keys"));
        m_prefixLengthSpinBox->setToolTip(tr("Auto complete prefix length"));
        connect(m_prefixLengthSpinBox, SIGNAL(valueChanged(int)),
                this, SLOT(setAutoComplpetePrefixLength(int)));
    }

    m_encodingGroup = new QActionGroup(ui->menuEncoding);
    for (QAction *action : ui->menuEncoding->actions())
        m_encodingGroup->addAction(action);
    connect(ui->menuEncoding, &QMenu::triggered, this, &TabWidget::onEncodingActionTriggered);

    // The fields are typed into after a click; Tab and the window's first
    // focus stay with the document.
    for (QWidget *field : {static_cast<QWidget *>(m_comboSize), static_cast<QWidget *>(m_comboFont),
                           static_cast<QWidget *>(m_prefixLengthSpinBox)})
        field->setFocusPolicy(Qt::ClickFocus);

    connect(this, &TabWidget::loadCompleter, this, &TabWidget::slotLoadCompleter, Qt::QueuedConnection);
}

void TabWidget::addToolBarLabel(const char *text)
{
    auto *label = new QLabel(tr(text), this);
    m_mainWindow->ui()->mainToolBar->addWidget(label);
    m_toolBarLabels.append({label, text});
}

void TabWidget::changeEvent(QEvent *event)
{
    QTabWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

// The texts the tab widget set itself; the form's are the main window's.
void TabWidget::retranslate()
{
    for (const auto &label : qAsConst(m_toolBarLabels)) {
        if (label.first)
            label.first->setText(tr(label.second));
    }
    if (m_prefixLengthSpinBox)
        m_prefixLengthSpinBox->setToolTip(tr("Auto complete prefix length"));
    if (QWidget *corner = cornerWidget(Qt::TopRightCorner))
        corner->setToolTip(tr("Close Current Tab"));
    for (int i = 0; i < count(); ++i)
        nameCloseButton(i);
    updateLanguageStatus(m_language);
    updateKeyboardStatus(m_keyboard);
    if (m_currentEditor) {
        emit m_currentEditor->textChanged();
        emit m_currentEditor->cursorPositionChanged();
    }
}

void TabWidget::tabInserted(int index)
{
    QTabWidget::tabInserted(index);
    nameCloseButton(index);
}

// The tab bar's own close buttons name themselves in Qt's words, which the
// program's translation does not reach: they say what File > Close Tab says.
void TabWidget::nameCloseButton(int index)
{
    const QString text = m_mainWindow->ui()->actionClose->iconText();
    for (QTabBar::ButtonPosition side : {QTabBar::LeftSide, QTabBar::RightSide}) {
        if (QWidget *button = tabBar()->tabButton(index, side))
            button->setToolTip(text);
    }
}

void TabWidget::connectActions()
{
    Ui::MainWindow *ui = m_mainWindow->ui();
    connect(this, SIGNAL(currentChanged(int)), this, SLOT(slotCurrentChanged(int)));
    auto *alignment = new QActionGroup(ui->mainToolBar);
    for (QAction *action : {ui->actionJustify, ui->actionAlign_center, ui->actionAlign_left, ui->actionAlign_right})
        alignment->addAction(action);
    connect(alignment, SIGNAL(triggered(QAction*)), this, SLOT(slotTextAlign(QAction*)));
    connect(ui->actionAscending, SIGNAL(triggered()), this, SLOT(slotSortAscending()));
    connect(ui->actionDescending, SIGNAL(triggered()), this, SLOT(slotSortDescending()));
    connect(ui->actionChooseFont, SIGNAL(triggered()), this, SLOT(onChooseFontClicked()));
    connect(ui->actionIncreaseTextSize, SIGNAL(triggered()), this, SLOT(onIncreaseTextSizeClicked()));
    connect(ui->actionDecreaseTextSize, SIGNAL(triggered()), this, SLOT(onDecreaseTextSizeClicked()));
    connect(ui->actionTabbar, SIGNAL(toggled(bool)), this, SLOT(slotSetTabbarVisible(bool)));
    connect(ui->actionSpell_Check_As_You_Type, SIGNAL(toggled(bool)),
            this, SLOT(setSpellCheckAsYouType(bool)));
    connectEditingActions();
}

// --- Language -----------------------------------------------------------

void TabWidget::slotLanguageActionToggled(bool checked)
{
    if (!checked || !m_languageGroup->checkedAction())
        return;
    const int position = m_languageActions.indexOf(m_languageGroup->checkedAction());
    slotChangeLanguage(position > englishLanguage ? englishLanguage : position);
}

void TabWidget::slotChangeLanguage(int language)
{
    UnicodeKaEditor *editor = m_currentEditor;
    if (!editor || editor->language() == language)
        return;
    m_comboFont->setWritingSystem(Utils::writingSystem(language));
    editor->changeLanguage(language);
    editor->setLanguageFont(language);
    editor->setFocus();
    m_mainWindow->ui()->actionKeyboardLayoutHelp->setEnabled(language != 3 && language != 8
                                                              && language != englishLanguage);
    updateLanguageStatus(language);
    bindFindPanel();
}

void TabWidget::slotLanguageChanged(int language)
{
    if (m_languageActions.indexOf(m_languageGroup->checkedAction()) == language && language >= 0)
        return;
    if (language < 0 || language >= m_languageActions.size())
        return;
    m_languageActions.at(language)->setChecked(true);
    m_comboFont->setWritingSystem(Utils::writingSystem(language));
    updateLanguageStatus(language);
}

void TabWidget::updateLanguageStatus(int index)
{
    m_language = index;
    const int nameIndex = index >= 0 && index <= englishLanguage ? index : 0;
    m_languageLabel->setText(tr("<b>Language</b>: %1").arg(tr(languageStatusNames[nameIndex])));
    QAction *english = m_mainWindow->ui()->actionEnglishLanguage;
    if (index == englishLanguage) {
        english->setIcon(QIcon(QStringLiteral(":/resources/lo_english_32.png")));
    } else {
        english->setIcon(QIcon(QStringLiteral(":/resources/lo_kannada_32.png")));
        m_lastIndicLanguage = index;
    }
}

// --- Keyboard -----------------------------------------------------------

void TabWidget::slotKeyboardActionToggled(bool checked)
{
    if (!checked || !m_keyboardGroup->checkedAction())
        return;
    slotChangeKeyboard(m_keyboardActions.indexOf(m_keyboardGroup->checkedAction()));
}

void TabWidget::slotChangeKeyboard(int keyboard)
{
    UnicodeKaEditor *editor = m_currentEditor;
    if (!editor || editor->keyboard() == keyboard)
        return;
    editor->setKeyboard(keyboard);
    updateKeyboardStatus(keyboard);
    bindFindPanel();
}

void TabWidget::slotKeyboardChanged(int keyboard)
{
    if (m_keyboardGroup->checkedAction()
        && m_keyboardActions.indexOf(m_keyboardGroup->checkedAction()) == keyboard)
        return;
    if (keyboard < 0 || keyboard >= m_keyboardActions.size())
        keyboard = 0;
    m_keyboardActions.at(keyboard)->setChecked(true);
    updateKeyboardStatus(keyboard);
}

void TabWidget::updateKeyboardStatus(int index)
{
    m_keyboard = index;
    const KeyboardStatus &status = keyboardStatus[index >= 0 && index <= 5 ? index : 0];
    m_keyboardLabel->setText(tr("<b>Keyboard</b>: %1").arg(tr(status.name)));
    m_mainWindow->ui()->actionKeyboardLayout->setIcon(QIcon(QString::fromLatin1(status.icon)));
}

// --- Encoding -----------------------------------------------------------

void TabWidget::onEncodingActionTriggered(QAction *action)
{
    int index = m_mainWindow->ui()->menuEncoding->actions().indexOf(action);
    if (index < 0)
        index = 1;
    for (int i = 0; i < count(); ++i) {
        if (UnicodeKaEditor *editor = editorAtIndex(i))
            editor->setTextEncodingIndex(index);
    }
}

void TabWidget::setTextEncodingIndex(int encodingIndex)
{
    const QList<QAction *> actions = m_mainWindow->ui()->menuEncoding->actions();
    if (encodingIndex < 0 || encodingIndex >= actions.size())
        encodingIndex = 1;
    actions.at(encodingIndex)->setChecked(true);
}

int TabWidget::textEncodingIndex() const
{
    return m_mainWindow->ui()->menuEncoding->actions().indexOf(m_encodingGroup->checkedAction());
}

// --- Font family and size -----------------------------------------------

QString TabWidget::fontFamily() const
{
    return m_comboFont ? m_comboFont->currentText() : QString();
}

void TabWidget::slotTextFontFamily(const QString &f)
{
    if (f.isEmpty())
        return;
    if (UnicodeKaEditor *editor = m_currentEditor) {
        editor->slotTextFontFamily(f);
        editor->setFocus();
    }
    if (m_completer && m_completer->popup())
        m_completer->popup()->setFont(QFont(f, 11));
}

void TabWidget::slotFontFamilyChanged(const QString &family)
{
    if (family.isEmpty())
        return;
    // A family the machine lacks (the Windows defaults) falls back to an
    // installed one of the same script, so the font box is never empty.
    const QString installed = installedFamily(family);
    if (m_comboFont) {
        if (m_comboFont->currentText().compare(installed, Qt::CaseInsensitive) == 0) {
            m_comboFont->lineEdit()->setText(installed);
            return;
        }
        m_comboFont->setCurrentIndex(m_comboFont->findText(installed, Qt::MatchFixedString));
    }
    slotTextFontFamily(installed);
}

QString TabWidget::installedFamily(const QString &family) const
{
    return installedFontFamily(family, Utils::writingSystem(m_language));
}

void TabWidget::slotTextSize(const QString &p)
{
    if (UnicodeKaEditor *editor = m_currentEditor) {
        QTextCharFormat format;
        const qreal size = p.toDouble();
        if (size > 0) {
            format.setFontPointSize(size);
            editor->mergeFormatOnWordOrSelection(format);
        }
        editor->setFocus();
    }
    const int size = p.toInt();
    m_fontSize = size == 0 ? 12 : size;
}

// --- Completion and spelling --------------------------------------------

void TabWidget::setAutoComplpetePrefixLength(int length)
{
    const int v = qMax(3, length);
    if (m_prefixLengthSpinBox->value() == v) {
        for (int i = 0; i < count(); ++i) {
            if (UnicodeKaEditor *editor = editorAtIndex(i))
                editor->setAutoComplpetePrefixLength(v);
        }
    } else {
        m_prefixLengthSpinBox->setValue(v);
    }
}

int TabWidget::autoComplpetePrefixLength() const
{
    return m_prefixLengthSpinBox->value();
}

void TabWidget::setSpellCheckAsYouType(bool on)
{
    QAction *action = m_mainWindow->ui()->actionSpell_Check_As_You_Type;
    if (action->isChecked() != on) {
        // Its toggled() brings the new state back here, once.
        action->setChecked(on);
        return;
    }
    for (int i = 0; i < count(); ++i) {
        if (UnicodeKaEditor *editor = editorAtIndex(i))
            editor->setSpellCheckAsYouType(on);
    }
}

bool TabWidget::spellCheckAsYouType() const
{
    return m_mainWindow->ui()->actionSpell_Check_As_You_Type->isChecked();
}
