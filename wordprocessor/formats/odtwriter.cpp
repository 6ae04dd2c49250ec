#include "formats/odtwriter.h"

#include "formats/formatreader.h"
#include "private/documentlimits_p.h"
#include "private/formatwriter_p.h"
#include "private/xmltext_p.h"
#include "private/zippackage_p.h"

#include <QFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFormat>
#include <QVector>

namespace {

const QString OfficeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString StyleNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
const QString TextNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString FoNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");

constexpr char MimeType[] = "application/vnd.oasis.opendocument.text";

constexpr char Manifest[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
    "manifest:version=\"1.2\">\n"
    " <manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.2\" "
    "manifest:media-type=\"application/vnd.oasis.opendocument.text\"/>\n"
    " <manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>\n"
    " <manifest:file-entry manifest:full-path=\"styles.xml\" manifest:media-type=\"text/xml\"/>\n"
    "</manifest:manifest>\n";

struct CommonStyle
{
    const char *name;
    const char *displayName;
    const char *outlineLevel;
    const char *fontSize;
    const char *fontWeight;
};

constexpr CommonStyle CommonStyles[] = {
    {"Normal", "Normal", "0", "12pt", "normal"},
    {"Heading-1", "Heading 1", "1", "18pt", "bold"},
    {"Heading-2", "Heading 2", "2", "16pt", "bold"},
    {"Heading-3", "Heading 3", "3", "14pt", "bold"},
    {"Heading-4", "Heading 4", "4", "12pt", "bold"},
    {"Heading-5", "Heading 5", "5", "10pt", "bold"},
    {"Heading-6", "Heading 6", "6", "8pt", "bold"},
};

int headingLevel(const QTextBlockFormat &format)
{
    return DocumentLimits::headingLevel(format.intProperty(HeadingLevelProperty));
}

} // namespace

OdtWriter::OdtWriter()
    : m_flat(false)
{
}

void OdtWriter::setFlatXml(bool flat)
{
    m_flat = flat;
}

bool OdtWriter::write(QIODevice *device, QTextDocument *document)
{
    m_errorString.clear();
    if (!device || !device->isWritable() || !document) {
        m_errorString = FormatWriter::notWritableText();
        return false;
    }
    m_styleNames.clear();
    return m_flat ? writeFlat(device, document) : writeZip(device, document);
}

QString OdtWriter::errorString() const
{
    return m_errorString;
}

bool OdtWriter::writeZip(QIODevice *device, QTextDocument *document)
{
    ZipPackage package;
    // The stored "mimetype" entry comes first, so that the type can be told
    // from the archive's first bytes.
    package.addEntry(QStringLiteral("mimetype"), QByteArray(MimeType), ZipPackage::Stored);
    package.addEntry(QStringLiteral("META-INF/manifest.xml"), QByteArray(Manifest));
    const QByteArray content = writeContent(document);
    if (m_xml.hasError()) {
        m_errorString = FormatWriter::xmlErrorText();
        return false;
    }
    package.addEntry(QStringLiteral("content.xml"), content);
    const QByteArray styles = writeStylesXml();
    if (m_xml.hasError()) {
        m_errorString = FormatWriter::xmlErrorText();
        return false;
    }
    package.addEntry(QStringLiteral("styles.xml"), styles);
    if (!package.save(device)) {
        m_errorString = package.errorString();
        return false;
    }
    return true;
}

bool OdtWriter::writeFlat(QIODevice *device, QTextDocument *document)
{
    // Built in memory like the zipped form, so that a failing device is
    // noticed by a checked copy rather than half-way through the XML.
    const QByteArray bytes = FormatWriter::buildXml(m_xml, [&] {
        startXml(true);
        m_xml.writeStartElement(OfficeNs, QStringLiteral("document"));
        m_xml.writeAttribute(OfficeNs, QStringLiteral("mimetype"), QLatin1String(MimeType));
        m_xml.writeAttribute(OfficeNs, QStringLiteral("version"), QStringLiteral("1.2"));
        writeStyles();
        writeAutomaticStyles(document);
        writeBody(document);
        m_xml.writeEndElement();
        m_xml.writeEndDocument();
    });
    if (m_xml.hasError()) {
        m_errorString = FormatWriter::xmlErrorText();
        return false;
    }
    if (!FormatWriter::writeAll(device, bytes)) {
        m_errorString = FormatWriter::deviceErrorText(device);
        return false;
    }
    return true;
}

void OdtWriter::startXml(bool withTextNamespace)
{
    m_xml.setAutoFormatting(true);
    m_xml.setAutoFormattingIndent(1);
    m_xml.writeStartDocument(QStringLiteral("1.0"));
    m_xml.writeNamespace(OfficeNs, QStringLiteral("office"));
    m_xml.writeNamespace(StyleNs, QStringLiteral("style"));
    if (withTextNamespace)
        m_xml.writeNamespace(TextNs, QStringLiteral("text"));
    m_xml.writeNamespace(FoNs, QStringLiteral("fo"));
}

QByteArray OdtWriter::writeContent(QTextDocument *document)
{
    return FormatWriter::buildXml(m_xml, [&] {
        startXml(true);
        m_xml.writeStartElement(OfficeNs, QStringLiteral("document-content"));
        m_xml.writeAttribute(OfficeNs, QStringLiteral("version"), QStringLiteral("1.2"));
        writeAutomaticStyles(document);
        writeBody(document);
        m_xml.writeEndElement();
        m_xml.writeEndDocument();
    });
}

QByteArray OdtWriter::writeStylesXml()
{
    return FormatWriter::buildXml(m_xml, [&] {
        startXml(false);
        m_xml.writeStartElement(OfficeNs, QStringLiteral("document-styles"));
        m_xml.writeAttribute(OfficeNs, QStringLiteral("version"), QStringLiteral("1.2"));
        writeStyles();
        m_xml.writeEndElement();
        m_xml.writeEndDocument();
    });
}

void OdtWriter::writeStyles()
{
    m_xml.writeStartElement(OfficeNs, QStringLiteral("styles"));
    for (const CommonStyle &style : CommonStyles) {
        m_xml.writeStartElement(StyleNs, QStringLiteral("style"));
        m_xml.writeAttribute(StyleNs, QStringLiteral("name"), QLatin1String(style.name));
        m_xml.writeAttribute(StyleNs, QStringLiteral("display-name"), QLatin1String(style.displayName));
        m_xml.writeAttribute(StyleNs, QStringLiteral("family"), QStringLiteral("paragraph"));
        if (&style != &CommonStyles[0]) {
            m_xml.writeAttribute(StyleNs, QStringLiteral("parent-style-name"), QStringLiteral("Normal"));
            m_xml.writeAttribute(StyleNs, QStringLiteral("next-style-name"), QStringLiteral("Normal"));
            m_xml.writeAttribute(StyleNs, QStringLiteral("default-outline-level"), QLatin1String(style.outlineLevel));
        }
        m_xml.writeEmptyElement(StyleNs, QStringLiteral("text-properties"));
        m_xml.writeAttribute(FoNs, QStringLiteral("font-size"), QLatin1String(style.fontSize));
        m_xml.writeAttribute(FoNs, QStringLiteral("font-weight"), QLatin1String(style.fontWeight));
        // Indic text is complex-script text to other programs, which size
        // and weight it by these twins only.
        m_xml.writeAttribute(StyleNs, QStringLiteral("font-size-complex"), QLatin1String(style.fontSize));
        m_xml.writeAttribute(StyleNs, QStringLiteral("font-weight-complex"), QLatin1String(style.fontWeight));
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();
}

void OdtWriter::writeAutomaticStyles(QTextDocument *document)
{
    m_xml.writeStartElement(OfficeNs, QStringLiteral("automatic-styles"));
    const QVector<QTextFormat> formats = document->allFormats();
    QVector<int> paragraphs;
    QVector<int> texts;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const int index = block.blockFormatIndex();
        if (!paragraphs.contains(index)) {
            const int level = headingLevel(block.blockFormat());
            if (level != 0)
                m_styleNames.insert(index, QStringLiteral("Heading-") + QString::number(level));
            else
                paragraphs.append(index);
        }
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const int charIndex = it.fragment().charFormatIndex();
            if (charIndex >= 0 && charIndex < formats.size() && !texts.contains(charIndex)
                && formats.at(charIndex).propertyCount() > 0)
                texts.append(charIndex);
        }
    }
    int n = 1;
    for (int index : qAsConst(texts)) {
        const QString name = QStringLiteral("T") + QString::number(n);
        if (writeTextStyle(formats.at(index).toCharFormat(), name)) {
            m_styleNames.insert(index, name);
            ++n;
        }
    }
    n = 1;
    for (int index : qAsConst(paragraphs)) {
        const QString name = QStringLiteral("P") + QString::number(n);
        if (writeParagraphStyle(formats.value(index).toBlockFormat(), name)) {
            m_styleNames.insert(index, name);
            ++n;
        } else {
            m_styleNames.insert(index, QStringLiteral("Normal"));
        }
    }
    m_xml.writeEndElement();
}

bool OdtWriter::writeParagraphStyle(const QTextBlockFormat &format, const QString &name)
{
    QXmlStreamAttributes attributes;
    const bool rightToLeft = format.intProperty(QTextFormat::LayoutDirection) == Qt::RightToLeft;
    if (rightToLeft)
        attributes.append(StyleNs, QStringLiteral("writing-mode"), QStringLiteral("rl"));

    const int a = format.intProperty(QTextFormat::BlockAlignment);
    QString align;
    if (a == 0)
        align = rightToLeft ? QStringLiteral("left") : QString();
    else if (rightToLeft && (a & Qt::AlignAbsolute) && (a & (Qt::AlignLeft | Qt::AlignRight)))
        // A fixed side of a right-to-left paragraph: its left is the end.
        align = (a & Qt::AlignLeft) ? QStringLiteral("end") : QStringLiteral("start");
    else if (rightToLeft && (a & Qt::AlignLeft))
        align = QStringLiteral("left");
    else if (a & Qt::AlignRight)
        align = QStringLiteral("right");
    else if (a & (Qt::AlignHCenter | Qt::AlignVCenter))
        align = QStringLiteral("center");
    else if (a & Qt::AlignJustify)
        align = QStringLiteral("justify");
    if (!align.isEmpty())
        attributes.append(FoNs, QStringLiteral("text-align"), align);

    const int indent = format.intProperty(QTextFormat::BlockIndent);
    if (indent > 0)
        attributes.append(FoNs, QStringLiteral("margin-left"), QString::number(indent * 0.5, 'g', 6) + QStringLiteral("in"));

    if (attributes.isEmpty())
        return false;
    m_xml.writeStartElement(StyleNs, QStringLiteral("style"));
    m_xml.writeAttribute(StyleNs, QStringLiteral("name"), name);
    m_xml.writeAttribute(StyleNs, QStringLiteral("family"), QStringLiteral("paragraph"));
    m_xml.writeAttribute(StyleNs, QStringLiteral("parent-style-name"), QStringLiteral("Normal"));
    m_xml.writeEmptyElement(StyleNs, QStringLiteral("paragraph-properties"));
    m_xml.writeAttributes(attributes);
    m_xml.writeEndElement();
    return true;
}

bool OdtWriter::writeTextStyle(const QTextCharFormat &format, const QString &name)
{
    QXmlStreamAttributes attributes;
    if (format.hasProperty(QTextFormat::FontWeight) && format.intProperty(QTextFormat::FontWeight) == QFont::Bold) {
        attributes.append(FoNs, QStringLiteral("font-weight"), QStringLiteral("bold"));
        attributes.append(StyleNs, QStringLiteral("font-weight-complex"), QStringLiteral("bold"));
    }
    if (format.boolProperty(QTextFormat::FontItalic)) {
        attributes.append(FoNs, QStringLiteral("font-style"), QStringLiteral("italic"));
        attributes.append(StyleNs, QStringLiteral("font-style-complex"), QStringLiteral("italic"));
    }
    if (format.fontUnderline()) {
        attributes.append(StyleNs, QStringLiteral("text-underline-type"), QStringLiteral("single"));
        attributes.append(StyleNs, QStringLiteral("text-underline-style"), QStringLiteral("solid"));
    }
    if (format.boolProperty(QTextFormat::FontStrikeOut))
        attributes.append(StyleNs, QStringLiteral("text-line-through-type"), QStringLiteral("single"));
    const int vertical = format.intProperty(QTextFormat::TextVerticalAlignment);
    if (vertical == QTextCharFormat::AlignSuperScript)
        attributes.append(StyleNs, QStringLiteral("text-position"), QStringLiteral("super"));
    else if (vertical == QTextCharFormat::AlignSubScript)
        attributes.append(StyleNs, QStringLiteral("text-position"), QStringLiteral("sub"));

    if (attributes.isEmpty())
        return false;
    m_xml.writeStartElement(StyleNs, QStringLiteral("style"));
    m_xml.writeAttribute(StyleNs, QStringLiteral("name"), name);
    m_xml.writeAttribute(StyleNs, QStringLiteral("family"), QStringLiteral("text"));
    m_xml.writeEmptyElement(StyleNs, QStringLiteral("text-properties"));
    m_xml.writeAttributes(attributes);
    m_xml.writeEndElement();
    return true;
}

void OdtWriter::writeBody(QTextDocument *document)
{
    m_xml.writeStartElement(OfficeNs, QStringLiteral("body"));
    m_xml.writeStartElement(OfficeNs, QStringLiteral("text"));
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const int level = headingLevel(block.blockFormat());
        if (level != 0) {
            m_xml.writeStartElement(TextNs, QStringLiteral("h"));
            m_xml.writeAttribute(TextNs, QStringLiteral("outline-level"), QString::number(level));
        } else {
            m_xml.writeStartElement(TextNs, QStringLiteral("p"));
        }
        m_xml.writeAttribute(TextNs, QStringLiteral("style-name"),
                             m_styleNames.value(block.blockFormatIndex(), QStringLiteral("Normal")));
        // White space inside a paragraph is content.
        m_xml.setAutoFormatting(false);
        // Readers of the format drop a plain space at the start of a
        // paragraph and one that follows another space, even across spans:
        // such spaces are written as "text:s" so that no program loses them.
        bool afterSpace = true;
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const auto styleName = m_styleNames.constFind(fragment.charFormatIndex());
            const bool span = styleName != m_styleNames.constEnd();
            if (span) {
                m_xml.writeStartElement(TextNs, QStringLiteral("span"));
                m_xml.writeAttribute(TextNs, QStringLiteral("style-name"), *styleName);
            }
            const QString text = fragment.text();
            int start = 0;
            int i = 0;
            while (i < text.size()) {
                const QChar c = text.at(i);
                if (c == QLatin1Char(' ')) {
                    int end = i;
                    while (end < text.size() && text.at(end) == QLatin1Char(' '))
                        ++end;
                    const int k = end - i;
                    const int plain = afterSpace ? 0 : 1;
                    if (k > plain) {
                        writePiece(text, start, i + plain);
                        m_xml.writeEmptyElement(TextNs, QStringLiteral("s"));
                        m_xml.writeAttribute(TextNs, QStringLiteral("c"), QString::number(k - plain));
                        start = end;
                    }
                    afterSpace = true;
                    i = end;
                    continue;
                }
                if (c != QChar::Null)
                    afterSpace = false;
                if (c == QLatin1Char('\t') || c == QChar::LineSeparator || c == QChar::Null) {
                    writePiece(text, start, i);
                    if (c == QLatin1Char('\t'))
                        m_xml.writeEmptyElement(TextNs, QStringLiteral("tab"));
                    else if (c == QChar::LineSeparator)
                        m_xml.writeEmptyElement(TextNs, QStringLiteral("line-break"));
                    start = i + 1;
                }
                ++i;
            }
            writePiece(text, start, text.size());
            if (span)
                m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
        m_xml.setAutoFormatting(true);
    }
    m_xml.writeEndElement();
    m_xml.writeEndElement();
}

void OdtWriter::writePiece(const QString &text, int start, int end)
{
    if (start < end)
        m_xml.writeCharacters(XmlText::sanitized(text.mid(start, end - start)));
}
