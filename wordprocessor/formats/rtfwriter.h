#ifndef YAVO_RTFWRITER_H
#define YAVO_RTFWRITER_H

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class QIODevice;
class QTextCodec;
class QTextDocument;

// Writes a document as RTF in a Windows code page: a fixed header with six
// heading styles, one group per paragraph, and the text escaped so that
// characters the code page cannot hold travel as \u escapes.
class RtfWriter
{
    Q_DECLARE_TR_FUNCTIONS(RtfWriter)

public:
    explicit RtfWriter(const QByteArray &encoding);

    bool write(QIODevice *device, QTextDocument *document);
    // Why the last write failed; empty after a write that succeeded.
    QString errorString() const;
    QByteArray escape(const QString &text);

private:
    QByteArray encoding;
    QTextCodec *codec = nullptr;
    bool asciiTransparent = false;
    QByteArray header;
    QString lastError;
};

#endif
