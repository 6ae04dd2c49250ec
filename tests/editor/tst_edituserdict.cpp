#include "editor/edituserdict.h"
#include "editor/getunicodetext.h"
#include "editor/userdict.h"

#include "dictionary/wordlist.h"
#include "widgets/unicodelineedit.h"

#include "modalanswerer.h"
#include "testmain.h"
#include "testsandbox.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedPointer>
#include <QToolButton>

namespace {

const QString wordsTable = QStringLiteral("UnicodeWords");
const QString boxTitle = QStringLiteral("Yavo Software");
const QString duplicateText = QStringLiteral("Duplicate, Its already present!");

void writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

QString storedWords()
{
    UserDict store;
    return store.load(wordsTable);
}

QStringList items(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

// Types the word into the entry dialog and ends it with Return.
void expectWord(ModalAnswerer &answerer, const QString &word)
{
    answerer.expectDialog<GetUnicodeText>(QStringLiteral("Enter Text :"), [word](GetUnicodeText *entry) {
        auto *field = entry->findChild<UnicodeLineEdit *>(QStringLiteral("unicodeLineEdit"));
        QTest::keyClicks(field, word);
        QTest::keyClick(field, Qt::Key_Return);
    });
}

struct Editor
{
    Editor()
    {
        dialog.setLanguage(9, 0);
        dialog.show();
    }

    template <class T>
    T *child(const char *name) const { return dialog.findChild<T *>(QLatin1String(name)); }

    QListWidget *left() const { return child<QListWidget>("leftList"); }
    QListWidget *right() const { return child<QListWidget>("rightList"); }

    void select(QListWidget *list, const QString &text)
    {
        const auto found = list->findItems(text, Qt::MatchExactly);
        for (QListWidgetItem *item : found)
            item->setSelected(true);
    }

    void apply(ModalAnswerer &answerer, const QString &step)
    {
        const QString verb = step.section(QLatin1Char(':'), 0, 0);
        const QString argument = step.section(QLatin1Char(':'), 1);
        if (verb == QLatin1String("load")) {
            child<QPushButton>("loadUserDictBtn")->click();
        } else if (verb == QLatin1String("add")) {
            expectWord(answerer, argument);
            child<QToolButton>("addBtn")->click();
        } else if (verb == QLatin1String("selectLeft")) {
            select(left(), argument);
        } else if (verb == QLatin1String("selectRight")) {
            select(right(), argument);
        } else if (verb == QLatin1String("right")) {
            child<QToolButton>("moveRightBtn")->click();
        } else if (verb == QLatin1String("left")) {
            child<QToolButton>("moveLeftBtn")->click();
        } else if (verb == QLatin1String("clearRight")) {
            child<QToolButton>("toolButton")->click();
        } else if (verb == QLatin1String("clearLeft")) {
            child<QToolButton>("clearBtn")->click();
        } else if (verb == QLatin1String("browse")) {
            // An empty name cancels the file dialog.
            const QString path = argument.isEmpty() ? QString() : QDir::current().absoluteFilePath(argument);
            answerer.expectDialog<QFileDialog>(boxTitle, [path](QFileDialog *files) {
                if (path.isEmpty()) {
                    files->reject();
                    return;
                }
                // Typed into the name field: selectFile() leaves a field
                // that has the focus alone.
                files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
                static_cast<QDialog *>(files)->accept();
            });
            child<QToolButton>("browseFile")->click();
        } else if (verb == QLatin1String("typePath")) {
            child<QLineEdit>("fileNameLine")->setText(QDir::current().absoluteFilePath(argument));
        } else if (verb == QLatin1String("uncheck")) {
            child<QCheckBox>("editWordsCheckBox")->click();
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
    }

    void save() { child<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Save)->click(); }

    EditUserDict dialog;
};

} // namespace

class TestEditUserDict : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void save_data();
    void save();
    void duplicateWord();
    void failedSaveKeepsTheDialogAndTheWordFile();
    void damagedStoreIsShown_data();
    void damagedStoreIsShown();
    void entryDialog_data();
    void entryDialog();

private:
    QScopedPointer<TestSandbox> m_sandbox;
};

void TestEditUserDict::init()
{
    m_sandbox.reset(new TestSandbox);
}

// Before the next one is made: each sandbox puts back what it found.
void TestEditUserDict::cleanup()
{
    m_sandbox.reset();
}

void TestEditUserDict::save_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("userFile");   // "usr.dct"; empty: none
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("leftList");
    QTest::addColumn<QStringList>("rightList");
    QTest::addColumn<QString>("saved");

    QTest::newRow("save at once takes in usr.dct") << "x\ny" << "z\nx\n" << QStringList()
            << QStringList() << QStringList() << "x\ny\nz";
    QTest::newRow("a word already final is not added twice") << "a" << ""
            << QStringList{"load", "add:a", "add:b", "selectLeft:a", "selectLeft:b", "right"}
            << QStringList() << QStringList{"a", "b"} << "a\nb";
    QTest::newRow("moved back to the left leaves the dictionary") << "a\nb" << "c\n"
            << QStringList{"load", "selectRight:a", "left"}
            << QStringList{"a"} << QStringList{"b", "c"} << "b\nc";
    QTest::newRow("a cleared right list still saves the final words") << "a" << ""
            << QStringList{"load", "clearRight"} << QStringList() << QStringList() << "a";
    QTest::newRow("a file read twice is moved right once") << "a" << ""
            << QStringList{"browse:words.txt", "browse:words.txt", "selectLeft:p", "right"}
            << QStringList{"q", "q"} << QStringList{"p"} << "p\na";
    QTest::newRow("a cancelled file dialog reads nothing") << "a" << ""
            << QStringList{"browse:", "uncheck"} << QStringList() << QStringList() << "a";
    QTest::newRow("a typed path is read by Save with Edit words off") << "a" << ""
            << QStringList{"typePath:words.txt", "uncheck"} << QStringList() << QStringList() << "p\nq\na";
}

void TestEditUserDict::save()
{
    QFETCH(QString, stored);
    QFETCH(QString, userFile);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, leftList);
    QFETCH(QStringList, rightList);
    QFETCH(QString, saved);

    QVERIFY(UserDict().save(stored, wordsTable));
    if (!userFile.isEmpty())
        writeFile(WordList::userWordFile(), userFile);
    writeFile(QStringLiteral("words.txt"), QStringLiteral("p\nq\n"));

    Editor e;
    ModalAnswerer answerer;
    for (const QString &step : steps)
        e.apply(answerer, step);
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(items(e.left()), leftList);
    QCOMPARE(items(e.right()), rightList);

    answerer.expectMessageBox(boxTitle, QStringLiteral("User Dictionary updated successfully!"),
                              QMessageBox::Ok);
    e.save();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(e.dialog.result(), int(QDialog::Accepted));
    QVERIFY(!e.dialog.isVisible());
    QCOMPARE(storedWords(), saved);
    QVERIFY(!QFile::exists(WordList::userWordFile()));
}

void TestEditUserDict::duplicateWord()
{
    Editor e;
    ModalAnswerer answerer;
    const auto addDuplicate = [&] {
        expectWord(answerer, QStringLiteral("w"));
        answerer.expectMessageBox(boxTitle, duplicateText, QMessageBox::Ok);
        e.child<QToolButton>("addBtn")->click();
    };
    e.apply(answerer, QStringLiteral("add:w"));
    addDuplicate();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(items(e.left()), QStringList{"w"});
    QVERIFY(e.left()->item(0)->isSelected());

    // The clear button empties the list on screen only.
    e.apply(answerer, QStringLiteral("clearLeft"));
    addDuplicate();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(items(e.left()), QStringList());
}

void TestEditUserDict::failedSaveKeepsTheDialogAndTheWordFile()
{
    writeFile(WordList::userWordFile(), QStringLiteral("z\n"));
    // The store's name leads nowhere that can be made: it cannot open.
    const QString store = QDir(m_sandbox->userDataDir()).filePath(QStringLiteral("usrdic.dat"));
    QVERIFY(QFile::link(QStringLiteral("/proc/no-such-folder/usrdic.dat"), store));

    Editor e;
    ModalAnswerer answerer;
    answerer.expectMessageBox(boxTitle, QString(), QMessageBox::Ok);
    e.save();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    // One box: the failure, then what the store said about it.
    QCOMPARE(answerer.seen().size(), 1);
    const QString text = answerer.seen().constFirst().section(QLatin1Char('|'), 2);
    QVERIFY2(text.startsWith(QStringLiteral("Unable to save the user dictionary\nPleae inform the error to "
                                            "https://yavo.example.org/contact\n\n")),
             qPrintable(text));
    QVERIFY2(text.contains(store), qPrintable(text));
    QVERIFY(e.dialog.isVisible());
    QVERIFY(QFile::exists(WordList::userWordFile()));
}

void TestEditUserDict::damagedStoreIsShown_data()
{
    QTest::addColumn<QByteArray>("file");   // empty: a sound store
    QTest::addColumn<bool>("load");         // else Save reads the store itself

    const QByteArray notADatabase("cat\ndog\n");
    QTest::newRow("sound, loaded") << QByteArray() << true;
    QTest::newRow("sound, saved") << QByteArray() << false;
    QTest::newRow("not a database, loaded") << notADatabase << true;
    QTest::newRow("not a database, saved") << notADatabase << false;
}

void TestEditUserDict::damagedStoreIsShown()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, load);
    const bool damaged = !file.isEmpty();

    if (damaged) {
        QVERIFY(!m_sandbox->writeUserFile(QStringLiteral("usrdic.dat"), file).isEmpty());
    } else {
        QVERIFY(UserDict().save(QStringLiteral("a"), wordsTable));
    }

    Editor e;
    ModalAnswerer answerer;
    if (damaged)
        answerer.expectMessageBox(boxTitle, QString(), QMessageBox::Ok);
    if (load) {
        e.apply(answerer, QStringLiteral("load"));
    } else {
        answerer.expectMessageBox(boxTitle, QStringLiteral("User Dictionary updated successfully!"),
                                  QMessageBox::Ok);
        e.save();
    }
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(answerer.seen().size(), int(damaged) + int(!load));

    const QStringList copies = QDir(m_sandbox->userDataDir())
            .entryList({QStringLiteral("usrdic.damaged-*")}, QDir::Files);
    QCOMPARE(copies.size(), int(damaged));
    if (damaged)
        QVERIFY2(answerer.seen().constFirst().contains(copies.constFirst()),
                 qPrintable(answerer.seen().constFirst()));
}

void TestEditUserDict::entryDialog_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");

    QTest::newRow("Return accepts") << "return" << int(QDialog::Accepted);
    QTest::newRow("OK accepts") << "ok" << int(QDialog::Accepted);
    QTest::newRow("Cancel rejects") << "cancel" << int(QDialog::Rejected);
}

void TestEditUserDict::entryDialog()
{
    QFETCH(QString, how);
    QFETCH(int, result);

    GetUnicodeText entry(9, 0, QStringLiteral("  old   word "));
    QCOMPARE(entry.text(), QStringLiteral("old word"));
    ModalAnswerer answerer;
    answerer.expectDialog<GetUnicodeText>(QStringLiteral("Enter Text :"), [how](GetUnicodeText *dialog) {
        auto *field = dialog->findChild<UnicodeLineEdit *>(QStringLiteral("unicodeLineEdit"));
        dialog->selectAll();
        QTest::keyClicks(field, QStringLiteral("new "));
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        if (how == QLatin1String("return"))
            QTest::keyClick(field, Qt::Key_Return);
        else if (how == QLatin1String("ok"))
            buttons->button(QDialogButtonBox::Ok)->click();
        else
            buttons->button(QDialogButtonBox::Cancel)->click();
    });
    QCOMPARE(entry.exec(), result);
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(entry.text(), QStringLiteral("new "));
}

YAVO_TEST_MAIN(TestEditUserDict)
#include "tst_edituserdict.moc"
