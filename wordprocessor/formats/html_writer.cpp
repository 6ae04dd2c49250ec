#include "formats/html_writer.h"

#include "private/formatwriter_p.h"
#include "private/unicodetext_p.h"

#include <QTextDocument>
#include <QTextStream>

html_writer::html_writer(const QByteArray &encoding)
    : encoding(encoding)
{
}

bool html_writer::write(QIODevice *device, QTextDocument *document)
{
    QTextStream stream(device);
    UnicodeText::prepareForWriting(stream, encoding);
    stream << document->toHtml(QByteArray());
    // A device that refuses the bytes is a failed save, not a success.
    stream.flush();
    if (stream.status() != QTextStream::Ok) {
        lastError = FormatWriter::deviceErrorText(device);
        return false;
    }
    lastError.clear();
    return true;
}

QString html_writer::errorString() const
{
    return lastError;
}
