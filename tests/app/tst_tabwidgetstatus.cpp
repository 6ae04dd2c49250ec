#include "app/mainwindow.h"
#include "app/tabwidget.h"
#include "app/ui_mainwindow.h"
#include "core/sharedsettings.h"
#include "editor/unicodekaeditor.h"
#include "utils/utils.h"

#include "modalanswerer.h"
#include "testmain.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QFontDialog>
#include <QTextList>

#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextBlock>

// The Script, Keyboard, Encoding and Align menus, the formatting toolbar
// and the status labels following the current editor.
class tst_TabWidgetStatus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void f11SwitchesTheMenuAndLabelToEnglish();
    void keyboardLayoutHelpFollowsTheChosenScript();
    void languageLabelNames_data();
    void languageLabelNames();
    void prefixLengthIsAtLeastThree();
    void textSizeSteps_data();
    void textSizeSteps();
    void encodingReachesOpenEditorsOnly();
    void wordCount_data();
    void wordCount();
    void wordCountOfOpenedDocuments();
    void lineAndColumn();
    void alignmentBothWays();
    void bulletsMenu_data();
    void bulletsMenu();
    void formattingFollowsTheCursor();
    void chosenFontReachesTheText();
    void completionListTakesTheChosenFamily();

private:
    QLabel *statusLabel(const QString &prefix) const;
    QScopedPointer<TestSandbox> m_sandbox;
    QScopedPointer<MainWindow> m_window;
    TabWidget *tabs() const { return m_window->tabWidget(); }
    Ui::MainWindow *ui() const { return m_window->ui(); }
};

void tst_TabWidgetStatus::init()
{
    m_sandbox.reset(new TestSandbox);
    m_window.reset(new MainWindow);
    m_window->handleArguments({QStringLiteral("yavo-pad")});
}

void tst_TabWidgetStatus::cleanup()
{
    m_window.reset();
    m_sandbox.reset();
}

QLabel *tst_TabWidgetStatus::statusLabel(const QString &prefix) const
{
    const QList<QLabel *> labels = ui()->statusBar->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (label->text().startsWith(prefix))
            return label;
    }
    return nullptr;
}

void tst_TabWidgetStatus::f11SwitchesTheMenuAndLabelToEnglish()
{
    ui()->actionTelugu->trigger();
    UnicodeKaEditor *editor = tabs()->currentEditor();
    QCOMPARE(editor->language(), 1);
    QTest::keyClick(editor, Qt::Key_F11);
    QCOMPARE(editor->language(), 9);
    QVERIFY(ui()->actionEnglish->isChecked());
    QLabel *label = statusLabel(QStringLiteral("<b>Language</b>"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("<b>Language</b>: English"));
    QCOMPARE(tabs()->language(), 9);
    QCOMPARE(tabs()->lastIndicLanguage(), 1);
}

void tst_TabWidgetStatus::keyboardLayoutHelpFollowsTheChosenScript()
{
    ui()->actionTamil->trigger();
    QCOMPARE(tabs()->currentEditor()->language(), 8);
    QVERIFY(!ui()->actionKeyboardLayoutHelp->isEnabled());
    ui()->actionKannada->trigger();
    QVERIFY(ui()->actionKeyboardLayoutHelp->isEnabled());

    // Restored from the settings: the entry is left alone.
    m_window.reset();
    QSettings(settingsOrganization, settingsApplication).setValue(QStringLiteral("InputSettings/language"), 8);
    m_window.reset(new MainWindow);
    m_window->handleArguments({QStringLiteral("yavo-pad")});
    QVERIFY(ui()->actionTamil->isChecked());
    QCOMPARE(tabs()->currentEditor()->language(), 8);
    QVERIFY(ui()->actionKeyboardLayoutHelp->isEnabled());
}

void tst_TabWidgetStatus::languageLabelNames_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("name");
    QTest::newRow("Gujarathi, with an h") << 5 << "Gujarathi";
    QTest::newRow("Gurmukhi") << 7 << "Gurmukhi";
    QTest::newRow("Oriya") << 3 << "Oriya";
}

void tst_TabWidgetStatus::languageLabelNames()
{
    QFETCH(int, language);
    QFETCH(QString, name);
    tabs()->slotLanguageChanged(language);
    QCOMPARE(statusLabel(QStringLiteral("<b>Language</b>"))->text(), QStringLiteral("<b>Language</b>: ") + name);
    QCOMPARE(tabs()->lastIndicLanguage(), language);
}

void tst_TabWidgetStatus::prefixLengthIsAtLeastThree()
{
    auto *spin = ui()->mainToolBar->findChild<QSpinBox *>(QStringLiteral("prefixLengthSpinBox"));
    QVERIFY(spin);
    spin->setValue(2);
    QCOMPARE(spin->value(), 3);
    QCOMPARE(tabs()->currentEditor()->autoComplpetePrefixLength(), 3);
    spin->setValue(7);
    QCOMPARE(tabs()->currentEditor()->autoComplpetePrefixLength(), 7);
}

void tst_TabWidgetStatus::textSizeSteps_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("increase");
    QTest::addColumn<double>("size");   // 0: left unchanged

    // Listed: 6 7 8 9 10 11 12 14 16 18 20 22 24 26 28 36 48 72.
    QTest::newRow("12 up is 14") << "12" << true << 14.0;
    QTest::newRow("13 (not listed) up is 14") << "13" << true << 14.0;
    QTest::newRow("last listed up adds 10") << "72" << true << 82.0;
    QTest::newRow("above the list up adds 10") << "100" << true << 110.0;
    QTest::newRow("no number up is the first") << "" << true << 6.0;
    QTest::newRow("13 down is 12") << "13" << false << 12.0;
    QTest::newRow("14 down is 12") << "14" << false << 12.0;
    QTest::newRow("first listed down keeps it") << "6" << false << 6.0;
    QTest::newRow("above the list down takes 10") << "100" << false << 90.0;
    QTest::newRow("below the first down is unchanged") << "3" << false << 0.0;
    QTest::newRow("no number down is unchanged") << "" << false << 0.0;
}

void tst_TabWidgetStatus::textSizeSteps()
{
    QFETCH(QString, field);
    QFETCH(bool, increase);
    QFETCH(double, size);
    UnicodeKaEditor *editor = tabs()->currentEditor();
    editor->setPlainText(QStringLiteral("word"));
    editor->selectAll();
    const double before = editor->document()->begin().begin().fragment().charFormat().fontPointSize();
    auto *combo = ui()->mainToolBar->findChild<QComboBox *>(QStringLiteral("comboSize"));
    QVERIFY(combo);
    combo->lineEdit()->setText(field);
    (increase ? ui()->actionIncreaseTextSize : ui()->actionDecreaseTextSize)->trigger();
    const QTextCharFormat format = editor->document()->begin().begin().fragment().charFormat();
    QCOMPARE(format.fontPointSize(), size > 0 ? size : before);
    if (size > 0)
        QCOMPARE(combo->lineEdit()->text(), QString::number(size));
}

void tst_TabWidgetStatus::encodingReachesOpenEditorsOnly()
{
    ui()->actionNew->trigger();
    ui()->actionUTF_16->trigger();
    QVERIFY(ui()->actionUTF_16->isChecked());
    QCOMPARE(tabs()->textEncodingIndex(), 2);
    QCOMPARE(tabs()->editorAtIndex(0)->textEncodingIndex(), 2);
    QCOMPARE(tabs()->editorAtIndex(1)->textEncodingIndex(), 2);
    ui()->actionNew->trigger();
    QCOMPARE(tabs()->editorAtIndex(2)->textEncodingIndex(), 1);

    tabs()->setTextEncodingIndex(42);
    QVERIFY(ui()->actionUTF_8->isChecked());
    QCOMPARE(tabs()->editorAtIndex(0)->textEncodingIndex(), 2);
}

void tst_TabWidgetStatus::wordCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("words");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("two blanks between") << "a  b" << 2;
    QTest::newRow("lines and tabs") << "\tಕನ್ನಡ\n\nನುಡಿ \n" << 2;
    QTest::newRow("no-break space and line break") << QStringLiteral("a\u00A0b\u2028c") << 3;
    // Counted a slice at a time, between the events.
    QTest::newRow("longer than a slice") << QStringLiteral("ಒಂದು two\n").repeated(200000) << 400000;
}

// The count follows the text a moment after it changes.
void tst_TabWidgetStatus::wordCount()
{
    QFETCH(QString, text);
    QFETCH(int, words);
    tabs()->currentEditor()->setPlainText(QStringLiteral("one two three four five six"));
    tabs()->currentEditor()->setPlainText(text);
    QTRY_COMPARE(statusLabel(QStringLiteral("<b>Words</b>"))->text(),
                 QStringLiteral("<b>Words</b>: %1").arg(words, -16));
}

// A document opened shows its own count at once, and so does a tab made
// current: not the count of the empty tab, nor that of the tab before.
void tst_TabWidgetStatus::wordCountOfOpenedDocuments()
{
    const QString text = m_sandbox->writeFile(QStringLiteral("words.txt"), "ಒಂದು ಎರಡು\nಮೂರು\n");
    const QString html = m_sandbox->writeFile(QStringLiteral("words.html"),
                                              "<html><body><p>one <b>two</b></p>\n<p>three four</p></body></html>");
    const auto shown = [this] { return statusLabel(QStringLiteral("<b>Words</b>"))->text(); };
    const auto words = [](int n) { return QStringLiteral("<b>Words</b>: %1").arg(n, -16); };

    tabs()->openFile(text);
    QCOMPARE(shown(), words(3));
    tabs()->openFile(html);
    QCOMPARE(shown(), words(4));
    tabs()->setCurrentIndex(tabs()->count() - 2);
    QCOMPARE(shown(), words(3));
}

void tst_TabWidgetStatus::lineAndColumn()
{
    UnicodeKaEditor *editor = tabs()->currentEditor();
    editor->setPlainText(QStringLiteral("one\ntwo three"));
    QTextCursor cursor(editor->document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 4);
    editor->setTextCursor(cursor);
    QCOMPARE(statusLabel(QStringLiteral("<b>Line</b>"))->text(), QStringLiteral("<b>Line</b>: 2     "));
    QCOMPARE(statusLabel(QStringLiteral("<b>Col</b>"))->text(), QStringLiteral("<b>Col</b>: 5     "));

    // A background tab does not speak for the status bar.
    ui()->actionNew->trigger();
    editor->setPlainText(QStringLiteral("a b c"));
    QTest::qWait(400);
    QCOMPARE(statusLabel(QStringLiteral("<b>Words</b>"))->text(), QStringLiteral("<b>Words</b>: %1").arg(0, -16));
}

void tst_TabWidgetStatus::alignmentBothWays()
{
    UnicodeKaEditor *editor = tabs()->currentEditor();
    editor->setPlainText(QStringLiteral("para"));
    ui()->actionAlign_right->trigger();
    QVERIFY(editor->alignment() & Qt::AlignRight);
    ui()->actionAlign_center->trigger();
    QCOMPARE(editor->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    tabs()->slotAlignmentChanged(Qt::AlignJustify);
    QVERIFY(ui()->actionJustify->isChecked());
    QVERIFY(!ui()->actionAlign_center->isChecked());
}

void tst_TabWidgetStatus::bulletsMenu_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("style");
    QTest::newRow("Disc") << "actionDisc" << int(QTextListFormat::ListDisc);
    QTest::newRow("Decimal") << "actionDecimal" << int(QTextListFormat::ListDecimal);
    QTest::newRow("Roman Upper") << "actionRoman_Upper" << int(QTextListFormat::ListUpperRoman);
}

void tst_TabWidgetStatus::bulletsMenu()
{
    QFETCH(QString, action);
    QFETCH(int, style);
    UnicodeKaEditor *editor = tabs()->currentEditor();
    editor->setPlainText(QStringLiteral("item"));
    m_window->findChild<QAction *>(action)->trigger();
    QTextList *list = editor->textCursor().currentList();
    QVERIFY(list);
    QCOMPARE(int(list->format().style()), style);
    const QList<QAction *> entries = ui()->menuBullets->actions();
    QCOMPARE(std::count_if(entries.cbegin(), entries.cend(), [](QAction *a) { return a->isChecked(); }), 1);
}

void tst_TabWidgetStatus::formattingFollowsTheCursor()
{
    UnicodeKaEditor *editor = tabs()->currentEditor();
    editor->setPlainText(QStringLiteral("plain bold"));
    QTextCursor bold(editor->document());
    bold.setPosition(6);
    bold.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    format.setFontPointSize(20);
    bold.mergeCharFormat(format);

    QTextCursor cursor(editor->document());
    cursor.setPosition(8);
    editor->setTextCursor(cursor);
    QVERIFY(ui()->actionBold->isChecked());
    auto *combo = ui()->mainToolBar->findChild<QComboBox *>(QStringLiteral("comboSize"));
    QCOMPARE(combo->lineEdit()->text(), QStringLiteral("20"));
    cursor.setPosition(2);
    editor->setTextCursor(cursor);
    QVERIFY(!ui()->actionBold->isChecked());
}

void tst_TabWidgetStatus::chosenFontReachesTheText()
{
    UnicodeKaEditor *editor = tabs()->currentEditor();
    editor->setPlainText(QStringLiteral("word"));
    editor->selectAll();
    ModalAnswerer answerer;
    QFont chosen;
    answerer.expectDialog<QFontDialog>(QString(), [&chosen](QFontDialog *dialog) {
        QFont font = dialog->currentFont();
        font.setPointSize(22);
        font.setUnderline(true);
        font.setStrikeOut(true);
        dialog->setCurrentFont(font);
        chosen = dialog->currentFont();
        dialog->accept();
    });
    ui()->actionChooseFont->trigger();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    const QTextCharFormat format = editor->document()->begin().begin().fragment().charFormat();
    QCOMPARE(format.fontPointSize(), 22.0);
    QVERIFY(format.fontUnderline());
    QVERIFY(format.fontStrikeOut());
    QCOMPARE(format.fontWeight() > QFont::Medium, chosen.weight() > QFont::Medium);
    QCOMPARE(tabs()->fontSize(), 22);
}

void tst_TabWidgetStatus::completionListTakesTheChosenFamily()
{
    tabs()->slotLoadCompleter();
    QCompleter *completer = tabs()->utils()->completer();
    QVERIFY(completer && completer->popup());
    tabs()->slotTextFontFamily(QStringLiteral("Some Family"));
    QCOMPARE(completer->popup()->font().family(), QStringLiteral("Some Family"));
    QCOMPARE(completer->popup()->font().pointSize(), 11);
}

YAVO_TEST_MAIN(tst_TabWidgetStatus)
#include "tst_tabwidgetstatus.moc"
