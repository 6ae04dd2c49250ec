#include "formats/txtreader.h"

#include "private/unicodetext_p.h"

#include <QCoreApplication>

namespace {
constexpr qint64 ChunkSize = 16384;
}

TxtReader::TxtReader() = default;

int TxtReader::type() const
{
    return TxtType;
}

void TxtReader::readData(QIODevice *device)
{
    cursor.beginEditBlock();
    UnicodeTextReader reader(device, &encoding);
    while (!reader.atEnd()) {
        cursor.insertText(reader.read(ChunkSize));
        QCoreApplication::processEvents();
    }
    cursor.endEditBlock();
}
