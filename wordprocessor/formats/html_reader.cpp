#include "formats/html_reader.h"

#include "formats/documentfile.h"
#include "private/documentlimits_p.h"
#include "private/unicodetext_p.h"

#include <QCoreApplication>
#include <QHash>
#include <QVector>

namespace {

constexpr qint64 ChunkSize = 16384;
// The lines a saved document's head and style sheet take, at most.
constexpr qint64 HeadLines = 1024;

// Elements that nest nothing: those without an end tag, and those whose end
// tag HTML lets the next element imply (a paragraph, a list item, a cell).
constexpr const char *UnnestedElements[] = {
    "area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "param", "source",
    "track", "wbr", "p", "li", "dt", "dd", "tr", "td", "th", "option", "thead", "tbody", "tfoot",
    "colgroup",
};

bool isUnnested(const QString &name)
{
    for (const char *element : UnnestedElements) {
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

// Elements that start a paragraph of their own.
constexpr const char *BlockElements[] = {
    "p", "div", "li", "dt", "dd", "h1", "h2", "h3", "h4", "h5", "h6", "pre", "blockquote", "hr",
    "tr", "td", "th", "table", "ul", "ol", "dl", "center", "address",
};

bool isBlock(const QString &name)
{
    for (const char *element : BlockElements) {
        if (name == QLatin1String(element))
            return true;
    }
    return false;
}

// What the markup asks of Qt's parser: how deep its elements nest, counted
// as an HTML parser nests them (an end tag closes the innermost open element
// of its name and those inside it, and an end tag without an open element of
// its name closes nothing), and how many paragraphs it makes (block
// elements, and the lines of preformatted text).
struct MarkupCost
{
    int depth = 0;
    qint64 paragraphs = 0;
    qint64 blocks = 0;
};

// Stops counting once the depth passes `depthLimit`.
MarkupCost markupCost(const QString &html, int depthLimit)
{
    MarkupCost cost;
    QVector<QString> open;
    QHash<QString, int> openCount;
    int i = 0;
    int textStart = 0;
    while ((i = html.indexOf(QLatin1Char('<'), i)) >= 0) {
        if (openCount.value(QStringLiteral("pre")) > 0)
            cost.paragraphs += html.midRef(textStart, i - textStart).count(QLatin1Char('\n'));
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
        if (!closing && isBlock(name)) {
            ++cost.paragraphs;
            ++cost.blocks;
        }
        if (isUnnested(name))
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
            continue;
        }
        open.append(name);
        ++openCount[name];
        cost.depth = qMax(cost.depth, open.size());
        if (cost.depth > depthLimit)
            break;
    }
    return cost;
}

} // namespace

html_reader::html_reader() = default;

int html_reader::type() const
{
    return HtmlType;
}

void html_reader::readData(QIODevice *device)
{
    errorText = DocumentFile::textRefusal(device, DocumentFile::Html);
    if (!errorText.isEmpty())
        return;
    cursor.beginEditBlock();
    // Markup is parsed as one fragment: pieces parsed apart would turn a
    // tag cut at their edge into text and lose the head's styles.
    UnicodeTextReader reader(device, &encoding);
    QString html;
    while (!reader.atEnd()) {
        html += reader.read(ChunkSize);
        QCoreApplication::processEvents();
    }
    // Qt's parser takes time that grows with the square of the nesting: a
    // small file of deeply nested elements would hang the program; and each
    // paragraph costs as much as a paragraph of any other document.
    const MarkupCost cost = markupCost(html, DocumentLimits::MaxHtmlNesting);
    // A style (white-space: pre, in an attribute or a style sheet) makes a
    // paragraph of every line of the text it applies to, which the count
    // above does not follow: block elements and lines together may come to
    // twice the paragraphs, as a saved document's own lines do (one line to
    // a paragraph, and a few for the head).
    const qint64 lines = html.count(QLatin1Char('\n'));
    if (cost.depth > DocumentLimits::MaxHtmlNesting)
        errorText = QCoreApplication::translate("html_reader", "The document is nested too deeply.");
    else if (cost.paragraphs > DocumentLimits::MaxParagraphs
             || cost.blocks + lines > 2 * DocumentLimits::MaxTextParagraphs + HeadLines)
        errorText = DocumentLimits::tooLargeText();
    else if (!html.isEmpty())
        cursor.insertHtml(html);
    if (errorText.isEmpty())
        errorText = reader.errorString();
    cursor.endEditBlock();
}
