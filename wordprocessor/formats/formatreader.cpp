#include "formatreader.h"

#include <QIODevice>

FormatReader::FormatReader() = default;

FormatReader::~FormatReader() = default;

int FormatReader::type() const
{
    return UnknownType;
}

bool FormatReader::isZipArchive(QIODevice *device)
{
    const QByteArray head = device->peek(4);
    return head.size() == 4 && head == QByteArray("PK\x03\x04", 4);
}
