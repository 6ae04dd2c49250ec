#include "formats/odtreader.h"

#include "private/documentlimits_p.h"
#include "private/documentnotes_p.h"
#include "private/xmlpart_p.h"
#include "private/xmltext_p.h"
#include "private/zippackage_p.h"

#include <QFont>
#include <QIODevice>
#include <QTextCursor>
#include <QTextDocument>
#include <QVector>

#include <algorithm>
#include <iterator>

namespace {

// The namespaces of the elements and attributes the reader looks at.
enum Namespace { OtherNamespace, OfficeNamespace, StyleNamespace, TextNamespace, TableNamespace,
                 FoNamespace, DrawNamespace, SvgNamespace };

struct KnownNamespace
{
    const char *uri;
    Namespace ns;
};

constexpr KnownNamespace KnownNamespaces[] = {
    {"urn:oasis:names:tc:opendocument:xmlns:office:1.0", OfficeNamespace},
    {"urn:oasis:names:tc:opendocument:xmlns:style:1.0", StyleNamespace},
    {"urn:oasis:names:tc:opendocument:xmlns:text:1.0", TextNamespace},
    {"urn:oasis:names:tc:opendocument:xmlns:table:1.0", TableNamespace},
    {"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0", FoNamespace},
    {"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0", DrawNamespace},
    {"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0", SvgNamespace},
};

constexpr char OfficeNamespaceUri[] = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr char ManifestNamespaceUri[] = "urn:oasis:names:tc:opendocument:xmlns:manifest:1.0";

// Bytes of a flat file looked at to find its root element: enough for a
// prolog, a comment or two and a root element with all its namespaces.
constexpr int FlatProbeSize = 16384;

Namespace namespaceOf(const QStringRef &uri)
{
    for (const KnownNamespace &known : KnownNamespaces) {
        if (uri == QLatin1String(known.uri))
            return known.ns;
    }
    return OtherNamespace;
}

// The value of an attribute of the namespace `ns`; a null reference when the
// element has none. Attributes without a prefix count as well, as some
// producers that declare a namespace as the default one write them.
QStringRef attribute(const QXmlStreamAttributes &attributes, Namespace ns, const char *localName)
{
    for (const QXmlStreamAttribute &a : attributes) {
        if (a.name() == QLatin1String(localName) && (a.namespaceUri().isEmpty() || namespaceOf(a.namespaceUri()) == ns))
            return a.value();
    }
    return QStringRef();
}

// Whether the current element is `localName` of the namespace `ns`,
// whatever prefix the file gives it.
bool isElement(const QXmlStreamReader &xml, Namespace ns, const char *localName)
{
    return xml.name() == QLatin1String(localName) && namespaceOf(xml.namespaceUri()) == ns;
}

// Whether the bytes begin a flat OpenDocument file: after the prolog,
// comments, processing instructions and white space comes the root element
// "document" of the office namespace (or any "office:document"). A byte-order
// mark is allowed; a document type declaration ends the search.
bool isFlatDocument(const QByteArray &bytes)
{
    QXmlStreamReader xml(bytes);
    xml.setNamespaceProcessing(false);
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement: {
            const QStringRef name = xml.qualifiedName();
            if (name == QLatin1String("office:document"))
                return true;
            if (xml.name() != QLatin1String("document"))
                return false;
            const QString prefix = xml.prefix().toString();
            const QString declaration = prefix.isEmpty() ? QStringLiteral("xmlns") : QLatin1String("xmlns:") + prefix;
            for (const QXmlStreamNamespaceDeclaration &d : xml.namespaceDeclarations()) {
                if (d.prefix() == prefix && d.namespaceUri() == QLatin1String(OfficeNamespaceUri))
                    return true;
            }
            return xml.attributes().value(declaration) == QLatin1String(OfficeNamespaceUri);
        }
        case QXmlStreamReader::StartDocument:
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::ProcessingInstruction:
        case QXmlStreamReader::Characters:
            break;
        default:
            return false;
        }
    }
    return false;
}

struct LengthUnit
{
    const char *unit;
    double unitsPerStep;
};

// Units of "fo:margin-left" in one half-inch indentation step. Lengths are
// divided by these (not multiplied by a rounded reciprocal), so that a
// length of exactly half a step, such as 3.175cm, rounds up.
constexpr LengthUnit LengthUnits[] = {
    {"in", 0.5},
    {"cm", 1.27},
    {"mm", 12.7},
    {"pt", 36.0},
    {"pc", 3.0},
    {"px", 48.0},
};

int indentSteps(const QStringRef &value)
{
    if (value.size() < 2)
        return 0;
    const QStringRef unit = value.right(2);
    double steps = 0;
    for (const LengthUnit &u : LengthUnits) {
        if (unit == QLatin1String(u.unit))
            steps = value.left(value.size() - 2).toDouble() / u.unitsPerStep;
    }
    return DocumentLimits::indentSteps(steps);
}

struct ElementName
{
    Namespace ns;
    const char *localName;
};

// Elements of the body whose paragraphs are part of the text: sections,
// lists and tables (Qt's own ODF writer puts lists and tables in the files
// the editor saves).
constexpr ElementName BodyContainers[] = {
    {TextNamespace, "section"}, {TextNamespace, "list"},
    {TextNamespace, "list-item"}, {TextNamespace, "list-header"},
    {TextNamespace, "numbered-paragraph"}, {TableNamespace, "table"},
    {TableNamespace, "table-header-rows"}, {TableNamespace, "table-rows"},
    {TableNamespace, "table-row-group"}, {TableNamespace, "table-row"},
    {TableNamespace, "table-cell"}, {TableNamespace, "covered-table-cell"},
};

// Inline elements whose content is no text of the paragraph: embedded
// pictures (base64 in flat files), comments with their author and date, the
// titles and descriptions of frames, and the reading aid of ruby text, which
// glued to its base would make another word of it.
constexpr ElementName HiddenInlines[] = {
    {OfficeNamespace, "binary-data"}, {OfficeNamespace, "annotation"},
    {SvgNamespace, "title"}, {SvgNamespace, "desc"},
    {TextNamespace, "ruby-text"},
};

} // namespace

OdtReader::OdtReader()
    : m_budget(new DocumentLimits::Budget)
    , m_notes(new DocumentNotes)
    , m_mergeFirst(true)
    , m_depth(0)
    , m_handDowns(0)
{
}

OdtReader::~OdtReader() = default;

int OdtReader::type() const
{
    return OdtType;
}

bool OdtReader::canRead(QIODevice *device)
{
    static const QByteArray mimetype("mimetypeapplication/vnd.oasis.opendocument.text");
    if (isZipArchive(device))
        return device->peek(77).endsWith(mimetype);
    return isFlatDocument(device->peek(FlatProbeSize));
}

void OdtReader::readData(QIODevice *device)
{
    if (cursor.isNull()) {
        errorText = tr("Unable to open archive.");
        return;
    }
    m_mergeFirst = cursor.document()->blockCount() > 0;
    m_initialBlockFormat = cursor.blockFormat();
    *m_budget = DocumentLimits::Budget(device->size());
    cursor.beginEditBlock();
    if (isZipArchive(device))
        readZip(device);
    else if (canRead(device))
        readFlat(device);
    else
        errorText = XmlPart::notSupportedText();
    cursor.endEditBlock();
    QCoreApplication::processEvents();
}

void OdtReader::readZip(QIODevice *device)
{
    ZipPackage zip;
    if (!zip.open(device)) {
        errorText = tr("Unable to open archive.");
        return;
    }
    if (!zip.contains(QStringLiteral("content.xml"))) {
        // A damaged package must not pass for an empty document that a
        // later save would write over the original.
        errorText = tr("The archive holds no document.");
        return;
    }
    // The budget follows what the parts read take in the archive, whatever
    // else (pictures, padding) it holds.
    const QString manifest = QStringLiteral("META-INF/manifest.xml");
    const QStringList parts{QStringLiteral("styles.xml"), QStringLiteral("content.xml")};
    *m_budget = DocumentLimits::Budget(zip.compressedSize(parts + QStringList{manifest}));
    if (!readManifest(zip, manifest))
        return;
    if (!m_budget->allowsInflatedSize(zip.entrySize(parts.at(0)) + zip.entrySize(parts.at(1)))) {
        errorText = DocumentLimits::tooLargeText();
        return;
    }
    const bool read = zip.readXmlEntries(parts, m_xml, [this](const QByteArray &bytes) {
        if (DocumentLimits::nestsDeeperThan(bytes, DocumentLimits::MaxElementDepth))
            m_xml.raiseError(DocumentLimits::tooDeepText());
        else if (!m_budget->takeParagraphs(DocumentLimits::countElements(bytes, "p") + DocumentLimits::countElements(bytes, "h")))
            m_xml.raiseError(DocumentLimits::tooLargeText());
        else
            readXml();
    });
    if (!read)
        errorText = zip.errorString();
}

bool OdtReader::readManifest(const ZipPackage &zip, const QString &name)
{
    // The parts of an encrypted document are no XML before they are
    // decrypted; only the manifest says they are encrypted.
    if (!m_budget->allowsInflatedSize(zip.entrySize(name))) {
        errorText = DocumentLimits::tooLargeText();
        return false;
    }
    QXmlStreamReader manifest(zip.entry(name));
    if (!XmlPart::readRootElement(manifest)) {
        if (manifest.error() == QXmlStreamReader::CustomError) {
            errorText = manifest.errorString();
            return false;
        }
        return true;
    }
    while (!manifest.atEnd()) {
        if (manifest.readNext() == QXmlStreamReader::StartElement && manifest.name() == QLatin1String("encryption-data")
            && manifest.namespaceUri() == QLatin1String(ManifestNamespaceUri)) {
            errorText = tr("The document is encrypted.");
            return false;
        }
    }
    return true;
}

void OdtReader::readFlat(QIODevice *device)
{
    m_xml.setDevice(device);
    readXml();
    if (m_xml.hasError())
        errorText = m_xml.errorString();
    m_xml.setDevice(nullptr);
}

bool OdtReader::enter()
{
    if (m_depth >= DocumentLimits::MaxNesting) {
        m_xml.raiseError(tr("The document is nested too deeply."));
        return false;
    }
    ++m_depth;
    return true;
}

void OdtReader::leave()
{
    --m_depth;
}

void OdtReader::insertText(const QString &text)
{
    if (!m_budget->takeCharacters(text.size())) {
        m_xml.raiseError(DocumentLimits::tooLargeText());
        return;
    }
    cursor.insertText(text);
}

void OdtReader::readXml()
{
    if (!XmlPart::readRootElement(m_xml))
        return;
    while (m_xml.readNextStartElement()) {
        if (isElement(m_xml, OfficeNamespace, "styles") || isElement(m_xml, OfficeNamespace, "automatic-styles"))
            readStyleGroup();
        else if (isElement(m_xml, OfficeNamespace, "body"))
            readText();
        else
            m_xml.skipCurrentElement();
    }
}

void OdtReader::readStyleGroup()
{
    while (m_xml.readNextStartElement()) {
        if (isElement(m_xml, StyleNamespace, "style"))
            readStyle();
        else
            m_xml.skipCurrentElement();
    }
}

OdtReader::Style *OdtReader::findStyle(QHash<QString, Style> &table, const QString &name)
{
    auto it = table.find(name);
    if (it != table.end())
        return &*it;
    if (m_paragraphStyles.size() + m_textStyles.size() >= DocumentLimits::MaxStyles)
        return nullptr;
    return &*table.insert(name, Style());
}

void OdtReader::readStyle()
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    const QString name = attribute(attributes, StyleNamespace, "name").toString();
    const QStringRef family = attribute(attributes, StyleNamespace, "family");
    QHash<QString, Style> *table = nullptr;
    if (family == QLatin1String("paragraph"))
        table = &m_paragraphStyles;
    else if (family == QLatin1String("text"))
        table = &m_textStyles;
    if (!table || (!table->contains(name) && m_paragraphStyles.size() + m_textStyles.size() >= DocumentLimits::MaxStyles)) {
        m_xml.skipCurrentElement();
        return;
    }
    if (!table->contains(name))
        table->insert(name, Style{m_initialBlockFormat, QTextCharFormat(), QStringList()});

    const QString parent = attribute(attributes, StyleNamespace, "parent-style-name").toString();
    if (!parent.isEmpty()) {
        if (Style *base = findStyle(*table, parent)) {
            const QTextBlockFormat blockFormat = base->blockFormat;
            const QTextCharFormat charFormat = base->charFormat;
            base->dependents.append(name);
            Style &style = (*table)[name];
            style.blockFormat = blockFormat;
            style.charFormat = charFormat;
        }
    }

    Style style = table->value(name);
    if (const int level = headingLevelOfStyleName(name))
        style.blockFormat.setProperty(HeadingLevelProperty, level);
    const QStringRef outlineLevel = attribute(attributes, StyleNamespace, "default-outline-level");
    if (!outlineLevel.isNull()) {
        const int level = outlineLevel.toInt();
        style.blockFormat.setProperty(HeadingLevelProperty, qBound(1, level, 6));
    }
    while (m_xml.readNextStartElement()) {
        if (isElement(m_xml, StyleNamespace, "paragraph-properties"))
            readParagraphProperties(style.blockFormat);
        else if (isElement(m_xml, StyleNamespace, "text-properties"))
            readTextProperties(style.charFormat);
        else
            m_xml.skipCurrentElement();
    }
    table->insert(name, style);

    // Hand the formats down to the styles that named this one as parent,
    // each once: parent references may form a cycle.
    handDownStyle(name, style.dependents, m_handDowns, [&](const QString &dependent) {
        const auto it = table->find(dependent);
        if (it == table->end())
            return QStringList();
        mergeBeneath(style.blockFormat, it->blockFormat);
        mergeBeneath(style.charFormat, it->charFormat);
        return it->dependents;
    });
}

void OdtReader::readParagraphProperties(QTextBlockFormat &format)
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    const QStringRef mode = attribute(attributes, StyleNamespace, "writing-mode");
    if (mode == QLatin1String("rl-tb") || mode == QLatin1String("rl"))
        format.setProperty(QTextFormat::LayoutDirection, int(Qt::RightToLeft));
    else if (mode == QLatin1String("lr-tb") || mode == QLatin1String("lr"))
        format.setProperty(QTextFormat::LayoutDirection, int(Qt::LeftToRight));

    // In a right-to-left paragraph "left" and "right" mean its start and end,
    // as other word processors and our writer use them; elsewhere they are
    // the absolute sides.
    const bool rightToLeft = format.intProperty(QTextFormat::LayoutDirection) == Qt::RightToLeft;
    const Qt::Alignment absolute = rightToLeft ? Qt::Alignment() : Qt::AlignAbsolute;
    const QStringRef align = attribute(attributes, FoNamespace, "text-align");
    if (align == QLatin1String("start"))
        format.setProperty(QTextFormat::BlockAlignment, int(Qt::AlignLeft));
    else if (align == QLatin1String("end"))
        format.setProperty(QTextFormat::BlockAlignment, int(Qt::AlignRight));
    else if (align == QLatin1String("left"))
        format.setProperty(QTextFormat::BlockAlignment, int(Qt::AlignLeft | absolute));
    else if (align == QLatin1String("right"))
        format.setProperty(QTextFormat::BlockAlignment, int(Qt::AlignRight | absolute));
    else if (align == QLatin1String("center"))
        format.setProperty(QTextFormat::BlockAlignment, int(Qt::AlignHCenter));
    else if (align == QLatin1String("justify"))
        format.setProperty(QTextFormat::BlockAlignment, int(Qt::AlignJustify));

    const QStringRef margin = attribute(attributes, FoNamespace, "margin-left");
    if (!margin.isNull())
        format.setProperty(QTextFormat::BlockIndent, indentSteps(margin));
    m_xml.skipCurrentElement();
}

void OdtReader::readTextProperties(QTextCharFormat &format)
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    // Kannada is a complex script to office programs: its bold and italic
    // may be stored only in the complex-script twin. Either one makes the
    // run bold (italic), as the text holds characters of both kinds.
    const QStringRef weight = attribute(attributes, FoNamespace, "font-weight");
    const QStringRef complexWeight = attribute(attributes, StyleNamespace, "font-weight-complex");
    if (weight == QLatin1String("bold") || complexWeight == QLatin1String("bold"))
        format.setProperty(QTextFormat::FontWeight, QFont::Bold);
    // A span that takes the bold of its paragraph style away says "normal".
    else if (weight == QLatin1String("normal") || complexWeight == QLatin1String("normal"))
        format.setProperty(QTextFormat::FontWeight, QFont::Normal);
    const QStringRef fontStyle = attribute(attributes, FoNamespace, "font-style");
    const QStringRef complexStyle = attribute(attributes, StyleNamespace, "font-style-complex");
    if (!fontStyle.isNull() || !complexStyle.isNull()) {
        const auto slanted = [](const QStringRef &style) { return !style.isNull() && style != QLatin1String("normal"); };
        format.setProperty(QTextFormat::FontItalic, slanted(fontStyle) || slanted(complexStyle));
    }
    const QStringRef underline = attribute(attributes, StyleNamespace, "text-underline-style");
    if (!underline.isNull())
        format.setProperty(QTextFormat::TextUnderlineStyle,
                           underline == QLatin1String("none") ? QTextCharFormat::NoUnderline : QTextCharFormat::SingleUnderline);
    const QStringRef lineThrough = attribute(attributes, StyleNamespace, "text-line-through-type");
    if (!lineThrough.isNull())
        format.setProperty(QTextFormat::FontStrikeOut, lineThrough != QLatin1String("none"));

    const QStringRef textPosition = attribute(attributes, StyleNamespace, "text-position");
    if (!textPosition.isNull()) {
        const QString position = textPosition.toString();
        const QString word = position.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        int vertical = -1;
        // "super 58%" and "sub 58%" name the position by word, with a
        // relative font size after it.
        if (word == QLatin1String("super")) {
            vertical = QTextCharFormat::AlignSuperScript;
        } else if (word == QLatin1String("sub")) {
            vertical = QTextCharFormat::AlignSubScript;
        } else {
            const int percent = word.left(word.size() - 1).toInt();
            if (percent > 0)
                vertical = QTextCharFormat::AlignSuperScript;
            else if (percent < 0)
                vertical = QTextCharFormat::AlignSubScript;
        }
        if (vertical >= 0)
            format.setProperty(QTextFormat::TextVerticalAlignment, vertical);
    }
    m_xml.skipCurrentElement();
}

void OdtReader::readText()
{
    while (m_xml.readNextStartElement()) {
        if (isElement(m_xml, OfficeNamespace, "text"))
            readBodyElements();
        else
            m_xml.skipCurrentElement();
    }
    m_notes->appendTo(cursor);
}

void OdtReader::readBodyElements()
{
    while (m_xml.readNextStartElement()) {
        if (isElement(m_xml, TextNamespace, "p")) {
            readParagraph(0);
        } else if (isElement(m_xml, TextNamespace, "h")) {
            const QStringRef outlineLevel = attribute(m_xml.attributes(), TextNamespace, "outline-level");
            readParagraph(outlineLevel.isNull() ? -1 : qBound(1, outlineLevel.toInt(), 6));
        } else if (std::any_of(std::begin(BodyContainers), std::end(BodyContainers),
                               [this](const ElementName &e) { return isElement(m_xml, e.ns, e.localName); })) {
            if (!enter())
                return;
            readBodyElements();
            leave();
        } else {
            m_xml.skipCurrentElement();
        }
        if (m_xml.hasError())
            return;
    }
}

void OdtReader::readParagraph(int level)
{
    QTextBlockFormat blockFormat;
    QTextCharFormat charFormat;
    const QString styleName = attribute(m_xml.attributes(), TextNamespace, "style-name").toString();
    if (!styleName.isEmpty()) {
        if (const Style *style = findStyle(m_paragraphStyles, styleName)) {
            blockFormat = style->blockFormat;
            charFormat = style->charFormat;
        }
    }
    const int styleLevel = blockFormat.intProperty(HeadingLevelProperty);
    if (level < 0)
        level = qBound(1, styleLevel, 6);
    else if (level == 0)
        level = DocumentLimits::headingLevel(styleLevel);
    if (level > 0) {
        blockFormat.setProperty(HeadingLevelProperty, level);
        charFormat = QTextCharFormat();
    } else {
        blockFormat.clearProperty(HeadingLevelProperty);
    }

    if (m_mergeFirst) {
        cursor.mergeBlockFormat(blockFormat);
        cursor.mergeBlockCharFormat(charFormat);
        cursor.setCharFormat(cursor.blockCharFormat());
    } else {
        cursor.insertBlock(blockFormat, charFormat);
    }
    m_mergeFirst = false;
    readSpan();
    QCoreApplication::processEvents();
}

void OdtReader::readSpan()
{
    int depth = 1;
    // Whether character data of each entered element is text: drawings
    // (frames, images, text boxes) hold text only inside their own
    // paragraphs; their own character data is layout white space.
    QVector<bool> holdsText{true};
    while (!m_xml.atEnd()) {
        switch (m_xml.readNext()) {
        case QXmlStreamReader::Characters:
            if (holdsText.constLast())
                insertText(XmlText::toBlockText(m_xml.text().toString()));
            break;
        case QXmlStreamReader::StartElement: {
            if (isElement(m_xml, TextNamespace, "span")) {
                if (!enter())
                    return;
                applyTextStyle();
                leave();
            } else if (isElement(m_xml, TextNamespace, "note")) {
                if (!enter())
                    return;
                readNote();
                leave();
            } else if (isElement(m_xml, TextNamespace, "s")) {
                const int count = attribute(m_xml.attributes(), TextNamespace, "c").toInt();
                insertText(QString(qBound(1, count, DocumentLimits::MaxSpaceRun), QLatin1Char(' ')));
                m_xml.skipCurrentElement();
            } else if (isElement(m_xml, TextNamespace, "tab")) {
                insertText(QStringLiteral("\t"));
                m_xml.skipCurrentElement();
            } else if (isElement(m_xml, TextNamespace, "line-break")) {
                insertText(QString(QChar::LineSeparator));
                m_xml.skipCurrentElement();
            } else if (std::any_of(std::begin(HiddenInlines), std::end(HiddenInlines),
                                   [this](const ElementName &e) { return isElement(m_xml, e.ns, e.localName); })) {
                m_xml.skipCurrentElement();
            } else {
                ++depth;
                if (namespaceOf(m_xml.namespaceUri()) == DrawNamespace)
                    holdsText.append(false);
                else if (isElement(m_xml, TextNamespace, "p") || isElement(m_xml, TextNamespace, "h"))
                    holdsText.append(true);
                else
                    holdsText.append(holdsText.constLast());
            }
            break;
        }
        case QXmlStreamReader::EndElement:
            if (--depth == 0)
                return;
            holdsText.removeLast();
            break;
        default:
            break;
        }
    }
}

void OdtReader::readNote()
{
    QString mark;
    while (m_xml.readNextStartElement()) {
        if (isElement(m_xml, TextNamespace, "note-citation")) {
            mark = XmlText::toBlockText(m_xml.readElementText(QXmlStreamReader::IncludeChildElements));
            insertText(mark);
        } else if (isElement(m_xml, TextNamespace, "note-body")) {
            m_notes->begin(cursor, mark.isEmpty() ? QString::number(m_notes->count() + 1) : mark);
            const bool mergeFirst = m_mergeFirst;
            m_mergeFirst = true;
            readBodyElements();
            m_mergeFirst = mergeFirst;
            m_notes->end(cursor);
        } else {
            m_xml.skipCurrentElement();
        }
    }
}

void OdtReader::applyTextStyle()
{
    const QTextCharFormat saved = cursor.charFormat();
    const QXmlStreamAttributes attributes = m_xml.attributes();
    QStringList names;
    const QStringRef styleName = attribute(attributes, TextNamespace, "style-name");
    if (!styleName.isNull())
        names.append(styleName.toString());
    const QStringRef classNames = attribute(attributes, TextNamespace, "class-names");
    if (!classNames.isNull())
        names += classNames.toString().simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &name : qAsConst(names)) {
        if (const Style *style = findStyle(m_textStyles, name))
            cursor.mergeCharFormat(style->charFormat);
    }
    readSpan();
    cursor.setCharFormat(saved);
}
