#include "formats/txtreader.h"

#include "private/unicodetext_p.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {
constexpr int ChunkSize = 16384;
}

TxtReader::TxtReader() = default;

int TxtReader::type() const
{
    return TxtType;
}

void TxtReader::readData(QIODevice *device)
{
    cursor.beginEditBlock();
    QTextStream stream(device);
    UnicodeText::prepareForReading(stream, device, &encoding);
    while (!stream.atEnd()) {
        QString chunk = stream.read(ChunkSize);
        // A CR LF pair cut by the chunk edge would become two paragraph
        // breaks; keep the pair together.
        if (chunk.endsWith(QLatin1Char('\r')) && !stream.atEnd())
            chunk += stream.read(1);
        cursor.insertText(chunk);
        QCoreApplication::processEvents();
    }
    cursor.endEditBlock();
}
