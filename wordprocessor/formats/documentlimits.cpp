#include "private/documentlimits_p.h"

#include <QCoreApplication>

#include <cstring>

namespace DocumentLimits {

namespace {

constexpr qint64 MegaByte = 1024 * 1024;

// Allowances of a file of no size; each grows by the given amount per byte of
// the file. Real text compresses to a third or a fifth of its size, word
// processors' XML to a tenth or a twentieth.
//
// A document of repeated lines compresses to almost nothing, so the base
// allowances are what any file may cost: at least what a text file within
// the text budget holds (DocumentFile::MaxTextSize, and a paragraph per line
// up to MaxTextParagraphs), and room for the XML the writers make of that.
// Otherwise such a text, saved as DOCX or ODT, could not be opened again.
constexpr qint64 BaseInflatedSize = 128 * MegaByte;
constexpr qint64 InflatedSizePerByte = 100;
constexpr qint64 BaseCharacters = 64 * MegaByte;
constexpr qint64 CharactersPerByte = 64;

bool isNameEnd(char c)
{
    return c == ' ' || c == '/' || c == '>' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

QString tooLargeText()
{
    return QCoreApplication::translate("DocumentLimits", "The document is too large to open.");
}

QString tooDeepText()
{
    return QCoreApplication::translate("DocumentLimits", "The document is nested too deeply.");
}

Budget::Budget(qint64 fileSize)
    : m_inflatedSize(BaseInflatedSize + InflatedSizePerByte * qMax<qint64>(fileSize, 0))
    // Paragraphs do not grow with the file: a document of more would not
    // open again once saved as text.
    , m_paragraphs(MaxParagraphs)
    , m_characters(BaseCharacters + CharactersPerByte * qMax<qint64>(fileSize, 0))
{
}

bool Budget::allowsInflatedSize(qint64 bytes) const
{
    return bytes <= m_inflatedSize;
}

bool Budget::takeParagraphs(qint64 count)
{
    if (count > m_paragraphs)
        return false;
    m_paragraphs -= count;
    return true;
}

bool Budget::takeCharacters(qint64 count)
{
    if (count > m_characters)
        return false;
    m_characters -= count;
    return true;
}

qint64 countElements(const QByteArray &xml, const char *localName)
{
    const int nameLength = int(std::strlen(localName));
    const char *p = xml.constData();
    const char *const end = p + xml.size();
    qint64 count = 0;
    while ((p = static_cast<const char *>(std::memchr(p, '<', size_t(end - p))))) {
        ++p;
        // The element's name runs to the first white space, slash or '>';
        // its local name follows the last colon.
        const char *nameStart = p;
        const char *q = p;
        while (q < end && !isNameEnd(*q) && *q != '<') {
            if (*q == ':')
                nameStart = q + 1;
            ++q;
        }
        if (q < end && isNameEnd(*q) && q - nameStart == nameLength && std::memcmp(nameStart, localName, size_t(nameLength)) == 0)
            ++count;
        p = q;
    }
    return count;
}

bool nestsDeeperThan(const QByteArray &xml, int limit)
{
    const char *p = xml.constData();
    const char *const end = p + xml.size();
    int depth = 0;
    while ((p = static_cast<const char *>(std::memchr(p, '<', size_t(end - p))))) {
        ++p;
        if (p == end)
            break;
        if (*p == '/') {
            --depth;
            continue;
        }
        if (*p == '!' || *p == '?') {
            // A comment, a section of character data, a declaration or a
            // processing instruction opens no element, and what looks like
            // tags inside it closes none: it is passed over to its end.
            const QByteArray closer = std::memcmp(p, "!--", size_t(qMin<qint64>(3, end - p))) == 0 ? "-->"
                    : std::memcmp(p, "![CDATA[", size_t(qMin<qint64>(8, end - p))) == 0 ? "]]>"
                    : *p == '?' ? "?>" : ">";
            const int at = xml.indexOf(closer, int(p - xml.constData()));
            if (at < 0)
                break;
            p = xml.constData() + at + closer.size();
            continue;
        }
        // The tag ends at the first '>' outside its quoted values; a slash
        // before that closes the element at once.
        char quote = 0;
        const char *q = p;
        for (; q < end; ++q) {
            if (quote) {
                if (*q == quote)
                    quote = 0;
            } else if (*q == '"' || *q == '\'') {
                quote = *q;
            } else if (*q == '>') {
                break;
            }
        }
        if (q == end)
            break;
        if (q[-1] != '/' && ++depth > limit)
            return true;
        p = q + 1;
    }
    return false;
}

} // namespace DocumentLimits
