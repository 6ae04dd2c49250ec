#include "core/indicsyllable.h"

#include "core/indicchars.h"

namespace IndicSyllable {

int rephaPosition(const QString &text, char16_t base)
{
    int i = text.size() - 1;
    if (i >= 0 && IndicBlock::isVowelSign(text.at(i).unicode(), base))
        --i;
    if (i < 0 || !IndicBlock::isConsonant(text.at(i).unicode(), base))
        return -1;
    // Back over every consonant joined to this one by a virama; a joiner or
    // a vowel between them ends the cluster.
    const char16_t virama = char16_t(base + IndicBlock::virama);
    while (i >= 2 && text.at(i - 1).unicode() == virama
           && IndicBlock::isConsonant(text.at(i - 2).unicode(), base))
        i -= 2;
    return i;
}

} // namespace IndicSyllable
