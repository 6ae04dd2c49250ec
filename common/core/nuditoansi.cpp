#include "core/nuditoansi.h"

#include "core/nudiglyphtables.h"
#include "core/usernotice.h"
#include "core/wordbyword.h"
#include "private/corelogging_p.h"
#include "private/inplacetext_p.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <QTimer>
#include <QVariant>

#include <algorithm>
#include <cstring>

namespace {

constexpr int halantGlyph = 0xEF;
constexpr int lengthMarkGlyph = 0xC3;
constexpr int aiMarkGlyph = 0xCA;
constexpr int vocalicRSignGlyph = 0xC8;
constexpr int postfixRaGlyph = 0xF0;
// The byte 84 of a Nudi text is the avagraha; read as Windows-1252 it
// arrives as U+201E.
constexpr int avagrahaGlyph = 0x84;
constexpr char16_t avagraha = 0x0CBD;

constexpr int textLength(const char *text)
{
    int length = 0;
    while (text[length])
        ++length;
    return length;
}

// The longest phonetic name of the syllable table, kSha and kShe included.
constexpr int longestName()
{
    using namespace NudiGlyphTables;
    int longest = std::max(textLength("kSha"), textLength("kShe"));
    for (const Sign &sign : signs)
        longest = std::max(longest, textLength(sign.name));
    int consonant = 0;
    for (const Consonant &entry : consonants)
        consonant = std::max(consonant, textLength(entry.name));
    int suffix = 0;
    for (const Form &form : forms)
        suffix = std::max(suffix, textLength(form.suffix));
    longest = std::max(longest, consonant + suffix);
    for (const AlternativeForm &form : alternativeForms)
        longest = std::max(longest, textLength(form.name));
    for (const Subjoined &entry : subjoined)
        longest = std::max(longest, textLength(entry.name));
    return longest;
}

// Nudi files are usually read as Windows-1252, which turns most of the bytes
// 80 to 9F into typographic characters far above Latin-1. Folding them back
// lets text read either way find the same glyphs.
struct Cp1252Character
{
    char16_t character;
    int glyph;
};

constexpr Cp1252Character cp1252Characters[] = {
    {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85},
    {0x2020, 0x86}, {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A},
    {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92},
    {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97},
    {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C},
    {0x017E, 0x9E}, {0x0178, 0x9F},
};

// The glyph code a character stands for, or -1 for text that is no glyph
// (Unicode Kannada, for instance).
int glyphCode(QChar c)
{
    const ushort u = c.unicode();
    if (u <= 0xFF)
        return u;
    for (const Cp1252Character &entry : cp1252Characters) {
        if (entry.character == u)
            return entry.glyph;
    }
    return -1;
}

constexpr int hexDigit(char digit)
{
    return digit <= '9' ? digit - '0' : (digit | 0x20) - 'a' + 10;
}

// Appends a glyph sequence given by its hexadecimal codes, separated by
// blanks; B, F and I stand for the base, a-form and i-form of the given
// consonant. Read by hand: every conversion builds the tables anew.
void appendGlyphs(QString &glyphs, const char *codes,
                  const NudiGlyphTables::Consonant *consonant = nullptr)
{
    const char *token = codes;
    while (*token) {
        const char *end = token;
        while (*end && *end != ' ')
            ++end;
        const char *form = nullptr;
        if (consonant && end - token == 1) {
            form = *token == 'B' ? consonant->base
                : *token == 'F'  ? consonant->aForm
                : *token == 'I'  ? consonant->iForm
                                 : nullptr;
        }
        if (form) {
            appendGlyphs(glyphs, form);
        } else {
            ushort code = 0;
            for (const char *digit = token; digit < end; ++digit)
                code = ushort(code * 16 + hexDigit(*digit));
            glyphs += QChar(code);
        }
        token = *end ? end + 1 : end;
    }
}

QString glyphSequence(const char *codes, const NudiGlyphTables::Consonant *consonant = nullptr)
{
    QString glyphs;
    appendGlyphs(glyphs, codes, consonant);
    return glyphs;
}

// The glyphs of the form named by the consonant's name and the suffix, when
// the font draws it otherwise than the rule.
const char *irregularGlyphs(const char *consonant, const char *suffix)
{
    const size_t length = std::strlen(consonant);
    for (const NudiGlyphTables::IrregularForm &form : NudiGlyphTables::irregularForms) {
        if (std::strncmp(form.name, consonant, length) == 0
            && std::strcmp(form.name + length, suffix) == 0)
            return form.glyphs;
    }
    return nullptr;
}

bool startsWithGlyphs(const QChar *text, int count, const QString &glyphs)
{
    if (count < glyphs.size())
        return false;
    for (int i = 0; i < glyphs.size(); ++i) {
        if (glyphCode(text[i]) != glyphs.at(i).unicode())
            return false;
    }
    return true;
}

} // namespace

NudiToAnsi::NudiToAnsi()
    : QObject(nullptr)
{
    buildTables();
}

NudiToAnsi::~NudiToAnsi() = default;

void NudiToAnsi::buildTrie()
{
    // The glyphs after the first come from a few signs and marks: only
    // those get a class, which keeps the rows short.
    std::fill(std::begin(followClass), std::end(followClass), quint8(0));
    int classes = 1;
    for (const QString &glyphs : qAsConst(glyphList)) {
        for (int k = 1; k < glyphs.size(); ++k) {
            quint8 &glyphClass = followClass[glyphs.at(k).unicode() & 0xFF];
            if (glyphClass == 0)
                glyphClass = quint8(classes++);
        }
    }
    Q_ASSERT(classes <= 256);

    trie.fill(0, 256);
    for (int i = 0; i < glyphList.size(); ++i) {
        const QString &glyphs = glyphList.at(i);
        Q_ASSERT(!glyphs.isEmpty());
        int slot = glyphs.front().unicode();
        Q_ASSERT(slot > 0 && slot <= 0xFF);
        for (int k = 1; k < glyphs.size(); ++k) {
            if ((trie.at(slot) & 0xFFFF) == 0) {
                Q_ASSERT(trie.size() <= 0xFFFF);
                trie[slot] |= quint32(trie.size());
                trie.resize(trie.size() + classes);
            }
            slot = int(trie.at(slot) & 0xFFFF) + followClass[glyphs.at(k).unicode() & 0xFF];
        }
        // The first of equal sequences wins, as in a scan from the top.
        Q_ASSERT(i + 1 <= 0xFFFF);
        if ((trie.at(slot) >> 16) == 0)
            trie[slot] |= quint32(i + 1) << 16;
    }
}

void NudiToAnsi::buildTables()
{
    using namespace NudiGlyphTables;

    for (const Subjoined &entry : subjoined) {
        subjoinedGlyphs += QChar(entry.glyph);
        subjoinedNames << QString::fromLatin1(entry.name);
    }

    for (const Sign &sign : signs) {
        glyphList << glyphSequence(sign.glyphs);
        nameList << QString::fromLatin1(sign.name);
    }
    for (const Consonant &consonant : consonants) {
        for (const Form &form : forms) {
            const char *irregular = irregularGlyphs(consonant.name, form.suffix);
            glyphList << (irregular ? glyphSequence(irregular)
                                    : glyphSequence(form.glyphs, &consonant));
            nameList << QLatin1String(consonant.name) + QLatin1String(form.suffix);
        }
    }
    for (const AlternativeForm &form : alternativeForms) {
        glyphList << glyphSequence(form.glyphs);
        nameList << QString::fromLatin1(form.name);
    }

    kShaGlyphs = glyphSequence(NudiGlyphTables::kShaGlyphs);
    kSheGlyphs = glyphSequence(NudiGlyphTables::kSheGlyphs);

    static_assert(longestName() <= int(sizeof(Name::letters) / sizeof(char16_t)),
                  "every name fits a Name");
    auto toName = [](const QString &text) {
        Name name {};
        std::copy(text.utf16(), text.utf16() + text.size(), name.letters);
        name.size = text.size();
        name.last = name.letters[name.size - 1];
        name.beforeLast = name.size > 1 ? name.letters[name.size - 2] : 0;
        return name;
    };
    names.reserve(nameList.size());
    for (const QString &name : qAsConst(nameList))
        names << toName(name);
    for (const QString &name : qAsConst(subjoinedNames))
        subjoinedNameLetters << toName(name);
    kShaName = toName(QStringLiteral("kSha"));
    kSheName = toName(QStringLiteral("kShe"));

    buildTrie();
    std::fill(std::begin(subjoinedIndex), std::end(subjoinedIndex), qint8(-1));
    for (int i = 0; i < subjoinedGlyphs.size(); ++i)
        subjoinedIndex[subjoinedGlyphs.at(i).unicode() & 0xFF] = qint8(i);

    emit loaded();
}

// The conversion, written in place (see InPlaceText), with what the word
// walk needs besides appending: positions and sizes count from the start of
// the current word, which no step reaches before.
class NudiToAnsi::WordOutput : public InPlaceText
{
public:
    using InPlaceText::InPlaceText;
    using InPlaceText::append;

    void startWord() { m_word = m_size; }

    int size() const { return m_size - m_word; }
    QChar last() const { return m_text[m_size - 1]; }
    bool endsWith(const char (&pair)[3]) const
    {
        return size() >= 2 && m_text[m_size - 2] == QLatin1Char(pair[0])
            && m_text[m_size - 1] == QLatin1Char(pair[1]);
    }

    void append(const char (&pair)[3])
    {
        makeRoom(2);
        m_text[m_size++] = QLatin1Char(pair[0]);
        m_text[m_size++] = QLatin1Char(pair[1]);
    }
    void append(const Name &name)
    {
        // All the letters, used or not: a copy of fixed size, a single move
        // rather than a call.
        makeRoom(int(sizeof(name.letters) / sizeof(char16_t)));
        std::memcpy(m_text + m_size, name.letters, sizeof(name.letters));
        m_size += name.size;
    }
    // A subjoined consonant's name, put in front of the last letter or two
    // of the word: three moves of a fixed size where those letters fit one.
    void insert(int position, const Name &name)
    {
        constexpr int letters = int(sizeof(name.letters) / sizeof(char16_t));
        makeRoom(name.size + letters);
        QChar *at = m_text + m_word + position;
        if (m_text + m_size - at > letters) {
            insert(position, reinterpret_cast<const QChar *>(name.letters), name.size);
            return;
        }
        char16_t behind[letters];
        std::memcpy(behind, static_cast<const void *>(at), sizeof(behind));
        std::memcpy(static_cast<void *>(at), name.letters, sizeof(name.letters));
        std::memcpy(static_cast<void *>(at + name.size), behind, sizeof(behind));
        m_size += name.size;
    }
    void insert(int position, QChar c) { insert(position, &c, 1); }
    void replaceLast(QChar c) { m_text[m_size - 1] = c; }
    void chop() { --m_size; }

private:
    void insert(int position, const QChar *text, int count)
    {
        makeRoom(count);
        QChar *at = m_text + m_word + position;
        std::copy_backward(at, m_text + m_size, m_text + m_size + count);
        std::copy(text, text + count, at);
        m_size += count;
    }

    int m_word = 0;
};

inline void NudiToAnsi::NameEnd::set(const Name &name)
{
    size = name.size;
    beforeLast = name.beforeLast;
    last = name.last;
}

inline void NudiToAnsi::NameEnd::insert(int position, const Name &name)
{
    const int kept = size - position; // letters that stay behind the name
    if (kept == 0) {
        for (int i = 0; i < name.size; ++i)
            append(name.letters[i]);
        return;
    }
    if (kept == 1)
        beforeLast = name.last;
    size += name.size;
}

inline void NudiToAnsi::NameEnd::append(char16_t letter)
{
    beforeLast = last;
    last = letter;
    ++size;
}

inline bool NudiToAnsi::NameEnd::endsWith(const char (&pair)[3]) const
{
    return size >= 2 && beforeLast == char16_t(pair[0]) && last == char16_t(pair[1]);
}

// The class of a character that follows the first glyph of a syllable: 0
// for text that is no glyph and for glyphs that no entry has there.
inline int NudiToAnsi::followClassOf(QChar c) const
{
    const ushort u = c.unicode();
    if (u <= 0xFF)
        return followClass[u];
    const int code = glyphCode(c);
    return code < 0 ? 0 : followClass[code];
}

// The length of the longest prefix of glyphs that is a table entry, and in
// entry its index (untouched when nothing matches): a walk down the trie
// that stops where no entry goes on, remembering the last entry it passed.
inline int NudiToAnsi::matchAt(const QChar *glyphs, int count, int *entry) const
{
    if (count <= 0)
        return 0;
    const quint32 *nodes = trie.constData();
    const int first = glyphCode(glyphs[0]);
    quint32 node = nodes[std::max(first, 0)];
    int matched = 0;
    int entryAfterMatch = 0;
    for (int length = 1;; ++length) {
        // Selected rather than branched on: a syllable may or may not end
        // at any node, as the text has it.
        const int found = int(node >> 16);
        matched = found != 0 ? length : matched;
        entryAfterMatch = found != 0 ? found : entryAfterMatch;
        const int row = int(node & 0xFFFF);
        if (row == 0 || length == count)
            break;
        node = nodes[row + followClassOf(glyphs[length])];
    }
    if (matched > 0)
        *entry = entryAfterMatch - 1;
    return matched;
}

int NudiToAnsi::longestMatch(QString &glyphs)
{
    int entry = -1;
    const int length = matchAt(glyphs.constData(), glyphs.size(), &entry);
    currentMatch = NameEnd();
    if (length > 0)
        currentMatch.set(names.at(entry));
    glyphs.truncate(length);
    return length;
}

void NudiToAnsi::insertSubjoined(const QChar *word, int size, int i, int index, WordOutput &out)
{
    if (index >= NudiGlyphTables::silentSubjoinedFrom)
        return;
    int outPosition;
    int matchPosition;
    if (currentMatch.endsWith("ii") || currentMatch.endsWith("ou") || out.endsWith("ai")
        || out.endsWith("ff")) {
        outPosition = out.size() - 2;
        matchPosition = currentMatch.size - 3;
    } else if (i > 0 && glyphCode(word[i - 1]) == halantGlyph && i == size - 1) {
        outPosition = out.size();
        matchPosition = 0;
    } else {
        outPosition = out.size() - 1;
        matchPosition = currentMatch.size - 1;
    }
    // A subjoined glyph with nothing before it to join still keeps its
    // consonant: it goes to the front of the word.
    const Name &name = subjoinedNameLetters.at(index);
    out.insert(std::max(0, outPosition), name);
    currentMatch.insert(std::max(0, matchPosition), name);
    syllableLength += name.size;
}

QString NudiToAnsi::convertWord(const QString &nudiWord)
{
    QString result;
    if (nudiWord.isEmpty())
        return result;
    // Names run to about twice their glyphs.
    WordOutput out(result, 2 * nudiWord.size());
    appendWord(nudiWord.constData(), nudiWord.size(), out);
    out.finish();
    return result;
}

// Appends the conversion of one word to out; what out held before is never
// read, moved or changed.
void NudiToAnsi::appendWord(const QChar *word, int size, WordOutput &out)
{
    // Each word starts a syllable afresh: what the previous word left must
    // not move a ra glyph at the start of this one.
    currentMatch = NameEnd();
    syllableLength = 0;
    out.startWord();
    auto endsWithLetter = [&out](char letter) {
        return out.size() > 0 && out.last() == QLatin1Char(letter);
    };

    int i = 0;
    while (i < size) {
        const QChar c = word[i];
        const int code = glyphCode(c);

        if (code == avagrahaGlyph || code < 0) {
            out.append(code < 0 ? c : QChar(avagraha));
            syllableLength = 0;
            ++i;
            continue;
        }

        if (code == postfixRaGlyph) {
            // The ra is spoken before the whole syllable it is drawn after.
            out.insert(std::max(0, out.size() - syllableLength), QLatin1Char('r'));
            ++syllableLength;
            ++i;
            continue;
        }

        if (code <= 0xFF && subjoinedIndex[code] >= 0) {
            insertSubjoined(word, size, i, subjoinedIndex[code], out);
            ++i;
            continue;
        }

        const bool signFirst = code == lengthMarkGlyph || code == aiMarkGlyph;
        int entry = -1;
        const int matched = signFirst ? 0 : matchAt(word + i, size - i, &entry);
        // A search that finds nothing leaves the syllable without a name.
        if (!signFirst && matched == 0)
            currentMatch = NameEnd();
        if (matched > 0) {
            i += matched;
            const Name &name = names.at(entry);
            currentMatch.set(name);
            syllableLength = name.size;
            out.append(name);
            // A halant form followed by more of the word keeps the next
            // consonant from joining it. At the end of the word the virama
            // alone is right, and before exactly one last glyph the two are
            // meant to join.
            if (glyphCode(word[i - 1]) == halantGlyph && size - i > 1) {
                out.append("ff");
                currentMatch.append(u'f');
                currentMatch.append(u'f');
                syllableLength += 2;
            }
            continue;
        }

        const bool kSha = startsWithGlyphs(word + i, size - i, kShaGlyphs);
        if (kSha || startsWithGlyphs(word + i, size - i, kSheGlyphs)) {
            // A conjunct counts as one syllable, so a ra drawn after it goes
            // before it.
            const Name &name = kSha ? kShaName : kSheName;
            currentMatch.set(name);
            out.append(name);
            syllableLength = name.size;
            i += (kSha ? kShaGlyphs : kSheGlyphs).size();
            continue;
        }

        switch (code) {
        case lengthMarkGlyph:
            if (endsWithLetter('e'))
                out.replaceLast(QLatin1Char('E'));
            else if (endsWithLetter('o'))
                out.replaceLast(QLatin1Char('O'));
            else if (endsWithLetter('i'))
                out.replaceLast(QLatin1Char('I'));
            else {
                out.append(c);
                ++syllableLength;
            }
            break;
        case halantGlyph:
            out.append("ff");
            syllableLength += 2;
            break;
        case aiMarkGlyph:
            if (endsWithLetter('e')) {
                out.chop();
                out.append("ai");
                ++syllableLength;
            }
            break;
        case vocalicRSignGlyph:
            // The sign takes the place of the syllable's vowel; text before
            // the syllable (Unicode, an avagraha) is not its to take.
            if (syllableLength > 0) {
                out.chop();
                --syllableLength;
            }
            out.append("Ru");
            syllableLength += 2;
            break;
        default:
            out.append(c);
            ++syllableLength;
            break;
        }
        ++i;
    }
}

QString NudiToAnsi::convertText(const QString &text)
{
    lastOutput.clear();
    WordOutput out(lastOutput, 2 * text.size());
    convertWordByWord(text, out, [this](const QChar *word, int size, WordOutput &out) {
        appendWord(word, size, out);
    });
    out.finish();
    return lastOutput;
}

QString NudiToAnsi::convertedText() const
{
    return lastOutput;
}

bool NudiToAnsi::convertLine(const QString &line, QTextStream &stream)
{
    stream << convertWord(line);
    return true;
}

void NudiToAnsi::convertTestFile()
{
    QFile input(QStringLiteral("nudi-test-input.txt"));
    QFile output(QStringLiteral("nudi-test-output.txt"));
    QFile *failed = nullptr;
    if (!input.open(QIODevice::ReadOnly | QIODevice::Text))
        failed = &input;
    else if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        failed = &output;
    if (failed) {
        const QString title = tr("Nudi conversion test");
        const QString text = tr("Cannot open %1: %2").arg(failed->fileName(), failed->errorString());
        if (notice)
            notice->warning(title, text);
        else
            qCWarning(lcCore).noquote() << title << text;
        return;
    }

    QTextStream reader(&input);
    reader.setCodec("Windows-1252");
    QTextStream writer(&output);
    writer.setCodec("UTF-8");
    while (!reader.atEnd()) {
        convertLine(reader.readLine(), writer);
        writer << '\n';
    }
}

void NudiToAnsi::setNotice(UserNotice *notice)
{
    this->notice = notice;
}

void NudiToAnsi::slotUpdateDialog()
{
    if (!progressDialog)
        return;
    QMetaObject::invokeMethod(progressDialog, "setValue", Q_ARG(int, progressCount));
    ++progressCount;
    if (progressCount > progressDialog->property("maximum").toInt()) {
        QMetaObject::invokeMethod(progressDialog, "hide");
        if (progressTimer)
            progressTimer->stop();
    }
}

void NudiToAnsi::slotLoaded()
{
    if (progressDialog) {
        QMetaObject::invokeMethod(progressDialog, "hide");
        progressDialog->deleteLater();
        progressDialog = nullptr;
    }
    if (progressTimer) {
        progressTimer->stop();
        progressTimer->deleteLater();
        progressTimer = nullptr;
    }
}

void NudiToAnsi::slotCancel()
{
    QCoreApplication::quit();
}
