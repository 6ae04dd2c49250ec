#include "formats/txtreader.h"

#include "formats/documentfile.h"
#include "private/documentlimits_p.h"
#include "private/unicodetext_p.h"

#include <QCoreApplication>

namespace {

constexpr qint64 ChunkSize = 16384;

// The paragraphs a piece of text adds: each line feed, carriage return not
// followed by a line feed, and paragraph separator starts one. A piece never
// ends between a carriage return and its line feed.
qint64 paragraphBreaks(const QString &text)
{
    qint64 count = 0;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n') || c == QChar::ParagraphSeparator
            || (c == QLatin1Char('\r') && (i + 1 == n || text.at(i + 1) != QLatin1Char('\n'))))
            ++count;
    }
    return count;
}

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
    DocumentLimits::Budget budget;
    cursor.beginEditBlock();
    UnicodeTextReader reader(device, &encoding);
    while (!reader.atEnd()) {
        const QString text = reader.read(ChunkSize);
        if (!budget.takeParagraphs(paragraphBreaks(text)) || !budget.takeCharacters(text.size())) {
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
