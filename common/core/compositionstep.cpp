#include "core/compositionstep.h"

#include "core/indictransliterator.h"

namespace {

constexpr int transliterationLayout = 3;

} // namespace

CompositionStep CompositionStep::next(QString &keys, const QString &shown, int language,
                                      int keyboard, bool takeBack, bool dropOneMore)
{
    CompositionStep step;
    if (keyboard != transliterationLayout) {
        step.remove = shown.size();
        step.text = IndicTransliterator().convert(keys, language, keyboard);
    } else if (takeBack && !keys.isEmpty()) {
        step.remove = shown.size();
        step.text = keys;
        keys.clear();
    } else {
        step.remove = keys.size() + (dropOneMore ? 1 : 0);
        step.text = IndicTransliterator().convert(keys, language, keyboard);
    }
    return step;
}
