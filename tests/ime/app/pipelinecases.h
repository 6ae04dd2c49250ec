#ifndef YAVO_PIPELINECASES_H
#define YAVO_PIPELINECASES_H

#include <QByteArray>
#include <QString>
#include <QVector>

// Typing through the input method's whole pipeline: settings, the keys a
// user types, and the text the application holds afterwards. Any keyboard
// backend that carries the pipeline must give these texts.
struct PipelineSettings
{
    int language = 0;        // 0 Kannada ... 8 Tamil
    int layout = 0;          // 0 Phonetic, 1 KPRao, 2 InScript, 3 Phonetic-2
    int encoding = 1;        // 0 ANSI (Nudi glyphs), 1 Unicode
    bool arkavattu = false;  // the tray's Arkavattu setting
    bool englishNumerals = false;
    bool indicEnabled = true; // off: keys pass, QuickBytes labels still expand
};

// The QuickBytes entries the cases expand, as the snippet file holds them.
inline QByteArray pipelineQuickBytes()
{
    return QStringLiteral("ty=Thank you\\nRegards\n"
                          "th=Thanks \U0001F64F\n"
                          "\u0CA8\u0CAE=\u0CA8\u0CAE\u0CB8\u0CCD\u0C95\u0CBE\u0CB0\\n\u0C97\u0CC1\u0CB0\u0CC1\n")
        .toUtf8();
}

struct PipelineCase
{
    const char *name;
    PipelineSettings settings;
    QString keys;
    QString text;
};

inline QVector<PipelineCase> pipelineCases()
{
    PipelineSettings phonetic;
    PipelineSettings phoneticArkavattu;
    phoneticArkavattu.arkavattu = true;
    PipelineSettings kprao;
    kprao.layout = 1;
    PipelineSettings nudi;
    nudi.layout = 1;
    nudi.encoding = 0;
    PipelineSettings englishNumerals;
    englishNumerals.englishNumerals = true;
    PipelineSettings hindi;
    hindi.language = 4;
    PipelineSettings english;
    english.indicEnabled = false;

    return {
        {"karya, arkavattu off: RA keeps its half form", phonetic, QStringLiteral("karya"),
         QStringLiteral("\u0C95\u0CB0\u0CCD\u200D\u0CAF")},
        {"karya, arkavattu on: the repha", phoneticArkavattu, QStringLiteral("karya"),
         QStringLiteral("\u0C95\u0CB0\u0CCD\u0CAF")},
        {"KPRao kiF puts the repha first", kprao, QStringLiteral("kiF"),
         QStringLiteral("\u0CB0\u0CCD\u0C95\u0CBF")},
        {"KPRao rff: no joiner before the non-joiner", kprao, QStringLiteral("rff"),
         QStringLiteral("\u0CB0\u0CCD\u200C")},
        {"an unknown key ends the word", phonetic, QStringLiteral("k,a"),
         QStringLiteral("\u0C95\u0CCD,\u0C85")},
        {"a Kannada digit stands alone", phonetic, QStringLiteral("k5a"),
         QStringLiteral("\u0C95\u0CCD\u0CEB\u0C85")},
        {"an English digit passes and ends the word", englishNumerals, QStringLiteral("k5a"),
         QStringLiteral("\u0C95\u0CCD5\u0C85")},
        {"Hindi words with spaces", hindi, QStringLiteral("namaste dost"),
         QStringLiteral("\u0928\u092E\u0938\u094D\u0924\u0947 \u0926\u094B\u0938\u094D\u0924\u094D")},
        {"a QuickBytes label and Space, Indic input off", english, QStringLiteral("ok ty "),
         QStringLiteral("ok Thank you\nRegards ")},
        {"a QuickBytes text beyond the first 65,536 characters, Indic input off", english, QStringLiteral("th "),
         QStringLiteral("Thanks \U0001F64F ")},
        {"a QuickBytes label and Space, Indic input on", phonetic, QStringLiteral("nama "),
         QStringLiteral("\u0CA8\u0CAE\u0CB8\u0CCD\u0C95\u0CBE\u0CB0\n\u0C97\u0CC1\u0CB0\u0CC1 ")},
        {"KPRao kfya in Nudi glyphs", nudi, QStringLiteral("kfya "), QStringLiteral("P\u00C1\u00E5 ")},
        {"Enter ends the word", phonetic, QStringLiteral("ka\nga "), QStringLiteral("\u0C95\n\u0C97 ")},
        {"Backspace ends the word and deletes its last character", phonetic, QStringLiteral("kaa\b "),
         QStringLiteral("\u0C95 ")},
        {"Backspace after a word deletes the space", phonetic, QStringLiteral("ka \bga "),
         QStringLiteral("\u0C95\u0C97 ")},
    };
}

#endif
