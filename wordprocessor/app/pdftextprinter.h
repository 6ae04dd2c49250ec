#ifndef YAVO_PDFTEXTPRINTER_H
#define YAVO_PDFTEXTPRINTER_H

#include <QPrinter>
#include <QScopedPointer>

class QPdfPrintEngine;

// A printer whose PDF files keep the text as it was typed. Qt's PDF engine
// maps each glyph back to a character through the font's character map
// alone, so a conjunct drawn as one glyph, or a vowel sign drawn before its
// consonant, comes out of a PDF reader as nothing or in the wrong order:
// the file cannot be searched, copied or read aloud. Here every run of
// text is marked with the characters it stands for, in typed order.
//
// Used like any QPrinter. Only output to a PDF file is touched; a real
// printer, and the pictures of a print preview, are left to Qt.
class PdfTextPrinter : public QPrinter
{
public:
    explicit PdfTextPrinter(PrinterMode mode = ScreenResolution);
    ~PdfTextPrinter() override;

    // Painting begins here: for PDF output, Qt's engine is exchanged for
    // ours with every setting the printer has by then.
    QPaintEngine *paintEngine() const override;

private:
    void installTextEngine();

    QScopedPointer<QPdfPrintEngine> m_engine;
};

#endif // YAVO_PDFTEXTPRINTER_H
