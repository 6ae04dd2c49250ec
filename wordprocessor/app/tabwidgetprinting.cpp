// Printing, print preview, page setup and the export to PDF.
#include "app/tabwidget.h"

#include "app/openpdfdialog.h"
#include "app/pdftextprinter.h"
#include "app/printersettingsdialog.h"

#include "editor/unicodekaeditor.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMarginsF>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

void TabWidget::slotPrint()
{
    UnicodeKaEditor *editor = m_currentEditor;
    if (!editor)
        return;
    // Print to File writes a PDF: it keeps the text as typed.
    PdfTextPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted && m_currentEditor == editor)
        editor->slotPrint(&printer);
}

void TabWidget::slotPrintPreview()
{
    UnicodeKaEditor *editor = m_currentEditor;
    if (!editor)
        return;
    // The preview's own printer would write a PDF without the typed text.
    PdfTextPrinter printer;
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, SIGNAL(paintRequested(QPrinter*)), editor, SLOT(slotPrint(QPrinter*)));
    preview.exec();
}

void TabWidget::slotPageSetup()
{
    // Nothing chosen here is kept: every print starts from the defaults.
    QPrinter printer;
    QPageSetupDialog dialog(&printer, nullptr);
    dialog.exec();
}

void TabWidget::slotExportToPdf()
{
    const QPointer<UnicodeKaEditor> editor = m_currentEditor;
    if (!editor)
        return;
    PdfTextPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);

    PrinterSettingsDialog settings;
    settings.setFileName(editor->document()->metaInformation(QTextDocument::DocumentTitle));
    if (settings.exec() != QDialog::Accepted || !editor)
        return;
    QString name = settings.fileName();
    if (!name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        name += QLatin1String(".pdf");
    // A bare name goes beside the document (a new one: into the working
    // folder), not into whatever folder the program was started from.
    if (QFileInfo(name).isRelative()) {
        const QFileInfo document(editor->fileName());
        name = QDir(document.isAbsolute() ? document.absolutePath() : m_workingDir).filePath(name);
    }

    printer.setOutputFileName(name);
    // The margins are the printer's device pixels, which at screen
    // resolution are the screen's.
    const qreal pointsPerPixel = 72.0 / printer.resolution();
    printer.setPageMargins(QMarginsF(settings.leftMargin(), settings.topMargin(),
                                     settings.rightMargin(), settings.bottomMargin())
                                   * pointsPerPixel,
                           QPageLayout::Point);
    printer.setPageOrientation(settings.orientation() == QPrinter::Landscape ? QPageLayout::Landscape
                                                                             : QPageLayout::Portrait);
    editor->slotPrint(&printer);

    // Printing reports no failure of its own: a file that is not there (or
    // an old one the printer could not replace) is no export.
    const QFileInfo written(name);
    if (printer.printerState() == QPrinter::Error || !written.exists() || written.size() == 0) {
        QMessageBox::warning(this, QGuiApplication::applicationDisplayName(),
                             tr("Couldn't write the PDF file %1.\n\n"
                                "Check that its folder exists and that the file is not open in another program.")
                                     .arg(QDir::toNativeSeparators(name)));
        return;
    }
    OpenPdfDialog done;
    done.setFilePath(name);
    done.exec();
}
