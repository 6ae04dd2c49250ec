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

int FormatReader::headingLevelOfStyleName(QStringView name)
{
    if (!name.startsWith(QLatin1String("Head")))
        return 0;
    return qBound(1, name.back().digitValue(), 6);
}
