#include "app/mainwindow.h"
#include "app/openpdfdialog.h"
#include "app/printersettingsdialog.h"
#include "app/tabwidget.h"
#include "app/ui_mainwindow.h"
#include "editor/unicodekaeditor.h"

#include "modalanswerer.h"
#include "testmain.h"
#include "urlopenrecorder.h"

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>

// Printing, print preview, page setup and the export to PDF, answered from
// the test; the PDF files are read back.
class tst_TabWidgetPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void pdfFileNames_data();
    void pdfFileNames();
    void bareNameGoesBesideTheDocument_data();
    void bareNameGoesBesideTheDocument();
    void printedPagesCarryNoSpellingUnderline_data();
    void printedPagesCarryNoSpellingUnderline();
    void pdfTextIsAsTyped_data();
    void pdfTextIsAsTyped();
    void pdfOrientation_data();
    void pdfOrientation();
    void pdfMarginsAreScreenPixels();
    void pdfSettingsCancelledWritesNothing();
    void failedPdfIsAnErrorNotADialog_data();
    void failedPdfIsAnErrorNotADialog();
    void afterExportDialogOpensTheFile();
    void printsToAPdfFileAndLeavesNoDialog();
    void pageSetupDoesNotCarryIntoPrint();
    void previewDrawsTheDocumentAndGoes();
    void nothingWithoutAnEditor();

private:
    // Answers the settings dialog with the name and orientation, and the
    // after-export dialog with Close (when one is expected).
    void expectExport(ModalAnswerer &answerer, const QString &name, bool landscape, bool success);
    static QSizeF mediaBox(const QString &path);
    // Prints the current document into a PDF file the way the row names:
    // "export", "print" or "preview".
    void printToFile(const QString &how, const QString &path);

    QScopedPointer<TestSandbox> m_sandbox;
    QScopedPointer<MainWindow> m_window;
    TabWidget *tabs() const { return m_window->tabWidget(); }
    Ui::MainWindow *ui() const { return m_window->ui(); }
};

void tst_TabWidgetPrinting::init()
{
    m_sandbox.reset(new TestSandbox);
    m_window.reset(new MainWindow);
    m_window->handleArguments({QStringLiteral("yavo-pad")});
    tabs()->currentEditor()->setPlainText(QStringLiteral("ಮುದ್ರಣ print"));
    tabs()->currentEditor()->document()->setModified(false);
}

void tst_TabWidgetPrinting::cleanup()
{
    m_window.reset();
    m_sandbox.reset();
}

void tst_TabWidgetPrinting::expectExport(ModalAnswerer &answerer, const QString &name, bool landscape,
                                         bool success)
{
    answerer.expectDialog<PrinterSettingsDialog>(
            QStringLiteral("Yavo - Export to Pdf"), [name, landscape](PrinterSettingsDialog *dialog) {
                dialog->findChild<QLineEdit *>(QStringLiteral("fileNameLineEdit"))->setText(name);
                if (landscape)
                    dialog->findChild<QRadioButton *>(QStringLiteral("landscapeRadioButton"))->setChecked(true);
                dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
            });
    if (success) {
        answerer.expectDialog<OpenPdfDialog>(QStringLiteral("Yavo - Export to Pdf"), [](OpenPdfDialog *dialog) {
            dialog->findChild<QPushButton *>(QStringLiteral("CloseBtn"))->click();
        });
    }
}

QSizeF tst_TabWidgetPrinting::mediaBox(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QSizeF();
    const QByteArray bytes = file.readAll();
    const int key = bytes.indexOf("/MediaBox");
    const int open = bytes.indexOf('[', key);
    const int close = bytes.indexOf(']', open);
    if (key < 0 || open < 0 || close < 0)
        return QSizeF();
    const QList<QByteArray> numbers = bytes.mid(open + 1, close - open - 1).simplified().split(' ');
    if (numbers.size() != 4)
        return QSizeF();
    return QSizeF(numbers.at(2).toDouble() - numbers.at(0).toDouble(),
                  numbers.at(3).toDouble() - numbers.at(1).toDouble());
}

void tst_TabWidgetPrinting::pdfFileNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("suffix in capitals stays") << "report.PDF" << "report.PDF";
    QTest::newRow("no suffix gets one") << "report" << "report.pdf";
    QTest::newRow("other suffix gets one more") << "report.pdf.txt" << "report.pdf.txt.pdf";
}

void tst_TabWidgetPrinting::pdfFileNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    const QString folder = m_sandbox->root() + QLatin1Char('/');
    ModalAnswerer answerer;
    expectExport(answerer, folder + typed, false, true);
    ui()->actionPDF->trigger();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(QDir(folder).entryList({QStringLiteral("report*")}, QDir::Files), QStringList(written));
    QFile file(folder + written);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
}

void tst_TabWidgetPrinting::bareNameGoesBesideTheDocument_data()
{
    QTest::addColumn<bool>("opened");
    QTest::newRow("a document opened from a file") << true;
    QTest::newRow("a new document: the working folder") << false;
}

void tst_TabWidgetPrinting::bareNameGoesBesideTheDocument()
{
    QFETCH(bool, opened);
    const QString document = m_sandbox->writeFile(QStringLiteral("docs/letter.txt"), "letter");
    const QString folder = QFileInfo(document).absolutePath();
    if (opened) {
        tabs()->openFile(document);
    } else {
        tabs()->onWorkingDirChanged(folder);
        tabs()->slotNew();
    }
    ModalAnswerer answerer;
    expectExport(answerer, QStringLiteral("bare"), false, true);
    tabs()->slotExportToPdf();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure() + answerer.seen().join('\n')));
    QVERIFY(QFileInfo(folder + QStringLiteral("/bare.pdf")).size() > 0);
    QVERIFY(!QFile::exists(QDir::current().filePath(QStringLiteral("bare.pdf"))));
}

// Print to File, the last of the print dialog's printers, into the path.
static void choosePrintToFile(QPrintDialog *dialog, const QString &path)
{
    auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
    printers->setCurrentIndex(printers->count() - 1);
    dialog->findChild<QLineEdit *>(QStringLiteral("filename"))->setText(path);
    QMetaObject::invokeMethod(dialog, "accept");
}

void tst_TabWidgetPrinting::printToFile(const QString &how, const QString &path)
{
    ModalAnswerer answerer;
    if (how == QLatin1String("export")) {
        expectExport(answerer, path, false, true);
        tabs()->slotExportToPdf();
    } else if (how == QLatin1String("print")) {
        answerer.expectDialog<QPrintDialog>(QString(),
                                            [path](QPrintDialog *dialog) { choosePrintToFile(dialog, path); });
        tabs()->slotPrint();
    } else {
        // The preview's Print button asks where to print, as Print does, and
        // prints on the printer the preview was drawn for.
        answerer.expectDialog<QPrintPreviewDialog>(QString(), [](QPrintPreviewDialog *dialog) {
            const QList<QAction *> actions = dialog->findChildren<QAction *>();
            const auto print = std::find_if(actions.cbegin(), actions.cend(), [](const QAction *action) {
                return action->text() == QLatin1String("Print");
            });
            if (print != actions.cend())
                (*print)->trigger();
            if (dialog->isVisible())
                dialog->reject();
        });
        answerer.expectDialog<QPrintDialog>(QString(),
                                            [path](QPrintDialog *dialog) { choosePrintToFile(dialog, path); });
        tabs()->slotPrintPreview();
    }
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure() + answerer.seen().join('\n')));
}

// Words whose glyphs are not their characters one by one: conjuncts, and
// vowel signs drawn before (or around) their consonants.
static const struct
{
    const char *script;
    const char *words;
} conjunctWords[] = {
        {"Kannada", "ನಮಸ್ಕಾರ ಕನ್ನಡ ಶ್ರೀ ಕ್ಷೇತ್ರ ಸ್ತ್ರೀ"},
        {"Devanagari", "हिन्दी किताब क्षत्रिय द्वार श्रृंखला"},
        {"Telugu", "తెలుగు శ్రీనివాస క్షేత్రం స్త్రీ"},
        {"Tamil", "தமிழ் கொண்டு கைகள் க்ஷேத்திரம் ஸ்ரீ"},
        {"Bengali", "বাংলা ক্ষত্রিয় স্ত্রী কিতাব গোলাপ"},
        {"Malayalam", "മലയാളം ക്ഷേത്രം ശ്രീ കൊണ്ട് സ്ത്രീ"},
        {"Gujarati", "ગુજરાતી ક્ષત્રિય શ્રી કિતાબ"},
        {"Odia", "ଓଡ଼ିଆ କ୍ଷେତ୍ର ଶ୍ରୀ କୋଣାର୍କ"},
        {"Gurmukhi", "ਪੰਜਾਬੀ ਕਿਤਾਬ ਸ੍ਰੀ ਪ੍ਰੇਮ"},
};

// The text of a PDF as poppler extracts it, one line per line of text.
static QStringList pdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf,
                                                QStringLiteral("-")});
    if (!process.waitForFinished(20000))
        return {QStringLiteral("pdftotext did not finish")};
    QStringList lines;
    for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const QString text = line.trimmed().remove(QLatin1Char('\f'));
        if (!text.isEmpty())
            lines.append(text);
    }
    return lines;
}

void tst_TabWidgetPrinting::pdfTextIsAsTyped_data()
{
    printedPagesCarryNoSpellingUnderline_data();
}

// What a PDF reader searches, copies and reads aloud is the typed text, not
// whatever characters the glyphs on the page happen to map to.
void tst_TabWidgetPrinting::pdfTextIsAsTyped()
{
    QFETCH(QString, how);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QStringList typed;
    for (const auto &row : conjunctWords)
        typed.append(QString::fromUtf8(row.words));
    tabs()->currentEditor()->setPlainText(typed.join(QLatin1Char('\n')));

    const QString path = m_sandbox->root() + QStringLiteral("/words.pdf");
    printToFile(how, path);
    const QStringList lines = pdfText(path);
    for (int i = 0; i < typed.size(); ++i) {
        QVERIFY2(lines.value(i) == typed.at(i),
                 qPrintable(QStringLiteral("%1: \"%2\" came back as \"%3\"")
                                    .arg(QLatin1String(conjunctWords[i].script), typed.at(i), lines.value(i))));
    }
    // Then the page number that a printed document carries.
    QCOMPARE(lines.mid(typed.size()), QStringList(QStringLiteral("1")));
}

void tst_TabWidgetPrinting::printedPagesCarryNoSpellingUnderline_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("export to PDF") << "export";
    QTest::newRow("print to a file") << "print";
    QTest::newRow("print preview") << "preview";
}

// The red wavy underline of a misspelled word is the editor's, not the
// document's: paper never shows it.
void tst_TabWidgetPrinting::printedPagesCarryNoSpellingUnderline()
{
    QFETCH(QString, how);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm (poppler-utils) is not installed");
    // No word list is loaded here: every word is underlined on the screen.
    const QTextBlock block = tabs()->currentEditor()->document()->firstBlock();
    QTRY_VERIFY(std::any_of(block.layout()->formats().cbegin(), block.layout()->formats().cend(),
                            [](const QTextLayout::FormatRange &range) {
                                return range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline;
                            }));

    const QString path = m_sandbox->root() + QStringLiteral("/squiggles.pdf");
    printToFile(how, path);
    QProcess render;
    render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-f"),
                                              QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                                              QStringLiteral("-singlefile"), path,
                                              m_sandbox->root() + QStringLiteral("/page")});
    QVERIFY(render.waitForFinished(20000));
    const QImage page(m_sandbox->root() + QStringLiteral("/page.ppm"));
    QVERIFY(!page.isNull());
    int red = 0;
    int ink = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() - qMax(c.green(), c.blue()) > 100)
                ++red;
            else if (c.lightness() < 128)
                ++ink;
        }
    }
    QVERIFY2(ink > 0, "the text is not on the page");
    QCOMPARE(red, 0);
}

void tst_TabWidgetPrinting::pdfOrientation_data()
{
    QTest::addColumn<bool>("landscape");
    QTest::newRow("portrait") << false;
    QTest::newRow("landscape") << true;
}

void tst_TabWidgetPrinting::pdfOrientation()
{
    QFETCH(bool, landscape);
    const QString path = m_sandbox->root() + QStringLiteral("/page.pdf");
    ModalAnswerer answerer;
    expectExport(answerer, path, landscape, true);
    tabs()->slotExportToPdf();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    const QSizeF page = mediaBox(path);
    QVERIFY(!page.isEmpty());
    QCOMPARE(page.width() > page.height(), landscape);
}

// Where the first word lands, in points, as poppler reads the page.
static QPointF firstWordAt(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(20000))
        return QPointF(-1, -1);
    const QByteArray html = process.readAllStandardOutput();
    const int word = html.indexOf("<word ");
    auto attribute = [&html, word](const QByteArray &name) {
        const int at = html.indexOf(name + "=\"", word) + name.size() + 2;
        return html.mid(at, html.indexOf('"', at) - at).toDouble();
    };
    return word < 0 ? QPointF(-1, -1) : QPointF(attribute("xMin"), attribute("yMin"));
}

void tst_TabWidgetPrinting::pdfMarginsAreScreenPixels()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QList<QPointF> at;
    for (double margin : {20.0, 99.99}) {
        const QString path = m_sandbox->root() + QStringLiteral("/margin%1.pdf").arg(at.size());
        ModalAnswerer answerer;
        answerer.expectDialog<PrinterSettingsDialog>(QString(), [path, margin](PrinterSettingsDialog *dialog) {
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameLineEdit"))->setText(path);
            dialog->findChild<QDoubleSpinBox *>(QStringLiteral("leftMargin"))->setValue(margin);
            dialog->findChild<QDoubleSpinBox *>(QStringLiteral("topMargin"))->setValue(margin);
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        answerer.expectDialog<OpenPdfDialog>(QString(), [](OpenPdfDialog *dialog) { dialog->reject(); });
        tabs()->slotExportToPdf();
        QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
        at.append(firstWordAt(path));
        QVERIFY(at.last().x() > 0);
    }
    // 79.99 pixels at 96 per inch are 60 points (not 80 points, nor 227 as
    // millimetres would be).
    const QPointF moved = at.at(1) - at.at(0);
    QVERIFY2(qAbs(moved.x() - 59.99) < 1 && qAbs(moved.y() - 59.99) < 1,
             qPrintable(QStringLiteral("moved by %1, %2").arg(moved.x()).arg(moved.y())));
}

void tst_TabWidgetPrinting::pdfSettingsCancelledWritesNothing()
{
    ModalAnswerer answerer;
    answerer.expectDialog<PrinterSettingsDialog>(QString(), [](PrinterSettingsDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameLineEdit"))->setText(QStringLiteral("x"));
        dialog->reject();
    });
    tabs()->slotExportToPdf();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QVERIFY(QDir(m_sandbox->root()).entryList({QStringLiteral("*.pdf")}).isEmpty());
    QVERIFY(QDir(m_sandbox->currentDir()).entryList({QStringLiteral("*.pdf")}).isEmpty());
}

void tst_TabWidgetPrinting::failedPdfIsAnErrorNotADialog_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("taken");
    QTest::newRow("folder missing") << "/no/such/folder/out.pdf" << false;
    // Something by that name is there, and not empty, but it is no PDF.
    QTest::newRow("a folder by that name") << "taken.pdf" << true;
}

void tst_TabWidgetPrinting::failedPdfIsAnErrorNotADialog()
{
    QFETCH(QString, name);
    QFETCH(bool, taken);
    QString path = name;
    if (taken) {
        path = m_sandbox->root() + QLatin1Char('/') + name;
        QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
    }
    ModalAnswerer answerer;
    expectExport(answerer, path, false, false);
    answerer.expectMessageBox(QString(), QString(), QMessageBox::Ok);
    tabs()->slotExportToPdf();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure() + answerer.seen().join('\n')));
    QVERIFY2(answerer.seen().last().contains(QStringLiteral("Couldn't write the PDF file")),
             qPrintable(answerer.seen().join('\n')));
}

void tst_TabWidgetPrinting::afterExportDialogOpensTheFile()
{
    const QString path = m_sandbox->root() + QStringLiteral("/open.pdf");
    UrlOpenRecorder recorder({QStringLiteral("file")});
    ModalAnswerer answerer;
    answerer.expectDialog<PrinterSettingsDialog>(QString(), [path](PrinterSettingsDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameLineEdit"))->setText(path);
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    answerer.expectDialog<OpenPdfDialog>(QString(), [](OpenPdfDialog *dialog) {
        QCOMPARE(dialog->parentWidget(), nullptr);
        dialog->findChild<QPushButton *>(QStringLiteral("OpenBtn"))->click();
        dialog->findChild<QPushButton *>(QStringLiteral("OpenFolderBtn"))->click();
        QVERIFY(dialog->isVisible());
        dialog->findChild<QPushButton *>(QStringLiteral("CloseBtn"))->click();
    });
    tabs()->slotExportToPdf();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(recorder.urls(), QList<QUrl>({QUrl::fromLocalFile(path), QUrl::fromLocalFile(m_sandbox->root())}));
}

void tst_TabWidgetPrinting::printsToAPdfFileAndLeavesNoDialog()
{
    const QString path = m_sandbox->root() + QStringLiteral("/printed.pdf");
    ModalAnswerer answerer;
    answerer.expectDialog<QPrintDialog>(QString(), [path](QPrintDialog *dialog) {
        QCOMPARE(dialog->printer()->resolution() >= 300, true);
        auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
        auto *file = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
        if (!printers || !file) {
            dialog->reject();
            return;
        }
        printers->setCurrentIndex(printers->count() - 1);
        file->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    ui()->actionPrint->trigger();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QVERIFY(tabs()->findChildren<QPrintDialog *>().isEmpty());
    QVERIFY(m_window->findChildren<QPrintDialog *>().isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("%PDF-"));

    answerer.expectDialog<QPrintDialog>(QString(), [](QPrintDialog *dialog) { dialog->reject(); });
    tabs()->slotPrint();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QVERIFY(tabs()->findChildren<QPrintDialog *>().isEmpty());
}

void tst_TabWidgetPrinting::pageSetupDoesNotCarryIntoPrint()
{
    ModalAnswerer answerer;
    answerer.expectDialog<QPageSetupDialog>(QString(), [](QPageSetupDialog *dialog) {
        QCOMPARE(dialog->parentWidget(), nullptr);
        dialog->printer()->setPageOrientation(QPageLayout::Landscape);
        dialog->reject();
    });
    ui()->actionPrint_Setup->trigger();
    answerer.expectDialog<QPrintDialog>(QString(), [](QPrintDialog *dialog) {
        QCOMPARE(dialog->printer()->pageLayout().orientation(), QPageLayout::Portrait);
        dialog->reject();
    });
    ui()->actionPrint->trigger();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
}

void tst_TabWidgetPrinting::previewDrawsTheDocumentAndGoes()
{
    // What the preview asks to be drawn is the current document.
    const QString path = m_sandbox->root() + QStringLiteral("/preview.pdf");
    ModalAnswerer answerer;
    answerer.expectDialog<QPrintPreviewDialog>(QString(), [path](QPrintPreviewDialog *dialog) {
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFileName(path);
        emit dialog->paintRequested(&printer);
        dialog->reject();
    });
    ui()->actionPrint_preview->trigger();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QVERIFY(QFileInfo(path).size() > 0);
    QVERIFY(tabs()->findChildren<QPrintPreviewDialog *>().isEmpty());
}

void tst_TabWidgetPrinting::nothingWithoutAnEditor()
{
    tabs()->clear();
    ModalAnswerer answerer;   // nothing may be asked
    tabs()->slotPrint();
    tabs()->slotPrintPreview();
    tabs()->slotExportToPdf();
    QVERIFY(answerer.seen().isEmpty());
}

YAVO_TEST_MAIN(tst_TabWidgetPrinting)
#include "tst_tabwidgetprinting.moc"
