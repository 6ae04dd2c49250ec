// Where the word processor keeps the user's words and search history,
// whatever folder it is started from, what it tells the user when a store
// cannot be used, and that leaving the program never waits on a box.
#include "app/mainwindow.h"
#include "app/tabwidget.h"
#include "editor/findandreplacedialog.h"
#include "editor/history.h"
#include "editor/unicodekaeditor.h"
#include "editor/userdict.h"
#include "utils/utils.h"
#include "widgets/unicodelineedit.h"

#include "modalanswerer.h"
#include "testmain.h"
#include "testplugins.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMessageBox>

namespace {

const QString wordsTable = QStringLiteral("UnicodeWords");
const QString oldWord = QStringLiteral("ಹಳೆಯ");
const QString oldFileWord = QStringLiteral("ಪದ");
const QString oldSearch = QStringLiteral("old search");
const QString newSearch = QStringLiteral("new search");

enum class Start { Writable, Unwritable };
enum class DataFolder { Usable, Blocked };

// The stores of an earlier version in the start folder, made by this
// version's stores and moved there.
bool makeOldFiles(const TestSandbox &sandbox, const QString &start)
{
    UserDict().save(oldWord, wordsTable);
    History().save(QStringLiteral("Find"), oldSearch);
    const QDir data(sandbox.userDataDir());
    const QDir old(start);
    return old.mkpath(QStringLiteral("dat"))
            && QFile::rename(data.filePath("usrdic.dat"), old.filePath("dat/usrdic.dat"))
            && QFile::rename(data.filePath("history.dat"), old.filePath("dat/history.dat"))
            && !sandbox.writeFile(QDir(sandbox.root()).relativeFilePath(old.filePath("usr.dct")),
                                  oldFileWord.toUtf8()).isEmpty();
}

QStringList entries(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

// The boxes that tell the user about a store: beside the window, not modal.
QStringList toldBoxes(QWidget *window)
{
    QStringList texts;
    const QList<QMessageBox *> boxes = window->findChildren<QMessageBox *>();
    for (QMessageBox *box : boxes) {
        if (box->isVisible() && box->windowModality() == Qt::NonModal)
            texts << box->text();
    }
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Start)
Q_DECLARE_METATYPE(DataFolder)

class TestUserStores : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { addTestPluginPath(); }
    void startFolders_data();
    void startFolders();
};

void TestUserStores::startFolders_data()
{
    QTest::addColumn<Start>("start");
    QTest::addColumn<bool>("oldFiles");
    QTest::addColumn<DataFolder>("dataFolder");
    QTest::addColumn<QStringList>("told");   // a part of each box shown, in order

    const QStringList nothing;
    const QStringList bothStores{"The user dictionary", "The search history"};
    QTest::newRow("writable, no old files") << Start::Writable << false << DataFolder::Usable << nothing;
    QTest::newRow("writable, old files") << Start::Writable << true << DataFolder::Usable << nothing;
    QTest::newRow("unwritable, no old files") << Start::Unwritable << false << DataFolder::Usable << nothing;
    QTest::newRow("writable, data folder blocked") << Start::Writable << false << DataFolder::Blocked
                                                   << bothStores;
    QTest::newRow("unwritable, data folder blocked") << Start::Unwritable << false << DataFolder::Blocked
                                                     << bothStores;
}

// A run as the user makes it: start, the word list 300 ms later, a search
// with the find panel, then the program closes.
void TestUserStores::startFolders()
{
    QFETCH(Start, start);
    QFETCH(bool, oldFiles);
    QFETCH(DataFolder, dataFolder);
    QFETCH(QStringList, told);

    TestSandbox sandbox;
    // A folder no one may write to, as "/" or "/proc" are.
    const QString startFolder = start == Start::Writable ? sandbox.currentDir() : QStringLiteral("/proc");
    if (oldFiles)
        QVERIFY(makeOldFiles(sandbox, startFolder));
    if (dataFolder == DataFolder::Blocked)
        QVERIFY(!sandbox.writeFile(QDir(sandbox.root()).relativeFilePath(sandbox.userDataDir()),
                                   "a file where the folder should be").isEmpty());
    const QStringList startBefore = entries(startFolder);
    QVERIFY(QDir::setCurrent(startFolder));

    ModalAnswerer answerer;
    auto *window = new MainWindow;
    window->handleArguments({QStringLiteral("yavo-pad")});
    TabWidget *tabs = window->tabWidget();
    tabs->slotLoadCompleter();
    tabs->slotLoadCompleter();
    Utils *utils = tabs->utils();
    tabs->editorAtIndex(0)->setPlainText(QStringLiteral("the ") + newSearch);
    window->findChild<QAction *>(QStringLiteral("actionFind"))->trigger();
    auto *panel = window->findChild<FindAndReplaceDialog *>();
    QVERIFY(panel);
    panel->findChild<UnicodeLineEdit *>(QStringLiteral("findLineEdit"))->setText(newSearch);
    panel->find(true);
    // Asked again: told once a run, not at every use.
    window->findChild<QAction *>(QStringLiteral("actionFind"))->trigger();

    QCOMPARE(utils->isMisspelled(oldWord), !oldFiles);
    QCOMPARE(utils->isMisspelled(oldFileWord), !oldFiles);
    const QStringList shown = toldBoxes(window);
    QCOMPARE(shown.size(), told.size());
    for (int i = 0; i < told.size(); ++i)
        QVERIFY2(shown.at(i).contains(told.at(i)), qPrintable(shown.at(i)));

    // Closing: the history is saved, and nothing waits for anyone.
    delete window;
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(answerer.seen(), QStringList());

    // The start folder is left as it was, old files included ("/proc" lives
    // its own life).
    if (start == Start::Writable) {
        QCOMPARE(entries(startFolder), startBefore);
        QCOMPARE(entries(QDir(startFolder).filePath(QStringLiteral("dat"))),
                 oldFiles ? (QStringList{"history.dat", "usrdic.dat"}) : QStringList());
    }
    if (dataFolder == DataFolder::Usable) {
        const QStringList stores = oldFiles ? QStringList{"history.dat", "usr.dct", "usrdic.dat"}
                                            : QStringList{"history.dat", "usrdic.dat"};
        QCOMPARE(entries(sandbox.userDataDir()), stores);
        // The search of this run, after those of the earlier version.
        const QStringList searches = History().load(QStringLiteral("Find")).split('\n');
        QCOMPARE(searches.first(), newSearch);
        QCOMPARE(searches.contains(oldSearch), oldFiles);
        QCOMPARE(UserDict().load(wordsTable) == oldWord, oldFiles);
    } else {
        QVERIFY(QFileInfo(sandbox.userDataDir()).isFile());
    }
}

YAVO_TEST_MAIN(TestUserStores)
#include "tst_userstores.moc"
