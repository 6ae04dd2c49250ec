#include "formats/htmlmarkup.h"

#include "private/documentlimits_p.h"

#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace {

// Markup that Qt parses in a few hundredths of a second: so many
// characters, or so many paragraphs however short (each costs Qt some
// microseconds: 16,000 paragraphs of one letter took a tenth of a second).
constexpr int PieceSize = 32768;
constexpr int PieceParagraphs = 2048;
// The lines a saved document's head and style sheet take, at most.
constexpr qint64 HeadLines = 1024;

// Elements that nest nothing: those without an end tag, and those whose end
// tag HTML lets the next element imply (a paragraph, a list item, a cell).
constexpr const char *UnnestedElements[] = {
    "area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "param", "source",
    "track", "wbr", "p", "li", "dt", "dd", "tr", "td", "th", "option", "thead", "tbody", "tfoot",
    "colgroup",
};

// Elements that start a paragraph of their own.
constexpr const char *BlockElements[] = {
    "p", "div", "li", "dt", "dd", "h1", "h2", "h3", "h4", "h5", "h6", "pre", "blockquote", "hr",
    "tr", "td", "th", "table", "ul", "ol", "dl", "center", "address",
};

// Paragraphs before which a piece may start: Qt imports a piece that starts
// with one of them as it would import the whole (one starting with a table,
// a list or a rule gets an empty paragraph ahead of it).
constexpr const char *PieceElements[] = {
    "p", "div", "h1", "h2", "h3", "h4", "h5", "h6", "pre", "blockquote", "center", "address",
};

// The parts of a table that a flattened table loses. Its cells and caption
// become paragraphs, and so does what follows it; nothing of it nests, so
// that Qt's parser does not take the time deep nesting costs it.
constexpr const char *TableParts[] = {
    "tr", "thead", "tbody", "tfoot", "col", "colgroup",
};

template <size_t N>
bool isOneOf(const QString &name, const char *const (&names)[N])
{
    for (const char *element : names) {
        if (name == QLatin1String(element))
            return true;
    }
    return false;
}

// The end of the tag that starts at `from` (the position after its name):
// the position of its '>', quoted attribute values passed over; -1 when the
// text ends first.
int tagEnd(const QString &html, int from)
{
    QChar quote;
    for (int i = from; i < html.size(); ++i) {
        const QChar c = html.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('>')) {
            return i;
        }
    }
    return -1;
}

// Characters at which Qt starts a paragraph in text, as themselves or as
// character references: the paragraph separator and the frame markers.
bool isBreakCharacter(uint code)
{
    return code == QChar::ParagraphSeparator || code == 0xFDD0 || code == 0xFDD1;
}

int digitValue(QChar c, bool hex)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (hex && (u | 0x20) >= 'a' && (u | 0x20) <= 'f')
        return (u | 0x20) - 'a' + 10;
    return -1;
}

qint64 breakCharacters(const QString &html)
{
    qint64 count = 0;
    const int n = html.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = html.at(i);
        if (isBreakCharacter(c.unicode())) {
            ++count;
        } else if (c == QLatin1Char('&') && i + 2 < n && html.at(i + 1) == QLatin1Char('#')) {
            const bool hex = html.at(i + 2) == QLatin1Char('x') || html.at(i + 2) == QLatin1Char('X');
            int j = i + (hex ? 3 : 2);
            uint code = 0;
            // Leading zeros may make a reference as long as they like.
            for (; j < n; ++j) {
                const int value = digitValue(html.at(j), hex);
                if (value < 0)
                    break;
                code = qMin<uint>(code * (hex ? 16 : 10) + uint(value), 0x110000);
            }
            if (isBreakCharacter(code))
                ++count;
        }
    }
    return count;
}

} // namespace

HtmlMarkup::HtmlMarkup(const QString &html)
{
    scan(html);
    // A style (white-space: pre, in an attribute or a style sheet) makes a
    // paragraph of every line of the text it applies to, which the count of
    // elements does not follow.
    m_lines = html.count(QLatin1Char('\n'));
    m_paragraphs += breakCharacters(html);
}

// Counts what the markup asks of Qt's parser: how deep its elements nest,
// counted as an HTML parser nests them (an end tag closes the innermost open
// element of its name and those inside it, and an end tag without an open
// element of its name closes nothing), how many paragraphs and table cells
// it makes (block elements, and the lines of preformatted text). Meanwhile
// copies the markup with tables nested too deeply flattened, and notes where
// pieces may start. Stops once the depth passes the limit.
void HtmlMarkup::scan(const QString &html)
{
    QVector<QString> open;
    QHash<QString, int> openCount;
    int copied = 0;
    const auto copyTo = [&](int end) {
        if (end <= copied)
            return;
        m_html += html.midRef(copied, end - copied);
        copied = end;
    };
    int i = 0;
    int textStart = 0;
    while ((i = html.indexOf(QLatin1Char('<'), i)) >= 0) {
        if (openCount.value(QStringLiteral("pre")) > 0)
            m_paragraphs += html.midRef(textStart, i - textStart).count(QLatin1Char('\n'));
        const int tagStart = i;
        ++i;
        textStart = i;
        if (html.midRef(i, 3) == QLatin1String("!--")) {
            i = html.indexOf(QLatin1String("-->"), i + 3);
            if (i < 0)
                break;
            textStart = i;
            continue;
        }
        const bool closing = i < html.size() && html.at(i) == QLatin1Char('/');
        const int nameStart = closing ? i + 1 : i;
        int nameEnd = nameStart;
        while (nameEnd < html.size() && (html.at(nameEnd).isLetterOrNumber() || html.at(nameEnd) == QLatin1Char('-')
                                         || html.at(nameEnd) == QLatin1Char(':')))
            ++nameEnd;
        if (nameEnd == nameStart || !html.at(nameStart).isLetter())
            continue;
        const QString name = html.mid(nameStart, nameEnd - nameStart).toLower();
        const int end = tagEnd(html, nameEnd);
        if (end < 0)
            break;
        i = end + 1;
        textStart = i;

        const int tables = openCount.value(QStringLiteral("table")) + (!closing && name == QLatin1String("table"));
        const bool flattened = tables > DocumentLimits::MaxTableNesting;
        if (!closing && isOneOf(name, BlockElements)) {
            ++m_paragraphs;
            ++m_blocks;
            if ((name == QLatin1String("td") || name == QLatin1String("th")) && !flattened)
                ++m_cells;
            const int outerElements = openCount.value(QStringLiteral("html")) + openCount.value(QStringLiteral("body"));
            if (isOneOf(name, PieceElements) && open.size() == outerElements) {
                copyTo(tagStart);
                m_pieceStarts.append(m_html.size());
            }
        }
        if (flattened) {
            const bool cell = name == QLatin1String("td") || name == QLatin1String("th")
                    || name == QLatin1String("caption");
            if (cell || name == QLatin1String("table") || isOneOf(name, TableParts)) {
                copyTo(tagStart);
                if (name == QLatin1String("table") || (cell && !closing))
                    m_html += QLatin1String("<p>");
                copied = i;
            }
        }
        if (m_pieceStarts.isEmpty()
            && ((!closing && name == QLatin1String("body")) || (closing && name == QLatin1String("head")))) {
            copyTo(i);
            m_headEnd = m_html.size();
        }

        if (isOneOf(name, UnnestedElements))
            continue;
        if (closing) {
            if (openCount.value(name) == 0)
                continue;
            for (;;) {
                const QString innermost = open.takeLast();
                --openCount[innermost];
                if (innermost == name)
                    break;
            }
            continue;
        }
        if (html.at(end - 1) == QLatin1Char('/'))
            continue;
        if (name == QLatin1String("script") || name == QLatin1String("style")) {
            // Their text is no markup: it runs to their end tag.
            const int close = html.indexOf(QLatin1String("</") + name, i, Qt::CaseInsensitive);
            if (close < 0)
                break;
            i = close;
            textStart = i;
            if (m_pieceStarts.isEmpty() && name == QLatin1String("style")) {
                const int styleEnd = tagEnd(html, close);
                copyTo(styleEnd < 0 ? html.size() : styleEnd + 1);
                m_headEnd = m_html.size();
            }
            continue;
        }
        open.append(name);
        ++openCount[name];
        m_depth = qMax(m_depth, open.size());
        if (m_depth > DocumentLimits::MaxHtmlNesting)
            break;
    }
    copyTo(html.size());
}

int HtmlMarkup::maxTableNesting()
{
    return DocumentLimits::MaxTableNesting;
}

QString HtmlMarkup::refusal() const
{
    if (m_depth > DocumentLimits::MaxHtmlNesting)
        return DocumentLimits::tooDeepText();
    // Block elements and lines together may come to twice the paragraphs, as
    // a saved document's own lines do (one line to a paragraph, and a few
    // for the head).
    if (m_paragraphs > DocumentLimits::MaxParagraphs || m_cells > DocumentLimits::MaxTableCells
        || m_blocks + m_lines > 2 * DocumentLimits::MaxTextParagraphs + HeadLines)
        return DocumentLimits::tooLargeText();
    return QString();
}

// The starts of the pieces after the first, each piece at least PieceSize
// long.
QVector<int> HtmlMarkup::cuts() const
{
    QVector<int> cuts;
    int last = 0;
    int paragraphs = 0;
    for (int start : m_pieceStarts) {
        ++paragraphs;
        if ((start - last >= PieceSize || paragraphs >= PieceParagraphs) && start > m_headEnd) {
            cuts.append(start);
            last = start;
            paragraphs = 0;
        }
    }
    return cuts;
}

void HtmlMarkup::insert(QTextCursor &cursor, const std::function<void()> &between) const
{
    const QVector<int> starts = cuts();
    if (starts.isEmpty()) {
        cursor.insertHtml(m_html);
        return;
    }
    const QString head = m_html.left(m_headEnd);
    int from = 0;
    for (int n = 0; n <= starts.size(); ++n) {
        const int to = n < starts.size() ? starts.at(n) : m_html.size();
        QString piece = n == 0 ? QString() : head;
        piece += m_html.midRef(from, to - from);
        // White space between paragraphs is none, but at the end of a
        // piece Qt keeps it.
        if (n < starts.size()) {
            int keep = piece.size();
            while (keep > 0 && piece.at(keep - 1).isSpace())
                --keep;
            piece.truncate(keep);
        }
        // A piece imported as a document of its own keeps the formats of its
        // first paragraph, which one inserted at the cursor would give up to
        // the paragraph it is inserted into.
        QTextDocument imported;
        imported.setHtml(piece);
        if (n > 0) {
            if (between)
                between();
            cursor.insertBlock(imported.begin().blockFormat(), imported.begin().charFormat());
        }
        cursor.insertFragment(QTextDocumentFragment(&imported));
        from = to;
    }
}
