#include "app/documentopener.h"
#include "app/minibrowser.h"

#include "modalanswerer.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

namespace {

class RecordingOpener : public DocumentOpener
{
public:
    void openFile(const QString &path) override { opened << path; }
    QStringList opened;
};

const QString refusal = QStringLiteral("Ouch sorry, can't handle this kind of file in Yavo");

} // namespace

class TestMiniBrowser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsAtHome();
    void listsEntriesOnly();
    void doubleClickFile_data();
    void doubleClickFile();
    void folderAndUp();
    void upAtTheTopChangesNothing();

private:
    QModelIndex indexOf(const QString &name) const;
    void doubleClick(const QModelIndex &index);

    QTemporaryDir m_dir;
    RecordingOpener m_opener;
    MiniBrowser *m_browser = nullptr;
    QTreeView *m_view = nullptr;
    QFileSystemModel *m_model = nullptr;
    QLineEdit *m_path = nullptr;
    QToolButton *m_up = nullptr;
};

void TestMiniBrowser::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QDir dir(m_dir.path());
    for (const char *name : {"notes.TXT", "page.htm", "letter.Rtf", "old.nudi", "latin.brh",
                             "report.docx", "book.odt", "README"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("text\n");
    }
    QVERIFY(dir.mkdir(QStringLiteral("sub")));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("notes.TXT")), dir.filePath(QStringLiteral("link.txt"))));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("YavoPad-test"));
}

void TestMiniBrowser::init()
{
    m_opener.opened.clear();
    m_browser = new MiniBrowser(&m_opener);
    m_view = m_browser->findChild<QTreeView *>();
    m_path = m_browser->findChild<QLineEdit *>();
    m_up = m_browser->findChild<QToolButton *>();
    QVERIFY(m_view && m_path && m_up);
    m_model = qobject_cast<QFileSystemModel *>(m_view->model());
    QVERIFY(m_model);

    m_browser->resize(300, 600);
    m_browser->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_browser));
    m_browser->setRootPath(m_dir.path());
    QCOMPARE(m_view->rootIndex(), m_model->index(m_dir.path()));
    QTRY_COMPARE(m_model->rowCount(m_view->rootIndex()), 9);
}

void TestMiniBrowser::cleanup()
{
    delete m_browser;
    m_browser = nullptr;
}

QModelIndex TestMiniBrowser::indexOf(const QString &name) const
{
    return m_model->index(QDir(m_dir.path()).filePath(name));
}

void TestMiniBrowser::doubleClick(const QModelIndex &index)
{
    m_view->scrollTo(index);
    const QRect rect = m_view->visualRect(index);
    QVERIFY(rect.isValid());
    // As a window system delivers it: a click, then the double-click event.
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QTest::mouseDClick(m_view->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

void TestMiniBrowser::startsAtHome()
{
    MiniBrowser fresh(&m_opener);
    QCOMPARE(fresh.findChild<QLineEdit *>()->text(), QDir::homePath());
    QVERIFY(fresh.findChild<QLineEdit *>()->isReadOnly());
}

// Names only, no "." or "..", and no symbolic links.
void TestMiniBrowser::listsEntriesOnly()
{
    QStringList names;
    const QModelIndex root = m_view->rootIndex();
    for (int row = 0; row < m_model->rowCount(root); ++row)
        names << m_model->fileName(m_model->index(row, 0, root));
    names.sort();
    QCOMPARE(names, QStringList({"README", "book.odt", "latin.brh", "letter.Rtf", "notes.TXT",
                                 "old.nudi", "page.htm", "report.docx", "sub"}));
    for (int column = 1; column <= 3; ++column)
        QVERIFY(m_view->isColumnHidden(column));
}

void TestMiniBrowser::doubleClickFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<bool>("refused");

    QTest::newRow("text, suffix in capitals") << "notes.TXT" << true << false;
    QTest::newRow("htm") << "page.htm" << true << false;
    QTest::newRow("rtf, mixed case") << "letter.Rtf" << true << false;
    QTest::newRow("nudi") << "old.nudi" << true << false;
    QTest::newRow("brh") << "latin.brh" << true << false;
    QTest::newRow("docx") << "report.docx" << false << true;
    QTest::newRow("odt") << "book.odt" << false << true;
    QTest::newRow("no suffix") << "README" << false << false;
}

void TestMiniBrowser::doubleClickFile()
{
    QFETCH(QString, name);
    QFETCH(bool, opens);
    QFETCH(bool, refused);

    ModalAnswerer answerer;
    if (refused)
        answerer.expectMessageBox(QStringLiteral("YavoPad-test"), refusal, QMessageBox::Ok);

    doubleClick(indexOf(name));

    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    const QStringList expected = opens ? QStringList{QDir(m_dir.path()).filePath(name)} : QStringList();
    QCOMPARE(m_opener.opened, expected);
}

void TestMiniBrowser::folderAndUp()
{
    const QString sub = QDir(m_dir.path()).filePath(QStringLiteral("sub"));
    doubleClick(indexOf(QStringLiteral("sub")));
    QCOMPARE(m_path->text(), sub);
    QCOMPARE(m_view->rootIndex(), m_model->index(sub));
    QVERIFY(m_opener.opened.isEmpty());

    m_up->click();
    QCOMPARE(m_path->text(), m_dir.path());
    QCOMPARE(m_view->rootIndex(), m_model->index(m_dir.path()));
}

void TestMiniBrowser::upAtTheTopChangesNothing()
{
    QVERIFY(QMetaObject::invokeMethod(m_browser, "slotRootPathChanged", Q_ARG(QString, QDir::rootPath())));
    const QModelIndex root = m_view->rootIndex();
    m_up->click();
    QCOMPARE(m_path->text(), QDir::rootPath());
    QCOMPARE(m_view->rootIndex(), root);
}

YAVO_TEST_MAIN(TestMiniBrowser)
#include "tst_minibrowser.moc"
