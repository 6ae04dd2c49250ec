#include "formats/docxreader.h"

#include "private/documentlimits_p.h"
#include "private/xmltext_p.h"
#include "private/zippackage_p.h"

#include <QFont>
#include <QTextDocument>

namespace {

// One indentation step (half an inch) in twentieths of a point.
constexpr double TwipsPerIndent = 720.0;

constexpr const char *UnderlineValues[] = {
    "single", "dash", "dashDotDotHeavy", "dashDotHeavy", "dashedHeavy", "dashLong",
    "dashLongHeavy", "dotDash", "dotDotDash", "dotted", "dottedHeavy", "double",
    "thick", "wave", "wavyDouble", "wavyHeavy", "words",
};

int indentSteps(const QStringRef &value)
{
    return DocumentLimits::indentSteps(value.toDouble() / TwipsPerIndent);
}

// Containers whose paragraphs (at body level) or runs (inside a paragraph)
// belong to the document's text: tables, content controls, custom XML,
// tracked insertions, links, smart tags, simple fields and bidirectional
// embeddings.
bool isBlockContainer(const QStringRef &name)
{
    return name == QLatin1String("w:tbl") || name == QLatin1String("w:tr") || name == QLatin1String("w:tc")
        || name == QLatin1String("w:sdt") || name == QLatin1String("w:sdtContent")
        || name == QLatin1String("w:customXml") || name == QLatin1String("w:ins")
        || name == QLatin1String("w:moveTo");
}

bool isRunContainer(const QStringRef &name)
{
    return name == QLatin1String("w:hyperlink") || name == QLatin1String("w:ins")
        || name == QLatin1String("w:smartTag") || name == QLatin1String("w:sdt")
        || name == QLatin1String("w:sdtContent") || name == QLatin1String("w:customXml")
        || name == QLatin1String("w:fldSimple") || name == QLatin1String("w:moveTo")
        || name == QLatin1String("w:dir") || name == QLatin1String("w:bdo");
}

} // namespace

DocxReader::DocxReader()
    : m_mergeFirst(false)
    , m_depth(0)
    , m_handDowns(0)
{
    m_xml.setNamespaceProcessing(false);
}

int DocxReader::type() const
{
    return DocxType;
}

bool DocxReader::canRead(QIODevice *device)
{
    return isZipArchive(device);
}

void DocxReader::readData(QIODevice *device)
{
    if (cursor.isNull()) {
        errorText = tr("Unable to open archive.");
        return;
    }
    m_mergeFirst = cursor.document()->blockCount() > 0;
    m_current.blockFormat = cursor.blockFormat();

    ZipPackage zip;
    if (!zip.open(device)) {
        errorText = tr("Unable to open archive.");
    } else if (!zip.contains(QStringLiteral("word/document.xml"))) {
        // A damaged package must not pass for an empty document that a
        // later save would write over the original.
        errorText = tr("The archive holds no document.");
    } else {
        cursor.beginEditBlock();
        const bool read = zip.readXmlEntries({QStringLiteral("word/styles.xml"), QStringLiteral("word/document.xml")},
                                             m_xml, [this] { readXml(); });
        errorText = read ? QString() : zip.errorString();
        cursor.endEditBlock();
    }
    QCoreApplication::processEvents();
}

void DocxReader::readXml()
{
    if (!m_xml.readNextStartElement())
        return;
    if (m_xml.qualifiedName() == QLatin1String("w:styles"))
        readStyles();
    else if (m_xml.qualifiedName() == QLatin1String("w:document"))
        readDocument();
}

bool DocxReader::enter()
{
    if (m_depth >= DocumentLimits::MaxNesting) {
        m_xml.raiseError(tr("The document is nested too deeply."));
        return false;
    }
    ++m_depth;
    return true;
}

void DocxReader::leave()
{
    --m_depth;
}

void DocxReader::insertText(const QString &text)
{
    cursor.insertText(XmlText::toBlockText(text), m_current.charFormat);
}

void DocxReader::applyStyle(Style &out, const QString &id) const
{
    const Style style = m_styles.value(id);
    mergeBeneath(style.blockFormat, out.blockFormat);
    mergeBeneath(style.charFormat, out.charFormat);
    out.kind = style.kind;
}

void DocxReader::readStyles()
{
    QHash<QString, QStringList> pending;
    QHash<StyleKind, QString> defaults;
    while (m_xml.readNextStartElement()) {
        const QStringRef name = m_xml.qualifiedName();
        if (name == QLatin1String("w:docDefaults")) {
            while (m_xml.readNextStartElement()) {
                const QStringRef group = m_xml.qualifiedName();
                if (group == QLatin1String("w:rPrDefault") || group == QLatin1String("w:pPrDefault")) {
                    while (m_xml.readNextStartElement()) {
                        if (m_xml.qualifiedName() == QLatin1String("w:rPr"))
                            readRunProperties(m_current, true);
                        else if (m_xml.qualifiedName() == QLatin1String("w:pPr"))
                            readParagraphProperties(m_current, true, nullptr);
                        else
                            m_xml.skipCurrentElement();
                    }
                } else {
                    m_xml.skipCurrentElement();
                }
            }
        } else if (name == QLatin1String("w:style")) {
            readStyle(pending, defaults);
        } else {
            m_xml.skipCurrentElement();
        }
    }
    if (m_xml.hasError())
        return;
    m_current.blockFormat.merge(m_styles.value(defaults.value(ParagraphStyle)).blockFormat);
    m_current.charFormat.merge(m_styles.value(defaults.value(CharacterStyle)).charFormat);
}

void DocxReader::readStyle(QHash<QString, QStringList> &pending, QHash<StyleKind, QString> &defaults)
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    const QStringRef type = attributes.value(QLatin1String("w:type"));
    Style style;
    if (type == QLatin1String("paragraph"))
        style.kind = ParagraphStyle;
    else if (type == QLatin1String("character"))
        style.kind = CharacterStyle;
    const QString id = attributes.value(QLatin1String("w:styleId")).toString();
    if (style.kind == OtherStyle || (m_styles.size() >= DocumentLimits::MaxStyles && !m_styles.contains(id))) {
        m_xml.skipCurrentElement();
        return;
    }
    if (attributes.hasAttribute(QLatin1String("w:default"))
        && readBool(attributes.value(QLatin1String("w:default"))))
        defaults.insert(style.kind, id);

    while (m_xml.readNextStartElement()) {
        const QStringRef name = m_xml.qualifiedName();
        const QStringRef val = m_xml.attributes().value(QLatin1String("w:val"));
        if (name == QLatin1String("w:name")) {
            if (const int level = headingLevelOfStyleName(val))
                style.blockFormat.setProperty(HeadingLevelProperty, level);
            m_xml.skipCurrentElement();
        } else if (name == QLatin1String("w:basedOn")) {
            const QString base = val.toString();
            const auto it = m_styles.constFind(base);
            if (it != m_styles.constEnd() && it->kind == style.kind) {
                mergeBeneath(it->blockFormat, style.blockFormat);
                mergeBeneath(it->charFormat, style.charFormat);
            }
            pending[base].append(id);
            m_xml.skipCurrentElement();
        } else if (name == QLatin1String("w:pPr") && style.kind == ParagraphStyle) {
            readParagraphProperties(style, false, nullptr);
        } else if (name == QLatin1String("w:rPr")) {
            readRunProperties(style, false);
        } else {
            m_xml.skipCurrentElement();
        }
    }
    m_styles.insert(id, style);

    // Hand the formats down to the styles defined earlier that are based on
    // this one, each once: "w:basedOn" references may form a cycle.
    handDownStyle(id, pending.value(id), m_handDowns, [&](const QString &dependent) {
        const auto it = m_styles.find(dependent);
        if (it == m_styles.end())
            return QStringList();
        mergeBeneath(style.blockFormat, it->blockFormat);
        mergeBeneath(style.charFormat, it->charFormat);
        it->kind = style.kind;
        return pending.value(dependent);
    });
}

void DocxReader::readDocument()
{
    while (m_xml.readNextStartElement()) {
        if (m_xml.qualifiedName() == QLatin1String("w:body"))
            readBody();
        else
            m_xml.skipCurrentElement();
    }
}

void DocxReader::readBody()
{
    while (m_xml.readNextStartElement()) {
        const QStringRef name = m_xml.qualifiedName();
        if (name == QLatin1String("w:p")) {
            readParagraph();
        } else if (isBlockContainer(name)) {
            if (!enter())
                return;
            readBody();
            leave();
        } else {
            m_xml.skipCurrentElement();
        }
        if (m_xml.hasError())
            return;
    }
}

void DocxReader::readParagraph()
{
    m_stack.append(m_current);
    QTextCharFormat markFormat;
    bool first = true;
    bool inserted = false;
    const auto insertBlock = [&] {
        if (inserted)
            return;
        inserted = true;
        // The paragraph mark's own run properties belong to the block's
        // character format only, not to the runs of the paragraph.
        QTextCharFormat blockCharFormat = m_current.charFormat;
        blockCharFormat.merge(markFormat);
        if (m_mergeFirst) {
            cursor.mergeBlockFormat(m_current.blockFormat);
            cursor.mergeBlockCharFormat(blockCharFormat);
        } else {
            cursor.insertBlock(m_current.blockFormat, blockCharFormat);
        }
        m_mergeFirst = false;
    };

    while (m_xml.readNextStartElement()) {
        const QStringRef name = m_xml.qualifiedName();
        if (first && name == QLatin1String("w:pPr")) {
            first = false;
            readParagraphProperties(m_current, true, &markFormat);
            continue;
        }
        first = false;
        insertBlock();
        if (name == QLatin1String("w:r")) {
            readRun();
        } else if (isRunContainer(name)) {
            if (!enter())
                break;
            readParagraphContent();
            leave();
        } else {
            m_xml.skipCurrentElement();
        }
    }
    insertBlock();
    m_current = m_stack.takeLast();
    QCoreApplication::processEvents();
}

void DocxReader::readParagraphContent()
{
    while (m_xml.readNextStartElement()) {
        const QStringRef name = m_xml.qualifiedName();
        if (name == QLatin1String("w:r")) {
            readRun();
        } else if (isRunContainer(name)) {
            if (!enter())
                return;
            readParagraphContent();
            leave();
        } else {
            m_xml.skipCurrentElement();
        }
    }
}

void DocxReader::readRun()
{
    bool first = true;
    bool pushed = false;
    while (m_xml.readNextStartElement()) {
        const QStringRef name = m_xml.qualifiedName();
        if (first && name == QLatin1String("w:rPr")) {
            first = false;
            m_stack.append(m_current);
            pushed = true;
            readRunProperties(m_current, true);
            continue;
        }
        first = false;
        if (name == QLatin1String("w:t")) {
            readText();
            continue;
        }
        if (name == QLatin1String("w:tab"))
            insertText(QStringLiteral("\t"));
        else if (name == QLatin1String("w:br") || name == QLatin1String("w:cr"))
            insertText(QString(QChar::LineSeparator));
        m_xml.skipCurrentElement();
    }
    if (pushed)
        m_current = m_stack.takeLast();
}

void DocxReader::readText()
{
    const bool preserve = m_xml.attributes().value(QLatin1String("xml:space")) == QLatin1String("preserve");
    QString text;
    while (!m_xml.atEnd()) {
        m_xml.readNext();
        if (m_xml.isCharacters()) {
            if (preserve || !m_xml.isWhitespace())
                text += m_xml.text();
        } else if (m_xml.isStartElement()) {
            m_xml.skipCurrentElement();
        } else if (m_xml.isEndElement()) {
            break;
        }
    }
    if (!text.isEmpty())
        insertText(text);
}

bool DocxReader::readBool(const QStringRef &value)
{
    return !(value == QLatin1String("false") || value == QLatin1String("0") || value == QLatin1String("off"));
}

void DocxReader::readRunProperties(Style &out, bool resolveStyles)
{
    QTextCharFormat &format = out.charFormat;
    while (m_xml.readNextStartElement()) {
        const QStringRef name = m_xml.qualifiedName();
        const QStringRef val = m_xml.attributes().value(QLatin1String("w:val"));
        if (name == QLatin1String("w:b") || name == QLatin1String("w:bCs")) {
            format.setProperty(QTextFormat::FontWeight, readBool(val) ? QFont::Bold : QFont::Normal);
        } else if (name == QLatin1String("w:i") || name == QLatin1String("w:iCs")) {
            format.setProperty(QTextFormat::FontItalic, readBool(val));
        } else if (name == QLatin1String("w:u")) {
            if (val == QLatin1String("none")) {
                format.setProperty(QTextFormat::TextUnderlineStyle, QTextCharFormat::NoUnderline);
            } else {
                for (const char *underline : UnderlineValues) {
                    if (val == QLatin1String(underline)) {
                        format.setProperty(QTextFormat::TextUnderlineStyle, QTextCharFormat::SingleUnderline);
                        break;
                    }
                }
            }
        } else if (name == QLatin1String("w:strike")) {
            format.setProperty(QTextFormat::FontStrikeOut, readBool(val));
        } else if (name == QLatin1String("w:vertAlign")) {
            if (val == QLatin1String("superscript"))
                format.setProperty(QTextFormat::TextVerticalAlignment, QTextCharFormat::AlignSuperScript);
            else if (val == QLatin1String("subscript"))
                format.setProperty(QTextFormat::TextVerticalAlignment, QTextCharFormat::AlignSubScript);
            else if (val == QLatin1String("baseline"))
                format.setProperty(QTextFormat::TextVerticalAlignment, QTextCharFormat::AlignNormal);
        } else if (name == QLatin1String("w:rStyle") && resolveStyles) {
            applyStyle(out, val.toString());
        }
        m_xml.skipCurrentElement();
    }
}

void DocxReader::readParagraphProperties(Style &out, bool resolveStyles, QTextCharFormat *markFormat)
{
    QTextBlockFormat &format = out.blockFormat;
    bool rightToLeft = false;
    bool sideAlignment = false;
    int left = 0;
    int right = 0;
    int start = 0;
    while (m_xml.readNextStartElement()) {
        const QStringRef name = m_xml.qualifiedName();
        const QXmlStreamAttributes attributes = m_xml.attributes();
        const QStringRef val = attributes.value(QLatin1String("w:val"));
        if (name == QLatin1String("w:jc")) {
            sideAlignment = val == QLatin1String("left") || val == QLatin1String("right");
            if (val == QLatin1String("left"))
                format.setProperty(QTextFormat::BlockAlignment,
                                   int(rightToLeft ? Qt::AlignLeft | Qt::AlignAbsolute : Qt::AlignLeft));
            else if (val == QLatin1String("right"))
                format.setProperty(QTextFormat::BlockAlignment,
                                   int(rightToLeft ? Qt::AlignRight | Qt::AlignAbsolute : Qt::AlignRight));
            else if (val == QLatin1String("center"))
                format.setProperty(QTextFormat::BlockAlignment, int(Qt::AlignCenter));
            else if (val == QLatin1String("both"))
                format.setProperty(QTextFormat::BlockAlignment, int(Qt::AlignJustify));
            else if (val == QLatin1String("start"))
                format.setProperty(QTextFormat::BlockAlignment, int(Qt::AlignLeft));
            else if (val == QLatin1String("end"))
                format.setProperty(QTextFormat::BlockAlignment, int(Qt::AlignRight));
        } else if (name == QLatin1String("w:ind")) {
            left = indentSteps(attributes.value(QLatin1String("w:left")));
            right = indentSteps(attributes.value(QLatin1String("w:right")));
            start = indentSteps(attributes.value(QLatin1String("w:start")));
            if (start != 0) {
                format.setProperty(QTextFormat::BlockIndent, start);
                left = 0;
                right = 0;
            }
        } else if (name == QLatin1String("w:bidi")) {
            if (readBool(val))
                format.setProperty(QTextFormat::LayoutDirection, int(Qt::RightToLeft));
        } else if (name == QLatin1String("w:textDirection")) {
            if (val == QLatin1String("rl")) {
                format.setProperty(QTextFormat::LayoutDirection, int(Qt::RightToLeft));
                rightToLeft = true;
            } else if (val == QLatin1String("lr")) {
                format.setProperty(QTextFormat::LayoutDirection, int(Qt::LeftToRight));
            }
        } else if (name == QLatin1String("w:outlineLvl")) {
            const int n = val.toInt();
            // Bounded before adding one, so that the largest int cannot overflow.
            if (n != 9)
                format.setProperty(HeadingLevelProperty, qBound(0, n, 5) + 1);
        } else if (name == QLatin1String("w:pStyle") && resolveStyles) {
            applyStyle(out, val.toString());
        } else if (name == QLatin1String("w:rPr")) {
            // The paragraph mark's properties: they format the mark (the
            // block's character format), not the runs of the paragraph.
            if (markFormat) {
                Style mark;
                mark.charFormat = *markFormat;
                readRunProperties(mark, true);
                *markFormat = mark.charFormat;
                continue;
            }
        }
        m_xml.skipCurrentElement();
    }
    // "left" and "right" of a right-to-left paragraph are the sides as seen
    // (its start is on the right), whether the direction came before or
    // after the alignment or from a style.
    if (sideAlignment && format.intProperty(QTextFormat::LayoutDirection) == Qt::RightToLeft)
        format.setProperty(QTextFormat::BlockAlignment, format.intProperty(QTextFormat::BlockAlignment) | Qt::AlignAbsolute);
    if (start == 0) {
        if (format.intProperty(QTextFormat::LayoutDirection) == Qt::RightToLeft) {
            if (right != 0)
                format.setProperty(QTextFormat::BlockIndent, right);
        } else if (left != 0) {
            format.setProperty(QTextFormat::BlockIndent, left);
        }
    }
    if (format.intProperty(HeadingLevelProperty) != 0)
        out.charFormat.setProperty(QTextFormat::FontWeight, QFont::Normal);
}
