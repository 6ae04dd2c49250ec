#ifndef YAVO_HTML_WRITER_H
#define YAVO_HTML_WRITER_H

#include <QByteArray>

class QIODevice;
class QTextDocument;

// Writes a document as HTML in a named codec, always with a byte-order
// mark; the HTML itself names no character set.
class html_writer
{
public:
    explicit html_writer(const QByteArray &encoding);

    bool write(QIODevice *device, QTextDocument *document);

private:
    QByteArray encoding;
};

#endif
