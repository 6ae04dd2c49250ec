#ifndef ODTWRITER_H
#define ODTWRITER_H

#include <QHash>
#include <QString>
#include <QXmlStreamWriter>

class QIODevice;
class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;

// Writes a QTextDocument as an OpenDocument text, zipped (.odt) or, with
// setFlatXml(true), as one flat XML file (.fodt): paragraph alignment,
// direction, indentation and heading level, and the character properties
// bold, italic, underline, strike-out and super/subscript.
class OdtWriter
{
public:
    OdtWriter();

    void setFlatXml(bool flat);

    // The device is open for writing and stays open; true when the whole
    // document reached it.
    bool write(QIODevice *device, QTextDocument *document);
    // Why the last write failed; empty after a write that succeeded.
    QString errorString() const;

private:
    bool writeZip(QIODevice *device, QTextDocument *document);
    bool writeFlat(QIODevice *device, QTextDocument *document);
    QByteArray writeContent(QTextDocument *document);
    QByteArray writeStylesXml();
    void writeStyles();
    void writeAutomaticStyles(QTextDocument *document);
    bool writeParagraphStyle(const QTextBlockFormat &format, const QString &name);
    bool writeTextStyle(const QTextCharFormat &format, const QString &name);
    void writeBody(QTextDocument *document);

    void startXml(bool withTextNamespace);
    void writePiece(const QString &text, int start, int end);

    QXmlStreamWriter m_xml;
    QHash<int, QString> m_styleNames;
    bool m_flat;
    QString m_errorString;
};

#endif
