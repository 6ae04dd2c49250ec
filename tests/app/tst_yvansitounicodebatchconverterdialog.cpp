#include "app/yvansitounicodebatchconverterdialog.h"

#include "core/sharedsettings.h"
#include "modalanswerer.h"
#include "nudidocuments.h"
#include "testmain.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString completed = QStringLiteral("<b>Completed!!!</b>");
const QString createQuestion = QStringLiteral("Destination folder not present!!!\n!\nDo you want to create the folder and continue?");
const QString overwriteQuestion = QStringLiteral("Destination folder is not empty!!!\nfiles might get overwritten!\nDo you want to continue?");

// The dialog's widgets, by the names of its form.
struct Form
{
    explicit Form(QDialog &dialog)
        : source(dialog.findChild<QLineEdit *>(QStringLiteral("pSrcFolderLE")))
        , destination(dialog.findChild<QLineEdit *>(QStringLiteral("pDstFolderLE")))
        , progress(dialog.findChild<QProgressBar *>(QStringLiteral("progressBar")))
        , status(dialog.findChild<QLabel *>(QStringLiteral("pStatus")))
        , ok(dialog.findChild<QPushButton *>(QStringLiteral("pOKPB")))
        , abort(dialog.findChild<QPushButton *>(QStringLiteral("pAbortPB")))
        , close(dialog.findChild<QPushButton *>(QStringLiteral("pCancelPB")))
    {
    }
    bool isComplete() const { return source && destination && progress && status && ok && abort && close; }

    QLineEdit *source;
    QLineEdit *destination;
    QProgressBar *progress;
    QLabel *status;
    QPushButton *ok;
    QPushButton *abort;
    QPushButton *close;
};

// A folder of Nudi documents: a.txt, B.DOCX, c.fodt, d.nudi and the hidden
// .h.txt, each in the format its name says.
bool writeMixedFolder(const QString &folder)
{
    return QDir().mkpath(folder) && NudiDocuments::write(folder + QStringLiteral("/a.txt"), QStringLiteral("txt"))
        && NudiDocuments::write(folder + QStringLiteral("/B.DOCX"), QStringLiteral("docx"))
        && NudiDocuments::write(folder + QStringLiteral("/c.fodt"), QStringLiteral("fodt"))
        && NudiDocuments::write(folder + QStringLiteral("/d.nudi"), QStringLiteral("rtf"))
        && NudiDocuments::write(folder + QStringLiteral("/.h.txt"), QStringLiteral("txt"));
}

QStringList converted(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
}

} // namespace

class TestBatchConverterDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void convertsMatchingFiles();
    void keepsButtonsDisabledUntilTheRunEnds();
    void abortStopsBeforeTheNextFile();
    void folderProblems_data();
    void folderProblems();
    void suggestsDestination_data();
    void suggestsDestination();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_source;
    QString m_destination;
};

void TestBatchConverterDialog::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_source = m_dir->filePath(QStringLiteral("src"));
    m_destination = m_dir->filePath(QStringLiteral("dst"));
    QVERIFY(writeMixedFolder(m_source));
    QVERIFY(QDir().mkpath(m_destination));
}

void TestBatchConverterDialog::convertsMatchingFiles()
{
    SharedSettings::setWorkingDir(m_source);
    yvANSIToUnicodeBatchConverterDialog dialog;
    Form form(dialog);
    QVERIFY(form.isComplete());
    QCOMPARE(form.source->text(), m_source);
    QVERIFY(form.progress->isHidden());
    form.destination->setText(m_destination);

    QTest::mouseClick(form.ok, Qt::LeftButton);

    QCOMPARE(form.status->text(), completed);
    QCOMPARE(form.progress->maximum(), 2);
    QCOMPARE(form.progress->value(), 2);
    QCOMPARE(converted(m_destination), (QStringList{ QStringLiteral("Unicode-a.txt"), QStringLiteral("Unicode-B.DOCX") }));
    for (const QString &name : converted(m_destination)) {
        QTextDocument document;
        const auto reader = NudiDocuments::read(m_destination + QLatin1Char('/') + name, &document);
        QVERIFY(reader);
        QCOMPARE(reader->errorText, QString());
        QCOMPARE(NudiDocuments::blockTexts(document), NudiDocuments::unicodeBlocks());
    }

    // A second run starts its bar from the beginning again.
    ModalAnswerer answerer;
    answerer.expectMessageBox(QString(), overwriteQuestion, QMessageBox::Yes);
    QSignalSpy values(form.progress, &QProgressBar::valueChanged);
    QTest::mouseClick(form.ok, Qt::LeftButton);
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(values.count(), 3);
    QCOMPARE(values.at(0).first().toInt(), 0);
    QCOMPARE(values.at(1).first().toInt(), 1);
    QCOMPARE(form.status->text(), completed);
}

void TestBatchConverterDialog::keepsButtonsDisabledUntilTheRunEnds()
{
    yvANSIToUnicodeBatchConverterDialog dialog;
    Form form(dialog);
    form.source->setText(m_source);
    form.destination->setText(m_destination);
    QStringList midRun;
    connect(form.progress, &QProgressBar::valueChanged, this, [&](int value) {
        midRun << QStringLiteral("%1:%2%3%4").arg(value).arg(form.ok->isEnabled()).arg(form.close->isEnabled())
                      .arg(form.abort->isEnabled());
    });

    QTest::mouseClick(form.ok, Qt::LeftButton);

    QCOMPARE(midRun, (QStringList{ QStringLiteral("0:001"), QStringLiteral("1:001"), QStringLiteral("2:001") }));
    QVERIFY(form.ok->isEnabled());
    QVERIFY(form.close->isEnabled());
    QVERIFY(!form.abort->isEnabled());
}

void TestBatchConverterDialog::abortStopsBeforeTheNextFile()
{
    yvANSIToUnicodeBatchConverterDialog dialog;
    Form form(dialog);
    form.source->setText(m_source);
    form.destination->setText(m_destination);
    connect(form.progress, &QProgressBar::valueChanged, this, [&](int value) {
        if (value == 1)
            QTest::mouseClick(form.abort, Qt::LeftButton);
    });

    QTest::mouseClick(form.ok, Qt::LeftButton);

    QCOMPARE(form.status->text(), QStringLiteral("Aborted!!!"));
    QCOMPARE(converted(m_destination), QStringList{ QStringLiteral("Unicode-a.txt") });
    QVERIFY(form.ok->isEnabled());
    QVERIFY(form.close->isEnabled());
}

void TestBatchConverterDialog::folderProblems_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("written");

    const QStringList none;
    const QStringList both{ QStringLiteral("Unicode-a.txt"), QStringLiteral("Unicode-B.DOCX") };
    QTest::newRow("missing source") << "nowhere" << "dst" << QString() << false << "Source folder doesnt exists!!!" << none;
    QTest::newRow("no matching files") << "dst" << "dst" << QString() << false << "No files to convert" << none;
    QTest::newRow("empty destination path") << "src" << QString() << QString() << false
                                            << "Destination folder path is empty, please select destination folder!!!"
                                            << none;
    QTest::newRow("destination not created") << "src" << "new/dst" << createQuestion << false
                                             << "Destination folder doesnt exists!!!" << none;
    QTest::newRow("destination created") << "src" << "new/dst" << createQuestion << true << completed << both;
    QTest::newRow("full destination kept") << "src" << "full" << overwriteQuestion << false << QString() << none;
}

void TestBatchConverterDialog::folderProblems()
{
    QFETCH(QString, source);
    QFETCH(QString, destination);
    QFETCH(QString, question);
    QFETCH(bool, yes);
    QFETCH(QString, status);
    QFETCH(QStringList, written);

    const QString full = m_dir->filePath(QStringLiteral("full"));
    QVERIFY(QDir().mkpath(full + QStringLiteral("/sub")));
    yvANSIToUnicodeBatchConverterDialog dialog;
    Form form(dialog);
    form.source->setText(m_dir->filePath(source));
    const QString target = destination.isEmpty() ? QString() : m_dir->filePath(destination);
    form.destination->setText(target);
    ModalAnswerer answerer;
    if (!question.isEmpty())
        answerer.expectMessageBox(QString(), question, yes ? QMessageBox::Yes : QMessageBox::No);

    QTest::mouseClick(form.ok, Qt::LeftButton);

    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(form.status->text(), status);
    if (!target.isEmpty()) {
        QStringList files = converted(target);
        QCOMPARE(files, written);
    }
    QCOMPARE(QDir(m_dir->filePath(QStringLiteral("new"))).exists(), destination.startsWith(QLatin1String("new")) && yes);
    QVERIFY(form.ok->isEnabled());
    QVERIFY(form.close->isEnabled());
    QVERIFY(!form.abort->isEnabled());
}

void TestBatchConverterDialog::suggestsDestination_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("empty destination filled") << "src" << QString() << "src/Unicode/";
    QTest::newRow("filled destination kept") << "src" << "/elsewhere" << "/elsewhere";
    QTest::newRow("missing source suggests nothing") << "nowhere" << QString() << QString();
}

void TestBatchConverterDialog::suggestsDestination()
{
    QFETCH(QString, typed);
    QFETCH(QString, before);
    QFETCH(QString, after);

    yvANSIToUnicodeBatchConverterDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    Form form(dialog);
    form.source->clear();
    form.destination->setText(before);
    form.source->setFocus();
    QTest::keyClicks(form.source, m_dir->filePath(typed));
    QTest::keyClick(form.source, Qt::Key_Tab);
    QVERIFY(!form.source->hasFocus());
    QCOMPARE(form.destination->text(), after.isEmpty() || after.startsWith(QLatin1Char('/')) ? after : m_dir->filePath(after));
}

YAVO_TEST_MAIN(TestBatchConverterDialog)
#include "tst_yvansitounicodebatchconverterdialog.moc"
