#ifndef YAVO_OFFICEROUNDTRIP_H
#define YAVO_OFFICEROUNDTRIP_H

// What the DOCX and ODT fuzz targets check of every input: reading it neither
// crashes nor hangs, and what was read, written with the writer of the same
// format and read again, gives the same text.

#include "fuzzsupport.h"

#include <QDebug>

#include <cstdlib>

template<typename Reader, typename Writer>
void readWriteAndReadBack(QByteArray input, Writer &writer)
{
    QTextDocument document;
    Reader reader;
    readInto(reader, document, input);

    QByteArray written;
    {
        QBuffer out(&written);
        out.open(QIODevice::WriteOnly);
        if (!writer.write(&out, &document))
            std::abort();
    }

    QTextDocument copy;
    Reader again;
    readInto(again, copy, written);
    if (!again.errorText.isEmpty() || copy.toPlainText() != document.toPlainText()) {
        qWarning() << "read:" << document.toPlainText() << "\nread back:" << copy.toPlainText() << again.errorText;
        std::abort();
    }
}

#endif
