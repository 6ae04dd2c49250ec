#include "formats/html_reader.h"

#include "formats/documentfile.h"
#include "formats/htmlmarkup.h"
#include "private/unicodetext_p.h"

#include <QCoreApplication>

namespace {

constexpr qint64 ChunkSize = 16384;

} // namespace

html_reader::html_reader() = default;

int html_reader::type() const
{
    return HtmlType;
}

void html_reader::readData(QIODevice *device)
{
    errorText = DocumentFile::textRefusal(device, DocumentFile::Html);
    if (!errorText.isEmpty())
        return;
    cursor.beginEditBlock();
    // Markup is parsed whole before it is cut, at paragraphs of the body
    // only: a tag cut at the edge of a piece would turn into text, and the
    // head's styles must reach every piece.
    UnicodeTextReader reader(device, &encoding);
    QString html;
    while (!reader.atEnd()) {
        html += reader.read(ChunkSize);
        QCoreApplication::processEvents();
    }
    if (html.contains(QChar(0))) {
        errorText = DocumentFile::binaryText();
    } else {
        const HtmlMarkup markup(html);
        html.clear();
        errorText = markup.refusal();
        if (errorText.isEmpty())
            markup.insert(cursor, [] { QCoreApplication::processEvents(); });
    }
    if (errorText.isEmpty())
        errorText = reader.errorString();
    cursor.endEditBlock();
}
