#include "app/ui_mainwindow.h"

#include "testmain.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QMainWindow>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

namespace {

// Every action of the form as the window shows it after setupUi(). The
// texts keep their blanks exactly; "&&" shows as one "&".
struct ActionRow
{
    QAction *Ui::MainWindow::*member;
    const char *name;
    const char *text;
    const char *shortcut;
    bool checkable;
    bool checked;
    bool visible;
    bool enabled;          // a hidden action is disabled as well
    bool hasIcon;
    bool iconInMenu;
    bool autoRepeat;
    const char *toolTip;   // "" when the form sets none
    const char *iconText;  // "" when the form sets none
};

const ActionRow actionRows[] = {
    { &Ui::MainWindow::actionOpen, "actionOpen", "Open...", "Ctrl+O", false, false, true, true, true, false, true, "", "" },
    { &Ui::MainWindow::actionSave, "actionSave", "Save...", "Ctrl+S", false, false, true, true, true, false, true, "Save...", "" },
    { &Ui::MainWindow::actionExit, "actionExit", "Exit", "", false, false, true, true, true, false, true, "Exit", "" },
    { &Ui::MainWindow::actionPDF, "actionPDF", "Export to PDF", "", false, false, true, true, true, false, true, "", "" },
    { &Ui::MainWindow::actionNew, "actionNew", "New", "Ctrl+N", false, false, true, true, true, false, true, "", "" },
    { &Ui::MainWindow::actionSave_as, "actionSave_as", "Save as...", "", false, false, true, true, true, false, true, "", "" },
    { &Ui::MainWindow::actionAlign_left, "actionAlign_left", "Left", "", true, false, true, true, true, true, true, "", "" },
    { &Ui::MainWindow::actionAlign_center, "actionAlign_center", "Center", "", true, false, true, true, true, true, true, "", "" },
    { &Ui::MainWindow::actionAlign_right, "actionAlign_right", "Right", "", true, false, true, true, true, true, true, "", "" },
    { &Ui::MainWindow::actionBold, "actionBold", "Bold", "Ctrl+B", true, false, true, true, true, false, true, "", "" },
    { &Ui::MainWindow::actionItalic, "actionItalic", "Italic", "Ctrl+I", true, false, true, true, true, false, true, "", "" },
    { &Ui::MainWindow::actionUnderline, "actionUnderline", "Underline", "Ctrl+U", true, false, true, true, true, false, true, "", "" },
    { &Ui::MainWindow::actionCut, "actionCut", "Cut", "Ctrl+X", false, false, true, true, true, false, true, "", "" },
    { &Ui::MainWindow::actionCopy, "actionCopy", "Copy", "Ctrl+C", false, false, true, true, true, false, true, "", "" },
    { &Ui::MainWindow::actionPaste, "actionPaste", "Paste", "Ctrl+V", false, false, true, true, true, false, true, "", "" },
    { &Ui::MainWindow::actionText_color, "actionText_color", "Text Color", "", false, false, true, true, false, true, false, "", "" },
    { &Ui::MainWindow::actionKeyboardLayout, "actionKeyboardLayout", " Keyboard Layout", "Ctrl+K", false, false, false, false, false, true, true, "", "" },
    { &Ui::MainWindow::actionAbout, "actionAbout", "About Yavo", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionAbout_Qt, "actionAbout_Qt", "About Qt", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionJustify, "actionJustify", "Justify", "", true, false, true, true, true, true, true, "", "" },
    { &Ui::MainWindow::actionScriptConvert, "actionScriptConvert", "Unicode Script Converter...", "", false, false, true, true, false, true, true, "Unicode to Unicode Script Convert", "Script Convert" },
    { &Ui::MainWindow::actionPicture, "actionPicture", "Picture", "", false, false, true, true, true, true, true, "", "" },
    { &Ui::MainWindow::actionInsert_Table, "actionInsert_Table", "Table", "", false, false, true, true, true, true, true, "", "" },
    { &Ui::MainWindow::actionFind, "actionFind", "Find && Replace", "", false, false, true, true, true, false, true, "", "" },
    { &Ui::MainWindow::actionEnglishLanguage, "actionEnglishLanguage", "English", "Ctrl+G", false, false, false, false, true, true, true, "", "" },
    { &Ui::MainWindow::actionSettings, "actionSettings", "Settings", "", false, false, false, false, false, true, true, "", "" },
    { &Ui::MainWindow::actionLink, "actionLink", "Link", "", false, false, false, false, false, true, true, "", "" },
    { &Ui::MainWindow::actionBullet, "actionBullet", "Bullet", "", false, false, false, false, false, true, true, "", "" },
    { &Ui::MainWindow::actionSidepane, "actionSidepane", "Side Pane", "", true, false, false, false, false, true, true, "Side Pane", "" },
    { &Ui::MainWindow::actionKeyboard, "actionKeyboard", "Keyboard Tutor", "", false, false, false, false, false, true, true, "", "" },
    { &Ui::MainWindow::actionKannada, "actionKannada", "Kannada", "", true, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionTelugu, "actionTelugu", "Telugu", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionPhonetic, "actionPhonetic", "Phonetic", "", true, false, true, true, false, false, true, "CTRL+K To Toggle", "" },
    { &Ui::MainWindow::actionK_P_Rao, "actionK_P_Rao", "Nudi (KP.Rao)                CTRL+K", "", true, false, true, true, false, true, true, "", "KP.Rao " },
    { &Ui::MainWindow::actionDisc, "actionDisc", "Disc", "", false, false, true, true, true, true, true, "", "" },
    { &Ui::MainWindow::actionCircle, "actionCircle", "Circle", "", false, false, true, true, true, true, true, "", "" },
    { &Ui::MainWindow::actionSquare, "actionSquare", "Square", "", false, false, true, true, true, true, true, "", "" },
    { &Ui::MainWindow::actionDecimal, "actionDecimal", "Decimal", "", false, false, true, true, true, true, true, "", "" },
    { &Ui::MainWindow::actionAlpha_Lower, "actionAlpha_Lower", "Alpha Lower", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionAlpha_Upper, "actionAlpha_Upper", "Alpha Upper", "", false, false, true, true, true, true, true, "", "" },
    { &Ui::MainWindow::actionMalayalam, "actionMalayalam", "Malayalam", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionOriya, "actionOriya", "Oriya", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionHindi, "actionHindi", "Hindi", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionGujarati, "actionGujarati", "Gujarati", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionBengali, "actionBengali", "Bengali", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionGurmukhi, "actionGurmukhi", "Gurmukhi", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionEnglish, "actionEnglish", "English       F11", "", false, false, true, true, false, false, true, "F11 To Toggle", "English " },
    { &Ui::MainWindow::actionToolbar, "actionToolbar", "Toolbar", "", true, true, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionUndo, "actionUndo", "Undo", "Ctrl+Z", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionRedo, "actionRedo", "Redo", "Ctrl+Shift+Z", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionSelect_All, "actionSelect_All", "Select All", "Ctrl+A", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionClear, "actionClear", "Clear", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionStatusbar, "actionStatusbar", "Statusbar", "", true, true, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionUnicodeTyping, "actionUnicodeTyping", "Unicode", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionAnsiTyping, "actionAnsiTyping", "ANSI", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionTamil, "actionTamil", "Tamil", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionBackground_Color, "actionBackground_Color", "Text Background Color", "", false, false, true, true, false, true, false, "Text Background Color", "" },
    { &Ui::MainWindow::actionYavoBanda, "actionYavoBanda", "YavoBanda", "", false, false, false, false, false, true, true, "", "" },
    { &Ui::MainWindow::actionIndLish, "actionIndLish", "Transliteration", "", true, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionTabbar, "actionTabbar", "Tabbar", "", true, true, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionClose, "actionClose", "Close Tab", "Ctrl+W", false, false, true, true, false, true, true, "Close current Tab", "" },
    { &Ui::MainWindow::actionPrint, "actionPrint", "Print...", "Ctrl+P", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionPrint_preview, "actionPrint_preview", "Print Preview...", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionRecentFiles, "actionRecentFiles", "Recent Files", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionPrint_Setup, "actionPrint_Setup", "Print Setup...", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionZoomIn, "actionZoomIn", "Zoom In", "Ctrl+PgUp", false, false, true, true, false, true, true, "ZoomIn", "" },
    { &Ui::MainWindow::actionZoomOut, "actionZoomOut", "Zoom Out", "Ctrl+PgDown", false, false, true, true, false, true, true, "ZoomOut", "" },
    { &Ui::MainWindow::actionSearch_Window, "actionSearch_Window", "Wiktionary Meaning (Online)...", "Ctrl+M", false, false, true, true, false, true, true, "Search Window", "" },
    { &Ui::MainWindow::actionAddToWiktionary, "actionAddToWiktionary", "AddToWiktionary", "Ctrl+Shift+A", false, false, false, false, false, true, true, "", "" },
    { &Ui::MainWindow::actionCheckForUpdates, "actionCheckForUpdates", "Check for Updates...", "", false, false, true, true, false, true, true, "Check For Updates", "" },
    { &Ui::MainWindow::actionSpellCheck, "actionSpellCheck", "Spell Check Dialog...", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionGiveMyFeedback, "actionGiveMyFeedback", "Send Feedback...", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionTest, "actionTest", "Test", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionInScript, "actionInScript", "InScript", "", false, false, true, false, false, true, true, "", "" },
    { &Ui::MainWindow::actionDictionary, "actionDictionary", "Dictionary...", "", false, false, true, true, true, true, true, "", "" },
    { &Ui::MainWindow::actionPhonetic2, "actionPhonetic2", "Phonetic-2", "", true, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionKeyboardLayoutHelp, "actionKeyboardLayoutHelp", "Keyboard Layout", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionHelp_Topics, "actionHelp_Topics", "Help Topics", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionSpell_Check_As_You_Type, "actionSpell_Check_As_You_Type", "Spell Check As You Type", "", true, true, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionAscending, "actionAscending", "Alphabetical Order", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionDescending, "actionDescending", "Reverse Alphabetical Order", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionRoman_Lower, "actionRoman_Lower", "Roman Lower", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionRoman_Upper, "actionRoman_Upper", "Roman Upper", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionNone, "actionNone", "None", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionANSI, "actionANSI", "ANSI", "", true, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionUTF_8, "actionUTF_8", "UTF-8", "", true, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionUTF_16, "actionUTF_16", "UTF-16", "", true, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionUTF_16BE, "actionUTF_16BE", "UTF-16BE", "", true, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionUTF_32, "actionUTF_32", "UTF-32", "", true, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionUTF_32BE, "actionUTF_32BE", "UTF-32BE", "", true, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionPhoneticEx, "actionPhoneticEx", "Phonetic", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionNudiEx, "actionNudiEx", "Nudi", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionPhonetic2Ex, "actionPhonetic2Ex", "Phonetic-2", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionKeyboard_Examples, "actionKeyboard_Examples", "Keyboard Examples", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionYavoKosha, "actionYavoKosha", "YavoKosha", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionReplace, "actionReplace", "Replace", "Ctrl+R", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionAdd_Words_to_Dictionary, "actionAdd_Words_to_Dictionary", "Edit User Dictionary", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionFind_Next, "actionFind_Next", "Find Next", "F3", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionFind_Previous, "actionFind_Previous", "Find Previous", "Shift+F3", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionFind_2, "actionFind_2", "Find/Replace", "Ctrl+F", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionLocalize_Kannada, "actionLocalize_Kannada", "Localize - Kannada", "", true, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionKPRao_Extended, "actionKPRao_Extended", "KPRao-Extended", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionANSI2UnicodeFromClipboardText, "actionANSI2UnicodeFromClipboardText", "from Clipboard(copied) text", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionANSI2UnicodeFromCurrentDocument, "actionANSI2UnicodeFromCurrentDocument", "from Current document (tab)", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionANSI2UnicodeAllFilesInFolder, "actionANSI2UnicodeAllFilesInFolder", "from Directory...", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionEnglishNumerals, "actionEnglishNumerals", "English Numerals", "", true, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionANSI2UnicodeAFile, "actionANSI2UnicodeAFile", "from File...", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionChooseFont, "actionChooseFont", "Choose Font...", "", false, false, true, true, true, true, true, "", "Choose Font" },
    { &Ui::MainWindow::actionClearFormatting, "actionClearFormatting", "Clear Formatting", "", false, false, true, true, true, true, true, "Clear all formatting from the selection, leaving only plain text", "" },
    { &Ui::MainWindow::actionIncreaseTextSize, "actionIncreaseTextSize", "Increase Text Size", "", false, false, true, true, true, true, true, "", "" },
    { &Ui::MainWindow::actionDecreaseTextSize, "actionDecreaseTextSize", "Decrease Text Size", "", false, false, true, true, true, true, true, "", "" },
    { &Ui::MainWindow::actionInScript_2, "actionInScript_2", "InScript", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionInsert_ZWJ, "actionInsert_ZWJ", "Insert ZWJ", "Ctrl+Shift+X", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionInsert_ZWNJ, "actionInsert_ZWNJ", "Insert ZWNJ", "Ctrl+Shift+N", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionTypingTutor, "actionTypingTutor", "Typing Tutor...", "", false, false, true, true, false, true, true, "", "" },
    { &Ui::MainWindow::actionQuickBytesbar, "actionQuickBytesbar", "QuickBytesbar", "", true, false, true, true, false, true, true, "", "" },
};

// Menus top to bottom; "|" is a separator, a menu's name a submenu.
struct MenuRow
{
    const char *name;
    const char *title;
    const char *entries;
};

const MenuRow menuRows[] = {
    { "menuBar", "", "menuFile menuEdit menuFormat menuLanguage menuKeyboard menuTools menuEncoding menuView menuHelp" },
    { "menuFile", "&File", "actionNew actionOpen actionSave actionSave_as actionClose | actionRecentFiles | actionPrint_preview actionPrint actionPrint_Setup | actionPDF | actionExit" },
    { "menuEdit", "&Edit", "actionUndo actionRedo | actionCut actionCopy actionPaste | actionClear actionSelect_All | menuFind_Replace | actionInsert_ZWJ actionInsert_ZWNJ" },
    { "menuFind_Replace", "Find/Replace", "actionFind_2 | actionFind_Next actionFind_Previous" },
    { "menuHelp", "&Help", "actionKeyboard actionAbout | actionHelp_Topics | actionKeyboardLayoutHelp actionKeyboard_Examples actionTypingTutor | actionCheckForUpdates actionGiveMyFeedback |" },
    { "menuFormat", "Fo&rmat", "actionBold actionItalic actionUnderline | menuBullets | menuAlign | actionText_color actionBackground_Color | actionChooseFont actionIncreaseTextSize actionDecreaseTextSize | actionClearFormatting" },
    { "menuAlign", "Align", "actionJustify actionAlign_left actionAlign_center actionAlign_right" },
    { "menuBullets", "Bullets", "actionNone actionDisc actionCircle actionSquare actionDecimal actionAlpha_Lower actionAlpha_Upper actionRoman_Lower actionRoman_Upper" },
    { "menuView", "&View", "actionToolbar actionTabbar actionStatusbar actionSidepane | actionYavoKosha actionSearch_Window | actionZoomIn actionZoomOut | actionLocalize_Kannada" },
    { "menuLanguage", "Sc&ript", "actionKannada actionTelugu actionMalayalam actionOriya actionHindi actionGujarati actionBengali actionGurmukhi actionTamil actionEnglish" },
    { "menuKeyboard", "Key&board", "actionPhonetic actionK_P_Rao actionInScript_2 actionIndLish actionPhonetic2 actionKPRao_Extended" },
    { "menuTools", "&Tools", "menuInsert_2 | actionScriptConvert | menuSort_File | actionSpell_Check_As_You_Type actionSpellCheck | actionAdd_Words_to_Dictionary | menuConvert_ANSI_to_Unicode" },
    { "menuInsert_2", "Insert", "actionPicture actionInsert_Table" },
    { "menuSort_File", "Sort File", "actionAscending actionDescending" },
    { "menuConvert_ANSI_to_Unicode", "ANSI to Unicode Convert", "actionANSI2UnicodeFromClipboardText actionANSI2UnicodeFromCurrentDocument | actionANSI2UnicodeAFile actionANSI2UnicodeAllFilesInFolder | actionEnglishNumerals" },
    { "menuEncoding", "En&coding", "actionANSI actionUTF_8 actionUTF_16 actionUTF_16BE actionUTF_32 actionUTF_32BE" },
};

// The icons the form names but the resources do not hold: those actions
// show no icon.
const char *const absentIcons[] = {
    ":/resources/lo_about_32.png", ":/resources/lo_bullet.png",
    ":/resources/lo_insertLink.png", ":/resources/lo_kagapa_32.png",
    ":/resources/lo_settings_32.png", ":/resources/lo_spellCheck_32.png",
};

// An icon whose file is missing is not null, but draws nothing.
bool shows(const QIcon &icon)
{
    return !icon.pixmap(QSize(16, 16)).isNull();
}

QString entriesOf(const QList<QAction *> &actions)
{
    QStringList names;
    for (const QAction *action : actions) {
        if (action->isSeparator())
            names << QStringLiteral("|");
        else if (action->menu())
            names << action->menu()->objectName();
        else
            names << action->objectName();
    }
    return names.join(QLatin1Char(' '));
}

// Marks every text of the window's context, so a test sees which texts a
// switch of the interface language reaches.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "MainWindow") != 0 || !*sourceText)
            return QString();
        return QStringLiteral("<%1>").arg(QString::fromUtf8(sourceText));
    }
};

} // namespace

class TestMainWindowForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void actions_data();
    void actions();
    void menus_data();
    void menus();
    void windowAndBars();
    void placedShortcutsAreUnique();
    void everyTextIsTranslated();
    void iconResources_data();
    void iconResources();
    void absentIconsStayAbsent();

private:
    QMainWindow *m_window = nullptr;
    Ui::MainWindow *m_ui = nullptr;
};

void TestMainWindowForm::initTestCase()
{
    Q_INIT_RESOURCE(yavopad);
}

void TestMainWindowForm::init()
{
    m_window = new QMainWindow;
    m_ui = new Ui::MainWindow;
    m_ui->setupUi(m_window);
}

void TestMainWindowForm::cleanup()
{
    delete m_ui;
    m_ui = nullptr;
    delete m_window;
    m_window = nullptr;
}

void TestMainWindowForm::actions_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(actionRows)); ++i)
        QTest::newRow(actionRows[i].name) << i;
}

void TestMainWindowForm::actions()
{
    QFETCH(int, row);
    const ActionRow &expected = actionRows[row];

    QAction *action = m_ui->*expected.member;
    QVERIFY(action);
    QCOMPARE(action->objectName(), QString::fromLatin1(expected.name));
    QCOMPARE(action->parent(), m_window);
    QCOMPARE(action->text(), QString::fromUtf8(expected.text));

    const QString shortcut = QString::fromLatin1(expected.shortcut);
    QCOMPARE(action->shortcut().toString(), shortcut);
    QCOMPARE(action->shortcut().isEmpty(), shortcut.isEmpty());

    QCOMPARE(action->isCheckable(), expected.checkable);
    QCOMPARE(action->isChecked(), expected.checked);
    QCOMPARE(action->isVisible(), expected.visible);
    QCOMPARE(action->isEnabled(), expected.enabled);
    QCOMPARE(shows(action->icon()), expected.hasIcon);
    QCOMPARE(action->isIconVisibleInMenu(), expected.iconInMenu);
    QCOMPARE(action->autoRepeat(), expected.autoRepeat);
    if (*expected.toolTip)
        QCOMPARE(action->toolTip(), QString::fromUtf8(expected.toolTip));
    if (*expected.iconText)
        QCOMPARE(action->iconText(), QString::fromUtf8(expected.iconText));
}

void TestMainWindowForm::menus_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("entries");
    for (const MenuRow &menu : menuRows)
        QTest::newRow(menu.name) << QString::fromUtf8(menu.title) << QString::fromUtf8(menu.entries);
}

void TestMainWindowForm::menus()
{
    QFETCH(QString, title);
    QFETCH(QString, entries);
    const QString name = QString::fromLatin1(QTest::currentDataTag());

    if (name == QLatin1String("menuBar")) {
        QCOMPARE(entriesOf(m_ui->menuBar->actions()), entries);
        return;
    }
    auto *menu = m_window->findChild<QMenu *>(name);
    QVERIFY(menu);
    QCOMPARE(menu->title(), title);
    QCOMPARE(entriesOf(menu->actions()), entries);
    // Top-level menus belong to the menu bar, submenus to their menu.
    QVERIFY(menu->parent() == m_ui->menuBar || qobject_cast<QMenu *>(menu->parent()));
    QVERIFY(!menu->isTearOffEnabled());
}

void TestMainWindowForm::windowAndBars()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(m_window->size(), QSize(655, 397));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Yavo Pad"));
    QVERIFY(shows(m_window->windowIcon()));
    QCOMPARE(m_window->centralWidget(), m_ui->centralWidget);
    QCOMPARE(m_window->statusBar(), m_ui->statusBar);
    QCOMPARE(m_window->menuBar(), m_ui->menuBar);
    QCOMPARE(m_ui->menuBar->geometry(), QRect(0, 0, 655, 21));

    QCOMPARE(m_ui->menuLanguage->toolTip(), QStringLiteral("F11 To Toggle"));
    QCOMPARE(m_ui->menuKeyboard->toolTip(), QStringLiteral("CTRL+K To Toggle"));
    QVERIFY(shows(m_ui->menuBullets->icon()));

    QToolBar *bar = m_ui->mainToolBar;
    QCOMPARE(bar->windowTitle(), QStringLiteral("MainToolbar"));
    QCOMPARE(m_window->toolBarArea(bar), Qt::TopToolBarArea);
    QVERIFY(!bar->isMovable());
    QVERIFY(!bar->isFloatable());
    QCOMPARE(bar->allowedAreas(), Qt::TopToolBarArea);
    QCOMPARE(bar->iconSize(), QSize(16, 16));
    QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonIconOnly);
    QCOMPARE(entriesOf(bar->actions()),
             QStringLiteral("actionNew actionOpen actionSave | actionPDF actionFind | actionBullet "
                            "actionKeyboardLayout actionEnglishLanguage actionSettings actionLink"));
}

// A key that two placed, visible actions share reaches neither of them
// (Qt reports it as ambiguous), so each must be given once.
void TestMainWindowForm::placedShortcutsAreUnique()
{
    QHash<QKeySequence, QString> owner;
    const auto all = m_window->findChildren<QAction *>();
    for (QAction *action : all) {
        if (action->shortcut().isEmpty() || !action->isVisible() || action->associatedWidgets().isEmpty())
            continue;
        const QKeySequence key = action->shortcut();
        QVERIFY2(!owner.contains(key),
                 qPrintable(QStringLiteral("%1 has the key of %2").arg(action->objectName(), owner.value(key))));
        owner.insert(key, action->objectName());
    }
    QCOMPARE(owner.value(QKeySequence(QStringLiteral("Ctrl+X"))), QStringLiteral("actionCut"));
}

// A new interface language reaches every text of the form, the window's
// title and the texts the main window later replaces included.
void TestMainWindowForm::everyTextIsTranslated()
{
    m_window->setWindowTitle(QStringLiteral("YavoPad-1"));
    m_ui->actionAbout->setText(QStringLiteral("About YavoPad-1"));

    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    m_ui->retranslateUi(m_window);
    QCoreApplication::removeTranslator(&translator);

    const auto marked = [](const QString &text) {
        return text.startsWith(QLatin1Char('<')) && text.endsWith(QLatin1Char('>'));
    };
    QCOMPARE(m_window->windowTitle(), QStringLiteral("<Yavo Pad>"));
    QCOMPARE(m_ui->mainToolBar->windowTitle(), QStringLiteral("<MainToolbar>"));
    for (const ActionRow &row : actionRows) {
        const QAction *action = m_ui->*row.member;
        QVERIFY2(marked(action->text()), row.name);
        if (*row.toolTip)
            QVERIFY2(marked(action->toolTip()), row.name);
    }
    const auto menus = m_window->findChildren<QMenu *>();
    for (const QMenu *menu : menus)
        QVERIFY2(marked(menu->title()), qPrintable(menu->objectName()));
    QCOMPARE(m_ui->actionAbout->text(), QStringLiteral("<About Yavo>"));
    QCOMPARE(m_ui->menuLanguage->toolTip(), QStringLiteral("<F11 To Toggle>"));
}

void TestMainWindowForm::iconResources_data()
{
    QTest::addColumn<QString>("path");
    const QStringList names = QDir(QStringLiteral(":/resources")).entryList({QStringLiteral("*.png")});
    QVERIFY(!names.isEmpty());
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << QStringLiteral(":/resources/") + name;
}

// Each icon is a real picture at the size its name carries (32 pixels when
// it carries none.
void TestMainWindowForm::iconResources()
{
    QFETCH(QString, path);

    const QImage image(path);
    QVERIFY(!image.isNull());
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("_(\\d+)\\.png$")).match(path);
    const int side = image.width();
    // The keyboard layout help's title and key background are pictures of
    // their own sizes, not icons.
    static const QHash<QString, QSize> pictures{
        { QStringLiteral(":/resources/yavo-title.png"), QSize(250, 30) },
        { QStringLiteral(":/resources/button-bg.png"), QSize(48, 48) },
    };
    if (pictures.contains(path)) {
        QCOMPARE(image.size(), pictures.value(path));
    } else {
        QCOMPARE(image.height(), side);
        if (size.hasMatch())
            QCOMPARE(side, size.captured(1).toInt());
        else
            QVERIFY2(side == 16 || side == 32, qPrintable(QString::number(side)));
    }

    int drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 128)
                ++drawn;
        }
    }
    QVERIFY2(drawn >= side, "the picture is (nearly) empty");
}

void TestMainWindowForm::absentIconsStayAbsent()
{
    for (const char *absent : absentIcons)
        QVERIFY2(!QFileInfo::exists(QString::fromLatin1(absent)), absent);
}

YAVO_TEST_MAIN(TestMainWindowForm)
#include "tst_mainwindowform.moc"
