#include "formats/rtfreader.h"

#include "private/documentlimits_p.h"
#include "private/documentnotes_p.h"
#include "private/rtftokenizer_p.h"
#include "private/unicodetext_p.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QTextCodec>

#include <algorithm>
#include <cmath>

namespace {

// Word's theme fonts use numbers up to 31507; anything far beyond is no
// real font table and must not make the codec table grow without bound.
constexpr int MaxFontNumber = 65535;

// Real documents nest a few dozen groups; a deeper file is malformed or
// hostile and would only grow the state stack.
constexpr int MaxGroupDepth = 4096;

// Fallback bytes skipped after a \u character: no code page needs more than
// four for one character; a larger count would swallow the text after it.
constexpr int MaxSkipCount = 8;

// Control words that may follow \* without starting a destination: the
// character, section and table styles that producers apply in the text.
const char *const NonDestinationWords[] = { "cs", "ds", "ts" };

constexpr int TwipsPerIndent = 720;

// Bold and italic of the complex scripts (\ab, \ai), Kannada among them, as
// they are read; they travel with the format through groups and styles but
// never reach the document: shownFormat() folds them into bold and italic.
constexpr int AssociatedBoldProperty = QTextFormat::UserProperty + 0x100;
constexpr int AssociatedItalicProperty = QTextFormat::UserProperty + 0x101;

// A run holds characters of both kinds: the twin or the plain word makes it
// bold (italic); only when neither does does an explicit off count.
QTextCharFormat shownFormat(QTextCharFormat format)
{
    if (format.hasProperty(AssociatedBoldProperty)) {
        const bool bold = format.boolProperty(AssociatedBoldProperty)
            || (format.hasProperty(QTextFormat::FontWeight) && format.fontWeight() >= QFont::Bold);
        format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
        format.clearProperty(AssociatedBoldProperty);
    }
    if (format.hasProperty(AssociatedItalicProperty)) {
        format.setFontItalic(format.boolProperty(AssociatedItalicProperty) || format.fontItalic());
        format.clearProperty(AssociatedItalicProperty);
    }
    return format;
}

struct CharsetCodec
{
    int charset;
    const char *codec;
};

// \fcharset values and the codecs that decode text in such a font.
constexpr CharsetCodec fontCharsets[] = {
    { 0, "CP1252" },      { 1, "CP1252" },    { 77, "Apple Roman" }, { 128, "Shift-JIS" },
    { 129, "eucKR" },     { 130, "CP1361" },  { 134, "GB2312" },     { 136, "Big5-HKSCS" },
    { 161, "CP1253" },    { 162, "CP1254" },  { 163, "CP1258" },     { 177, "CP1255" },
    { 178, "CP1256" },    { 186, "CP1257" },  { 204, "CP1251" },     { 222, "CP874" },
    { 238, "CP1250" },    { 255, "CP850" },
};

const char *codecNameForCharset(int charset)
{
    for (const CharsetCodec &entry : fontCharsets) {
        if (entry.charset == charset)
            return entry.codec;
    }
    return nullptr;
}

QString notSupported()
{
    return QCoreApplication::translate("RtfReader", "Not a supported RTF file.");
}

bool isBreakWord(const QByteArray &word)
{
    return word == "page" || word == "sect" || word == "column";
}

QString nestedTooDeeply()
{
    return QCoreApplication::translate("RtfReader", "The document is nested too deeply.");
}

// The text without control characters below the tab: they carry nothing a
// document shows (list definitions and binary data hold them), and would
// reach other programs through a saved file.
QString withoutControlCharacters(const QString &text)
{
    const auto isControl = [](QChar c) { return c.unicode() < 0x09; };
    if (std::none_of(text.cbegin(), text.cend(), isControl))
        return text;
    QString result = text;
    result.resize(int(std::remove_if(result.begin(), result.end(), isControl) - result.begin()));
    return result;
}

} // namespace

RtfReader::Destination &RtfReader::mainDestination()
{
    static Destination destination;
    return destination;
}

RtfReader::Destination &RtfReader::stylesheetDestination()
{
    static Destination destination;
    return destination;
}

RtfReader::Destination &RtfReader::headingDestination()
{
    static Destination destination;
    return destination;
}

void RtfReader::fillDestinations()
{
    struct Word
    {
        const char *name;
        void (RtfReader::*callback)(int);
        int value;
    };
    using R = RtfReader;
    static constexpr Word mainWords[] = {
        { "\\", &R::insertSymbol, 0x005C },
        { "_", &R::insertSymbol, 0x2011 },
        { "{", &R::insertSymbol, 0x007B },
        { "|", &R::insertSymbol, 0x00B7 },
        { "}", &R::insertSymbol, 0x007D },
        { "~", &R::insertSymbol, 0x00A0 },
        { "-", &R::insertSymbol, 0x00AD },
        { "bullet", &R::insertSymbol, 0x2022 },
        { "emdash", &R::insertSymbol, 0x2014 },
        { "emspace", &R::insertSymbol, 0x2003 },
        { "endash", &R::insertSymbol, 0x2013 },
        { "lquote", &R::insertSymbol, 0x2018 },
        { "line", &R::insertSymbol, 0x2028 },
        { "ltrmark", &R::insertSymbol, 0x200E },
        { "qmspace", &R::insertSymbol, 0x2004 },
        { "rdblquote", &R::insertSymbol, 0x201D },
        { "rquote", &R::insertSymbol, 0x2019 },
        { "rtlmark", &R::insertSymbol, 0x200F },
        { "tab", &R::insertSymbol, 0x0009 },
        { "zwj", &R::insertSymbol, 0x200D },
        { "zwnj", &R::insertSymbol, 0x200C },
        { "enspace", &R::insertSymbol, 0x2002 },
        { "ldblquote", &R::insertSymbol, 0x201C },

        { "'", &R::insertHexSymbol, 0 },
        { "u", &R::insertUnicodeSymbol, 0 },
        { "uc", &R::setSkipCount, 0 },
        { "par", &R::endBlock, 0 },
        { "cell", &R::endCell, 0 },
        { "nestcell", &R::endCell, 0 },
        { "row", &R::endRow, 0 },
        { "nestrow", &R::endRow, 0 },
        { "page", &R::endBlock, 0 },
        { "sect", &R::endBlock, 0 },
        { "column", &R::endBlock, 0 },
        { "footnote", &R::beginFootnote, 0 },
        { "chftn", &R::insertFootnoteMark, 0 },
        { "\n", &R::endBlock, 0 },
        { "\r", &R::endBlock, 0 },
        { "pard", &R::resetBlockFormat, 0 },
        { "plain", &R::resetCharFormat, 0 },
        { "qc", &R::setAlignment, int(Qt::AlignHCenter) },
        { "qj", &R::setAlignment, int(Qt::AlignJustify) },
        { "ql", &R::setAlignment, int(Qt::AlignLeft | Qt::AlignAbsolute) },
        { "qr", &R::setAlignment, int(Qt::AlignRight | Qt::AlignAbsolute) },
        { "li", &R::setIndent, 0 },
        { "ltrpar", &R::setLayoutDirection, int(Qt::LeftToRight) },
        { "rtlpar", &R::setLayoutDirection, int(Qt::RightToLeft) },
        { "b", &R::setBold, 1 },
        { "i", &R::setItalic, 1 },
        { "ab", &R::setAssociatedBold, 1 },
        { "ai", &R::setAssociatedItalic, 1 },
        { "strike", &R::setStrikeOut, 1 },
        { "striked", &R::setStrikeOut, 1 },
        { "ul", &R::setUnderline, 1 },
        { "uld", &R::setUnderline, 1 },
        { "uldash", &R::setUnderline, 1 },
        { "uldashd", &R::setUnderline, 1 },
        { "uldb", &R::setUnderline, 1 },
        { "ulth", &R::setUnderline, 1 },
        { "ulw", &R::setUnderline, 1 },
        { "ulwave", &R::setUnderline, 1 },
        { "ulhwave", &R::setUnderline, 1 },
        { "ululdbwave", &R::setUnderline, 1 },
        { "ulnone", &R::setUnderline, 0 },
        { "sub", &R::setVerticalAlignment, int(QTextCharFormat::AlignSubScript) },
        { "super", &R::setVerticalAlignment, int(QTextCharFormat::AlignSuperScript) },
        { "nosupersub", &R::setVerticalAlignment, int(QTextCharFormat::AlignNormal) },
        { "outlinelevel", &R::setHeadingLevel, 0 },
        { "ansicpg", &R::setCodePage, 0 },
        { "ansi", &R::setCodePage, 1252 },
        { "mac", &R::setCodePage, 10000 },
        { "pc", &R::setCodePage, 850 },
        { "pca", &R::setCodePage, 850 },
        { "deff", &R::setFont, 0 },
        { "f", &R::setFont, 0 },
        { "cpg", &R::setFontCodePage, 0 },
        { "fcharset", &R::setFontCharset, 0 },
        { "stylesheet", &R::readStylesheet, 0 },
        { "s", &R::applyStyle, 0 },
        { "filetbl", &R::ignoreGroup, 0 },
        { "colortbl", &R::ignoreGroup, 0 },
        { "info", &R::ignoreGroup, 0 },
        { "pict", &R::ignoreGroup, 0 },
        { "*", &R::markIgnorable, 0 },
        // Headers and footers belong to the page, not to the text; list
        // definitions and nested-table fallbacks repeat what the text has.
        { "header", &R::ignoreGroup, 0 },
        { "headerl", &R::ignoreGroup, 0 },
        { "headerr", &R::ignoreGroup, 0 },
        { "headerf", &R::ignoreGroup, 0 },
        { "footer", &R::ignoreGroup, 0 },
        { "footerl", &R::ignoreGroup, 0 },
        { "footerr", &R::ignoreGroup, 0 },
        { "footerf", &R::ignoreGroup, 0 },
        { "ftnsep", &R::ignoreGroup, 0 },
        { "ftnsepc", &R::ignoreGroup, 0 },
        { "aftnsep", &R::ignoreGroup, 0 },
        { "aftnsepc", &R::ignoreGroup, 0 },
        { "list", &R::ignoreGroup, 0 },
        { "listtable", &R::ignoreGroup, 0 },
        { "listoverridetable", &R::ignoreGroup, 0 },
        { "nonesttables", &R::ignoreGroup, 0 },
        { "fonttbl", &R::ignoreText, 0 },
    };
    // The stylesheet takes these words of the main destination as they are.
    static constexpr const char *stylesheetFormatWords[] = {
        "qc", "qj", "ql", "qr", "li", "ltrpar", "rtlpar", "b", "i", "ab", "ai", "strike", "striked",
        "ul", "uld", "uldash", "uldashd", "uldb", "ulth", "ulw", "ulwave", "ulhwave", "ululdbwave",
        "ulnone", "sub", "super", "nosupersub", "outlinelevel",
    };

    Destination &main = mainDestination();
    if (main.words.isEmpty()) {
        main.textHandler = &R::insertText;
        for (const Word &word : mainWords)
            main.words.insert(QByteArray(word.name), Handler { word.callback, word.value });
    }

    Destination &stylesheet = stylesheetDestination();
    if (stylesheet.words.isEmpty()) {
        stylesheet.textHandler = &R::readStyleName;
        stylesheet.endHandler = &R::runStylesheetEnd;
        stylesheet.words.insert("s", Handler { &R::beginStyle, 0 });
        stylesheet.words.insert("sbasedon", Handler { &R::setStyleBase, 0 });
        for (const char *word : stylesheetFormatWords)
            stylesheet.words.insert(QByteArray(word), main.words.value(QByteArray(word)));
    }

    // Headings carry their own weight: \b inside them is not applied.
    Destination &heading = headingDestination();
    if (heading.words.isEmpty()) {
        heading = main;
        heading.words.remove("b");
        heading.words.remove("ab");
    }
}

RtfReader::RtfReader()
    : tokenizer(std::make_unique<RtfTokenizer>())
    , budget(std::make_unique<DocumentLimits::Budget>())
    , notes(std::make_unique<DocumentNotes>())
{
    fillDestinations();
    state.destination = &mainDestination();
    setCodePage(1252);
}

RtfReader::~RtfReader()
{
    delete decoder;
}

int RtfReader::type() const
{
    return RtfType;
}

bool RtfReader::canRead(QIODevice *device)
{
    return device->peek(5) == "{\\rtf";
}

QTextCodec *RtfReader::codecForCodePage(int value, QByteArray *name)
{
    const QByteArray cpName = "CP" + QByteArray::number(value);
    if (name)
        *name = cpName;
    switch (value) {
    case 932:
        return QTextCodec::codecForName("Shift-JIS");
    case 10000:
        return QTextCodec::codecForName("Apple Roman");
    case 65001:
        return QTextCodec::codecForName("UTF-8");
    default:
        return QTextCodec::codecForName(cpName);
    }
}

void RtfReader::readData(QIODevice *device)
{
    initialBlockFormat = cursor.blockFormat();
    state.blockFormat = initialBlockFormat;
    *budget = DocumentLimits::Budget(device->isSequential() ? 0 : device->size());
    // The first paragraph is the one the cursor stands in.
    budget->takeParagraphs(1);
    cursor.beginEditBlock();
    try {
        // Text before the first group is no RTF, however long it runs.
        const QByteArray head = device->peek(5);
        if (!QByteArray("{\\rtf").startsWith(head))
            throw notSupported();
        tokenizer->setDevice(device);
        tokenizer->readNext();
        if (tokenizer->tokenType() != RtfTokenizer::StartGroupToken)
            throw notSupported();
        pushState();
        tokenizer->readNext();
        if (tokenizer->tokenType() != RtfTokenizer::ControlWordToken || tokenizer->tokenText() != "rtf"
            || !tokenizer->tokenHasValue() || tokenizer->tokenValue() != 1)
            throw notSupported();
        readGroups();
    } catch (const QString &message) {
        errorText = message;
    }
    flushSurrogate();
    flushText();
    openFootnotes.clear();
    notes->appendTo(cursor);
    cursor.endEditBlock();
}

void RtfReader::readGroups()
{
    while (!stack.isEmpty() && tokenizer->hasNext() && !overBudget) {
        tokenizer->readNext();
        const RtfTokenizer::TokenType token = tokenizer->tokenType();
        if (token == RtfTokenizer::EndGroupToken) {
            if (state.destination->endHandler)
                (this->*state.destination->endHandler)();
            popState();
            continue;
        }

        // A page, section or column break right after a paragraph's end
        // ends no other paragraph.
        if (!blockOpen && !(token == RtfTokenizer::ControlWordToken && isBreakWord(tokenizer->tokenText()))) {
            flushText();
            if (!takeFromBudget(1, 0))
                break;
            cursor.insertBlock(state.blockFormat);
            blockOpen = true;
        }

        const bool ignorable = nextWordIgnorable;
        nextWordIgnorable = false;
        if (token == RtfTokenizer::StartGroupToken) {
            pushState();
            // Each stylesheet entry names its own style; one without \s
            // must not write onto the style of the entry before it.
            if (state.destination == &stylesheetDestination())
                state.style = -1;
        } else if (token == RtfTokenizer::ControlWordToken) {
            if (state.ignoreControlWords)
                continue;
            const QByteArray &word = tokenizer->tokenText();
            const auto found = state.destination->words.constFind(word);
            if (found != state.destination->words.constEnd()) {
                const int value = tokenizer->tokenHasValue() ? tokenizer->tokenValue() : found->value;
                (this->*found->callback)(value);
            } else if (ignorable
                       && std::none_of(std::begin(NonDestinationWords), std::end(NonDestinationWords),
                                       [&word](const char *w) { return word == w; })) {
                ignoreGroup(0);
            }
        } else if (!state.ignoreText) {
            (this->*state.destination->textHandler)(decode(tokenizer->tokenText()));
        }
    }
}

void RtfReader::pushState()
{
    if (stack.size() >= MaxGroupDepth)
        throw nestedTooDeeply();
    stack.append(state);
}

void RtfReader::popState()
{
    if (stack.isEmpty())
        return;
    state = stack.takeLast();
    if (!openFootnotes.isEmpty() && stack.size() < openFootnotes.constLast().depth)
        endFootnote();
    flushText();
    cursor.setCharFormat(shownFormat(state.charFormat));
    setFont(state.font);
}

void RtfReader::insert(const QString &text)
{
    if (pendingHighSurrogate || pendingCells > 0) {
        if (pendingHighSurrogate)
            pendingText += QChar(QChar::ReplacementCharacter);
        pendingText += QString(pendingCells, QLatin1Char('\t'));
        pendingHighSurrogate = 0;
        pendingCells = 0;
    }
    const QString kept = withoutControlCharacters(text);
    // The cursor reads a carriage return and the line feed right after it
    // as one paragraph break when they come in one piece, as two when they
    // come apart: they stay apart, as they came.
    if (!kept.isEmpty() && kept.front() == QLatin1Char('\n') && !pendingText.isEmpty()
        && pendingText.back() == QLatin1Char('\r'))
        flushText();
    pendingText += kept;
}

void RtfReader::flushText()
{
    if (pendingText.isEmpty())
        return;
    // Escaped line breaks and separators make paragraphs too.
    if (takeFromBudget(UnicodeText::paragraphBreaks(pendingText), pendingText.size()))
        cursor.insertText(pendingText);
    pendingText.clear();
}

bool RtfReader::takeFromBudget(qint64 paragraphs, qint64 characters)
{
    if (!overBudget && budget->takeParagraphs(paragraphs) && budget->takeCharacters(characters))
        return true;
    if (!overBudget)
        errorText = DocumentLimits::tooLargeText();
    overBudget = true;
    return false;
}

void RtfReader::insertUnicodeUnit(int value)
{
    // Negative numbers stand for the units above 32767; anything outside
    // the sixteen bits, and half a pair alone, is no character.
    if (value < -32768 || value > 65535) {
        insert(QString(QChar(QChar::ReplacementCharacter)));
        return;
    }
    const char16_t unit = char16_t(value < 0 ? value + 65536 : value);
    if (QChar::isHighSurrogate(unit)) {
        flushSurrogate();
        pendingHighSurrogate = unit;
        return;
    }
    if (QChar::isLowSurrogate(unit)) {
        if (!pendingHighSurrogate) {
            insert(QString(QChar(QChar::ReplacementCharacter)));
            return;
        }
        const QChar pair[] = { QChar(pendingHighSurrogate), QChar(unit) };
        pendingHighSurrogate = 0;
        insert(QString(pair, 2));
        return;
    }
    insert(QString(QChar(unit)));
}

void RtfReader::flushSurrogate()
{
    if (!pendingHighSurrogate)
        return;
    pendingHighSurrogate = 0;
    insert(QString(QChar(QChar::ReplacementCharacter)));
}

void RtfReader::setCodec(QTextCodec *newCodec)
{
    if (!newCodec || newCodec == codec)
        return;
    codec = newCodec;
    delete decoder;
    decoder = codec->makeDecoder();
}

QString RtfReader::decode(const QByteArray &bytes)
{
    return decoder ? decoder->toUnicode(bytes) : QString::fromLatin1(bytes);
}

void RtfReader::applyBlockFormat()
{
    flushText();
    cursor.mergeBlockFormat(state.blockFormat);
}

void RtfReader::applyCharFormat()
{
    flushText();
    cursor.mergeCharFormat(shownFormat(state.charFormat));
}

void RtfReader::endBlock(int)
{
    // A paragraph mark inside ignored text (a font table, say) is no
    // paragraph of the document.
    if (state.ignoreText)
        return;
    flushSurrogate();
    pendingCells = 0;
    blockOpen = false;
}

void RtfReader::endCell(int)
{
    if (state.ignoreText)
        return;
    flushSurrogate();
    ++pendingCells;
}

void RtfReader::endRow(int value)
{
    endBlock(value);
}

void RtfReader::beginFootnote(int)
{
    if (state.ignoreText)
        return;
    flushSurrogate();
    pendingCells = 0;
    openFootnotes.append({ int(stack.size()), blockOpen });
    flushText();
    notes->begin(cursor, QString::number(notes->count() + 1));
    blockOpen = true;
}

void RtfReader::endFootnote()
{
    const OpenFootnote footnote = openFootnotes.takeLast();
    flushSurrogate();
    pendingCells = 0;
    flushText();
    notes->end(cursor);
    blockOpen = footnote.blockOpen;
}

void RtfReader::insertFootnoteMark(int)
{
    // The mark in the text is the number of the footnote that follows it;
    // in the footnote itself the number starts the note's paragraph.
    if (!state.ignoreText && openFootnotes.isEmpty())
        insert(QString::number(notes->count() + 1));
}

void RtfReader::markIgnorable(int)
{
    nextWordIgnorable = true;
}

void RtfReader::insertSymbol(int value)
{
    if (!state.ignoreText)
        insert(QString(QChar(ushort(value))));
}

void RtfReader::insertHexSymbol(int)
{
    // The decoder keeps its state, so the last byte of a multi-byte
    // character produces it. Hidden bytes must not reach it at all.
    if (!state.ignoreText)
        insert(decode(tokenizer->tokenHex()));
}

void RtfReader::insertUnicodeSymbol(int value)
{
    if (value != 0 && !state.ignoreText)
        insertUnicodeUnit(value);

    for (int remaining = state.skipCount; remaining > 0;) {
        tokenizer->readNext();
        switch (tokenizer->tokenType()) {
        case RtfTokenizer::TextToken: {
            const QByteArray &text = tokenizer->tokenText();
            if (remaining < text.size()) {
                if (!state.ignoreText)
                    (this->*state.destination->textHandler)(decode(text.mid(remaining)));
                return;
            }
            remaining -= text.size();
            break;
        }
        case RtfTokenizer::ControlWordToken:
            --remaining;
            break;
        case RtfTokenizer::StartGroupToken:
            pushState();
            return;
        case RtfTokenizer::EndGroupToken:
            popState();
            return;
        }
    }
}

void RtfReader::setSkipCount(int value)
{
    state.skipCount = qBound(0, value, MaxSkipCount);
}

void RtfReader::resetBlockFormat(int)
{
    state.blockFormat = initialBlockFormat;
    flushText();
    cursor.setBlockFormat(initialBlockFormat);
    // \pard ends the heading's paragraph properties, its style among them:
    // producers that do not wrap paragraphs in groups would otherwise have
    // every later paragraph read as a heading, \b ignored.
    if (state.destination == &headingDestination())
        state.destination = &mainDestination();
}

void RtfReader::resetCharFormat(int)
{
    state.charFormat = QTextCharFormat();
    flushText();
    cursor.setCharFormat(state.charFormat);
}

void RtfReader::setAlignment(int value)
{
    state.blockFormat.setAlignment(Qt::Alignment(value));
    applyBlockFormat();
}

void RtfReader::setIndent(int value)
{
    state.blockFormat.setIndent(int(std::lround(double(value) / TwipsPerIndent)));
    applyBlockFormat();
}

void RtfReader::setLayoutDirection(int value)
{
    state.blockFormat.setLayoutDirection(Qt::LayoutDirection(value));
    Qt::Alignment alignment = state.blockFormat.alignment();
    if (alignment == 0)
        alignment = Qt::AlignLeft | Qt::AlignAbsolute;
    else if (alignment & Qt::AlignLeft)
        alignment |= Qt::AlignAbsolute;
    state.blockFormat.setAlignment(alignment);
    applyBlockFormat();
}

void RtfReader::setBold(int value)
{
    state.charFormat.setFontWeight(value != 0 ? QFont::Bold : QFont::Normal);
    applyCharFormat();
}

void RtfReader::setItalic(int value)
{
    state.charFormat.setFontItalic(value != 0);
    applyCharFormat();
}

void RtfReader::setAssociatedBold(int value)
{
    state.charFormat.setProperty(AssociatedBoldProperty, value != 0);
    applyCharFormat();
}

void RtfReader::setAssociatedItalic(int value)
{
    state.charFormat.setProperty(AssociatedItalicProperty, value != 0);
    applyCharFormat();
}

void RtfReader::setStrikeOut(int value)
{
    state.charFormat.setFontStrikeOut(value != 0);
    applyCharFormat();
}

void RtfReader::setUnderline(int value)
{
    state.charFormat.setUnderlineStyle(value != 0 ? QTextCharFormat::SingleUnderline
                                                  : QTextCharFormat::NoUnderline);
    applyCharFormat();
}

void RtfReader::setVerticalAlignment(int value)
{
    state.charFormat.setVerticalAlignment(QTextCharFormat::VerticalAlignment(value));
    applyCharFormat();
}

void RtfReader::setHeadingLevel(int value)
{
    // Compared before adding one, so the largest int cannot overflow.
    const int level = value < 0 ? 1 : value >= 5 ? 6 : value + 1;
    state.blockFormat.setProperty(HeadingLevelProperty, level);
    applyBlockFormat();
}

void RtfReader::setCodePage(int value)
{
    QByteArray name;
    if (QTextCodec *found = codecForCodePage(value, &name)) {
        documentCodec = found;
        encoding = name;
        setCodec(found);
    }
}

void RtfReader::setFont(int value)
{
    state.font = value;
    const bool known = value >= 0 && value < fontCodecs.size();
    QTextCodec *fontCodec = known ? fontCodecs.at(value) : nullptr;
    if (!known && value >= 0 && value <= MaxFontNumber)
        fontCodecs.resize(value + 1);
    setCodec(fontCodec ? fontCodec : documentCodec);
}

void RtfReader::setFontCodePage(int value)
{
    if (state.font >= 0 && state.font < fontCodecs.size()) {
        if (QTextCodec *found = codecForCodePage(value)) {
            fontCodecs[state.font] = found;
            setCodec(found);
        }
    }
    state.ignoreControlWords = true;
    state.ignoreText = true;
}

void RtfReader::setFontCharset(int value)
{
    if (state.font >= 0 && state.font < fontCodecs.size()) {
        QTextCodec *&fontCodec = fontCodecs[state.font];
        if (!fontCodec) {
            const char *name = codecNameForCharset(value);
            if (!name)
                return;
            if (QTextCodec *found = QTextCodec::codecForName(name)) {
                fontCodec = found;
                setCodec(found);
            }
        } else {
            setCodec(fontCodec);
        }
    }
    state.ignoreText = true;
}

void RtfReader::ignoreGroup(int)
{
    state.ignoreControlWords = true;
    state.ignoreText = true;
}

void RtfReader::ignoreText(int)
{
    state.ignoreText = true;
}

void RtfReader::readStylesheet(int)
{
    state.destination = &stylesheetDestination();
    state.style = -1;
}

void RtfReader::applyStyle(int value)
{
    state.style = value;
    const auto found = styles.constFind(value);
    if (found == styles.constEnd())
        return;
    state.blockFormat.merge(found->blockFormat);
    applyBlockFormat();
    state.charFormat.merge(found->charFormat);
    applyCharFormat();
    if (found->destination)
        state.destination = found->destination;
}

void RtfReader::insertText(const QString &text)
{
    insert(text);
}

void RtfReader::beginStyle(int value)
{
    if (value < 0)
        return;
    state.style = value;
    stylesheetEnd = &RtfReader::endStyle;
}

void RtfReader::setStyleBase(int value)
{
    if (state.style < 0)
        return;
    // Both entries exist before either is referenced: an insertion may move
    // the hash's items.
    styles[value];
    styles[state.style];
    Style &base = styles[value];
    Style &style = styles[state.style];
    mergeBeneath(base.blockFormat, style.blockFormat);
    mergeBeneath(base.charFormat, style.charFormat);
    base.basedOnBy.insert(state.style);
}

void RtfReader::readStyleName(const QString &text)
{
    if (state.style < 0 || !text.startsWith(QLatin1String("Head")))
        return;
    const int digit = text.size() >= 2 ? text.at(text.size() - 2).digitValue() : -1;
    styles[state.style].blockFormat.setProperty(HeadingLevelProperty, qBound(1, digit, 6));
}

void RtfReader::runStylesheetEnd()
{
    if (stylesheetEnd)
        (this->*stylesheetEnd)();
}

void RtfReader::endStyle()
{
    // A group nested in an entry ends before the entry does; the entry's
    // own end stores the style.
    if (state.style < 0)
        return;
    Style &style = styles[state.style];
    style.blockFormat.merge(state.blockFormat);
    style.charFormat.merge(state.charFormat);
    if (style.blockFormat.intProperty(HeadingLevelProperty) != 0) {
        style.charFormat.setFontWeight(QFont::Normal);
        style.charFormat.clearProperty(AssociatedBoldProperty);
        style.destination = &headingDestination();
    } else {
        style.destination = &mainDestination();
    }
    const Style finished = style;
    for (int derived : finished.basedOnBy) {
        // A style defined again and again, with many styles based on it,
        // would cost their product; real stylesheets stay far below this.
        if (styleHandDowns >= DocumentLimits::MaxStyleHandDowns)
            break;
        ++styleHandDowns;
        Style &other = styles[derived];
        mergeBeneath(finished.blockFormat, other.blockFormat);
        mergeBeneath(finished.charFormat, other.charFormat);
    }
    stylesheetEnd = &RtfReader::clearStyleEnd;
}

void RtfReader::clearStyleEnd()
{
    stylesheetEnd = nullptr;
}
