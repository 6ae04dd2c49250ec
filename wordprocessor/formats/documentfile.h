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

    // No text larger than this is read: reading it would cost minutes and
    // gigabytes.
    static constexpr qint64 MaxTextSize = qint64(64) * 1024 * 1024;
    // Every text and HTML file the program writes starts with a byte-order
    // mark, of at most this many bytes.
    static constexpr qint64 MaxByteOrderMarkSize = 4;
    // The word processor asks before it opens a text or HTML file larger
    // than this: it takes some seconds.
    static constexpr qint64 LargeTextSize = qint64(8) * 1024 * 1024;

    // Why the path cannot be read as a document: it names something that is
    // no regular file. Looks at the file system entry only, so it never
    // blocks; empty when the path names a regular file or nothing at all.
    static QString kindRefusal(const QString &path);

    // Why the path cannot be opened for reading, named from the system's
    // answer: no permission, no such file, a loop of symbolic links, a name
    // the file system cannot hold. Empty when it can be opened.
    static QString openFailure(const QString &path);

    // Why the open device gives no content to read: reading fails, it reads
    // as empty though its size says otherwise, or it says it is empty and
    // still gives bytes (a file the system makes as it is read). Leaves the
    // device's position as it was; empty when the device can be read.
    static QString readRefusal(QIODevice *device);

    enum Content { PlainText, Html };

    // The largest file of the content that is read: MaxTextSize bytes of
    // text and a byte-order mark, so that a text read and saved again opens
    // again; HTML also has room for the markup of every paragraph a
    // document may hold.
    static qint64 maxSize(Content content);

    // Why the device cannot be read as text: it is larger than maxSize(),
    // it holds a NUL character (in the encoding its byte-order mark gives;
    // HTML is looked at in its first block), or, as plain text, it has more
    // lines than a document may have paragraphs. Leaves the device's
    // position as it was; empty when the device can be read.
    static QString textRefusal(QIODevice *device, Content content);

    // The reason given for a file that holds a NUL character.
    static QString binaryText();

    // A size as the messages give it, for example "12.4 MB".
    static QString sizeText(qint64 bytes);
};

#endif
