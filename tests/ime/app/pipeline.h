#ifndef YAVO_PIPELINE_H
#define YAVO_PIPELINE_H

#include "pipelinecases.h"
#include "typist.h"

#include "core/sharedsettings.h"
#include "ime/app/yavoqthooks.h"
#include "widgets/yvquickbytestoolbar.h"

// The input method's whole pipeline on the fake keyboard: the hook with the
// given settings, the QuickBytes of the snippet file, and a user typing into
// an application. What it types is what the converters give for the keys.
struct Pipeline
{
    explicit Pipeline(const PipelineSettings &settings, bool indic = true)
    {
        SharedSettings::setEnglishNumerals(settings.englishNumerals);
        hooks.setQuickBytesBar(&quickBytes);
        hooks.setLanguage(settings.language);
        hooks.setKeyboardLayout(settings.layout);
        hooks.setEncoding(settings.encoding);
        hooks.setArkavattu(settings.arkavattu);
        hooks.setIndicEnabled(indic);
    }

    FakeKeyboardBackend keyboard;
    yvQuickBytesToolBar quickBytes{yvQuickBytesToolBar::QB_IME};
    YavoQtHooks hooks;
    Typist typist{keyboard};
};

#endif
