#ifndef YAVO_ODTREADER_H
#define YAVO_ODTREADER_H

#include "formatreader.h"

class OdtReader : public FormatReader
{
public:
    OdtReader();

    int type() const override;
    void readData(QIODevice *device) override;

    static bool canRead(QIODevice *device);
};

#endif
