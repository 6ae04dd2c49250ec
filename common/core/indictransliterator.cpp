#include "core/indictransliterator.h"

#include "core/englishrespelling.h"
#include "core/indicchars.h"
#include "core/indicsyllable.h"
#include "core/keyboardlayouts.h"
#include "core/keyindex.h"
#include "core/languagetable.h"
#include "core/scriptletters.h"
#include "core/transliterationtables.h"

#include <QCoreApplication>

#include <array>
#include <iterator>

namespace {

using namespace TransliterationTables;

constexpr int languageCount = IndicLanguage::count;
using IndicLanguage::kannada;
using IndicLanguage::hindi;
using IndicLanguage::tamil;

using ScriptLetters::blockBase;
using ScriptLetters::keyKept;
// The nine blocks lie side by side, 0x80 code points each.
constexpr char16_t firstIndicCodePoint = 0x0900;
constexpr char16_t lastIndicCodePoint = 0x0D7F;
constexpr char16_t tamilBlockFirst = 0x0B80;
constexpr char16_t tamilBlockLast = 0x0BFF;
// The full stops of every script, kept in the Devanagari block only; the
// same places in the other blocks are unassigned.
constexpr char16_t danda = 0x0964;
constexpr char16_t doubleDanda = 0x0965;

using IndicChars::om;
using IndicChars::rupeeSign;
using IndicChars::zeroWidthJoiner;
using IndicChars::zeroWidthNonJoiner;

// Offsets into a script block.
constexpr uint raOffset = 0x30;
constexpr uint yaOffset = 0x2F;
constexpr uint paOffset = 0x2A;
constexpr uint faOffset = 0x5E;

constexpr int totalKeyCount = 255;
constexpr int omCode = totalKeyCount; // "OM" in Hindi: a key of no list

// Finds a key's code in a list at compile time, so that the special keys
// below are tied to their key texts rather than to bare numbers.
template<std::size_t N>
constexpr int codeOf(const char *const (&list)[N], int firstCode, const char *key)
{
    for (std::size_t i = 0; i < N; ++i) {
        const char *k = list[i];
        std::size_t j = 0;
        while (k[j] && key[j] && k[j] == key[j])
            ++j;
        if (k[j] == key[j])
            return firstCode + int(i);
    }
    return -1;
}

constexpr int phoneticLastVowel = codeOf(phoneticKeyList, 0, "H");
constexpr int phoneticFirstConsonant = codeOf(phoneticKeyList, 0, "k");
constexpr int phoneticNonJoiner = codeOf(phoneticKeyList, 0, "x");
constexpr int phoneticJoiner = codeOf(phoneticKeyList, 0, "X");
constexpr int phoneticAnusvara = codeOf(phoneticKeyList, 0, "M");
constexpr int phoneticVisarga = codeOf(phoneticKeyList, 0, "H");
constexpr int phoneticF = codeOf(phoneticKeyList, 0, "f");
constexpr int kpraoLastVowel = codeOf(kpraoKeyList, kpraoKeyListFirstCode, "H");
constexpr int kpraoVirama = codeOf(kpraoKeyList, kpraoKeyListFirstCode, "f");
constexpr int kpraoArkavattu = codeOf(kpraoKeyList, kpraoKeyListFirstCode, "F");
constexpr int kpraoJoiner = codeOf(kpraoKeyList, kpraoKeyListFirstCode, "X");
constexpr int kpraoAi = codeOf(kpraoKeyList, kpraoKeyListFirstCode, "Y");
constexpr int extendedLastVowel = codeOf(kpraoExtendedKeyList, kpraoExtendedKeyListFirstCode, "H");
constexpr int extendedAi = codeOf(kpraoExtendedKeyList, kpraoExtendedKeyListFirstCode, "Y");
constexpr int extendedVirama = codeOf(kpraoExtendedKeyList, kpraoExtendedKeyListFirstCode, "f");
constexpr int extendedJoiner = codeOf(kpraoExtendedKeyList, kpraoExtendedKeyListFirstCode, "F");
constexpr int extendedJihvamuliya = codeOf(kpraoExtendedKeyList, kpraoExtendedKeyListFirstCode, "z");
constexpr int extendedKhha = codeOf(kpraoExtendedKeyList, kpraoExtendedKeyListFirstCode, "zk");
constexpr int extendedZa = codeOf(kpraoExtendedKeyList, kpraoExtendedKeyListFirstCode, "zj");
constexpr int extendedFa = codeOf(kpraoExtendedKeyList, kpraoExtendedKeyListFirstCode, "zp");
constexpr int extendedDddha = codeOf(kpraoExtendedKeyList, kpraoExtendedKeyListFirstCode, "zd");
constexpr int inscriptLastIndependentVowel = codeOf(inscriptKeyList, inscriptKeyListFirstCode, "Q");
constexpr int inscriptLastSign = codeOf(inscriptKeyList, inscriptKeyListFirstCode, "_");
constexpr int inscriptVirama = codeOf(inscriptKeyList, inscriptKeyListFirstCode, "d");
constexpr int inscriptArkavattu = codeOf(inscriptKeyList, inscriptKeyListFirstCode, "#");
constexpr int inscriptRupee = codeOf(inscriptKeyList, inscriptKeyListFirstCode, "$");
constexpr int inscriptJaNya = codeOf(inscriptKeyList, inscriptKeyListFirstCode, "%");
constexpr int inscriptTaRa = codeOf(inscriptKeyList, inscriptKeyListFirstCode, "^");
constexpr int inscriptKaSsa = codeOf(inscriptKeyList, inscriptKeyListFirstCode, "&");
constexpr int inscriptShaRa = codeOf(inscriptKeyList, inscriptKeyListFirstCode, "*");
constexpr int inscriptNukta = codeOf(inscriptKeyList, inscriptKeyListFirstCode, "]");

static_assert(phoneticLastVowel == 18 && phoneticFirstConsonant == 19 && phoneticF == 45
                  && phoneticNonJoiner == 65 && phoneticJoiner == 66,
              "phonetic key list out of order");
static_assert(kpraoLastVowel == 81 && kpraoVirama == 118 && kpraoArkavattu == 119
                  && kpraoJoiner == 120,
              "KPRao key list out of order");
static_assert(extendedLastVowel == 140 && extendedVirama == 177 && extendedJoiner == 178
                  && extendedDddha == 183,
              "KPRao - Extended key list out of order");
static_assert(inscriptLastIndependentVowel == 197 && inscriptLastSign == 211
                  && inscriptVirama == 247 && inscriptNukta == 254,
              "InScript key list out of order");
static_assert(inscriptNukta + 1 == totalKeyCount, "the key lists hold 255 keys");

constexpr KeyIndex phoneticIndex = buildKeyIndex(phoneticKeyList, phoneticKeyListFirstCode);
constexpr KeyIndex kpraoIndex = buildKeyIndex(kpraoKeyList, kpraoKeyListFirstCode);
constexpr KeyIndex extendedIndex = buildKeyIndex(kpraoExtendedKeyList, kpraoExtendedKeyListFirstCode);
constexpr KeyIndex inscriptIndex = buildKeyIndex(inscriptKeyList, inscriptKeyListFirstCode);
static_assert(phoneticIndex.pairRows <= KeyIndex::maxPairRows
                  && kpraoIndex.pairRows <= KeyIndex::maxPairRows
                  && extendedIndex.pairRows <= KeyIndex::maxPairRows,
              "too many first characters of two-character keys");

// The list a conversion matches against: Transliteration has none of its own
// here because it has become Phonetic before any key is looked up.
const KeyIndex *conversionIndex(KeyboardLayout keyboard)
{
    switch (keyboard) {
    case KeyboardLayout::Phonetic:
    case KeyboardLayout::Phonetic2:
        return &phoneticIndex;
    case KeyboardLayout::KPRao:
        return &kpraoIndex;
    case KeyboardLayout::KPRaoExtended:
        return &extendedIndex;
    case KeyboardLayout::InScript:
        return &inscriptIndex;
    default:
        return nullptr;
    }
}

// The list a layout shows to its users (key help, the tutor's key picks).
const KeyIndex &visibleIndex(KeyboardLayout keyboard)
{
    if (keyboard == KeyboardLayout::KPRao || keyboard == KeyboardLayout::KPRaoExtended)
        return kpraoIndex;
    if (keyboard == KeyboardLayout::InScript)
        return inscriptIndex;
    return phoneticIndex;
}

// Output rows by code, gathered at compile time from the rule tables.
struct CodeRules
{
    std::array<const VowelRule *, totalKeyCount> vowel {};
    std::array<const ConsonantRule *, totalKeyCount> consonant {};
};

constexpr CodeRules buildCodeRules()
{
    CodeRules rules;
    for (const auto &row : vowelRules)
        rules.vowel[std::size_t(row.code)] = &row;
    for (const auto &row : consonantRules)
        rules.consonant[std::size_t(row.code)] = &row;
    // KPRao - Extended "Y" stands where KPRao has AI and no other key of that
    // layout writes AI, so it takes KPRao's AI row.
    rules.vowel[std::size_t(extendedAi)] = rules.vowel[std::size_t(kpraoAi)];
    return rules;
}

constexpr CodeRules codeRules = buildCodeRules();

bool isIndicLanguage(int language)
{
    return language >= 0 && language < languageCount;
}

QStringList keyList(const char *const *keys, std::size_t count)
{
    QStringList list;
    list.reserve(int(count));
    for (std::size_t i = 0; i < count; ++i)
        list.append(QString::fromLatin1(keys[i]));
    return list;
}

template<std::size_t N>
const QStringList &sharedKeyList(const char *const (&keys)[N])
{
    // Built once per list and shared by every engine: copies are cheap.
    static const QStringList list = keyList(keys, N);
    return list;
}

// The Transliteration layout's nasal rule: an n or m that no vowel, no
// nasal and none of a few other keys follows is written as the anusvara.
bool keepsNasal(QChar next)
{
    static constexpr char exempt[] = "eEiIoOuUaAmnzZqQwWxXvVr|";
    if (next.isDigit())
        return true;
    const char16_t c = next.unicode();
    for (const char *p = exempt; *p; ++p) {
        if (c == char16_t(*p))
            return true;
    }
    return false;
}

QString applyNasalRule(const QString &keys)
{
    static const char *const doubleEndings[] = {"nn", "mm", "nm", "nh", "mh"};
    int endingLength = 0;
    for (const char *ending : doubleEndings) {
        if (keys.endsWith(QLatin1String(ending))) {
            endingLength = 2;
            break;
        }
    }
    if (endingLength == 0 && (keys.endsWith(QLatin1Char('n')) || keys.endsWith(QLatin1Char('m'))))
        endingLength = 1;

    const int headLength = keys.size() - endingLength;
    if (headLength < 2)
        return keys;
    QString result = keys;
    for (int i = 0; i < headLength; ++i) {
        const QChar c = keys.at(i);
        if (c != QLatin1Char('n') && c != QLatin1Char('m'))
            continue;
        // A nasal that begins a word is its consonant, never an anusvara
        // ("magazine" must not begin with a lone anusvara).
        if (i == 0 || !keys.at(i - 1).isLetter())
            continue;
        if (i + 1 < headLength && keepsNasal(keys.at(i + 1)))
            continue;
        result[i] = QLatin1Char('M');
    }
    return result;
}

// Tamil keys its sibilants differently: "s" writes CA, "sh" SSA and "S" SA.
QString applyTamilSibilants(const QString &keys)
{
    QString result;
    result.reserve(keys.size() + 4);
    const int n = keys.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = keys.at(i);
        const bool beforeH = i + 1 < n && keys.at(i + 1) == QLatin1Char('h');
        if (c == QLatin1Char('s')) {
            if (beforeH) {
                result += QLatin1String("Sh");
                ++i;
            } else {
                result += QLatin1Char('c');
            }
        } else if (c == QLatin1Char('S') && !beforeH) {
            result += QLatin1Char('s');
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace

// A letter the script lacks, and has no stand-in for, leaves the key as
// it was typed.
inline void IndicTransliterator::append(uint offset)
{
    if (ScriptLetters::fixupAt(m_language, int(offset)) == keyKept) {
        m_handled = false;
        return;
    }
    m_output += QChar(char16_t(m_scriptBase + offset));
}

inline void IndicTransliterator::appendConjunct(uint first, uint second)
{
    append(first);
    append(IndicBlock::virama);
    append(second);
}

inline char16_t IndicTransliterator::lastCharacter() const
{
    return m_output.at(m_output.size() - 1).unicode();
}

inline bool IndicTransliterator::endsWith(char16_t ch) const
{
    return !m_output.isEmpty() && m_output.at(m_output.size() - 1).unicode() == ch;
}

inline bool IndicTransliterator::isConsonant(char16_t ch) const
{
    return IndicBlock::isConsonant(ch, char16_t(m_scriptBase));
}

inline bool IndicTransliterator::isVowelSign(char16_t ch) const
{
    return IndicBlock::isVowelSign(ch, char16_t(m_scriptBase));
}

inline char16_t IndicTransliterator::virama() const
{
    return char16_t(m_scriptBase + IndicBlock::virama);
}

IndicTransliterator::IndicTransliterator() = default;

IndicTransliterator::IndicTransliterator(int language, int keyboard)
    : m_language(language)
    , m_keyboard(KeyboardLayout(keyboard))
{
}

void IndicTransliterator::setLanguage(int language)
{
    m_language = language;
}

int IndicTransliterator::language() const
{
    return m_language;
}

QString IndicTransliterator::languageName() const
{
    return LanguageTable::languageName(m_language);
}

void IndicTransliterator::setKeyboard(int keyboard)
{
    m_keyboard = KeyboardLayout(keyboard);
}

int IndicTransliterator::keyboard() const
{
    return int(m_keyboard);
}

QString IndicTransliterator::keyboardName() const
{
    if (m_keyboard == KeyboardLayout::KPRao || m_keyboard == KeyboardLayout::KPRaoExtended)
        return QCoreApplication::translate("IndicTransliterator", "KPRao Layout");
    if (m_keyboard == KeyboardLayout::Phonetic)
        return QCoreApplication::translate("IndicTransliterator", "Phonetic Layout");
    return QCoreApplication::translate("IndicTransliterator", "InScript Layout");
}

QStringList IndicTransliterator::phoneticKeys() const
{
    return sharedKeyList(phoneticKeyList);
}

QStringList IndicTransliterator::kpraoKeys() const
{
    return sharedKeyList(kpraoKeyList);
}

QStringList IndicTransliterator::inscriptKeys() const
{
    return sharedKeyList(inscriptKeyList);
}

QStringList IndicTransliterator::keysForKeyboard() const
{
    if (m_keyboard == KeyboardLayout::KPRao || m_keyboard == KeyboardLayout::KPRaoExtended)
        return kpraoKeys();
    if (m_keyboard == KeyboardLayout::InScript)
        return inscriptKeys();
    return phoneticKeys();
}

bool IndicTransliterator::isKey(const QString &s) const
{
    if (s.isEmpty())
        return false;
    const QChar first = s.at(0);
    if (first >= QLatin1Char('0') && first <= QLatin1Char('9'))
        return true;
    if (first.unicode() > 0x7F && first.isNumber())
        return true;
    if (s.size() > 2)
        return false;
    return visibleIndex(m_keyboard).find(s.constData(), s.size()) >= 0;
}

QString IndicTransliterator::longestKey(const QString &text) const
{
    int length = 0;
    if (text.isEmpty() || matchKey(text.constData(), qMin(text.size(), 2), &length) < 0)
        return QString(QLatin1String(""));
    return text.left(length);
}

int IndicTransliterator::matchKey(const QChar *text, int available, int *length) const
{
    if (m_language == hindi && available == 2 && text[0] == QLatin1Char('O')
        && text[1] == QLatin1Char('M')) {
        *length = 2;
        return omCode;
    }
    const KeyIndex *index = conversionIndex(m_keyboard);
    if (!index)
        return -1;
    if (available == 2) {
        const int code = index->find(text, 2);
        if (code >= 0) {
            *length = 2;
            return code;
        }
    }
    *length = 1;
    return index->find(text, 1);
}

bool IndicTransliterator::selectScript(int language, int keyboard)
{
    // English, and any index that names no script, is typed as it is: there
    // is no block to place letters in, and nothing is stored.
    if (!isIndicLanguage(language))
        return false;
    m_language = language;
    m_keyboard = KeyboardLayout(keyboard);
    m_scriptBase = scriptBase(language);
    return true;
}

QString IndicTransliterator::convert(const QString &keys, int language, int keyboard)
{
    if (keys.isEmpty())
        return QString(QLatin1String(""));
    if (!selectScript(language, keyboard))
        return keys;

    QString input = keys;
    const KeyboardLayout layout = KeyboardLayout(keyboard);
    if (layout == KeyboardLayout::Transliteration) {
        input = applyNasalRule(respellEnglishWord(input));
        m_keyboard = KeyboardLayout::Phonetic;
    }
    if (language == tamil
            && (layout == KeyboardLayout::Phonetic || layout == KeyboardLayout::Transliteration))
        input = applyTamilSibilants(input);

    walk(input, Walk::Keys);
    applyScriptFixups(language);
    return m_output;
}

QString IndicTransliterator::convert(const QString &keys)
{
    return convert(keys, m_language, int(m_keyboard));
}

QString IndicTransliterator::convertKey(const QString &key, int language, int keyboard)
{
    const QString alone = convert(key, language, keyboard);
    if (alone != key)
        return alone;
    const QString consonantKey = QStringLiteral("k");
    const QString consonant = convert(consonantKey, language, keyboard);
    QString afterConsonant = convert(consonantKey + key, language, keyboard);
    const int at = afterConsonant.indexOf(consonant);
    if (consonant.isEmpty() || at < 0)
        return alone;
    afterConsonant.remove(at, consonant.size());
    return afterConsonant.isEmpty() ? alone : afterConsonant;
}

QString IndicTransliterator::convertMixed(const QString &text, int language, int keyboard)
{
    if (text.isEmpty())
        return QString(QLatin1String(""));
    if (!selectScript(language, keyboard))
        return text;

    walk(text, Walk::Mixed);
    applyScriptFixups(language);
    return m_output;
}

void IndicTransliterator::walk(const QString &input, Walk mode)
{
    m_output.clear();
    m_output.reserve(input.size() * 2);

    const QChar *text = input.constData();
    const int n = input.size();
    int i = 0;
    while (i < n) {
        m_handled = true;
        const QChar ch = text[i];
        const char16_t u = ch.unicode();

        if (u > 0xFF) {
            if (mode == Walk::Mixed && !(u >= tamilBlockFirst && u <= tamilBlockLast))
                rebase(ch);
            else
                m_output += ch;
            ++i;
            continue;
        }
        if (u >= '0' && u <= '9') {
            emitDigit(ch);
            ++i;
            continue;
        }
        // Numbers other than ASCII digits (superscripts, fractions) have no
        // script digit; they are kept rather than lost. White space is no
        // key and is copied like any other non-key character.
        if (u >= 0x80 && (ch.isNumber() || ch.isSpace())) {
            m_output += ch;
            ++i;
            continue;
        }
        if ((u >= 0x09 && u <= 0x0D) || u == ' ') {
            m_output += ch;
            ++i;
            continue;
        }

        int length = 0;
        const int code = matchKey(text + i, qMin(n - i, 2), &length);
        if (code < 0) {
            // A character that starts no key is kept as it is.
            m_output += ch;
            ++i;
            continue;
        }
        emitKey(code);
        if (!m_handled)
            m_output.append(text + i, length);
        i += length;
    }
}

void IndicTransliterator::emitKey(int code)
{
    if (code == omCode) {
        m_output += QChar(om);
        return;
    }
    switch (m_keyboard) {
    case KeyboardLayout::Phonetic:
        if (code <= phoneticLastVowel) {
            emitPhoneticVowel(code);
        } else if (code < phoneticNonJoiner) {
            emitConsonant(code);
            append(IndicBlock::virama);
        } else {
            emitJoiner(code);
        }
        break;
    case KeyboardLayout::Phonetic2:
        if (code <= phoneticLastVowel)
            emitPhonetic2Vowel(code);
        else if (code < phoneticNonJoiner)
            emitConsonant(code);
        else
            emitJoiner(code);
        break;
    case KeyboardLayout::KPRao:
    case KeyboardLayout::KPRaoExtended: {
        const int lastVowel = m_keyboard == KeyboardLayout::KPRao ? kpraoLastVowel : extendedLastVowel;
        if (code <= lastVowel) {
            const bool after = !m_output.isEmpty() && isConsonant(lastCharacter());
            emitVowel(code, after);
        } else {
            emitConsonant(code);
        }
        break;
    }
    case KeyboardLayout::InScript:
        if (code <= inscriptLastIndependentVowel)
            emitVowel(code, false);
        else if (code <= inscriptLastSign)
            emitVowel(code, true);
        else
            emitConsonant(code);
        break;
    default:
        break;
    }
}

// Phonetic: a vowel after a consonant's virama (or a joiner after it) takes
// their place and is written as a sign.
void IndicTransliterator::emitPhoneticVowel(int code)
{
    const int end = vowelPosition();
    const bool after = end < m_output.size();
    if (keepsVowelKey(code, after)) {
        m_handled = false;
        return;
    }
    m_output.truncate(end);
    emitVowel(code, after);
}

// Where a Phonetic vowel key writes: in place of a joiner and then a
// virama that end the output.
int IndicTransliterator::vowelPosition() const
{
    int end = m_output.size();
    if (end > 0 && m_output.at(end - 1).unicode() == zeroWidthJoiner)
        --end;
    if (end > 0 && m_output.at(end - 1).unicode() == virama())
        --end;
    return end;
}

// Phonetic-2: consonants keep their inherent vowel; a vowel key writes its
// sign after a consonant, a virama or another sign, whose place it takes
// (the anusvara and visarga keys add to the sign instead).
void IndicTransliterator::emitPhonetic2Vowel(int code)
{
    int end = vowelPosition();
    bool after = end < m_output.size();
    if (end > 0) {
        const char16_t last = m_output.at(end - 1).unicode();
        if (isConsonant(last) || last == m_scriptBase + faOffset || last == virama()) {
            after = true;
        } else if (isVowelSign(last)) {
            after = true;
            if (code != phoneticAnusvara && code != phoneticVisarga)
                --end;
        }
    }
    if (keepsVowelKey(code, after)) {
        m_handled = false;
        return;
    }
    m_output.truncate(end);
    emitVowel(code, after);
}

// The offset a vowel key writes: noVowel for a key with no vowel rule,
// inherentVowel where the consonant's own vowel stands.
int IndicTransliterator::vowelOffset(int code, bool after) const
{
    const VowelRule *rule = code >= 0 && code < totalKeyCount ? codeRules.vowel[std::size_t(code)] : nullptr;
    if (!rule)
        return noVowel;
    const bool devanagari = m_language == hindi;
    if (!after)
        return devanagari ? rule->hindiIndependent : rule->independent;
    if (rule->sign < 0) {
        // The A key after a consonant: Phonetic lets the inherent vowel
        // stand, KPRao writes the sign of AA, the others the vowel itself.
        if (m_keyboard == KeyboardLayout::Phonetic)
            return inherentVowel;
        return m_keyboard == KeyboardLayout::KPRao ? IndicBlock::firstVowelSign : rule->independent;
    }
    return devanagari ? rule->hindiSign : rule->sign;
}

// Whether the vowel is one the script lacks and has no stand-in for, so
// that its key is kept as typed and what the output holds stays as it is.
bool IndicTransliterator::keepsVowelKey(int code, bool after) const
{
    const int offset = vowelOffset(code, after);
    return offset >= 0 && ScriptLetters::fixupAt(m_language, offset) == keyKept;
}

void IndicTransliterator::emitVowel(int code, bool after)
{
    const int offset = vowelOffset(code, after);
    if (offset == noVowel)
        m_handled = false;
    else if (offset != inherentVowel)
        append(uint(offset));
}

void IndicTransliterator::emitConsonant(int code)
{
    switch (code) {
    case phoneticF:
        if (m_keyboard == KeyboardLayout::Phonetic2) {
            if (!endsWith(virama()))
                append(IndicBlock::virama);
        } else if (m_keyboard == KeyboardLayout::Phonetic) {
            append(paOffset);
        }
        return;
    case kpraoVirama:
    case extendedVirama:
    case inscriptVirama:
        // A second press writes the non-joiner. A virama stands only on a
        // consonant: anywhere else (a third press, after a vowel or at the
        // start) the key is kept as typed.
        if (endsWith(virama()))
            m_output += QChar(zeroWidthNonJoiner);
        else if (!m_output.isEmpty() && isConsonant(lastCharacter()))
            append(IndicBlock::virama);
        else
            m_handled = false;
        return;
    case kpraoArkavattu:
    case inscriptArkavattu:
        emitArkavattu();
        return;
    case kpraoJoiner:
    case extendedJoiner:
        m_output += QChar(zeroWidthJoiner);
        return;
    case extendedJihvamuliya:
        append(0x71);
        return;
    case extendedKhha:
        append(0x59);
        return;
    case extendedZa:
        append(0x5B);
        return;
    case extendedFa:
        append(0x5E);
        return;
    case extendedDddha:
        append(0x5C);
        return;
    case inscriptRupee:
        m_output += QChar(rupeeSign);
        return;
    case inscriptJaNya:
        appendConjunct(0x1C, 0x1E);
        return;
    case inscriptTaRa:
        appendConjunct(0x24, raOffset);
        return;
    case inscriptKaSsa:
        appendConjunct(0x15, 0x37);
        return;
    case inscriptShaRa:
        appendConjunct(0x36, raOffset);
        return;
    case inscriptNukta:
        append(0x3C);
        return;
    default:
        break;
    }
    const ConsonantRule *rule = code >= 0 && code < totalKeyCount ? codeRules.consonant[std::size_t(code)] : nullptr;
    if (rule)
        append(uint(m_language == tamil ? rule->tamilOffset : rule->offset));
}

// Puts RA with a virama in front of the consonants of the last syllable;
// where there are none the key is kept as typed.
void IndicTransliterator::emitArkavattu()
{
    if (m_language == kannada && endsWith(char16_t(m_scriptBase + raOffset))) {
        append(IndicBlock::virama);
        m_output += QChar(zeroWidthJoiner);
        append(yaOffset);
        return;
    }
    const int position = IndicSyllable::rephaPosition(m_output, char16_t(m_scriptBase));
    if (position < 0) {
        m_handled = false;
        return;
    }
    const QChar raVirama[2] = {QChar(char16_t(m_scriptBase + raOffset)), QChar(virama())};
    m_output.insert(position, raVirama, 2);
}

void IndicTransliterator::emitJoiner(int code)
{
    const char16_t joiner = code == phoneticNonJoiner ? zeroWidthNonJoiner : zeroWidthJoiner;
    // A second press writes the key's own letter.
    if (endsWith(joiner))
        m_handled = false;
    else
        m_output += QChar(joiner);
}

void IndicTransliterator::emitDigit(QChar ch)
{
    if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9'))
        append(IndicBlock::digitZero + uint(ch.unicode() - '0'));
}

void IndicTransliterator::rebase(QChar ch)
{
    const char16_t u = ch.unicode();
    // Joiners, currency signs, quotes and dashes belong to no script block
    // and mean the same in every script; so do the dandas.
    if (u < firstIndicCodePoint || u > lastIndicCodePoint || u == danda || u == doubleDanda) {
        m_output += ch;
        return;
    }
    // A letter with no counterpart in the target script stays as it is
    // rather than turn into a code point Unicode leaves unassigned there.
    const int offset = u & 0x7F;
    const char16_t letter = char16_t(m_scriptBase + uint(offset));
    const char16_t fixed = ScriptLetters::fixupAt(m_language, offset);
    if (fixed == keyKept || (fixed == letter && QChar::category(letter) == QChar::Other_NotAssigned))
        m_output += ch;
    else
        m_output += QChar(letter);
}

// Letters written through the key rules or rebased are replaced by the
// script's own; one that was typed or pasted as it is stays.
void IndicTransliterator::applyScriptFixups(int language)
{
    if (!isIndicLanguage(language))
        return;
    const char16_t base = blockBase[language];
    QChar *out = m_output.data();
    int kept = 0;
    for (int i = 0, n = m_output.size(); i < n; ++i) {
        char16_t c = out[i].unicode();
        if (char16_t(c - base) < ScriptLetters::blockLength) {
            const char16_t fixed = ScriptLetters::fixupAt(language, c - base);
            if (fixed == ScriptLetters::removed)
                continue;
            if (fixed != keyKept)
                c = fixed;
        }
        out[kept++] = QChar(c);
    }
    m_output.truncate(kept);
}

quint32 IndicTransliterator::scriptBase(int language)
{
    return isIndicLanguage(language) ? blockBase[language] : 0;
}

QStringList IndicTransliterator::languageNames()
{
    return {
        QCoreApplication::translate("IndicTransliterator", "Kannada"),
        QCoreApplication::translate("IndicTransliterator", "Telugu"),
        QCoreApplication::translate("IndicTransliterator", "Malayalam"),
        QCoreApplication::translate("IndicTransliterator", "Oriya"),
        QCoreApplication::translate("IndicTransliterator", "Hindi"),
        QCoreApplication::translate("IndicTransliterator", "Gujarathi"),
        QCoreApplication::translate("IndicTransliterator", "Bengali"),
        QCoreApplication::translate("IndicTransliterator", "Gurumukhi"),
        QCoreApplication::translate("IndicTransliterator", "Tamil"),
        QCoreApplication::translate("IndicTransliterator", "English"),
    };
}

QStringList IndicTransliterator::keyboardLayoutNames()
{
    return {
        QCoreApplication::translate("IndicTransliterator", "Phonetic layout"),
        QCoreApplication::translate("IndicTransliterator", "KPRao layout"),
        QCoreApplication::translate("IndicTransliterator", "InScript layout"),
    };
}

QString IndicTransliterator::emptyResult1() const
{
    return QString(QLatin1String(""));
}

QString IndicTransliterator::emptyResult2() const
{
    return QString(QLatin1String(""));
}

QString IndicTransliterator::emptyResult3() const
{
    return QString(QLatin1String(""));
}

QString IndicTransliterator::passThrough(const QString &text) const
{
    return text;
}
