#include "formats/txtreader.h"

#include "formats/documentfile.h"
#include "private/documentlimits_p.h"
#include "private/unicodetext_p.h"

#include <QCoreApplication>

namespace {

constexpr qint64 ChunkSize = 16384;

} // namespace

TxtReader::TxtReader() = default;

int TxtReader::type() const
{
    return TxtType;
}

void TxtReader::readData(QIODevice *device)
{
    errorText = DocumentFile::textRefusal(device, DocumentFile::PlainText);
    if (!errorText.isEmpty())
        return;
    // Text does not compress: a text file may cost what any document may,
    // and no more, so that whatever it holds opens again from any format.
    // The first line is a paragraph before any break.
    DocumentLimits::Budget budget;
    budget.takeParagraphs(1);
    cursor.beginEditBlock();
    UnicodeTextReader reader(device, &encoding);
    while (!reader.atEnd()) {
        const QString text = reader.read(ChunkSize);
        // A device that could not be scanned before, or a file that changed
        // since, may still hold one.
        if (text.contains(QChar(0))) {
            errorText = DocumentFile::binaryText();
            break;
        }
        if (!budget.takeParagraphs(UnicodeText::paragraphBreaks(text)) || !budget.takeCharacters(text.size())) {
            errorText = DocumentLimits::tooLargeText();
            break;
        }
        cursor.insertText(text);
        QCoreApplication::processEvents();
    }
    if (errorText.isEmpty())
        errorText = reader.errorString();
    cursor.endEditBlock();
}
