#ifndef YAVO_DOCUMENTLIMITS_P_H
#define YAVO_DOCUMENTLIMITS_P_H

#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cmath>

// Bounds the document readers put on what a file can ask of them, so that
// a hostile or broken file costs an error text rather than a hang, a crash or
// all the memory. Each lies far beyond what real documents use.
namespace DocumentLimits {

// Styles kept from one document; more are ignored (and give empty formats).
constexpr int MaxStyles = 4096;
// Times one document's styles hand their formats down to the styles based
// on them. A chain of styles defined base-last costs a number of hand-downs
// that grows with the square of its length; real documents need a few
// thousand, and beyond the limit the deeper inheritance is left out.
constexpr int MaxStyleHandDowns = 1 << 18;
// Nesting of tables, sections, spans, links and the like.
constexpr int MaxNesting = 256;
// Nesting of the elements of an HTML file.
constexpr int MaxHtmlNesting = 4096;
// Tables nested in tables that an HTML document keeps; deeper ones are
// flattened. Qt's layout of nested tables takes about four times as long
// with each level: eight take a tenth of a second, twenty a minute.
constexpr int MaxTableNesting = 8;
// Table cells of an HTML document. Qt lays a table out whole, and one of
// ten thousand cells takes it some seconds.
constexpr qint64 MaxTableCells = 16384;
// Spaces one ODT space element may stand for.
constexpr int MaxSpaceRun = 1024;
// Indentation steps (half inches) of one paragraph: wider than any page.
constexpr int MaxBlockIndent = 64;
// Paragraphs (lines) of a text or HTML file, and what any document may hold
// whatever the size of its file: inserting one costs some microseconds.
constexpr qint64 MaxTextParagraphs = 500000;
// Paragraphs any reader gives a document, however large its file: the lines
// of the longest text and the empty paragraph after its last line break.
// What one format holds is then no more than any other format reads again.
constexpr qint64 MaxParagraphs = MaxTextParagraphs + 1;
// Nesting of XML elements, whatever they are: a part nested deeper is no
// document (the containers the readers follow stop at MaxNesting).
constexpr int MaxElementDepth = 4096;

// The text a reader gives when a document would cost more than its budget.
QString tooLargeText();
// The text a reader gives when a document nests deeper than it follows.
QString tooDeepText();

// What one document may cost its reader, measured against the size of its
// file. Compressed XML can stand for a thousand times its size: a small file
// could otherwise make the reader insert millions of paragraphs, for minutes
// and gigabytes. Each allowance has a base that any real document stays
// within and grows with the file, so that large real documents (100 MB of
// text) open while a small file cannot ask for more than a small document's
// cost.
class Budget
{
public:
    explicit Budget(qint64 fileSize = 0);

    // Whether the file's parts may inflate to `bytes` together.
    bool allowsInflatedSize(qint64 bytes) const;
    // Whether `count` more paragraphs fit; they are taken when they do.
    bool takeParagraphs(qint64 count);
    // Whether `count` more characters fit; they are taken when they do.
    bool takeCharacters(qint64 count);

private:
    qint64 m_inflatedSize;
    qint64 m_paragraphs;
    qint64 m_characters;
};

// The number of elements with the local name `localName` (whatever their
// prefix) that the XML bytes start: what a part will ask of the reader,
// counted before it is parsed. Comments and character data that look like
// tags are counted too, which only errs on the safe side.
qint64 countElements(const QByteArray &xml, const char *localName);

// Whether the elements of the XML bytes nest deeper than `limit`, counted by
// their tags before the part is parsed. Comments, processing instructions,
// character data and declarations are passed over whole: tags inside them
// are none.
bool nestsDeeperThan(const QByteArray &xml, int limit);

// The indentation a length of `steps` steps gives, half steps rounded up.
// Bounded before rounding: a huge length must not overflow the int nor make
// the layout place text miles off the page. A negative length would push the
// text off the page, and one that is no number says nothing: both give none.
inline int indentSteps(double steps)
{
    if (!(steps > 0))
        return 0;
    return int(std::floor(std::min(steps, double(MaxBlockIndent)) + 0.5));
}

// The heading level a writer puts in a file for the level a block carries:
// 1 to 6, and 0 (body text) for anything not a level.
constexpr int headingLevel(int stored)
{
    return stored <= 0 ? 0 : stored > 6 ? 6 : stored;
}

}

#endif
