#include "ime/ansitoindicbase.h"

#include "core/indicchars.h"
#include "core/indictransliterator.h"
#include "core/keyindex.h"
#include "core/sharedsettings.h"
#include "core/transliterationtables.h"

#include <iterator>

namespace {

constexpr const char *kpraoKeyTable[] = {
    "a", "A", "i", "I", "u", "U", "R", "e", "E", "Y",
    "o", "O", "V", "M", "H", "k", "K", "g", "G", "Z",
    "c", "C", "j", "J", "z", "q", "Q", "w", "W", "N",
    "t", "T", "d", "D", "n", "p", "P", "b", "B", "m",
    "y", "r", "l", "v", "S", "x", "s", "h", "L", "f",
    "F", "X",
};

constexpr const char *inscriptKeyTable[] = {
    "D", "E", "F", "R", "G", "T", "+", "Z", "S", "W",
    "~", "!", "A", "Q", "e", "f", "r", "g", "t", "=",
    "z", "s", "w", "`", "a", "q", "x", "_", "k", "K",
    "i", "I", "U", ";", ":", "p", "P", "}", "'", "\"",
    "[", "{", "C", "l", "L", "o", "O", "v", "h", "H",
    "y", "Y", "c", "/", "j", "n", "b", "M", "<", "m",
    "u", "N", "d", "#", "$", "]", "X",
};

// The Phonetic keys are the transliterator's; the KPRao and InScript lists
// above are the input method's own, shorter than the word processor's.
using TransliterationTables::phoneticKeyList;

static_assert(std::size(phoneticKeyList) == AnsiToIndicBase::PhoneticKeyCount, "phonetic keys");
static_assert(std::size(kpraoKeyTable) == AnsiToIndicBase::KpraoKeyCount, "KPRao keys");
static_assert(std::size(inscriptKeyTable) == AnsiToIndicBase::InscriptKeyCount, "InScript keys");
static_assert(AnsiToIndicBase::KpraoKeyBase == AnsiToIndicBase::PhoneticKeyCount, "key index space");
static_assert(AnsiToIndicBase::InscriptKeyBase
                  == AnsiToIndicBase::KpraoKeyBase + AnsiToIndicBase::KpraoKeyCount,
              "key index space");

// The lists are looked up at every key press: through an index of each,
// built at compile time from the same tables.
constexpr KeyIndex phoneticIndex = buildKeyIndex(phoneticKeyList, 0);
constexpr KeyIndex kpraoIndex = buildKeyIndex(kpraoKeyTable, 0);
constexpr KeyIndex inscriptIndex = buildKeyIndex(inscriptKeyTable, 0);

constexpr QLatin1String omKey("OM");
using IndicLanguage::hindi;

template<size_t N>
QStringList keyList(const char *const (&table)[N])
{
    QStringList keys;
    keys.reserve(int(N));
    for (const char *key : table)
        keys.append(QLatin1String(key));
    return keys;
}

} // namespace

AnsiToIndicBase::AnsiToIndicBase(int language, int layout)
    : phoneticKeys(keyList(phoneticKeyList))
    , kpraoKeys(keyList(kpraoKeyTable))
    , inscriptKeys(keyList(inscriptKeyTable))
    , keyboardLayout(layout)
{
    setLanguage(language);
}

AnsiToIndicBase::~AnsiToIndicBase() = default;

void AnsiToIndicBase::setLanguage(int language)
{
    this->language = language;
    baseCodePoint = scriptBase(language);
}

void AnsiToIndicBase::setKeyboardLayout(int layout)
{
    keyboardLayout = layout;
}

quint16 AnsiToIndicBase::scriptBase(int language)
{
    return quint16(IndicTransliterator::scriptBase(language));
}

void AnsiToIndicBase::reset()
{
}

bool AnsiToIndicBase::isValidKey(const QString &key) const
{
    m_numeralsCheckedKey = QChar();
    if (key.isEmpty() || !convertsLanguage())
        return false;
    if (isNumberKey(key.at(0))) {
        // Read afresh: the word processor may have toggled it meanwhile.
        const bool english = SharedSettings::englishNumerals();
        if (key.size() == 1) {
            m_numeralsCheckedKey = key.at(0);
            m_numeralsCheckedEnglish = english;
        }
        return !english;
    }
    if (language == hindi && key == omKey)
        return true;
    return keyPosition(key) >= 0;
}

int AnsiToIndicBase::keyPosition(const QString &key) const
{
    const int size = key.size();
    if (size < 1 || size > 2)
        return -1;
    switch (imeLayout()) {
    case ImeKeyboardLayout::KPRao:
        return kpraoIndex.find(key.constData(), size);
    case ImeKeyboardLayout::InScript:
        return inscriptIndex.find(key.constData(), size);
    default:
        return phoneticIndex.find(key.constData(), size);
    }
}

ConverterOutput AnsiToIndicBase::digitOutput(QChar digit)
{
    ConverterOutput out;
    out.character = digit;
    return out;
}

bool AnsiToIndicBase::flushPending(ConverterOutput &)
{
    reset();
    return false;
}

QChar AnsiToIndicBase::appendVowel(int, bool, ConverterOutput &)
{
    return QChar();
}

QChar AnsiToIndicBase::appendConsonant(int, ConverterOutput &)
{
    return QChar();
}

void AnsiToIndicBase::fixupScript(int)
{
}

bool AnsiToIndicBase::englishNumeralsFor(QChar digit) const
{
    if (!m_numeralsCheckedKey.isNull() && m_numeralsCheckedKey == digit) {
        m_numeralsCheckedKey = QChar();
        return m_numeralsCheckedEnglish;
    }
    return SharedSettings::englishNumerals();
}

bool AnsiToIndicBase::isNumberKey(QChar c)
{
    return c.isNumber();
}
