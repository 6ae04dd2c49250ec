#ifndef YAVO_COMPOSITIONCASES_H
#define YAVO_COMPOSITIONCASES_H

#include "core/indictransliterator.h"

#include <QtTest>

// Rows that every Indic entry widget (the document editor, the one-line
// field) must pass alike: the Transliteration word end and typing over a
// selection. Each function adds the columns and the shared rows; a test adds
// rows of its own after them. In the keys, "\b" is Backspace.
namespace CompositionCases {

inline QString convert(const char *keys, int language, int keyboard)
{
    return IndicTransliterator().convert(QLatin1String(keys), language, keyboard);
}

// Columns: language, keys typed with Transliteration, expected text.
inline void transliterationRows()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");

    const auto k = [](const char *keys) { return convert(keys, 0, 3); };
    QTest::newRow("letters stay latin") << 0 << "ravi" << "ravi";
    QTest::newRow("space converts") << 0 << "ravi " << k("ravi") + " ";
    QTest::newRow("tab converts") << 0 << "ravi\t" << k("ravi") + "\t";
    QTest::newRow("comma converts") << 0 << "ravi," << k("ravi") + ",";
    QTest::newRow("digit converts") << 0 << "ravi7" << k("ravi") + "7";
    QTest::newRow("two words") << 0 << "ravi hindi " << k("ravi") + " " + k("hindi") + " ";
    QTest::newRow("hindi") << 4 << "namaste " << convert("namaste", 4, 3) + " ";
    QTest::newRow("tamil") << 8 << "vaNakkam " << convert("vaNakkam", 8, 3) + " ";
    QTest::newRow("backspace after space reverts") << 0 << "ravi \b" << "ravi";
    QTest::newRow("backspace after comma reverts") << 0 << "ravi,\b" << "ravi";
    QTest::newRow("reverted word is typed on") << 0 << "ravi \bn " << k("ravin") + " ";
    QTest::newRow("second backspace deletes") << 0 << "ravi \b\b" << "rav";
    QTest::newRow("space after digit converts nothing") << 0 << "7 " << "7 ";
    QTest::newRow("space after punctuation converts nothing") << 0 << "ravi, " << k("ravi") + ", ";
    QTest::newRow("second space") << 0 << "ravi  x" << k("ravi") + "  x";
    // The white space must not stay selected for the next key to replace,
    // and punctuation after it is typed, not swallowed.
    QTest::newRow("space at the start") << 0 << " x" << " x";
    QTest::newRow("space then punctuation") << 0 << "ravi ." << k("ravi") + " .";
    QTest::newRow("punctuation at the start") << 0 << "(x" << "(x";
}

// Columns: text, cursor position in it, key typed there with
// Transliteration, expected text.
inline void wordBeforeCursorRows()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const auto k = [](const char *keys) { return convert(keys, 0, 3); };
    QTest::newRow("punctuation before a word") << "hello ravi" << 6 << "(" << "hello (ravi";
    QTest::newRow("punctuation inside a word") << "hello ravi" << 8 << "," << "hello " + k("ra") + ",vi";
    QTest::newRow("punctuation after a word") << "hello ravi" << 5 << "!" << k("hello") + "! ravi";
    QTest::newRow("punctuation before punctuation") << "ravi." << 4 << "," << k("ravi") + ",.";
    QTest::newRow("space before a word") << "ravi" << 0 << " " << " ravi";
    QTest::newRow("space inside a word") << "ravi" << 2 << " " << k("ra") + " vi";
}

// Columns: keyboard; text set first, the cursor put at its end; keys typed
// there; the selection then made (anchor, position); the key typed over
// it; expected text.
inline void selectionRows()
{
    QTest::addColumn<int>("keyboard");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const auto p = [](const char *keys) { return convert(keys, 0, 0); };
    const int k = p("k").size();
    QTest::newRow("punctuation over a word selected forwards")
            << 3 << "hello ravi" << "" << 6 << 10 << "," << "hello ,";
    QTest::newRow("digit over a word selected forwards")
            << 3 << "hello ravi" << "" << 6 << 10 << "7" << "hello 7";
    QTest::newRow("backspace over all just after a word end")
            << 3 << "" << "ravi " << 0 << convert("ravi", 0, 3).size() + 1 << "\b" << "";
    // A selection that ends where the cursor already stood moves no cursor,
    // yet the word being composed is over all the same.
    QTest::newRow("the composed word selected in place")
            << 0 << "xy" << " k" << 3 << 3 + k << "a" << "xy " + p("a");
    QTest::newRow("everything selected in place")
            << 0 << "" << "kan" << 0 << p("kan").size() << "a" << p("a");
    QTest::newRow("backspace over the composed word selected in place")
            << 0 << "xy" << " ka" << 3 << 3 + p("ka").size() << "\b" << "xy ";
}

} // namespace CompositionCases

#endif
