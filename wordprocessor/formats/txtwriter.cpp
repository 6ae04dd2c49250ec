#include "formats/txtwriter.h"

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
    return stream.status() == QTextStream::Ok;
}
