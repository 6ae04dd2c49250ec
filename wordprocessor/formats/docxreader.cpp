#include "formats/docxreader.h"

#include "private/documentlimits_p.h"
#include "private/wordpackage_p.h"
#include "private/xmlpart_p.h"
#include "private/xmltext_p.h"
#include "private/zippackage_p.h"

#include <QFont>
#include <QIODevice>
#include <QTextDocument>
#include <QUrl>

namespace {

// One indentation step (half an inch) in twentieths of a point.
constexpr double TwipsPerIndent = 720.0;

// WordprocessingML as Word writes it, and its strict form.
constexpr char WordNamespace[] = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr char StrictWordNamespace[] = "http://purl.oclc.org/ooxml/wordprocessingml/main";
constexpr char CompatibilityNamespace[] = "http://schemas.openxmlformats.org/markup-compatibility/2006";

constexpr const char *UnderlineValues[] = {
    "single", "dash", "dashDotDotHeavy", "dashDotHeavy", "dashedHeavy", "dashLong",
    "dashLongHeavy", "dotDash", "dotDotDash", "dotted", "dottedHeavy", "double",
    "thick", "wave", "wavyDouble", "wavyHeavy", "words",
};

bool isWordNamespace(const QStringRef &uri)
{
    return uri == QLatin1String(WordNamespace) || uri == QLatin1String(StrictWordNamespace);
}

// The value of a WordprocessingML attribute; a null reference when the
// element has none. Attributes without a prefix count as well, as some
// producers that declare the namespace as the default one write them.
QStringRef wordAttribute(const QXmlStreamAttributes &attributes, QLatin1String name)
{
    for (const QXmlStreamAttribute &attribute : attributes) {
        if (attribute.name() == name && (attribute.namespaceUri().isEmpty() || isWordNamespace(attribute.namespaceUri())))
            return attribute.value();
    }
    return QStringRef();
}

int indentSteps(const QStringRef &value)
{
    return DocumentLimits::indentSteps(value.toDouble() / TwipsPerIndent);
}

// Word keeps encrypted packages, and its older binary documents, in a
// compound file: no zip archive, and no text either.
bool isCompoundFile(QIODevice *device)
{
    return device->peek(8) == QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
}

// The character a symbol element stands for: the code of its "w:char"
// attribute, or U+FFFD for a code that is no character of a document.
QString symbolCharacter(const QStringRef &code)
{
    bool ok = false;
    const uint value = code.toUInt(&ok, 16);
    if (!ok || value < 0x20 || value > 0x10FFFF || QChar::isSurrogate(value))
        return QString(QChar(QChar::ReplacementCharacter));
    const char32_t character = value;
    return QString::fromUcs4(&character, 1);
}

// The part a relationship's target names, from the folder of the part that
// holds the relationship; empty for a target outside the package.
QString resolveTarget(const QString &sourceFolder, const QString &target)
{
    const QString decoded = QUrl::fromPercentEncoding(target.toUtf8());
    const QString path = decoded.startsWith(QLatin1Char('/')) ? decoded.mid(1) : sourceFolder + decoded;
    QStringList segments;
    for (const QString &segment : path.split(QLatin1Char('/'))) {
        if (segment == QLatin1String("..")) {
            if (segments.isEmpty())
                return QString();
            segments.removeLast();
        } else if (!segment.isEmpty() && segment != QLatin1String(".")) {
            segments.append(segment);
        }
    }
    return segments.join(QLatin1Char('/'));
}

// The part that holds the relationships of a part (of the package itself
// for an empty name).
QString relationshipsOf(const QString &part)
{
    const int slash = part.lastIndexOf(QLatin1Char('/'));
    return part.left(slash + 1) + QLatin1String("_rels/") + part.mid(slash + 1) + QLatin1String(".rels");
}

// Containers whose paragraphs (at body level) or runs (inside a paragraph)
// belong to the document's text: tables, content controls, custom XML,
// tracked insertions, links, smart tags, simple fields and bidirectional
// embeddings.
bool isBlockContainer(const QStringRef &name)
{
    return name == QLatin1String("tbl") || name == QLatin1String("tr") || name == QLatin1String("tc")
        || name == QLatin1String("sdt") || name == QLatin1String("sdtContent")
        || name == QLatin1String("customXml") || name == QLatin1String("ins")
        || name == QLatin1String("moveTo");
}

bool isMainPartContentType(const QStringRef &type)
{
    for (const WordPackage::Kind &kind : WordPackage::kinds) {
        if (type.compare(QLatin1String(kind.mainContentType), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool isRunContainer(const QStringRef &name)
{
    return name == QLatin1String("hyperlink") || name == QLatin1String("ins")
        || name == QLatin1String("smartTag") || name == QLatin1String("sdt")
        || name == QLatin1String("sdtContent") || name == QLatin1String("customXml")
        || name == QLatin1String("fldSimple") || name == QLatin1String("moveTo")
        || name == QLatin1String("dir") || name == QLatin1String("bdo");
}

} // namespace

DocxReader::DocxReader()
    : m_budget(new DocumentLimits::Budget)
    , m_mergeFirst(false)
    , m_joinNext(false)
    , m_depth(0)
    , m_handDowns(0)
{
}

DocxReader::~DocxReader() = default;

int DocxReader::type() const
{
    return DocxType;
}

QStringList DocxReader::suffixes()
{
    QStringList list;
    for (const WordPackage::Kind &kind : WordPackage::kinds)
        list.append(QLatin1String(kind.suffix));
    return list;
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
    if (isCompoundFile(device))
        errorText = tr("The document is encrypted or not a word-processing document.");
    else if (!zip.open(device))
        errorText = tr("Unable to open archive.");
    else
        readPackage(zip);
    QCoreApplication::processEvents();
}

void DocxReader::readPackage(ZipPackage &zip)
{
    // Until the parts are known, the relationships may cost what any file
    // may; then the budget follows what the parts read take in the archive,
    // whatever else (pictures, padding) it holds.
    *m_budget = DocumentLimits::Budget();
    QString main = relatedPart(zip, QString(), "officeDocument");
    if (!errorText.isEmpty())
        return;
    if (!zip.contains(main))
        main = mainPartByContentType(zip);
    if (!errorText.isEmpty())
        return;
    if (!zip.contains(main))
        main = QStringLiteral("word/document.xml");
    if (!zip.contains(main)) {
        // A damaged package must not pass for an empty document that a
        // later save would write over the original.
        errorText = tr("The archive holds no document.");
        return;
    }
    QString styles = relatedPart(zip, main, "styles");
    if (!errorText.isEmpty())
        return;
    if (!zip.contains(styles))
        styles = QStringLiteral("word/styles.xml");
    QStringList parts;
    if (styles != main)
        parts << styles;
    parts << main;
    *m_budget = DocumentLimits::Budget(zip.compressedSize(parts + QStringList{relationshipsOf(QString()), relationshipsOf(main)}));

    qint64 inflated = 0;
    for (const QString &part : qAsConst(parts))
        inflated += zip.entrySize(part);
    if (!m_budget->allowsInflatedSize(inflated)) {
        errorText = DocumentLimits::tooLargeText();
        return;
    }
    cursor.beginEditBlock();
    if (!zip.readXmlEntries(parts, m_xml, [this](const QByteArray &bytes) { readXml(bytes); }))
        errorText = zip.errorString();
    cursor.endEditBlock();
}

QString DocxReader::relatedPart(const ZipPackage &zip, const QString &source, const char *type)
{
    const QString folder = source.left(source.lastIndexOf(QLatin1Char('/')) + 1);
    const QString relationships = relationshipsOf(source);
    const QString suffix = QLatin1Char('/') + QLatin1String(type);
    // A damaged relationships part leaves what it named so far; the usual
    // part names stand in for the rest.
    return findPart(zip, relationships, [&](const QXmlStreamReader &xml) {
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1String("Relationship") && attributes.value(QLatin1String("Type")).endsWith(suffix)
            && attributes.value(QLatin1String("TargetMode")) != QLatin1String("External")) {
            return resolveTarget(folder, attributes.value(QLatin1String("Target")).toString());
        }
        return QString();
    });
}

// The part that the package's content types declare as its main part, for
// a package whose relationships do not lead to it.
QString DocxReader::mainPartByContentType(const ZipPackage &zip)
{
    return findPart(zip, QStringLiteral("[Content_Types].xml"), [](const QXmlStreamReader &xml) {
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1String("Override") && isMainPartContentType(attributes.value(QLatin1String("ContentType"))))
            return resolveTarget(QString(), attributes.value(QLatin1String("PartName")).toString());
        return QString();
    });
}

// Walks the elements of a small part that names other parts (relationships,
// content types) and gives the first part that `pick` names; empty when it
// names none.
QString DocxReader::findPart(const ZipPackage &zip, const QString &part,
                             const std::function<QString(const QXmlStreamReader &)> &pick)
{
    if (!m_budget->allowsInflatedSize(zip.entrySize(part))) {
        errorText = DocumentLimits::tooLargeText();
        return QString();
    }
    const QByteArray bytes = zip.entry(part);
    if (bytes.isEmpty())
        return QString();
    QXmlStreamReader xml(bytes);
    if (!XmlPart::readRootElement(xml)) {
        if (xml.error() == QXmlStreamReader::CustomError)
            errorText = xml.errorString();
        return QString();
    }
    while (xml.readNextStartElement()) {
        const QString named = pick(xml);
        if (!named.isEmpty())
            return named;
        xml.skipCurrentElement();
    }
    return QString();
}

void DocxReader::readXml(const QByteArray &bytes)
{
    // Elements the reader passes over (runs in runs) would otherwise leave
    // a document nested a million deep empty, without a word.
    if (DocumentLimits::nestsDeeperThan(bytes, DocumentLimits::MaxElementDepth)) {
        m_xml.raiseError(DocumentLimits::tooDeepText());
        return;
    }
    if (!m_budget->takeParagraphs(DocumentLimits::countElements(bytes, "p"))) {
        m_xml.raiseError(DocumentLimits::tooLargeText());
        return;
    }
    if (!XmlPart::readRootElement(m_xml))
        return;
    const QStringRef name = wordName();
    if (name == QLatin1String("styles"))
        readStyles();
    else if (name == QLatin1String("document"))
        readDocument();
}

QStringRef DocxReader::wordName() const
{
    return isWordNamespace(m_xml.namespaceUri()) ? m_xml.name() : QStringRef();
}

bool DocxReader::isCompatibilityElement(const char *localName) const
{
    return m_xml.name() == QLatin1String(localName) && m_xml.namespaceUri() == QLatin1String(CompatibilityNamespace);
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
    if (!m_budget->takeCharacters(text.size())) {
        m_xml.raiseError(DocumentLimits::tooLargeText());
        return;
    }
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
        const QStringRef name = wordName();
        if (name == QLatin1String("docDefaults")) {
            while (m_xml.readNextStartElement()) {
                const QStringRef group = wordName();
                if (group == QLatin1String("rPrDefault") || group == QLatin1String("pPrDefault")) {
                    while (m_xml.readNextStartElement()) {
                        if (wordName() == QLatin1String("rPr"))
                            readRunProperties(m_current, true);
                        else if (wordName() == QLatin1String("pPr"))
                            readParagraphProperties(m_current, true, nullptr);
                        else
                            m_xml.skipCurrentElement();
                    }
                } else {
                    m_xml.skipCurrentElement();
                }
            }
        } else if (name == QLatin1String("style")) {
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
    const QStringRef type = wordAttribute(attributes, QLatin1String("type"));
    Style style;
    if (type == QLatin1String("paragraph"))
        style.kind = ParagraphStyle;
    else if (type == QLatin1String("character"))
        style.kind = CharacterStyle;
    const QString id = wordAttribute(attributes, QLatin1String("styleId")).toString();
    if (style.kind == OtherStyle || (m_styles.size() >= DocumentLimits::MaxStyles && !m_styles.contains(id))) {
        m_xml.skipCurrentElement();
        return;
    }
    const QStringRef isDefault = wordAttribute(attributes, QLatin1String("default"));
    if (!isDefault.isNull() && readBool(isDefault))
        defaults.insert(style.kind, id);

    while (m_xml.readNextStartElement()) {
        const QStringRef name = wordName();
        const QStringRef val = wordAttribute(m_xml.attributes(), QLatin1String("val"));
        if (name == QLatin1String("name")) {
            if (const int level = headingLevelOfStyleName(val))
                style.blockFormat.setProperty(HeadingLevelProperty, level);
            m_xml.skipCurrentElement();
        } else if (name == QLatin1String("basedOn")) {
            const QString base = val.toString();
            const auto it = m_styles.constFind(base);
            if (it != m_styles.constEnd() && it->kind == style.kind) {
                mergeBeneath(it->blockFormat, style.blockFormat);
                mergeBeneath(it->charFormat, style.charFormat);
            }
            pending[base].append(id);
            m_xml.skipCurrentElement();
        } else if (name == QLatin1String("pPr") && style.kind == ParagraphStyle) {
            readParagraphProperties(style, false, nullptr);
        } else if (name == QLatin1String("rPr")) {
            readRunProperties(style, false);
        } else {
            m_xml.skipCurrentElement();
        }
    }
    m_styles.insert(id, style);

    // Hand the formats down to the styles defined earlier that are based on
    // this one, each once: "basedOn" references may form a cycle.
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
        if (wordName() == QLatin1String("body"))
            readBody();
        else
            m_xml.skipCurrentElement();
    }
}

void DocxReader::readBody()
{
    while (m_xml.readNextStartElement()) {
        const QStringRef name = wordName();
        if (name == QLatin1String("p")) {
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
    ParagraphMark mark;
    bool first = true;
    bool inserted = false;
    const auto insertBlock = [&] {
        if (inserted)
            return;
        inserted = true;
        // The paragraph mark's own run properties belong to the block's
        // character format only, not to the runs of the paragraph.
        QTextCharFormat blockCharFormat = m_current.charFormat;
        blockCharFormat.merge(mark.format);
        if (m_mergeFirst || m_joinNext) {
            cursor.mergeBlockFormat(m_current.blockFormat);
            cursor.mergeBlockCharFormat(blockCharFormat);
        } else {
            cursor.insertBlock(m_current.blockFormat, blockCharFormat);
        }
        m_mergeFirst = false;
        m_joinNext = false;
    };

    while (m_xml.readNextStartElement()) {
        if (first && wordName() == QLatin1String("pPr")) {
            first = false;
            readParagraphProperties(m_current, true, &mark);
            continue;
        }
        first = false;
        insertBlock();
        readParagraphChild();
    }
    insertBlock();
    // A drop cap is a paragraph of its own, framed beside the one it
    // begins; its letter is the start of that paragraph's first word.
    m_joinNext = mark.dropCap;
    m_current = m_stack.takeLast();
    QCoreApplication::processEvents();
}

void DocxReader::readParagraphContent()
{
    while (m_xml.readNextStartElement())
        readParagraphChild();
}

void DocxReader::readParagraphChild()
{
    const QStringRef name = wordName();
    if (name == QLatin1String("r")) {
        readRun();
    } else if (isRunContainer(name)) {
        if (!enter())
            return;
        readParagraphContent();
        leave();
    } else if (isCompatibilityElement("AlternateContent")) {
        readAlternateContent(&DocxReader::readParagraphContent);
    } else {
        m_xml.skipCurrentElement();
    }
}

void DocxReader::readRun()
{
    bool first = true;
    bool pushed = false;
    while (m_xml.readNextStartElement()) {
        if (first && wordName() == QLatin1String("rPr")) {
            first = false;
            m_stack.append(m_current);
            pushed = true;
            readRunProperties(m_current, true);
            continue;
        }
        first = false;
        readRunChild();
    }
    if (pushed)
        m_current = m_stack.takeLast();
}

void DocxReader::readRunContent()
{
    while (m_xml.readNextStartElement())
        readRunChild();
}

void DocxReader::readRunChild()
{
    const QStringRef name = wordName();
    if (name == QLatin1String("t")) {
        readText();
        return;
    }
    if (name == QLatin1String("sym")) {
        readSymbol();
        return;
    }
    if (name == QLatin1String("ruby")) {
        readRuby();
        return;
    }
    if (isCompatibilityElement("AlternateContent")) {
        readAlternateContent(&DocxReader::readRunContent);
        return;
    }
    if (name == QLatin1String("tab"))
        insertText(QStringLiteral("\t"));
    else if (name == QLatin1String("br") || name == QLatin1String("cr"))
        insertText(QString(QChar::LineSeparator));
    else if (name == QLatin1String("softHyphen"))
        insertText(QString(QChar(0x00AD)));
    else if (name == QLatin1String("noBreakHyphen"))
        insertText(QString(QChar(0x2011)));
    m_xml.skipCurrentElement();
}

void DocxReader::readAlternateContent(void (DocxReader::*readContent)())
{
    // Word writes what older readers cannot show (emoji, symbols, shapes)
    // as choices with a fallback. The fallback is what every reader is
    // meant to understand; without one, the first choice is read.
    if (!enter())
        return;
    int start = -1;
    while (m_xml.readNextStartElement()) {
        const bool choice = isCompatibilityElement("Choice");
        if ((choice && start < 0) || isCompatibilityElement("Fallback")) {
            if (start >= 0 && cursor.position() > start) {
                QTextCursor chosen = cursor;
                chosen.setPosition(start, QTextCursor::KeepAnchor);
                chosen.removeSelectedText();
            }
            start = cursor.position();
            (this->*readContent)();
        } else {
            m_xml.skipCurrentElement();
        }
    }
    leave();
}

void DocxReader::readRuby()
{
    // The base text is the text of the sentence; its reading aid, glued to
    // it, would make another word of it, and is left out.
    if (!enter())
        return;
    while (m_xml.readNextStartElement()) {
        if (wordName() == QLatin1String("rubyBase"))
            readParagraphContent();
        else
            m_xml.skipCurrentElement();
    }
    leave();
}

void DocxReader::readSymbol()
{
    insertText(symbolCharacter(wordAttribute(m_xml.attributes(), QLatin1String("char"))));
    m_xml.skipCurrentElement();
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
        const QStringRef name = wordName();
        const QStringRef val = wordAttribute(m_xml.attributes(), QLatin1String("val"));
        if (name == QLatin1String("b") || name == QLatin1String("bCs")) {
            format.setProperty(QTextFormat::FontWeight, readBool(val) ? QFont::Bold : QFont::Normal);
        } else if (name == QLatin1String("i") || name == QLatin1String("iCs")) {
            format.setProperty(QTextFormat::FontItalic, readBool(val));
        } else if (name == QLatin1String("u")) {
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
        } else if (name == QLatin1String("strike")) {
            format.setProperty(QTextFormat::FontStrikeOut, readBool(val));
        } else if (name == QLatin1String("vertAlign")) {
            if (val == QLatin1String("superscript"))
                format.setProperty(QTextFormat::TextVerticalAlignment, QTextCharFormat::AlignSuperScript);
            else if (val == QLatin1String("subscript"))
                format.setProperty(QTextFormat::TextVerticalAlignment, QTextCharFormat::AlignSubScript);
            else if (val == QLatin1String("baseline"))
                format.setProperty(QTextFormat::TextVerticalAlignment, QTextCharFormat::AlignNormal);
        } else if (name == QLatin1String("rStyle") && resolveStyles) {
            applyStyle(out, val.toString());
        }
        m_xml.skipCurrentElement();
    }
}

void DocxReader::readParagraphProperties(Style &out, bool resolveStyles, ParagraphMark *mark)
{
    QTextBlockFormat &format = out.blockFormat;
    bool rightToLeft = false;
    bool sideAlignment = false;
    int left = 0;
    int right = 0;
    int start = 0;
    while (m_xml.readNextStartElement()) {
        const QStringRef name = wordName();
        const QXmlStreamAttributes attributes = m_xml.attributes();
        const QStringRef val = wordAttribute(attributes, QLatin1String("val"));
        if (name == QLatin1String("jc")) {
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
        } else if (name == QLatin1String("ind")) {
            left = indentSteps(wordAttribute(attributes, QLatin1String("left")));
            right = indentSteps(wordAttribute(attributes, QLatin1String("right")));
            start = indentSteps(wordAttribute(attributes, QLatin1String("start")));
            if (start != 0) {
                format.setProperty(QTextFormat::BlockIndent, start);
                left = 0;
                right = 0;
            }
        } else if (name == QLatin1String("bidi")) {
            if (readBool(val))
                format.setProperty(QTextFormat::LayoutDirection, int(Qt::RightToLeft));
        } else if (name == QLatin1String("textDirection")) {
            if (val == QLatin1String("rl")) {
                format.setProperty(QTextFormat::LayoutDirection, int(Qt::RightToLeft));
                rightToLeft = true;
            } else if (val == QLatin1String("lr")) {
                format.setProperty(QTextFormat::LayoutDirection, int(Qt::LeftToRight));
            }
        } else if (name == QLatin1String("outlineLvl")) {
            const int n = val.toInt();
            // Bounded before adding one, so that the largest int cannot overflow.
            if (n != 9)
                format.setProperty(HeadingLevelProperty, qBound(0, n, 5) + 1);
        } else if (name == QLatin1String("pStyle") && resolveStyles) {
            applyStyle(out, val.toString());
        } else if (name == QLatin1String("framePr") && mark) {
            const QStringRef dropCap = wordAttribute(attributes, QLatin1String("dropCap"));
            mark->dropCap = !dropCap.isEmpty() && dropCap != QLatin1String("none");
        } else if (name == QLatin1String("rPr") && mark) {
            // The paragraph mark's properties: they format the mark (the
            // block's character format), not the runs of the paragraph.
            Style markStyle;
            markStyle.charFormat = mark->format;
            readRunProperties(markStyle, true);
            mark->format = markStyle.charFormat;
            continue;
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
