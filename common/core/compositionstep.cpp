#include "core/compositionstep.h"

#include "core/indictransliterator.h"

CompositionStep CompositionStep::next(QString &keys, const QString &shown, int language,
                                      KeyboardLayout keyboard, bool takeBack, bool dropOneMore)
{
    CompositionStep step;
    if (keyboard != KeyboardLayout::Transliteration) {
        step.remove = shown.size();
        step.text = IndicTransliterator().convert(keys, language, int(keyboard));
    } else if (takeBack && !keys.isEmpty()) {
        step.remove = shown.size();
        step.text = keys;
        keys.clear();
    } else {
        step.remove = keys.size() + (dropOneMore ? 1 : 0);
        step.text = IndicTransliterator().convert(keys, language, int(keyboard));
    }
    return step;
}
