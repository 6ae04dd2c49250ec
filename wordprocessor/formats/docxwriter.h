#ifndef DOCXWRITER_H
#define DOCXWRITER_H

#include <QString>
#include <QXmlStreamWriter>

class QIODevice;
class QTextBlock;
class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;

// Writes a QTextDocument as a minimal word-processing package: paragraphs
// with alignment, direction, indentation and heading level, and runs with
// bold, italic, underline, strike-out and super/subscript.
class DocxWriter
{
public:
    DocxWriter();

    void setStrict(bool strict);
    // The kind of package follows the name the file is written under: a
    // template (dotx) or a macro-enabled document or template (docm, dotm,
    // then without macros) is written as such, so that the file is what its
    // name says; any other suffix gives a document.
    void setFileSuffix(const QString &suffix);

    // The device is open for writing and stays open; true when every part
    // and every byte reached it.
    bool write(QIODevice *device, QTextDocument *document);
    // Why the last write failed; empty after a write that succeeded.
    QString errorString() const;

private:
    QByteArray writeDocument(QTextDocument *document);
    void writeParagraph(const QTextBlock &block);
    void writeParagraphProperties(const QTextBlockFormat &blockFormat, const QTextCharFormat &charFormat);
    bool writeRunProperties(const QTextCharFormat &format, const QString &enclosing);
    void writeText(const QString &text, int start, int end);

    QXmlStreamWriter m_xml;
    bool m_strict;
    const char *m_mainContentType;
    QString m_errorString;
};

#endif
