#ifndef YAVO_TXTWRITER_H
#define YAVO_TXTWRITER_H

#include <QByteArray>
#include <QString>

class QIODevice;
class QTextDocument;

// Writes a document's plain text in a named codec, always with a
// byte-order mark.
class TxtWriter
{
public:
    explicit TxtWriter(const QByteArray &encoding);

    bool write(QIODevice *device, QTextDocument *document);
    // Why the last write failed; empty after a write that succeeded.
    QString errorString() const;

private:
    QByteArray encoding;
    QString lastError;
};

#endif
