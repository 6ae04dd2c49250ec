#include "formats/txtwriter.h"

#include "private/formatwriter_p.h"
#include "private/unicodetext_p.h"

#include <QTextDocument>
#include <QTextStream>

TxtWriter::TxtWriter(const QByteArray &encoding)
    : encoding(encoding)
{
}

bool TxtWriter::write(QIODevice *device, QTextDocument *document)
{
    QTextStream stream(device);
    UnicodeText::prepareForWriting(stream, encoding);
    stream << document->toPlainText();
    // A device that refuses the bytes is a failed save, not a success.
    stream.flush();
    if (stream.status() != QTextStream::Ok) {
        lastError = FormatWriter::deviceErrorText(device);
        return false;
    }
    lastError.clear();
    return true;
}

QString TxtWriter::errorString() const
{
    return lastError;
}
