#ifndef YAVO_DOCUMENTFILE_H
#define YAVO_DOCUMENTFILE_H

#include <QCoreApplication>
#include <QString>

class QIODevice;

// What a file must be before a reader is given it. Only a regular file is
// read: a folder cannot be, a device may never end and a pipe or socket
// blocks the reader until another program writes. Text and HTML have a size
// budget, as the office formats have theirs, and a file with binary content
// is no text.
class DocumentFile
{
    Q_DECLARE_TR_FUNCTIONS(DocumentFile)

public:
    DocumentFile() = delete;

    // No text or HTML file larger than this is read: reading it would cost
    // minutes and gigabytes.
    static constexpr qint64 MaxTextSize = qint64(64) * 1024 * 1024;
    // The word processor asks before it opens a text or HTML file larger
    // than this: it takes some seconds.
    static constexpr qint64 LargeTextSize = qint64(8) * 1024 * 1024;

    // Why the path cannot be read as a document: it names something that is
    // no regular file. Looks at the file system entry only, so it never
    // blocks; empty when the path names a regular file or nothing at all.
    static QString kindRefusal(const QString &path);

    enum Content { PlainText, Html };

    // Why the device cannot be read as text: it is larger than MaxTextSize,
    // its first block holds a NUL character (in the encoding its byte-order
    // mark gives), or, as plain text, it has more lines than a document may
    // have paragraphs. Leaves the device's position as it was; empty when
    // the device can be read.
    static QString textRefusal(QIODevice *device, Content content);

    // Why content holding a NUL character is not read.
    static QString binaryText();

    // A size as the messages give it, for example "12.4 MB".
    static QString sizeText(qint64 bytes);
};

#endif
