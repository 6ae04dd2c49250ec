#include "formats/docxwriter.h"

#include "formats/formatreader.h"
#include "private/documentlimits_p.h"
#include "private/formatwriter_p.h"
#include "private/wordpackage_p.h"
#include "private/xmltext_p.h"
#include "private/zippackage_p.h"

#include <QFont>
#include <QTextBlock>
#include <QTextDocument>

namespace {

const QString WordNamespace = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");

// One indentation step (half an inch) in twentieths of a point.
constexpr int TwipsPerIndent = 720;

constexpr char PackageRelationships[] =
    "<?xml version=\"1.0\"?>"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Target=\"word/document.xml\" Id=\"pkgRId0\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\"/>"
    "</Relationships>";

constexpr char DocumentRelationships[] =
    "<?xml version=\"1.0\"?>"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Target=\"styles.xml\" Id=\"docRId0\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\"/>"
    "</Relationships>";

QByteArray contentTypes(const char *mainContentType)
{
    return QByteArray("<?xml version=\"1.0\"?>"
                      "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                      "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                      "<Default Extension=\"xml\" ContentType=\"")
        + mainContentType
        + "\"/><Override PartName=\"/word/styles.xml\" "
          "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
          "</Types>";
}

// Font sizes of the heading styles 1 to 6, in half points.
constexpr int HeadingSizes[] = {36, 32, 28, 24, 20, 16};

QByteArray stylesPart()
{
    QByteArray part =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
        "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
        "<w:style w:type=\"paragraph\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/><w:pPr/>"
        "<w:rPr><w:sz w:val=\"24\"/><w:szCs w:val=\"24\"/></w:rPr></w:style>";
    // Word processors format Indic text (a complex script) by the *Cs twins
    // of bold and size: without them headings show plain in other programs.
    for (int level = 1; level <= 6; ++level) {
        const QByteArray n = QByteArray::number(level);
        const QByteArray size = QByteArray::number(HeadingSizes[level - 1]);
        part += "<w:style w:type=\"paragraph\" w:styleId=\"Heading" + n + "\"><w:name w:val=\"Heading " + n
            + "\"/><w:basedOn w:val=\"Normal\"/><w:next w:val=\"Normal\"/><w:pPr><w:outlineLvl w:val=\""
            + QByteArray::number(level - 1) + "\"/></w:pPr><w:rPr><w:b/><w:bCs/><w:sz w:val=\""
            + size + "\"/><w:szCs w:val=\"" + size + "\"/></w:rPr></w:style>";
    }
    part += "</w:styles>";
    return part;
}

} // namespace

DocxWriter::DocxWriter()
    : m_strict(false)
    , m_mainContentType(WordPackage::kinds[0].mainContentType)
{
}

void DocxWriter::setFileSuffix(const QString &suffix)
{
    m_mainContentType = WordPackage::kinds[0].mainContentType;
    for (const WordPackage::Kind &kind : WordPackage::kinds) {
        if (suffix.compare(QLatin1String(kind.suffix), Qt::CaseInsensitive) == 0)
            m_mainContentType = kind.mainContentType;
    }
}

void DocxWriter::setStrict(bool strict)
{
    m_strict = strict;
}

bool DocxWriter::write(QIODevice *device, QTextDocument *document)
{
    m_errorString.clear();
    if (!device || !device->isWritable() || !document) {
        m_errorString = FormatWriter::notWritableText();
        return false;
    }
    const QByteArray content = writeDocument(document);
    if (m_xml.hasError()) {
        m_errorString = FormatWriter::xmlErrorText();
        return false;
    }
    ZipPackage package;
    package.addEntry(QStringLiteral("_rels/.rels"), QByteArray(PackageRelationships));
    package.addEntry(QStringLiteral("word/_rels/document.xml.rels"), QByteArray(DocumentRelationships));
    package.addEntry(QStringLiteral("word/document.xml"), content);
    package.addEntry(QStringLiteral("word/styles.xml"), stylesPart());
    package.addEntry(QStringLiteral("[Content_Types].xml"), contentTypes(m_mainContentType));
    if (!package.save(device)) {
        m_errorString = package.errorString();
        return false;
    }
    return true;
}

QString DocxWriter::errorString() const
{
    return m_errorString;
}

QByteArray DocxWriter::writeDocument(QTextDocument *document)
{
    return FormatWriter::buildXml(m_xml, [&] {
        m_xml.setAutoFormatting(false);
        m_xml.writeNamespace(WordNamespace, QStringLiteral("w"));
        m_xml.writeStartDocument(QStringLiteral("1.0"), true);
        m_xml.writeStartElement(WordNamespace, QStringLiteral("document"));
        m_xml.writeStartElement(WordNamespace, QStringLiteral("body"));
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            writeParagraph(block);
        m_xml.writeEndElement();
        m_xml.writeEndElement();
        m_xml.writeEndDocument();
    });
}

void DocxWriter::writeParagraph(const QTextBlock &block)
{
    m_xml.writeStartElement(WordNamespace, QStringLiteral("p"));
    writeParagraphProperties(block.blockFormat(), block.charFormat());
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        m_xml.writeStartElement(WordNamespace, QStringLiteral("r"));
        writeRunProperties(fragment.charFormat(), QString());
        const QString text = fragment.text();
        int start = 0;
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c != QLatin1Char('\t') && c != QChar::LineSeparator && c != QChar::Null)
                continue;
            writeText(text, start, i);
            if (c == QLatin1Char('\t'))
                m_xml.writeEmptyElement(WordNamespace, QStringLiteral("tab"));
            else if (c == QChar::LineSeparator)
                m_xml.writeEmptyElement(WordNamespace, QStringLiteral("br"));
            start = i + 1;
        }
        writeText(text, start, text.size());
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();
}

void DocxWriter::writeParagraphProperties(const QTextBlockFormat &blockFormat, const QTextCharFormat &charFormat)
{
    bool open = false;
    const auto openProperties = [&] {
        if (!open)
            m_xml.writeStartElement(WordNamespace, QStringLiteral("pPr"));
        open = true;
    };

    const int level = DocumentLimits::headingLevel(blockFormat.intProperty(HeadingLevelProperty));
    const bool rightToLeft = blockFormat.intProperty(QTextFormat::LayoutDirection) == Qt::RightToLeft;
    const int a = blockFormat.intProperty(QTextFormat::BlockAlignment);
    const int indent = blockFormat.intProperty(QTextFormat::BlockIndent);

    if (level != 0) {
        openProperties();
        m_xml.writeEmptyElement(WordNamespace, QStringLiteral("pStyle"));
        m_xml.writeAttribute(WordNamespace, QStringLiteral("val"), QStringLiteral("Heading") + QString::number(level));
    }
    if (rightToLeft) {
        openProperties();
        m_xml.writeEmptyElement(WordNamespace, QStringLiteral("bidi"));
        m_xml.writeAttribute(WordNamespace, QStringLiteral("val"), QStringLiteral("1"));
    }
    if (indent >= 1) {
        openProperties();
        const QString side = m_strict ? QStringLiteral("start")
                                      : rightToLeft ? QStringLiteral("right") : QStringLiteral("left");
        m_xml.writeEmptyElement(WordNamespace, QStringLiteral("ind"));
        m_xml.writeAttribute(WordNamespace, side, QString::number(qint64(indent) * TwipsPerIndent));
    }

    QString jc;
    const int center = Qt::AlignHCenter | Qt::AlignVCenter;
    if (rightToLeft) {
        // "left" and "right" of a right-to-left paragraph are the sides as
        // seen: its start is on the right.
        if ((a & Qt::AlignAbsolute) && (a & (Qt::AlignLeft | Qt::AlignRight)) && !m_strict)
            jc = (a & Qt::AlignLeft) ? QStringLiteral("left") : QStringLiteral("right");
        else if (a & Qt::AlignRight)
            jc = m_strict ? QStringLiteral("start") : QStringLiteral("left");
        else if (a == 0 || (a & Qt::AlignLeft))
            jc = m_strict ? QStringLiteral("end") : QStringLiteral("right");
        else if (a & center)
            jc = QStringLiteral("center");
        else if (a & Qt::AlignJustify)
            jc = QStringLiteral("both");
    } else if (a != 0) {
        if (a & Qt::AlignRight)
            jc = m_strict ? QStringLiteral("end") : QStringLiteral("right");
        else if (a & center)
            jc = QStringLiteral("center");
        else if (a & Qt::AlignJustify)
            jc = QStringLiteral("both");
    }
    if (!jc.isEmpty()) {
        openProperties();
        m_xml.writeEmptyElement(WordNamespace, QStringLiteral("jc"));
        m_xml.writeAttribute(WordNamespace, QStringLiteral("val"), jc);
    }

    // Without other properties "pPr" is written only when the character
    // format has something to say.
    const bool wroteNothing = writeRunProperties(charFormat, open ? QString() : QStringLiteral("pPr"));
    if (open || !wroteNothing)
        m_xml.writeEndElement();
}

bool DocxWriter::writeRunProperties(const QTextCharFormat &format, const QString &enclosing)
{
    bool open = false;
    const auto property = [&](const QString &name) {
        if (!open) {
            if (!enclosing.isEmpty())
                m_xml.writeStartElement(WordNamespace, enclosing);
            m_xml.writeStartElement(WordNamespace, QStringLiteral("rPr"));
            open = true;
        }
        m_xml.writeEmptyElement(WordNamespace, name);
    };

    // Children in the order the schema prescribes (b, bCs, i, iCs, strike,
    // u, vertAlign): other word processors drop properties out of order.
    // Indic scripts are complex scripts there, shown bold and italic only
    // by the *Cs twins, so both are written.
    if (format.hasProperty(QTextFormat::FontWeight) && format.intProperty(QTextFormat::FontWeight) == QFont::Bold) {
        property(QStringLiteral("b"));
        property(QStringLiteral("bCs"));
    }
    if (format.boolProperty(QTextFormat::FontItalic)) {
        property(QStringLiteral("i"));
        property(QStringLiteral("iCs"));
    }
    if (format.boolProperty(QTextFormat::FontStrikeOut))
        property(QStringLiteral("strike"));
    if (format.fontUnderline()) {
        property(QStringLiteral("u"));
        m_xml.writeAttribute(WordNamespace, QStringLiteral("val"), QStringLiteral("single"));
    }
    const int vertical = format.intProperty(QTextFormat::TextVerticalAlignment);
    if (vertical == QTextCharFormat::AlignSuperScript || vertical == QTextCharFormat::AlignSubScript) {
        property(QStringLiteral("vertAlign"));
        m_xml.writeAttribute(WordNamespace, QStringLiteral("val"),
                             vertical == QTextCharFormat::AlignSuperScript ? QStringLiteral("superscript")
                                                                           : QStringLiteral("subscript"));
    }
    if (!open)
        return true;
    m_xml.writeEndElement();
    return false;
}

void DocxWriter::writeText(const QString &text, int start, int end)
{
    if (start >= end)
        return;
    m_xml.writeStartElement(WordNamespace, QStringLiteral("t"));
    m_xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
    m_xml.writeCharacters(XmlText::sanitized(text.mid(start, end - start)));
    m_xml.writeEndElement();
}
