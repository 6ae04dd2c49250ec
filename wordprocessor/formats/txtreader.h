#ifndef YAVO_TXTREADER_H
#define YAVO_TXTREADER_H

#include "formats/formatreader.h"

// Reads a plain-text file: the byte-order mark chooses the codec, UTF-8
// otherwise; what is no character becomes U+FFFD. Fails only on a file
// beyond the text budget (DocumentFile) or with binary content.
class TxtReader : public FormatReader
{
public:
    TxtReader();

    int type() const override;
    void readData(QIODevice *device) override;
};

#endif
