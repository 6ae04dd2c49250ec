#ifndef YAVO_RTFREADER_H
#define YAVO_RTFREADER_H

#include "formats/formatreader.h"

#include <QHash>
#include <QSet>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QVector>

#include <memory>

class QTextCodec;
class QTextDecoder;
class DocumentNotes;
class RtfTokenizer;
namespace DocumentLimits {
class Budget;
}

// Reads RTF into the document at `cursor`. Each destination it understands
// is a table from control words to handlers; the reader keeps a stack of
// group states. It carries paragraphs, alignment, indent, direction, heading
// levels, bold and italic (those of complex scripts too), underline,
// strike-out, super- and subscript, symbols and escapes, decoding text in the
// code page of the document or the font.
// Table cells end with a tab, rows, pages, sections and columns with a
// paragraph break; footnotes follow the text; headers, footers and list
// definitions are left out.
class RtfReader : public FormatReader
{
public:
    RtfReader();
    ~RtfReader() override;

    int type() const override;
    void readData(QIODevice *device) override;

    static bool canRead(QIODevice *device);
    static QTextCodec *codecForCodePage(int value, QByteArray *name = nullptr);

private:
    struct Handler
    {
        void (RtfReader::*callback)(int) = nullptr;
        int value = 0;
    };

    struct Destination
    {
        void (RtfReader::*endHandler)() = nullptr;
        void (RtfReader::*textHandler)(const QString &) = nullptr;
        QHash<QByteArray, Handler> words;
    };

    struct State
    {
        QTextBlockFormat blockFormat;
        QTextCharFormat charFormat;
        bool ignoreControlWords = false;
        bool ignoreText = false;
        int skipCount = 1;
        int font = 0;
        const Destination *destination = nullptr;
        int style = 0;
    };

    struct Style
    {
        QTextCharFormat charFormat;
        QTextBlockFormat blockFormat;
        const Destination *destination = nullptr;
        QSet<int> basedOnBy;
    };

    static void fillDestinations();
    static Destination &mainDestination();
    static Destination &stylesheetDestination();
    static Destination &headingDestination();

    void readGroups();
    void pushState();
    void popState();
    // Every character reaches the document through here. It is collected
    // and goes in at once, before the next change of paragraph, format or
    // destination: inserting a document one escape at a time costs many
    // times more than the text itself.
    void insert(const QString &text);
    void flushText();
    // Whether the paragraphs and characters fit the budget; when they do not,
    // the read ends.
    bool takeFromBudget(qint64 paragraphs, qint64 characters);
    void insertUnicodeUnit(int value);
    void flushSurrogate();
    void endFootnote();
    void setCodec(QTextCodec *codec);
    QString decode(const QByteArray &bytes);
    void applyBlockFormat();
    void applyCharFormat();

    // Main destination
    void endBlock(int);
    void endCell(int);
    void endRow(int);
    void beginFootnote(int);
    void insertFootnoteMark(int);
    void markIgnorable(int);
    void insertSymbol(int value);
    void insertHexSymbol(int);
    void insertUnicodeSymbol(int value);
    void setSkipCount(int value);
    void resetBlockFormat(int);
    void resetCharFormat(int);
    void setAlignment(int value);
    void setIndent(int value);
    void setLayoutDirection(int value);
    void setBold(int value);
    void setItalic(int value);
    void setAssociatedBold(int value);
    void setAssociatedItalic(int value);
    void setStrikeOut(int value);
    void setUnderline(int value);
    void setVerticalAlignment(int value);
    void setHeadingLevel(int value);
    void setCodePage(int value);
    void setFont(int value);
    void setFontCodePage(int value);
    void setFontCharset(int value);
    void ignoreGroup(int);
    void ignoreText(int);
    void readStylesheet(int);
    void applyStyle(int value);
    void insertText(const QString &text);

    // Stylesheet destination
    void beginStyle(int value);
    void setStyleBase(int value);
    void readStyleName(const QString &text);
    void runStylesheetEnd();
    void endStyle();
    void clearStyleEnd();

    const std::unique_ptr<RtfTokenizer> tokenizer;
    // What the document may cost, as a DOCX or ODT file of the same size
    // may: a few bytes of RTF make a paragraph.
    const std::unique_ptr<DocumentLimits::Budget> budget;
    bool overBudget = false;
    bool blockOpen = true;
    QHash<int, Style> styles;
    QVector<State> stack;
    State state;
    QTextBlockFormat initialBlockFormat;
    QTextCodec *codec = nullptr;
    QTextDecoder *decoder = nullptr;
    QTextCodec *documentCodec = nullptr;
    QVector<QTextCodec *> fontCodecs;
    void (RtfReader::*stylesheetEnd)() = nullptr;
    int styleHandDowns = 0;
    // Cells ended since the last text: each becomes a tab before the next
    // text of the row, so that the cells of a row neither run together nor
    // end it with a tab.
    int pendingCells = 0;
    // Text read but not yet in the document.
    QString pendingText;
    // The first half of a character beyond the basic plane, written as two
    // \u words, while the second is awaited.
    char16_t pendingHighSurrogate = 0;
    // \* came just before: an unknown control word now starts a destination
    // to be skipped.
    bool nextWordIgnorable = false;

    struct OpenFootnote
    {
        int depth;
        bool blockOpen;
    };
    const std::unique_ptr<DocumentNotes> notes;
    QVector<OpenFootnote> openFootnotes;
};

#endif
