#ifndef YAVO_HTML_WRITER_H
#define YAVO_HTML_WRITER_H

#include <QByteArray>
#include <QString>

class QIODevice;
class QTextDocument;

// Writes a document as HTML in a named codec, always with a byte-order
// mark; the HTML itself names no character set.
class html_writer
{
public:
    explicit html_writer(const QByteArray &encoding);

    bool write(QIODevice *device, QTextDocument *document);
    // Why the last write failed; empty after a write that succeeded.
    QString errorString() const;

private:
    QByteArray encoding;
    QString lastError;
};

#endif
