#include "ime/ansi2indicansi.h"

#include "core/indicchars.h"
#include "private/imelogging_p.h"

#include <QFile>
#include <QTextStream>

#include <iterator>

// Resources of a static library are registered by hand.
static void registerResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(yavoime);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

using IndicLanguage::kannada;

// Glyphs of the independent vowels, by vowel column: a, aa, i, ii, u, uu,
// vocalic r, e, ee, ai, o, oo, au, anusvara, visarga.
constexpr const char16_t *vowelGlyphTable[] = {
    u"C", u"D", u"E", u"F", u"G", u"H", u"IÄ", u"J", u"K", u"L", u"M", u"N", u"O", u"A", u"B",
};

struct ConsonantGlyphs
{
    const char16_t *withInherentA;
    const char16_t *withHalant;
    char16_t subjoined; // U+00CC to U+00EE without U+00E7
};

// By consonant column, the order of the KPRao and InScript consonant keys.
constexpr ConsonantGlyphs consonantGlyphTable[] = {
    {u"PÀ", u"Pï", 0x00CC},      // KA
    {u"R", u"Sï", 0x00CD},       // KHA
    {u"UÀ", u"Uï", 0x00CE},      // GA
    {u"WÀ", u"Wï", 0x00CF},      // GHA
    {u"Y", u"Yï", 0x00D0},       // NGA
    {u"ZÀ", u"Zï", 0x00D1},      // CA
    {u"bÀ", u"bï", 0x00D2},      // CHA
    {u"d", u"eï", 0x00D3},       // JA
    {u"gÀhÄ", u"gÀhiï", 0x00D4}, // JHA
    {u"k", u"kï", 0x00D5},       // NYA
    {u"l", u"mï", 0x00D6},       // TTA
    {u"oÀ", u"oï", 0x00D7},      // TTHA
    {u"qÀ", u"qï", 0x00D8},      // DDA
    {u"qsÀ", u"qsï", 0x00D9},    // DDHA
    {u"t", u"uï", 0x00DA},       // NNA
    {u"vÀ", u"vï", 0x00DB},      // TA
    {u"xÀ", u"xï", 0x00DC},      // THA
    {u"zÀ", u"zï", 0x00DD},      // DA
    {u"zsÀ", u"zsï", 0x00DE},    // DHA
    {u"£À", u"£ï", 0x00DF},      // NA
    {u"¥À", u"¥ï", 0x00E0},      // PA
    {u"¥sÀ", u"¥sï", 0x00E1},    // PHA
    {u"§", u"¨ï", 0x00E2},       // BA
    {u"¨sÀ", u"¨sï", 0x00E3},    // BHA
    {u"ªÀÄ", u"ªÀiï", 0x00E4},   // MA
    {u"AiÀÄ", u"AiÀiï", 0x00E5}, // YA
    {u"gÀ", u"gï", 0x00E6},      // RA
    {u"®", u"¯ï", 0x00E8},       // LA
    {u"ªÀ", u"ªï", 0x00E9},      // VA
    {u"±À", u"±ï", 0x00EA},      // SHA
    {u"µÀ", u"µï", 0x00EB},      // SSA
    {u"¸À", u"¸ï", 0x00EC},      // SA
    {u"ºÀ", u"ºï", 0x00ED},      // HA
    {u"¼À", u"¼ï", 0x00EE},      // LLA
};

constexpr int vowelColumnCount = int(std::size(vowelGlyphTable));
constexpr int consonantCount = int(std::size(consonantGlyphTable));
static_assert(vowelColumnCount == 15, "15 vowel columns");
static_assert(consonantCount == 34, "34 consonant columns");

// Vowel columns the sign joins in its own way.
constexpr int columnA = 0;
constexpr int columnAA = 1;
constexpr int columnII = 3;
constexpr int columnVocalicR = 6;
constexpr int columnEE = 8;
constexpr int columnAI = 9;
constexpr int columnOO = 11;

// Consonant columns past the 34 consonants.
constexpr int columnHalant = 34;
constexpr int columnArkavattu = 35;

constexpr int columnMA = 24;
constexpr int columnYA = 25;
constexpr int columnRA = 26;
constexpr int columnSHA = 29;

// Glyphs that join the parts of a cluster.
constexpr char16_t arkavattuGlyph = 0x00F0;
constexpr char16_t joinerF6 = 0x00F6;
constexpr char16_t joinerF7 = 0x00F7;
constexpr char16_t raAtClusterEnd = 0x00E7;

// KPRao vowel keys "M" and "H" always type the independent signs.
constexpr int kpraoAnusvaraPosition = 13;
constexpr int kpraoVisargaPosition = 14;
constexpr int kpraoVowelKeyCount = 15;
constexpr int inscriptVowelKeyCount = 28;

// The vowel column of an InScript vowel key (list positions 0 to 27): the
// independent letters "D" to "W" in column order, "~" and "!" both O, "A"
// OO and "Q" AU, then the signs "e" (AA) to "_" (visarga).
int inscriptVowelColumn(int position)
{
    if (position <= 10)
        return position;
    if (position < 14)
        return position - 1;
    return position - 13;
}

} // namespace

ANSI2IndicANSI::ANSI2IndicANSI(int language, int layout, const QString &kaagunitaFile)
    : AnsiToIndicBase(scriptBase(language) != 0 ? kannada : language,
                      int(ImeKeyboardLayout(layout) == ImeKeyboardLayout::InScript
                              ? ImeKeyboardLayout::InScript : ImeKeyboardLayout::KPRao))
{
    registerResources();
    for (const char16_t *glyph : vowelGlyphTable)
        vowelGlyphs.append(QString::fromUtf16(glyph));
    for (const ConsonantGlyphs &consonant : consonantGlyphTable) {
        consonantGlyphs.append(QString::fromUtf16(consonant.withInherentA));
        halantGlyphs.append(QString::fromUtf16(consonant.withHalant));
        subjoinedGlyphs.append(QString(QChar(consonant.subjoined)));
    }
    if (!loadKaagunita(kaagunitaFile))
        kaagunita.clear();
}

bool ANSI2IndicANSI::loadKaagunita(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qCWarning(lcIme).noquote() << QStringLiteral("ERROR: ANSI Kaagunita table cannot be read: %1 (%2)")
                                    .arg(fileName, file.errorString());
        return false;
    }
    QTextStream in(&file);
    in.setCodec("UTF-8");
    while (!in.atEnd()) {
        const QString line = in.readLine().simplified();
        if (line.isEmpty())
            continue;
        const QStringList cells = line.split(QLatin1Char(' '));
        // Column 0 is the consonant alone and must agree with the glyph list:
        // the row is looked up by it.
        const int row = kaagunita.size();
        if (cells.size() != vowelColumnCount || row >= consonantCount
            || cells.at(columnA) != consonantGlyphs.at(row)) {
            qCWarning(lcIme).noquote() << QStringLiteral("ERROR: ANSI Kaagunita error at line ") + line;
            return false;
        }
        kaagunita.append(cells);
    }
    if (kaagunita.size() != consonantCount) {
        qCWarning(lcIme).noquote() << QStringLiteral("ERROR: ANSI Kaagunita table has %1 rows, not %2")
                                    .arg(kaagunita.size())
                                    .arg(consonantCount);
        return false;
    }
    return true;
}

void ANSI2IndicANSI::reset()
{
    pendingGlyphs.clear();
}

bool ANSI2IndicANSI::isValidKey(const QString &key) const
{
    if (kaagunita.isEmpty() || !AnsiToIndicBase::isValidKey(key))
        return false;
    if (isNumberKey(key.at(0)))
        return true;
    // Only the layouts and consonant columns that have glyphs are typed.
    if (imeLayout() != ImeKeyboardLayout::KPRao && imeLayout() != ImeKeyboardLayout::InScript)
        return false;
    const bool isInscript = imeLayout() == ImeKeyboardLayout::InScript;
    const int position = keyPosition(key);
    return position >= 0
        && consonantColumn((isInscript ? InscriptKeyBase : KpraoKeyBase) + position) <= columnArkavattu;
}

QChar ANSI2IndicANSI::virama() const
{
    return QChar(arkavattuGlyph);
}

ConverterOutput ANSI2IndicANSI::process(const QString &key, const QString &emittedText)
{
    ConverterOutput out;
    if (kaagunita.isEmpty() || !convertsLanguage())
        return out;
    workBuffer = emittedText;
    if (key.isEmpty()) {
        out.resetFirst = true;
        out.swallowKeyUp = true;
        return out;
    }

    const QChar last = key.back();
    if (last == halantKey() && !pendingGlyphs.isEmpty()
        && halantGlyphs.contains(pendingGlyphs.last())) {
        // A second halant starts a new composition and types nothing.
        out.resetFirst = true;
        out.swallowKeyUp = true;
        return out;
    }
    if (isNumberKey(last)) {
        reset();
        return digitOutput(last);
    }

    int position;
    switch (imeLayout()) {
    case ImeKeyboardLayout::KPRao:
        if ((position = keyPosition(key)) < 0)
            return out;
        if (position < kpraoVowelKeyCount) {
            const bool asSign = position != kpraoAnusvaraPosition
                && position != kpraoVisargaPosition && attachesSign();
            appendVowel(KpraoKeyBase + position, asSign, out);
        } else {
            appendConsonant(KpraoKeyBase + position, out);
        }
        break;
    case ImeKeyboardLayout::InScript:
        if ((position = keyPosition(key)) < 0)
            return out;
        if (position < inscriptVowelKeyCount)
            appendVowel(InscriptKeyBase + inscriptVowelColumn(position), attachesSign(), out);
        else
            appendConsonant(InscriptKeyBase + position, out);
        break;
    default:
        break;
    }
    return out;
}

// Key index 67 (KPRao) or 119 (InScript) is vowel column 0.
int ANSI2IndicANSI::vowelColumn(int keyIndex) const
{
    return keyIndex - (imeLayout() == ImeKeyboardLayout::InScript ? InscriptKeyBase : KpraoKeyBase);
}

// Key index 82 (KPRao) or 147 (InScript) is consonant column 0.
int ANSI2IndicANSI::consonantColumn(int keyIndex) const
{
    return vowelColumn(keyIndex)
        - (imeLayout() == ImeKeyboardLayout::InScript ? inscriptVowelKeyCount : kpraoVowelKeyCount);
}

QChar ANSI2IndicANSI::halantKey() const
{
    switch (imeLayout()) {
    case ImeKeyboardLayout::KPRao:
        return QLatin1Char('f');
    case ImeKeyboardLayout::InScript:
        return QLatin1Char('d');
    default:
        return QChar();
    }
}

bool ANSI2IndicANSI::attachesSign() const
{
    if (pendingGlyphs.isEmpty())
        return false;
    const QString &last = pendingGlyphs.last();
    return consonantGlyphs.contains(last) || halantGlyphs.contains(last) || endsWithSubjoined(last);
}

QChar ANSI2IndicANSI::appendVowel(int keyIndex, bool asSign, ConverterOutput &out)
{
    const int column = vowelColumn(keyIndex);
    if (column < 0 || column >= vowelColumnCount)
        return QChar();

    QString text;
    if (!asSign || pendingGlyphs.isEmpty()) {
        text = vowelGlyphs.at(column);
    } else {
        const QString last = pendingGlyphs.last();
        // After a consonant the key of A types AA.
        const int signColumn = column == columnA ? columnAA : column;
        int row;
        if (endsWithSubjoined(last)) {
            const QString base = baseConsonantOf(last);
            if (base.isEmpty()) {
                text = vowelGlyphs.at(column);
            } else {
                QString tail = last.mid(base.size());
                QString glyphs = kaagunita.at(consonantGlyphs.indexOf(base)).at(signColumn);
                // The sign's last part goes behind the subjoined consonants.
                if (signColumn == columnOO) {
                    tail += glyphs.back();
                    glyphs.chop(1);
                } else if (signColumn == columnVocalicR || signColumn == columnAI) {
                    const QChar part = glyphs.back();
                    glyphs.chop(1);
                    glyphs += tail + QChar(joinerF6) + part;
                    tail.clear();
                } else if (signColumn == columnII || signColumn == columnEE) {
                    const QChar part = glyphs.back();
                    glyphs.chop(1);
                    glyphs += tail + part;
                    tail.clear();
                }
                text = glyphs + tail;
                out.backspaces = quint16(last.size());
                pendingGlyphs.removeLast();
            }
        } else if ((row = consonantGlyphs.indexOf(last)) >= 0) {
            text = kaagunita.at(row).at(signColumn);
            out.backspaces = quint16(last.size());
            pendingGlyphs.removeLast();
        } else if ((row = halantGlyphs.indexOf(last)) >= 0) {
            // The key of A gives a halant consonant its inherent vowel back.
            text = kaagunita.at(row).at(column);
            out.backspaces = quint16(last.size());
            pendingGlyphs.removeLast();
        }
    }

    if (!text.isEmpty()) {
        out.text = text;
        pendingGlyphs.append(text);
    }
    return QChar();
}

QChar ANSI2IndicANSI::appendConsonant(int keyIndex, ConverterOutput &out)
{
    const int column = consonantColumn(keyIndex);
    // KPRao "X" and InScript "$", "]" and "X" have no glyph: nothing is typed.
    if (column < 0 || column > columnArkavattu)
        return QChar();

    const QString last = pendingGlyphs.isEmpty() ? QString() : pendingGlyphs.last();
    QString text;
    int row;
    if (column == columnHalant) {
        QString base;
        if ((row = consonantGlyphs.indexOf(last)) >= 0) {
            text = halantGlyphs.at(row);
        } else if (endsWithSubjoined(last) && !(base = baseConsonantOf(last)).isEmpty()) {
            text = halantGlyphs.at(consonantGlyphs.indexOf(base)) + last.mid(base.size());
        } else {
            // Nothing to put the halant on.
            out.swallowKeyUp = true;
            return QChar();
        }
        out.backspaces = quint16(last.size());
        pendingGlyphs.removeLast();
    } else if (column == columnArkavattu) {
        text = QChar(arkavattuGlyph);
    } else if ((row = halantGlyphs.indexOf(last)) >= 0) {
        // A consonant with halant was waiting: this one joins it below.
        text = consonantGlyphs.at(row) + subjoinedGlyphs.at(column);
        out.backspaces = quint16(last.size());
        pendingGlyphs.removeLast();
    } else if (const QString halant = baseHalantOf(last); !halant.isEmpty()) {
        // A halant group that already has subjoined consonants.
        const QString base = consonantGlyphs.at(halantGlyphs.indexOf(halant));
        const QString tail = last.mid(halant.size());
        if (column == columnRA)
            text = base + tail + QChar(raAtClusterEnd);
        else if (column == columnMA || column == columnYA || column == columnSHA)
            text = base + tail + QChar(joinerF6) + subjoinedGlyphs.at(column);
        else
            text = base + tail + QChar(joinerF7) + subjoinedGlyphs.at(column);
        out.backspaces = quint16(last.size());
        pendingGlyphs.removeLast();
    } else {
        text = consonantGlyphs.at(column);
    }

    if (!text.isEmpty()) {
        out.text = text;
        pendingGlyphs.append(text);
    }
    return QChar();
}

bool ANSI2IndicANSI::flushPending(ConverterOutput &out)
{
    if (pendingGlyphs.isEmpty() || kaagunita.isEmpty())
        return false;
    const QString last = pendingGlyphs.last();
    int row;
    if ((row = halantGlyphs.indexOf(last)) >= 0) {
        out.text = consonantGlyphs.at(row);
        out.backspaces = quint16(last.size());
        pendingGlyphs.last() = out.text;
        return true;
    }
    if (consonantGlyphs.contains(last)) {
        out.backspaces = quint16(last.size());
        pendingGlyphs.removeLast();
        return true;
    }
    if (!endsWithSubjoined(last)) {
        for (const QStringList &forms : qAsConst(kaagunita)) {
            if (forms.indexOf(last, columnA + 1) > columnA) {
                out.text = forms.at(columnA);
                out.backspaces = quint16(last.size());
                pendingGlyphs.last() = out.text;
                return true;
            }
        }
    }
    return false;
}

bool ANSI2IndicANSI::endsWithSubjoined(const QString &group) const
{
    if (group.isEmpty())
        return false;
    const QChar last = group.back();
    return last == QChar(joinerF7) || last == QChar(joinerF6) || last == QChar(raAtClusterEnd)
        || subjoinedGlyphs.contains(QString(last));
}

QString ANSI2IndicANSI::baseConsonantOf(QString group) const
{
    while (endsWithSubjoined(group))
        group.chop(1);
    return consonantGlyphs.contains(group) ? group : QString();
}

QString ANSI2IndicANSI::baseHalantOf(QString group) const
{
    while (!group.isEmpty()
           && (group.back() == QChar(joinerF7) || subjoinedGlyphs.contains(QString(group.back()))))
        group.chop(1);
    return halantGlyphs.contains(group) ? group : QString();
}
