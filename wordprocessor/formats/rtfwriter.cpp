#include "formats/rtfwriter.h"

#include "formats/formatreader.h"
#include "platform/ansicodepage.h"
#include "private/formatwriter_p.h"

#include <QHash>
#include <QIODevice>
#include <QTextBlock>
#include <QTextCodec>
#include <QTextDocument>

namespace {

constexpr int TwipsPerIndent = 720;

constexpr char stylesheet[] =
    "{\\stylesheet\n"
    "{\\s0 Normal;}\n"
    "{\\s1\\snext0\\outlinelevel0\\fs36\\b Heading 1;}\n"
    "{\\s2\\snext0\\outlinelevel1\\fs32\\b Heading 2;}\n"
    "{\\s3\\snext0\\outlinelevel2\\fs28\\b Heading 3;}\n"
    "{\\s4\\snext0\\outlinelevel3\\fs24\\b Heading 4;}\n"
    "{\\s5\\snext0\\outlinelevel4\\fs20\\b Heading 5;}\n"
    "{\\s6\\snext0\\outlinelevel5\\fs16\\b Heading 6;}\n"
    "}\n";

struct Escape
{
    ushort unit;
    const char *rtf;
};

// Characters that RTF spells with a control word or symbol. Joiners,
// direction marks, the spaces of set widths and the middle dot have control
// words too, but widely used readers drop those words (a Kannada word would
// lose its non-joiner and change its shape): they are written as Unicode
// characters, which every reader of Unicode RTF takes.
constexpr Escape escapes[] = {
    { 0x0009, "\\tab " },      { 0x005C, "\\'5C" },       { 0x007B, "\\'7B" },
    { 0x007D, "\\'7D" },       { 0x00A0, "\\~" },         { 0x00AD, "\\-" },
    { 0x00B7, "\\u183?" },     { 0x2002, "\\u8194?" },    { 0x2003, "\\u8195?" },
    { 0x2004, "\\u8196?" },    { 0x200C, "\\u8204?" },    { 0x200D, "\\u8205?" },
    { 0x200E, "\\u8206?" },    { 0x200F, "\\u8207?" },    { 0x2011, "\\_" },
    { 0x2013, "\\endash " },   { 0x2014, "\\emdash " },   { 0x2018, "\\lquote " },
    { 0x2019, "\\rquote " },   { 0x201C, "\\ldblquote " }, { 0x201D, "\\rdblquote " },
    { 0x2022, "\\bullet " },   { 0x2028, "\\line " },
};

const char *escapeFor(ushort unit)
{
    for (const Escape &entry : escapes) {
        if (entry.unit == unit)
            return entry.rtf;
    }
    return nullptr;
}

QHash<int, bool> &asciiTransparentCache()
{
    static QHash<int, bool> cache;
    return cache;
}

// Converter state for single characters: invalid ones become NUL, and no
// byte-order mark is put in front (Unicode codecs would otherwise add one
// to every piece of text).
QTextCodec::ConversionFlags conversionFlags()
{
    return QTextCodec::ConvertInvalidToNull | QTextCodec::IgnoreHeader;
}

bool encodesAsciiAsItself(QTextCodec *codec)
{
    QTextCodec::ConverterState state(conversionFlags());
    for (ushort c = 32; c < 128; ++c) {
        const QChar ch(c);
        const QByteArray bytes = codec->fromUnicode(&ch, 1, &state);
        if (state.invalidChars > 0 || bytes.size() != 1 || uchar(bytes.at(0)) != c)
            return false;
    }
    return true;
}

QByteArray firstLine(int mib, const QByteArray &encoding)
{
    switch (mib) {
    case 17:
        return "{\\rtf1\\ansi\\ansicpg932";
    case 106:
        return "{\\rtf1\\ansi\\ansicpg65001";
    case 2009:
        return "{\\rtf1\\pca\\ansicpg850";
    case -168: // Qt's own Apple Roman codec
    case 2027: // the same code page from the system's codec library
        return "{\\rtf1\\mac\\ansicpg10000";
    default:
        return "{\\rtf1\\ansi\\ansicpg" + encoding.mid(2);
    }
}

void appendHex(QByteArray &out, uchar byte)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    out += "\\'";
    out += digits[byte >> 4];
    out += digits[byte & 0xF];
}

QByteArray paragraphPrefix(const QTextBlockFormat &format)
{
    QByteArray prefix("{\\pard\\plain");
    const int level = format.intProperty(HeadingLevelProperty);
    if (level != 0) {
        prefix += "\\s" + QByteArray::number(level) + "\\outlinelevel" + QByteArray::number(level - 1)
            + "\\fs" + QByteArray::number((10 - level) * 4) + "\\b";
    } else {
        prefix += "\\s0";
    }

    const bool rightToLeft = format.layoutDirection() == Qt::RightToLeft;
    if (rightToLeft)
        prefix += "\\rtlpar";

    const int alignment = int(format.alignment());
    if (alignment != 0) {
        if (rightToLeft && (alignment & Qt::AlignLeft))
            prefix += "\\ql";
        else if (alignment & Qt::AlignRight)
            prefix += "\\qr";
        else if (alignment & 0x84)
            prefix += "\\qc";
        else if (alignment & Qt::AlignJustify)
            prefix += "\\qj";
    } else if (rightToLeft) {
        prefix += "\\ql";
    }

    if (format.indent() > 0)
        prefix += "\\li" + QByteArray::number(qint64(format.indent()) * TwipsPerIndent);
    return prefix;
}

QByteArray propertyWords(const QTextCharFormat &format)
{
    QByteArray words;
    if (format.hasProperty(QTextFormat::FontWeight) && format.fontWeight() == QFont::Bold)
        words += "\\b";
    if (format.fontItalic())
        words += "\\i";
    if (format.fontUnderline())
        words += "\\ul";
    if (format.fontStrikeOut())
        words += "\\strike";
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        words += "\\super";
    else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        words += "\\sub";
    return words;
}

} // namespace

RtfWriter::RtfWriter(const QByteArray &encoding)
    : encoding(encoding)
{
    if (this->encoding.isEmpty())
        this->encoding = "CP" + Platform::defaultAnsiCodePage().toLatin1();
    if (this->encoding == "CP932")
        this->encoding = "Shift-JIS";
    codec = QTextCodec::codecForName(this->encoding);
    if (!codec) {
        this->encoding = "CP1252";
        codec = QTextCodec::codecForName(this->encoding);
    }
    if (!codec)
        return;

    const int mib = codec->mibEnum();
    QHash<int, bool> &cache = asciiTransparentCache();
    auto cached = cache.constFind(mib);
    if (cached == cache.constEnd())
        cached = cache.insert(mib, encodesAsciiAsItself(codec));
    asciiTransparent = *cached;

    header = firstLine(mib, this->encoding) + '\n' + stylesheet;
}

bool RtfWriter::write(QIODevice *device, QTextDocument *document)
{
    lastError.clear();
    if (!codec) {
        lastError = tr("No code page is known by the name \"%1\".").arg(QString::fromLatin1(encoding));
        return false;
    }

    // Every write is checked: a device that refuses bytes (a full disk)
    // must not be reported as a saved file.
    bool written = device->write(header) == header.size();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QByteArray paragraph = paragraphPrefix(block.blockFormat());
        bool first = true;
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            if (first) {
                paragraph += ' ';
                first = false;
            }
            const QByteArray words = propertyWords(fragment.charFormat());
            if (words.isEmpty())
                paragraph += escape(fragment.text());
            else
                paragraph += '{' + words + ' ' + escape(fragment.text()) + '}';
        }
        paragraph += "\\par}\n";
        written = device->write(paragraph) == paragraph.size() && written;
    }
    written = device->write("}", 1) == 1 && written;
    if (!written)
        lastError = FormatWriter::deviceErrorText(device);
    return written;
}

QString RtfWriter::errorString() const
{
    return lastError;
}

QByteArray RtfWriter::escape(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    QTextCodec::ConverterState state(conversionFlags());
    const auto writeUnicode = [&out](ushort unit) {
        if (unit != 0)
            out += "\\u" + QByteArray::number(unit) + '?';
    };

    for (int i = 0; i < text.size(); ++i) {
        const ushort c = text.at(i).unicode();
        if (const char *word = escapeFor(c)) {
            out += word;
            continue;
        }
        if (c >= 32 && c < 128 && asciiTransparent) {
            out += char(c);
            continue;
        }

        // A character beyond the basic plane is converted whole: codecs
        // that see its halves apart drop or mangle one of them.
        int units = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            units = 2;
        else if (QChar::isSurrogate(c)) {
            writeUnicode(c);
            continue;
        }

        const QByteArray bytes = codec->fromUnicode(text.constData() + i, units, &state);
        if (state.invalidChars > 0 || bytes.isEmpty() || bytes.at(0) == '\0') {
            for (int k = 0; k < units; ++k)
                writeUnicode(text.at(i + k).unicode());
            i += units - 1;
            continue;
        }
        i += units - 1;

        const uchar single = uchar(bytes.at(0));
        // A code page that puts another character on the byte of the
        // backslash or a brace (the yen sign of Shift-JIS) must not write
        // that byte bare: it would end the text or the group.
        if (bytes.size() == 1 && single >= 0x20 && single <= 0x7F && single != '\\' && single != '{'
            && single != '}') {
            out += char(single);
            continue;
        }
        for (const char byte : bytes)
            appendHex(out, uchar(byte));
    }
    return out;
}
