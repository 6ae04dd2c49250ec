#include "formats/html_reader.h"

#include "private/documentlimits_p.h"
#include "private/unicodetext_p.h"

#include <QCoreApplication>
#include <QHash>
#include <QVector>

namespace {

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

// Whether the elements of the markup nest deeper than `limit`, counted as
// an HTML parser nests them: an end tag closes the innermost open element of
// its name and those inside it, and an end tag without an open element of
// its name closes nothing.
bool nestsDeeperThan(const QString &html, int limit)
{
    QVector<QString> open;
    QHash<QString, int> openCount;
    int i = 0;
    while ((i = html.indexOf(QLatin1Char('<'), i)) >= 0) {
        ++i;
        if (html.midRef(i, 3) == QLatin1String("!--")) {
            i = html.indexOf(QLatin1String("-->"), i + 3);
            if (i < 0)
                break;
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
            continue;
        }
        open.append(name);
        ++openCount[name];
        if (open.size() > limit)
            return true;
    }
    return false;
}

} // namespace

html_reader::html_reader() = default;

int html_reader::type() const
{
    return HtmlType;
}

void html_reader::readData(QIODevice *device)
{
    cursor.beginEditBlock();
    // Markup is parsed as one fragment: pieces parsed apart would turn a
    // tag cut at their edge into text and lose the head's styles.
    const QString html = UnicodeTextReader(device, &encoding).readAll();
    QCoreApplication::processEvents();
    // Qt's parser takes time that grows with the square of the nesting: a
    // small file of deeply nested elements would hang the program.
    if (nestsDeeperThan(html, DocumentLimits::MaxHtmlNesting))
        errorText = QCoreApplication::translate("html_reader", "The document is nested too deeply.");
    else if (!html.isEmpty())
        cursor.insertHtml(html);
    cursor.endEditBlock();
}
