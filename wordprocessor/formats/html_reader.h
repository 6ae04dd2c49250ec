#ifndef YAVO_HTML_READER_H
#define YAVO_HTML_READER_H

#include "formats/formatreader.h"

// Reads an HTML file: the byte-order mark chooses the codec, UTF-8
// otherwise. Fails on a file beyond the text budget (DocumentFile), with
// binary content anywhere, or with markup that HtmlMarkup refuses; inserts
// what it reads in pieces, running the event loop between them.
class html_reader : public FormatReader
{
public:
    html_reader();

    int type() const override;
    void readData(QIODevice *device) override;
};

#endif
