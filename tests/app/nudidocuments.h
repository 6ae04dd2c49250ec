#ifndef YAVO_TESTS_NUDIDOCUMENTS_H
#define YAVO_TESTS_NUDIDOCUMENTS_H

#include "formats/docxwriter.h"
#include "formats/formatmanager.h"
#include "formats/formatreader.h"
#include "formats/html_writer.h"
#include "formats/odtwriter.h"
#include "formats/rtfwriter.h"
#include "formats/txtwriter.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

// Documents of Nudi-font Kannada, written by our own writers, and read back
// the way the converter reads them.
namespace NudiDocuments {

// "ಕನ್ನಡ ಕ" and "ಕ" in the Nudi font encoding, and what they convert to.
inline QString nudiText()
{
    return QString::fromLatin1("\x50\xC0\xA3\xC0\xDF\x71\xC0 \x50\xC0\n\x50\xC0");
}
inline QStringList unicodeBlocks()
{
    return { QStringLiteral("ಕನ್ನಡ ಕ"), QStringLiteral("ಕ") };
}

inline QStringList blockTexts(const QTextDocument &document)
{
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

// Writes the Nudi text in the format the writer kind names: "txt",
// "txt-utf16", "rtf", "html", "odt", "fodt", "docx"; or as bare text without
// byte-order mark, as editors of other systems save it: "txt-windows"
// (the Western code page) and "txt-utf8". False when the writer failed.
inline bool write(const QString &path, const QString &kind)
{
    QTextDocument document;
    document.setPlainText(nudiText());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (kind == QLatin1String("txt-windows") || kind == QLatin1String("txt-utf8")) {
        const QByteArray bytes = kind == QLatin1String("txt-utf8") ? nudiText().toUtf8() : nudiText().toLatin1();
        return file.write(bytes) == bytes.size();
    }
    if (kind == QLatin1String("txt"))
        return TxtWriter("UTF-8").write(&file, &document);
    if (kind == QLatin1String("txt-utf16"))
        return TxtWriter("UTF-16LE").write(&file, &document);
    if (kind == QLatin1String("rtf"))
        return RtfWriter("CP1252").write(&file, &document);
    if (kind == QLatin1String("html"))
        return html_writer("UTF-8").write(&file, &document);
    if (kind == QLatin1String("odt"))
        return OdtWriter().write(&file, &document);
    if (kind == QLatin1String("fodt")) {
        OdtWriter writer;
        writer.setFlatXml(true);
        return writer.write(&file, &document);
    }
    if (kind == QLatin1String("docx"))
        return DocxWriter().write(&file, &document);
    return false;
}

// Reads a file through the format library as the converter does; returns
// the reader (its type, encoding and error) and fills the document.
inline std::unique_ptr<FormatReader> read(const QString &path, QTextDocument *document)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    std::unique_ptr<FormatReader> reader(FormatManager::createReader(&file, QFileInfo(path).suffix()));
    reader->cursor = QTextCursor(document);
    reader->readData(&file);
    return reader;
}

} // namespace NudiDocuments

#endif
