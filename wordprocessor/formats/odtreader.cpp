#include "formats/odtreader.h"

#include "private/documentlimits_p.h"
#include "private/xmltext_p.h"
#include "private/zippackage_p.h"

#include <QFont>
#include <QIODevice>
#include <QTextCursor>
#include <QTextDocument>
#include <QVector>

namespace {

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

// Elements of the body whose paragraphs are part of the text: sections,
// lists and tables (Qt's own ODF writer puts lists and tables in the files
// the editor saves).
bool isBodyContainer(const QStringRef &name)
{
    static const char *const names[] = {
        "text:section", "text:list", "text:list-item", "text:list-header", "text:numbered-paragraph",
        "table:table", "table:table-header-rows", "table:table-rows", "table:table-row-group",
        "table:table-row", "table:table-cell", "table:covered-table-cell",
    };
    for (const char *container : names) {
        if (name == QLatin1String(container))
            return true;
    }
    return false;
}

// Inline elements whose content is no text of the paragraph: embedded
// pictures (base64 in flat files), comments with their author and date, and
// the titles and descriptions of frames.
bool isHiddenInline(const QStringRef &name)
{
    return name == QLatin1String("office:binary-data") || name == QLatin1String("office:annotation")
        || name == QLatin1String("svg:title") || name == QLatin1String("svg:desc");
}

} // namespace

OdtReader::OdtReader()
    : m_mergeFirst(true)
    , m_depth(0)
    , m_handDowns(0)
{
    m_xml.setNamespaceProcessing(false);
}

int OdtReader::type() const
{
    return OdtType;
}

bool OdtReader::canRead(QIODevice *device)
{
    const QByteArray head = device->peek(77);
    static const QByteArray mimetype("mimetypeapplication/vnd.oasis.opendocument.text");
    if (isZipArchive(device) && head.endsWith(mimetype))
        return true;

    const QByteArray xml = head.trimmed();
    if (!xml.startsWith("<?xml"))
        return false;
    const int prologEnd = xml.indexOf("?>");
    if (prologEnd < 0)
        return false;
    const int root = xml.indexOf('<', prologEnd);
    return root >= 0 && root == xml.indexOf("<office:document", prologEnd);
}

void OdtReader::readData(QIODevice *device)
{
    if (cursor.isNull()) {
        errorText = tr("Unable to open archive.");
        return;
    }
    m_mergeFirst = cursor.document()->blockCount() > 0;
    m_initialBlockFormat = cursor.blockFormat();
    cursor.beginEditBlock();
    if (isZipArchive(device))
        readZip(device);
    else
        readFlat(device);
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
    const bool read = zip.readXmlEntries({QStringLiteral("styles.xml"), QStringLiteral("content.xml")}, m_xml,
                                         [this] { readXml(); });
    errorText = read ? QString() : zip.errorString();
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

void OdtReader::readXml()
{
    if (!m_xml.readNextStartElement())
        return;
    while (m_xml.readNextStartElement()) {
        const QStringRef name = m_xml.qualifiedName();
        if (name == QLatin1String("office:styles") || name == QLatin1String("office:automatic-styles"))
            readStyleGroup();
        else if (name == QLatin1String("office:body"))
            readText();
        else
            m_xml.skipCurrentElement();
    }
}

void OdtReader::readStyleGroup()
{
    while (m_xml.readNextStartElement()) {
        if (m_xml.qualifiedName() == QLatin1String("style:style"))
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
    const QString name = attributes.value(QLatin1String("style:name")).toString();
    const QStringRef family = attributes.value(QLatin1String("style:family"));
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

    const QString parent = attributes.value(QLatin1String("style:parent-style-name")).toString();
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
    if (attributes.hasAttribute(QLatin1String("style:default-outline-level"))) {
        const int level = attributes.value(QLatin1String("style:default-outline-level")).toInt();
        style.blockFormat.setProperty(HeadingLevelProperty, qBound(1, level, 6));
    }
    while (m_xml.readNextStartElement()) {
        const QStringRef child = m_xml.qualifiedName();
        if (child == QLatin1String("style:paragraph-properties"))
            readParagraphProperties(style.blockFormat);
        else if (child == QLatin1String("style:text-properties"))
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
    const QStringRef mode = attributes.value(QLatin1String("style:writing-mode"));
    if (mode == QLatin1String("rl-tb") || mode == QLatin1String("rl"))
        format.setProperty(QTextFormat::LayoutDirection, int(Qt::RightToLeft));
    else if (mode == QLatin1String("lr-tb") || mode == QLatin1String("lr"))
        format.setProperty(QTextFormat::LayoutDirection, int(Qt::LeftToRight));

    // In a right-to-left paragraph "left" and "right" mean its start and end,
    // as other word processors and our writer use them; elsewhere they are
    // the absolute sides.
    const bool rightToLeft = format.intProperty(QTextFormat::LayoutDirection) == Qt::RightToLeft;
    const Qt::Alignment absolute = rightToLeft ? Qt::Alignment() : Qt::AlignAbsolute;
    const QStringRef align = attributes.value(QLatin1String("fo:text-align"));
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

    if (attributes.hasAttribute(QLatin1String("fo:margin-left")))
        format.setProperty(QTextFormat::BlockIndent, indentSteps(attributes.value(QLatin1String("fo:margin-left"))));
    m_xml.skipCurrentElement();
}

void OdtReader::readTextProperties(QTextCharFormat &format)
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    const QStringRef weight = attributes.value(QLatin1String("fo:font-weight"));
    if (weight == QLatin1String("bold"))
        format.setProperty(QTextFormat::FontWeight, QFont::Bold);
    // A span that takes the bold of its paragraph style away says "normal".
    else if (weight == QLatin1String("normal"))
        format.setProperty(QTextFormat::FontWeight, QFont::Normal);
    if (attributes.hasAttribute(QLatin1String("fo:font-style")))
        format.setProperty(QTextFormat::FontItalic,
                           attributes.value(QLatin1String("fo:font-style")) != QLatin1String("normal"));
    if (attributes.hasAttribute(QLatin1String("style:text-underline-style")))
        format.setProperty(QTextFormat::TextUnderlineStyle,
                           attributes.value(QLatin1String("style:text-underline-style")) == QLatin1String("none")
                               ? QTextCharFormat::NoUnderline
                               : QTextCharFormat::SingleUnderline);
    if (attributes.hasAttribute(QLatin1String("style:text-line-through-type")))
        format.setProperty(QTextFormat::FontStrikeOut,
                           attributes.value(QLatin1String("style:text-line-through-type")) != QLatin1String("none"));

    if (attributes.hasAttribute(QLatin1String("style:text-position"))) {
        const QString position = attributes.value(QLatin1String("style:text-position")).toString();
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
        if (m_xml.qualifiedName() == QLatin1String("office:text"))
            readBodyElements();
        else
            m_xml.skipCurrentElement();
    }
}

void OdtReader::readBodyElements()
{
    while (m_xml.readNextStartElement()) {
        const QStringRef name = m_xml.qualifiedName();
        if (name == QLatin1String("text:p")) {
            readParagraph(0);
        } else if (name == QLatin1String("text:h")) {
            const QXmlStreamAttributes attributes = m_xml.attributes();
            int level = -1;
            if (attributes.hasAttribute(QLatin1String("text:outline-level")))
                level = qBound(1, attributes.value(QLatin1String("text:outline-level")).toInt(), 6);
            readParagraph(level);
        } else if (isBodyContainer(name)) {
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
    const QString styleName = m_xml.attributes().value(QLatin1String("text:style-name")).toString();
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
                cursor.insertText(XmlText::toBlockText(m_xml.text().toString()));
            break;
        case QXmlStreamReader::StartElement: {
            const QStringRef name = m_xml.qualifiedName();
            if (name == QLatin1String("text:span")) {
                if (!enter())
                    return;
                applyTextStyle();
                leave();
            } else if (name == QLatin1String("text:s")) {
                const int count = m_xml.attributes().value(QLatin1String("text:c")).toInt();
                cursor.insertText(QString(qBound(1, count, DocumentLimits::MaxSpaceRun), QLatin1Char(' ')));
                m_xml.skipCurrentElement();
            } else if (name == QLatin1String("text:tab")) {
                cursor.insertText(QStringLiteral("\t"));
                m_xml.skipCurrentElement();
            } else if (name == QLatin1String("text:line-break")) {
                cursor.insertText(QString(QChar::LineSeparator));
                m_xml.skipCurrentElement();
            } else if (isHiddenInline(name)) {
                m_xml.skipCurrentElement();
            } else {
                ++depth;
                if (name.startsWith(QLatin1String("draw:")))
                    holdsText.append(false);
                else if (name == QLatin1String("text:p") || name == QLatin1String("text:h"))
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

void OdtReader::applyTextStyle()
{
    const QTextCharFormat saved = cursor.charFormat();
    const QXmlStreamAttributes attributes = m_xml.attributes();
    QStringList names;
    if (attributes.hasAttribute(QLatin1String("text:style-name")))
        names.append(attributes.value(QLatin1String("text:style-name")).toString());
    if (attributes.hasAttribute(QLatin1String("text:class-names")))
        names += attributes.value(QLatin1String("text:class-names")).toString().simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &name : qAsConst(names)) {
        if (const Style *style = findStyle(m_textStyles, name))
            cursor.mergeCharFormat(style->charFormat);
    }
    readSpan();
    cursor.setCharFormat(saved);
}
