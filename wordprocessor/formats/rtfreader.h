#ifndef YAVO_RTFREADER_H
#define YAVO_RTFREADER_H

#include "formatreader.h"

class RtfReader : public FormatReader
{
public:
    RtfReader();

    int type() const override;
    void readData(QIODevice *device) override;

    static bool canRead(QIODevice *device);
};

#endif
