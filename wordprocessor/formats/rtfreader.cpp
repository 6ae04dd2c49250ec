#include "rtfreader.h"

#include <QIODevice>

RtfReader::RtfReader() = default;

int RtfReader::type() const
{
    return RtfType;
}

void RtfReader::readData(QIODevice *)
{
}

bool RtfReader::canRead(QIODevice *device)
{
    return device->peek(5) == "{\\rtf";
}
