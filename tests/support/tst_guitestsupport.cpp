#include "modalanswerer.h"
#include "testmain.h"
#include "urlopenrecorder.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QTemporaryDir>
#include <QSettings>
#include <QStandardPaths>

class TestGuiTestSupport : public QObject
{
    Q_OBJECT

private slots:
    void answersMessageBoxesInOrder();
    void reportsAndDismissesAnUnexpectedDialog();
    void reportsADialogThatNeverCame();
    void handsOtherDialogsToTheTest();
    void reportsAndDismissesADialogItsAnswerLeftOpen();
    void answersADialogThatAnAnswerOpens();
    void answersAFileDialogWhoseNameFieldHasTheFocus_data();
    void answersAFileDialogWhoseNameFieldHasTheFocus();
    void recordsUrlOpenings();
    void sandboxHoldsSettingsDataAndCurrentFolder();
};

void TestGuiTestSupport::answersMessageBoxesInOrder()
{
    ModalAnswerer answerer;
    answerer.expectMessageBox(QStringLiteral("Exit"), QStringLiteral("Save a?"), QMessageBox::No);
    answerer.expectMessageBox(QStringLiteral("Exit"), QString(), QMessageBox::Yes);

    QCOMPARE(QMessageBox::question(nullptr, QStringLiteral("Exit"), QStringLiteral("Save a?")),
             QMessageBox::No);
    QCOMPARE(QMessageBox::question(nullptr, QStringLiteral("Exit"), QStringLiteral("Save b?")),
             QMessageBox::Yes);
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(answerer.seen(), QStringList({QStringLiteral("QMessageBox|Exit|Save a?"),
                                           QStringLiteral("QMessageBox|Exit|Save b?")}));
}

void TestGuiTestSupport::reportsAndDismissesAnUnexpectedDialog()
{
    {
        ModalAnswerer answerer;
        answerer.expectMessageBox(QStringLiteral("Exit"), QStringLiteral("Save?"), QMessageBox::Yes);

        // Wrong text: dismissed, so the call returns instead of blocking.
        QMessageBox::warning(nullptr, QStringLiteral("Exit"), QStringLiteral("Other"));
        QVERIFY(!answerer.isDone());
        QVERIFY(answerer.failure().contains(QStringLiteral("Other")));
    }
    ModalAnswerer none;
    QMessageBox::information(nullptr, QStringLiteral("Surprise"), QStringLiteral("!"));
    QVERIFY(none.failure().contains(QStringLiteral("unexpected")));
}

void TestGuiTestSupport::reportsADialogThatNeverCame()
{
    ModalAnswerer answerer;
    answerer.expectMessageBox(QStringLiteral("Exit"), QString(), QMessageBox::Yes);
    QVERIFY(!answerer.waitDone(50));
    QVERIFY(answerer.failure().contains(QStringLiteral("never came")));
}

void TestGuiTestSupport::handsOtherDialogsToTheTest()
{
    ModalAnswerer answerer;
    answerer.expectDialog<QInputDialog>(QStringLiteral("Name"), [](QInputDialog *dialog) {
        QVERIFY(dialog);
        dialog->setTextValue(QStringLiteral("ravi"));
        dialog->accept();
    });
    bool ok = false;
    const QString text = QInputDialog::getText(nullptr, QStringLiteral("Name"), QStringLiteral("?"),
                                               QLineEdit::Normal, QString(), &ok);
    QVERIFY(ok);
    QCOMPARE(text, QStringLiteral("ravi"));
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
}

void TestGuiTestSupport::reportsAndDismissesADialogItsAnswerLeftOpen()
{
    ModalAnswerer answerer;
    answerer.expectDialog<QInputDialog>(QStringLiteral("Name"), [](QInputDialog *) {});
    bool ok = true;
    QInputDialog::getText(nullptr, QStringLiteral("Name"), QStringLiteral("?"), QLineEdit::Normal, QString(), &ok);
    QVERIFY(!ok);
    QVERIFY(!answerer.isDone());
    QVERIFY2(answerer.failure().contains(QStringLiteral("still open")), qPrintable(answerer.failure()));
}

void TestGuiTestSupport::answersADialogThatAnAnswerOpens()
{
    ModalAnswerer answerer;
    answerer.expectDialog<QInputDialog>(QStringLiteral("Name"), [](QInputDialog *dialog) {
        QMessageBox::information(dialog, QStringLiteral("Name"), QStringLiteral("Taken"));
        // On top again while its answer goes on: still the same dialog.
        QTest::qWait(50);
        dialog->accept();
    });
    answerer.expectMessageBox(QStringLiteral("Name"), QStringLiteral("Taken"), QMessageBox::Ok);
    bool ok = false;
    QInputDialog::getText(nullptr, QStringLiteral("Name"), QStringLiteral("?"), QLineEdit::Normal, QString(), &ok);
    QVERIFY(ok);
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
}

void TestGuiTestSupport::answersAFileDialogWhoseNameFieldHasTheFocus_data()
{
    QTest::addColumn<bool>("save");

    QTest::newRow("open an existing file") << false;
    QTest::newRow("save a new file") << true;
}

void TestGuiTestSupport::answersAFileDialogWhoseNameFieldHasTheFocus()
{
    QFETCH(bool, save);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("start")));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("docs")));
    const QString path = folder.filePath(QStringLiteral("docs/a.txt"));
    if (!save) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    QFileDialog dialog(nullptr, QStringLiteral("Choose"), folder.filePath(QStringLiteral("start")));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Shown and given the keyboard before the answerer looks: the name field
    // has the focus, as it has when the answer comes late.
    dialog.open();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QVERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));

    ModalAnswerer answerer;
    answerer.expectFileDialog(QStringLiteral("Choose"), path);
    QVERIFY2(answerer.waitDone(), qPrintable(answerer.failure()));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedFiles(), QStringList(path));
}

void TestGuiTestSupport::recordsUrlOpenings()
{
    UrlOpenRecorder recorder;
    const QUrl file = QUrl::fromLocalFile(QStringLiteral("/tmp/a b.txt"));
    const QUrl web(QStringLiteral("https://example.org/wiki/x"));
    QVERIFY(QDesktopServices::openUrl(file));
    QVERIFY(QDesktopServices::openUrl(web));
    QCOMPARE(recorder.urls(), QList<QUrl>({file, web}));
    recorder.clear();
    QVERIFY(recorder.urls().isEmpty());
}

void TestGuiTestSupport::sandboxHoldsSettingsDataAndCurrentFolder()
{
    auto places = [] {
        return QStringList{QSettings(QStringLiteral("Quenvel"), QStringLiteral("Yavo")).fileName(),
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                           QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                           QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                           QDir::homePath(), QDir::currentPath()};
    };
    const QStringList outer = places();
    {
        TestSandbox sandbox;
        QVERIFY(sandbox.isValid());
        const QStringList inner = places();
        for (const QString &place : inner)
            QVERIFY2(place.startsWith(sandbox.root() + QLatin1Char('/')), qPrintable(place));
        QCOMPARE(QDir::currentPath(), sandbox.currentDir());
        {
            TemporaryCurrentDir cwd;
            QCOMPARE(QDir::currentPath(), cwd.path());
        }
        QCOMPARE(places(), inner);
    }
    QCOMPARE(places(), outer);
}

YAVO_TEST_MAIN(TestGuiTestSupport)
#include "tst_guitestsupport.moc"
