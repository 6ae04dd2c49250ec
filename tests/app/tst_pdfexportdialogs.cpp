#include "app/openpdfdialog.h"
#include "app/printersettingsdialog.h"

#include "modalanswerer.h"
#include "testmain.h"
#include "urlopenrecorder.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

double marginOf(const PrinterSettingsDialog &dialog, const QString &box)
{
    if (box == QLatin1String("topMargin"))
        return dialog.topMargin();
    if (box == QLatin1String("leftMargin"))
        return dialog.leftMargin();
    if (box == QLatin1String("rightMargin"))
        return dialog.rightMargin();
    return dialog.bottomMargin();
}

QPushButton *okButton(QDialog &dialog)
{
    return dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok);
}

} // namespace

class TestPdfExportDialogs : public QObject
{
    Q_OBJECT

private slots:
    void settingsStartFromTheFormDefaults();
    void marginsStayWithinTheirLimits_data();
    void marginsStayWithinTheirLimits();
    void orientationFollowsTheCheckedButton();
    void okNeedsAFileName_data();
    void okNeedsAFileName();
    void cancelClosesWithoutAMessage();
    void fileChooserAnswerReplacesTheName_data();
    void fileChooserAnswerReplacesTheName();
    void openDialogShowsThePath();
    void openButtonsOpenOnlyAnExistingPdf_data();
    void openButtonsOpenOnlyAnExistingPdf();
};

void TestPdfExportDialogs::settingsStartFromTheFormDefaults()
{
    PrinterSettingsDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Yavo - Export to Pdf"));
    QCOMPARE(dialog.fileName(), QString());
    QCOMPARE(dialog.orientation(), 0);
    QCOMPARE(dialog.topMargin(), 20.0);
    QCOMPARE(dialog.leftMargin(), 20.0);
    QCOMPARE(dialog.rightMargin(), 0.0);
    QCOMPARE(dialog.bottomMargin(), 0.0);
    QCOMPARE(dialog.layout()->sizeConstraint(), QLayout::SetFixedSize);

    // The paper size is shown, never chosen: the PDF takes the printer's.
    auto *paperSize = dialog.findChild<QComboBox *>(QStringLiteral("papersizeComboBox"));
    QCOMPARE(paperSize->count(), 30);
    QCOMPARE(paperSize->currentText(), QStringLiteral("A4"));
    QCOMPARE(paperSize->itemText(29), QStringLiteral("Tabloid"));
    dialog.show();
    QVERIFY(!paperSize->isEnabled());

    // What the export pre-fills comes back untouched, blanks included.
    dialog.setFileName(QStringLiteral(" title "));
    QCOMPARE(dialog.fileName(), QStringLiteral(" title "));
}

void TestPdfExportDialogs::marginsStayWithinTheirLimits_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<double>("typed");
    QTest::addColumn<double>("kept");

    QTest::newRow("top below 20") << "topMargin" << 19.99 << 20.0;
    QTest::newRow("left below 20") << "leftMargin" << 0.0 << 20.0;
    QTest::newRow("right at 0") << "rightMargin" << 0.0 << 0.0;
    QTest::newRow("bottom at 0") << "bottonMargin" << 0.0 << 0.0;
    QTest::newRow("bottom below 0") << "bottonMargin" << -5.0 << 0.0;
    QTest::newRow("top above 99.99") << "topMargin" << 100.0 << 99.99;
    QTest::newRow("right above 99.99") << "rightMargin" << 250.0 << 99.99;
    QTest::newRow("left two decimals") << "leftMargin" << 42.25 << 42.25;
    QTest::newRow("bottom two decimals") << "bottonMargin" << 12.345 << 12.35;
}

void TestPdfExportDialogs::marginsStayWithinTheirLimits()
{
    QFETCH(QString, box);
    QFETCH(double, typed);
    QFETCH(double, kept);

    PrinterSettingsDialog dialog;
    auto *spin = dialog.findChild<QDoubleSpinBox *>(box);
    QVERIFY(spin);
    spin->setValue(typed);
    QCOMPARE(marginOf(dialog, box), kept);
}

void TestPdfExportDialogs::orientationFollowsTheCheckedButton()
{
    PrinterSettingsDialog dialog;
    dialog.findChild<QRadioButton *>(QStringLiteral("landscapeRadioButton"))->click();
    QCOMPARE(dialog.orientation(), 1);
    dialog.findChild<QRadioButton *>(QStringLiteral("portraitRadioButton"))->click();
    QCOMPARE(dialog.orientation(), 0);
}

void TestPdfExportDialogs::okNeedsAFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("empty is refused") << QString() << false;
    QTest::newRow("blanks pass") << QStringLiteral("   ") << true;
    QTest::newRow("no suffix passes") << QStringLiteral("report") << true;
}

void TestPdfExportDialogs::okNeedsAFileName()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);

    QGuiApplication::setApplicationDisplayName(QStringLiteral("Yavo"));
    PrinterSettingsDialog dialog;
    dialog.setFileName(name);
    dialog.show();

    ModalAnswerer answerer;
    if (!accepted)
        answerer.expectMessageBox(QStringLiteral("Yavo"), QStringLiteral("You must enter the name for the new file"),
                                  QMessageBox::Ok);
    okButton(dialog)->click();
    QVERIFY2(answerer.waitDone(), qPrintable(answerer.failure()));

    QCOMPARE(dialog.isVisible(), !accepted);
    QCOMPARE(dialog.result(), accepted ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(dialog.fileName(), name);
}

void TestPdfExportDialogs::cancelClosesWithoutAMessage()
{
    PrinterSettingsDialog dialog;
    dialog.show();
    ModalAnswerer answerer;
    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
    QVERIFY2(answerer.waitDone(), qPrintable(answerer.failure()));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestPdfExportDialogs::fileChooserAnswerReplacesTheName_data()
{
    QTest::addColumn<bool>("choose");

    QTest::newRow("cancelled chooser empties the field") << false;
    QTest::newRow("chosen file replaces the field") << true;
}

void TestPdfExportDialogs::fileChooserAnswerReplacesTheName()
{
    QFETCH(bool, choose);

    QTemporaryDir folder;
    const QString chosen = folder.filePath(QStringLiteral("chosen.pdf"));
    PrinterSettingsDialog dialog;
    dialog.setFileName(QStringLiteral("old.pdf"));
    dialog.show();

    ModalAnswerer answerer;
    answerer.expectDialog<QFileDialog>(QStringLiteral("Save File"), [&](QFileDialog *chooser) {
        QCOMPARE(chooser->nameFilters(), QStringList{QStringLiteral("PDF files (*.pdf)")});
        if (!choose) {
            chooser->reject();
            return;
        }
        chooser->setDirectory(folder.path());
        chooser->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("chosen.pdf"));
        static_cast<QDialog *>(chooser)->accept();
    });
    dialog.findChild<QToolButton *>(QStringLiteral("chooseFileNameBtn"))->click();
    QVERIFY2(answerer.waitDone(), qPrintable(answerer.failure()));
    QCOMPARE(dialog.fileName(), choose ? chosen : QString());
}

void TestPdfExportDialogs::openDialogShowsThePath()
{
    OpenPdfDialog dialog;
    dialog.setFilePath(QStringLiteral("/tmp/a.pdf"));
    QCOMPARE(dialog.objectName(), QStringLiteral("OpenPdfDialog"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Yavo - Export to Pdf"));
    auto *path = dialog.findChild<QLineEdit *>(QStringLiteral("lineEdit"));
    QCOMPARE(path->text(), QStringLiteral("/tmp/a.pdf"));
    QVERIFY(path->isReadOnly());
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("OpenBtn"))->text(), QStringLiteral("Open"));
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("OpenFolderBtn"))->text(),
             QStringLiteral("Open Containing folder"));
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("CloseBtn"))->text(), QStringLiteral("Close"));
}

void TestPdfExportDialogs::openButtonsOpenOnlyAnExistingPdf_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("pdf");        // as the dialog is given it
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("opened");     // relative to the current folder; "" = nothing

    QTest::newRow("open") << "OpenBtn" << "out/a.pdf" << true << "out/a.pdf";
    QTest::newRow("open folder") << "OpenFolderBtn" << "out/a.pdf" << true << "out";
    QTest::newRow("open missing") << "OpenBtn" << "out/a.pdf" << false << "";
    QTest::newRow("open folder missing") << "OpenFolderBtn" << "out/a.pdf" << false << "";
    // A name typed without a folder still opens as an absolute file URL.
    QTest::newRow("open relative") << "OpenBtn" << "rel.pdf" << true << "rel.pdf";
    QTest::newRow("open folder relative") << "OpenFolderBtn" << "rel.pdf" << true << ".";
}

void TestPdfExportDialogs::openButtonsOpenOnlyAnExistingPdf()
{
    QFETCH(QString, button);
    QFETCH(QString, pdf);
    QFETCH(bool, exists);
    QFETCH(QString, opened);

    TemporaryCurrentDir current;
    QVERIFY(current.isValid());
    const QDir here(current.path());
    QVERIFY(here.mkpath(QStringLiteral("out")));
    const bool relative = !pdf.contains(QLatin1Char('/'));
    const QString given = relative ? pdf : here.filePath(pdf);
    if (exists) {
        QFile file(here.filePath(pdf));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4\n");
    }

    UrlOpenRecorder recorder;
    OpenPdfDialog dialog;
    dialog.setFilePath(given);
    dialog.show();
    dialog.findChild<QPushButton *>(button)->click();

    const QList<QUrl> expected = opened.isEmpty()
        ? QList<QUrl>()
        : QList<QUrl>{QUrl::fromLocalFile(QDir::cleanPath(here.absoluteFilePath(opened)))};
    QCOMPARE(recorder.urls(), expected);
    QVERIFY2(dialog.isVisible(), "only Close closes the dialog");

    dialog.findChild<QPushButton *>(QStringLiteral("CloseBtn"))->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(recorder.urls(), expected);
}

YAVO_TEST_MAIN(TestPdfExportDialogs)
#include "tst_pdfexportdialogs.moc"
