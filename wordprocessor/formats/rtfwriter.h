#ifndef YAVO_RTFWRITER_H
#define YAVO_RTFWRITER_H

#include <QByteArray>

class QIODevice;
class QString;
class QTextCodec;
class QTextDocument;

// Writes a document as RTF in a Windows code page: a fixed header with six
// heading styles, one group per paragraph, and the text escaped so that
// characters the code page cannot hold travel as \u escapes.
class RtfWriter
{
public:
    explicit RtfWriter(const QByteArray &encoding);

    bool write(QIODevice *device, QTextDocument *document);
    QByteArray escape(const QString &text);

private:
    QByteArray encoding;
    QTextCodec *codec = nullptr;
    bool asciiTransparent = false;
    QByteArray header;
};

#endif
