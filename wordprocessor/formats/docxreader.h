#ifndef YAVO_DOCXREADER_H
#define YAVO_DOCXREADER_H

#include "formatreader.h"

class DocxReader : public FormatReader
{
public:
    DocxReader();

    int type() const override;
    void readData(QIODevice *device) override;

    static bool canRead(QIODevice *device);
};

#endif
