#include "ime/ansi2indicunicode.h"

#include "core/indicchars.h"
#include "core/indicsyllable.h"
#include "core/scriptletters.h"

#include <iterator>

namespace {

// Offsets in the Indic block layout that all nine Unicode blocks share.
constexpr int nuktaOffset = 0x3C;
constexpr int naOffset = 0x28;
constexpr int nnnaOffset = 0x29;
// Typed after a consonant, it counts like one.
constexpr int consonantLikeOffset = 0x5E;

using IndicChars::om;
using IndicChars::rupeeSign;
using IndicChars::zeroWidthJoiner;
using IndicChars::zeroWidthNonJoiner;

using IndicLanguage::hindi;
using IndicLanguage::tamil;

// The vowel letters; the independent letter and the sign differ in Hindi
// for a few of them.
enum Vowel { A, AA, I, II, U, UU, VocalicR, E, EE, AI, O, OO, AU, Anusvara, Visarga };

struct VowelForms
{
    quint8 independent;
    quint8 sign;
    quint8 hindiIndependent;
    quint8 hindiSign;
};

// The sign of A depends on the layout (see appendVowel).
constexpr VowelForms vowelForms[] = {
    /* A */ {0x05, 0x00, 0x05, 0x00},
    /* AA */ {0x06, 0x3E, 0x06, 0x3E},
    /* I */ {0x07, 0x3F, 0x07, 0x3F},
    /* II */ {0x08, 0x40, 0x08, 0x40},
    /* U */ {0x09, 0x41, 0x09, 0x41},
    /* UU */ {0x0A, 0x42, 0x0A, 0x42},
    /* vocalic R */ {0x0B, 0x43, 0x0B, 0x43},
    /* E */ {0x0E, 0x46, 0x0F, 0x47},
    /* EE */ {0x0F, 0x47, 0x45, 0x45},
    /* AI */ {0x10, 0x48, 0x10, 0x48},
    /* O */ {0x12, 0x4A, 0x13, 0x4B},
    /* OO */ {0x13, 0x4B, 0x01, 0x01},
    /* AU */ {0x14, 0x4C, 0x14, 0x4C},
    /* anusvara */ {0x02, 0x02, 0x02, 0x02},
    /* visarga */ {0x03, 0x03, 0x03, 0x03},
};

// The vowel keys of each list, in list order.
constexpr Vowel phoneticVowelKeys[] = {
    A, AA, AA, I, II, II, U, UU, UU, VocalicR, E, EE, AI, O, OO, AU, AU, Anusvara, Visarga,
};
constexpr Vowel kpraoVowelKeys[] = {
    A, AA, I, II, U, UU, VocalicR, E, EE, AI, O, OO, AU, Anusvara, Visarga,
};
constexpr Vowel inscriptVowelKeys[] = {
    // independent letters "D" to "Q"
    A, AA, I, II, U, UU, VocalicR, E, EE, AI, O, O, OO, AU,
    // signs "e" to "_"
    AA, I, II, U, UU, VocalicR, E, EE, AI, O, OO, AU, Anusvara, Visarga,
};

constexpr int phoneticVowelKeyCount = int(std::size(phoneticVowelKeys));
constexpr int kpraoVowelKeyCount = int(std::size(kpraoVowelKeys));
constexpr int inscriptIndependentKeyCount = 14;
constexpr int inscriptVowelKeyCount = int(std::size(inscriptVowelKeys));

// Phonetic consonant keys "k" to "Lz" (list positions 19 to 64).
constexpr quint8 phoneticConsonantKeys[] = {
    0x15, 0x16, 0x16, 0x17, 0x18, 0x18, 0x19, 0x1A, 0x1A, 0x1B, // k kh K g gh G Z c ch C
    0x1C, 0x1D, 0x1D, 0x1E, 0x1F, 0x20, 0x21, 0x22, 0x23, 0x24, // j jh J z T Th D Dh N t
    0x25, 0x26, 0x27, 0x28, 0x28, 0x2A, 0x2A, 0x2B, 0x2B, 0x2C, // th d dh n nz p f ph P b
    0x2D, 0x2D, 0x2E, 0x2F, 0x30, 0x31, 0x32, 0x35, 0x35, 0x36, // bh B m y r rz l v w sh
    0x36, 0x37, 0x38, 0x39, 0x33, 0x34,                         // S Sh s h L Lz
};

// The 34 consonant keys of KPRao and of InScript, in their shared order
// KA, KHA, ... HA, LLA.
constexpr quint8 clusterConsonantKeys[] = {
    0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E,
    0x1F, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28,
    0x2A, 0x2B, 0x2C, 0x2D, 0x2E, 0x2F, 0x30, 0x32, 0x35, 0x36,
    0x37, 0x38, 0x39, 0x33,
};

constexpr int phoneticConsonantFirst = phoneticVowelKeyCount;
constexpr int kpraoConsonantFirst = AnsiToIndicBase::KpraoKeyBase + kpraoVowelKeyCount;
constexpr int inscriptConsonantFirst = AnsiToIndicBase::InscriptKeyBase + inscriptVowelKeyCount;

static_assert(phoneticConsonantFirst + int(std::size(phoneticConsonantKeys)) == 65,
              "Phonetic consonants end before the joiner keys");
static_assert(std::size(clusterConsonantKeys) == 34, "34 consonants");

// Key indices that the tables do not answer alone.
constexpr int phoneticNaNzKey = 43;        // "nz": NA in every script
constexpr int phoneticFKey = 45;           // "f": PA in Phonetic, the halant elsewhere
constexpr int phoneticNonJoinerKey = 65;   // "x"
constexpr int kpraoHalantKey = 116;        // "f"
constexpr int inscriptHalantKey = 181;     // "d"
constexpr int inscriptNuktaKey = 184;      // "]"

// The keys "a" of Phonetic and KPRao and "D" of InScript.
bool isKeyOfA(int keyIndex)
{
    return keyIndex == AnsiToIndicBase::PhoneticKeyBase || keyIndex == AnsiToIndicBase::KpraoKeyBase
        || keyIndex == AnsiToIndicBase::InscriptKeyBase;
}

// -1 for a key that is no vowel key.
int vowelOfKey(int keyIndex)
{
    if (keyIndex >= 0 && keyIndex < phoneticVowelKeyCount)
        return phoneticVowelKeys[keyIndex];
    int position = keyIndex - AnsiToIndicBase::KpraoKeyBase;
    if (position >= 0 && position < kpraoVowelKeyCount)
        return kpraoVowelKeys[position];
    position = keyIndex - AnsiToIndicBase::InscriptKeyBase;
    if (position >= 0 && position < inscriptVowelKeyCount)
        return inscriptVowelKeys[position];
    return -1;
}

// 0 for a key that is no consonant key.
int consonantOfKey(int keyIndex)
{
    int position = keyIndex - phoneticConsonantFirst;
    if (position >= 0 && position < int(std::size(phoneticConsonantKeys)))
        return phoneticConsonantKeys[position];
    position = keyIndex - kpraoConsonantFirst;
    if (position >= 0 && position < int(std::size(clusterConsonantKeys)))
        return clusterConsonantKeys[position];
    position = keyIndex - inscriptConsonantFirst;
    if (position >= 0 && position < int(std::size(clusterConsonantKeys)))
        return clusterConsonantKeys[position];
    return 0;
}

const QLatin1String anusvaraKey("M");
const QLatin1String visargaKey("H");
const QLatin1String zwjKey("X");
const QLatin1String rupeeKey("$");
const QLatin1String omKey("OM");
const QLatin1String kpraoArkavattuKey("F");
const QLatin1String inscriptArkavattuKey("#");

bool isAnusvaraOrVisargaKey(const QString &key)
{
    return key == anusvaraKey || key == visargaKey;
}

// The character a KPRao or Phonetic-2 vowel key combines with: the one
// before what the key's earlier characters typed.
QChar characterBeforeKey(const QString &emittedText, const QString &key)
{
    if (emittedText.isEmpty())
        return QChar();
    const int position = emittedText.size() - key.size();
    return position >= 0 ? emittedText.at(position) : emittedText.back();
}

QChar lastCharacter(const QString &text)
{
    return text.isEmpty() ? QChar() : text.back();
}

} // namespace

ANSI2IndicUnicode::ANSI2IndicUnicode(int language, int layout)
    : AnsiToIndicBase(language, layout)
{
}

QChar ANSI2IndicUnicode::virama() const
{
    return letter(IndicBlock::virama);
}

ConverterOutput ANSI2IndicUnicode::process(const QString &key, const QString &emittedText)
{
    ConverterOutput out;
    if (key.isEmpty() || !convertsLanguage())
        return out;

    const QChar last = key.back();
    if (isNumberKey(last))
        return digitOutput(last);
    if (key == zwjKey) {
        out.character = zeroWidthJoiner;
        return out;
    }
    if (key == rupeeKey) {
        out.character = rupeeSign;
        return out;
    }
    if ((imeLayout() == ImeKeyboardLayout::KPRao && key == kpraoArkavattuKey)
        || (imeLayout() == ImeKeyboardLayout::InScript && key == inscriptArkavattuKey)) {
        // The repha goes in front of the whole consonant cluster of the last
        // syllable, with its vowel sign: they are deleted and typed again
        // behind it. A sign without its consonant (InScript types signs
        // anywhere) gets none: moving it would take a character the hook
        // never typed out of the application's text.
        workBuffer = emittedText;
        const int position = IndicSyllable::rephaPosition(workBuffer, baseCodePoint);
        if (position >= 0) {
            out.arkavattu = true;
            out.backspaces = quint16(workBuffer.size() - position);
        }
        restartWhenPassedOn(out);
        return out;
    }
    if (language == hindi && key == omKey) {
        out.character = om;
        out.backspaces = 1;
        return out;
    }

    const int position = keyPosition(key);
    if (position < 0)
        return out;
    QChar character;
    switch (imeLayout()) {
    case ImeKeyboardLayout::Phonetic:
        character = phoneticCharacter(position, key, emittedText, out);
        break;
    case ImeKeyboardLayout::KPRao:
        character = kpraoCharacter(position, key, emittedText, out);
        break;
    case ImeKeyboardLayout::InScript:
        workBuffer = emittedText;
        character = inscriptCharacter(position, out);
        break;
    default:
        character = phonetic2Character(position, key, emittedText, out);
        break;
    }

    if (!character.isNull()) {
        // A letter the script lacks and has no stand-in for: the key is
        // typed as it is, and what came before stays.
        if (ScriptLetters::fixup(language, character.unicode()) == ScriptLetters::keyKept) {
            out = ConverterOutput();
            restartWhenPassedOn(out);
            return out;
        }
        workBuffer = QString(character);
        fixupScript(language);
        out.character = lastCharacter(workBuffer);
    }
    // A consonant whose character was fixed away brings no virama either.
    if (out.character.isNull())
        out.viramaAfter = false;
    restartWhenPassedOn(out);
    return out;
}

// A key whose record types and deletes nothing reaches the application as
// it was typed, outside the hook's record of what it typed. A composition
// that went on across it would later delete the key and type the record's
// characters in its place (a repha moves several of them), so the
// composition starts anew after it.
void ANSI2IndicUnicode::restartWhenPassedOn(ConverterOutput &out)
{
    if (out.character.isNull() && out.backspaces == 0 && !out.arkavattu && !out.viramaAfter)
        out.resetFirst = true;
}

QChar ANSI2IndicUnicode::phoneticCharacter(int position, const QString &key,
                                           const QString &emittedText, ConverterOutput &out)
{
    workBuffer = emittedText;
    const QChar previous = lastCharacter(emittedText);
    if (position < phoneticVowelKeyCount) {
        bool asSign = isConsonant(previous) || previous == letter(consonantLikeOffset)
            || previous == virama();
        if (isVowelSign(previous)) {
            asSign = true;
            if (!isAnusvaraOrVisargaKey(key))
                ++out.backspaces; // the new sign replaces the old one
        }
        const QChar character = appendVowel(position, asSign, out);
        // The vowel replaces the virama (or joiner) that came with the consonant.
        if (emittedText.endsWith(QChar(zeroWidthJoiner)) || emittedText.endsWith(virama()))
            ++out.backspaces;
        // The independent vowel typed for the key's first character goes.
        if (key.size() == 2 && !asSign)
            ++out.backspaces;
        return character;
    }

    const QChar character = appendConsonant(position, out);
    out.viramaAfter = character != QChar(zeroWidthNonJoiner);
    // The consonant and virama typed for the key's first character go.
    out.backspaces = key.size() == 2 ? 2 : 0;
    return character;
}

QChar ANSI2IndicUnicode::phonetic2Character(int position, const QString &key,
                                            const QString &emittedText, ConverterOutput &out)
{
    workBuffer = emittedText;
    QChar character;
    if (position < phoneticVowelKeyCount) {
        const QChar previous = characterBeforeKey(emittedText, key);
        bool asSign = isConsonant(previous) || previous == letter(consonantLikeOffset);
        if (isVowelSign(previous)) {
            asSign = true;
            if (!isAnusvaraOrVisargaKey(key))
                ++out.backspaces;
        }
        character = appendVowel(position, asSign, out);
    } else {
        character = appendConsonant(position, out);
    }
    if (key.size() == 2)
        ++out.backspaces;
    return character;
}

QChar ANSI2IndicUnicode::kpraoCharacter(int position, const QString &key,
                                        const QString &emittedText, ConverterOutput &out)
{
    workBuffer = emittedText;
    const int keyIndex = KpraoKeyBase + position;
    if (position < kpraoVowelKeyCount) {
        const QChar previous = characterBeforeKey(emittedText, key);
        const bool asSign = isConsonant(previous) || previous == letter(consonantLikeOffset);
        return appendVowel(keyIndex, asSign, out);
    }
    return appendConsonant(keyIndex, out);
}

QChar ANSI2IndicUnicode::inscriptCharacter(int position, ConverterOutput &out)
{
    const int keyIndex = InscriptKeyBase + position;
    if (position < inscriptIndependentKeyCount)
        return appendVowel(keyIndex, false, out);
    if (position < inscriptVowelKeyCount)
        return appendVowel(keyIndex, true, out);
    return appendConsonant(keyIndex, out);
}

ConverterOutput ANSI2IndicUnicode::digitOutput(QChar digit)
{
    ConverterOutput out;
    const ushort code = digit.unicode();
    if (code < '0' || code > '9' || !convertsLanguage())
        return out;
    // The other program may have toggled the setting since the last digit.
    out.character = englishNumeralsFor(digit) ? digit : letter(IndicBlock::digitZero + (code - '0'));
    return out;
}

QChar ANSI2IndicUnicode::appendVowel(int keyIndex, bool asSign, ConverterOutput &)
{
    const int vowel = vowelOfKey(keyIndex);
    if (vowel < 0)
        return QChar();
    if (asSign && isKeyOfA(keyIndex)) {
        // After a consonant: Phonetic keeps the inherent vowel, KPRao types
        // the sign AA, the other layouts the letter A.
        switch (imeLayout()) {
        case ImeKeyboardLayout::Phonetic:
            return QChar();
        case ImeKeyboardLayout::KPRao:
            return letter(vowelForms[AA].sign);
        default:
            return letter(vowelForms[A].independent);
        }
    }
    const VowelForms &forms = vowelForms[vowel];
    if (language == hindi)
        return letter(asSign ? forms.hindiSign : forms.hindiIndependent);
    return letter(asSign ? forms.sign : forms.independent);
}

QChar ANSI2IndicUnicode::appendConsonant(int keyIndex, ConverterOutput &)
{
    if (keyIndex == phoneticNonJoinerKey)
        return QChar(zeroWidthNonJoiner);
    if (keyIndex == inscriptNuktaKey)
        return letter(nuktaOffset);
    const bool isHalantKey = keyIndex == kpraoHalantKey || keyIndex == inscriptHalantKey
        || (keyIndex == phoneticFKey && imeLayout() != ImeKeyboardLayout::Phonetic);
    if (isHalantKey)
        return halantCharacter();

    int offset = consonantOfKey(keyIndex);
    if (offset == 0)
        return QChar();
    if (offset == naOffset && language == tamil && keyIndex != phoneticNaNzKey)
        offset = nnnaOffset;
    return letter(offset);
}

QChar ANSI2IndicUnicode::halantCharacter() const
{
    // A second halant after the virama keeps the consonants apart.
    if (workBuffer.endsWith(virama()))
        return QChar(zeroWidthNonJoiner);
    if (!workBuffer.isEmpty() && !workBuffer.endsWith(QChar(zeroWidthNonJoiner))
        && isConsonant(workBuffer.back()))
        return virama();
    return QChar();
}

void ANSI2IndicUnicode::fixupScript(int language)
{
    if (language < 0 || language >= IndicLanguage::count)
        return;
    // A letter the script lacks and has no stand-in for is typed as
    // nothing here; process() then leaves its key as it was typed.
    QChar *text = workBuffer.data();
    int kept = 0;
    for (int i = 0, n = workBuffer.size(); i < n; ++i) {
        const char16_t c = ScriptLetters::fixup(language, text[i].unicode());
        if (c != ScriptLetters::removed && c != ScriptLetters::keyKept)
            text[kept++] = QChar(c);
    }
    workBuffer.truncate(kept);
}

bool ANSI2IndicUnicode::isConsonant(QChar c) const
{
    return IndicBlock::isConsonant(c.unicode(), baseCodePoint);
}

bool ANSI2IndicUnicode::isVowelSign(QChar c) const
{
    return IndicBlock::isVowelSign(c.unicode(), baseCodePoint);
}
