#include "app/pdftextprinter.h"

#include <QIODevice>
#include <QTextItem>

#include <QtGui/private/qpdf_p.h>
#include <QtPrintSupport/private/qprintengine_pdf_p.h>

#include <type_traits>

namespace {

// Everything a printer keeps in its engine, the page layout last, since it
// holds the page size, orientation, margins and full-page mode that some
// of the others would otherwise reset.
constexpr QPrintEngine::PrintEnginePropertyKey carriedSettings[] = {
        QPrintEngine::PPK_CollateCopies,  QPrintEngine::PPK_ColorMode,       QPrintEngine::PPK_Creator,
        QPrintEngine::PPK_DocumentName,   QPrintEngine::PPK_CopyCount,       QPrintEngine::PPK_OutputFileName,
        QPrintEngine::PPK_PageOrder,      QPrintEngine::PPK_PaperSource,     QPrintEngine::PPK_PrinterName,
        QPrintEngine::PPK_PrinterProgram, QPrintEngine::PPK_Resolution,      QPrintEngine::PPK_SelectionOption,
        QPrintEngine::PPK_FontEmbedding,  QPrintEngine::PPK_Duplex,          QPrintEngine::PPK_QPageLayout,
};

// The Qt releases whose private PDF classes were read for what follows.
// Qt's engine is taken over only when the program was built with one of
// them and runs with one: any other keeps Qt's own PDFs, whose text loses
// the conjuncts but whose pages are right.
constexpr const char *checkedQtVersions[] = {"5.15.8"};

bool isCheckedQt(const char *version)
{
    for (const char *checked : checkedQtVersions) {
        if (qstrcmp(version, checked) == 0)
            return true;
    }
    return false;
}

// The content stream of the page being drawn. Qt offers no way to add to
// it: the stream class is not exported, so its device is read from the
// stream's only layout, which its header gives (the device comes first).
static_assert(std::is_standard_layout<QPdf::ByteStream>::value,
              "the page stream's device is read from its first member");

QIODevice *pageStream(QPdfPage *page)
{
    return *reinterpret_cast<QIODevice *const *>(static_cast<QPdf::ByteStream *>(page));
}

// A text string of the form a PDF reader takes as Unicode: UTF-16BE in hex,
// after the byte order mark.
QByteArray utf16Hex(const QString &text)
{
    QByteArray hex("<FEFF");
    hex.reserve(hex.size() + text.size() * 4 + 1);
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    hex += '>';
    return hex;
}

// Qt's PDF engine with every text item wrapped in a marked-content span
// whose /ActualText is the item's characters in logical order: PDF readers
// take that, not the glyphs, as the text (search, copy, reading aloud),
// while the page is drawn exactly as before.
class TextPdfEngine : public QPdfPrintEngine
{
public:
    using QPdfPrintEngine::QPdfPrintEngine;

    void drawTextItem(const QPointF &p, const QTextItem &textItem) override
    {
        QPdfPage *page = static_cast<QPdfEnginePrivate *>(d_ptr.data())->currentPage;
        const qint64 start = pageStream(page)->size();
        QPdfPrintEngine::drawTextItem(p, textItem);
        markText(pageStream(page), start, textItem.text());
    }

private:
    // Qt draws a text item as "q ... Q", the item's transformation inside.
    // The span goes inside too: readers place its text with the
    // transformation in force where the span ends.
    static void markText(QIODevice *stream, qint64 start, const QString &text)
    {
        static const QByteArray save("q\n");
        static const QByteArray restore("Q\n");
        if (text.isEmpty() || !stream->seek(start))
            return;
        QByteArray item = stream->readAll();
        if (!item.startsWith(save) || !item.endsWith(restore))
            return;   // nothing drawn, or drawn as outlines
        item.insert(item.size() - restore.size(), "EMC\n");
        item.insert(save.size(), "/Span <</ActualText " + utf16Hex(text) + ">> BDC\n");
        // The item only grows, so writing it over the old one leaves no rest.
        stream->seek(start);
        stream->write(item);
    }
};

} // namespace

PdfTextPrinter::PdfTextPrinter(PrinterMode mode)
    : QPrinter(mode)
{
}

PdfTextPrinter::~PdfTextPrinter() = default;

QPaintEngine *PdfTextPrinter::paintEngine() const
{
    // Called as painting begins, on a printer that is never const in use.
    const_cast<PdfTextPrinter *>(this)->installTextEngine();
    return QPrinter::paintEngine();
}

void PdfTextPrinter::installTextEngine()
{
    static const bool checked = isCheckedQt(QT_VERSION_STR) && isCheckedQt(qVersion());
    if (outputFormat() != PdfFormat || !checked)
        return;
    // A print preview draws through its own engine; ours may be in already.
    auto *current = dynamic_cast<QPdfPrintEngine *>(QPrinter::paintEngine());
    if (!current || current == m_engine.data() || current->printerState() == Active)
        return;

    QScopedPointer<QPdfPrintEngine> engine(
            new TextPdfEngine(QPrinter::HighResolution, static_cast<QPdfEngine::PdfVersion>(pdfVersion())));
    for (const QPrintEngine::PrintEnginePropertyKey key : carriedSettings)
        engine->setProperty(key, current->property(key));
    // Qt's engine is the printer's own and goes with this call; an earlier
    // one of ours was already replaced by Qt when the output changed.
    setEngines(engine.data(), engine.data());
    m_engine.swap(engine);
}
