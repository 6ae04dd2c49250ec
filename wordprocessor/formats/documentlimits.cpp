#include "private/documentlimits_p.h"

#include <QCoreApplication>

#include <cstring>

namespace DocumentLimits {

namespace {

constexpr qint64 MegaByte = 1024 * 1024;

// Allowances of a file of no size; each grows by the given amount per byte of
// the file. Real text compresses to a third or a fifth of its size, word
// processors' XML to a tenth or a twentieth.
constexpr qint64 BaseInflatedSize = 64 * MegaByte;
constexpr qint64 InflatedSizePerByte = 100;
constexpr qint64 BaseParagraphs = 100000;
constexpr qint64 FileBytesPerParagraph = 4;
constexpr qint64 BaseCharacters = 32 * MegaByte;
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

Budget::Budget(qint64 fileSize)
    : m_inflatedSize(BaseInflatedSize + InflatedSizePerByte * qMax<qint64>(fileSize, 0))
    , m_paragraphs(BaseParagraphs + qMax<qint64>(fileSize, 0) / FileBytesPerParagraph)
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

} // namespace DocumentLimits
