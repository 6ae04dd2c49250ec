#ifndef YAVO_DOCUMENTLIMITS_P_H
#define YAVO_DOCUMENTLIMITS_P_H

#include <algorithm>
#include <cmath>

// Bounds the document readers put on what a file can ask of them, so that
// a hostile or broken file costs an error text rather than a hang, a crash or
// all the memory. Each lies far beyond what real documents use.
namespace DocumentLimits {

// Styles kept from one document; more are ignored (and give empty formats).
constexpr int MaxStyles = 4096;
// Times one document's styles hand their formats down to the styles based
// on them. A chain of styles defined base-last costs a number of hand-downs
// that grows with the square of its length; real documents need a few
// thousand, and beyond the limit the deeper inheritance is left out.
constexpr int MaxStyleHandDowns = 1 << 18;
// Nesting of tables, sections, spans, links and the like.
constexpr int MaxNesting = 256;
// Spaces one ODT space element may stand for.
constexpr int MaxSpaceRun = 1024;
// Indentation steps (half inches) of one paragraph: wider than any page.
constexpr int MaxBlockIndent = 64;

// The indentation a length of `steps` steps gives, half steps rounded up.
// Bounded before rounding: a huge length must not overflow the int nor make
// the layout place text miles off the page. A negative length would push the
// text off the page, and one that is no number says nothing: both give none.
inline int indentSteps(double steps)
{
    if (!(steps > 0))
        return 0;
    return int(std::floor(std::min(steps, double(MaxBlockIndent)) + 0.5));
}

// The heading level a writer puts in a file for the level a block carries:
// 1 to 6, and 0 (body text) for anything not a level.
constexpr int headingLevel(int stored)
{
    return stored <= 0 ? 0 : stored > 6 ? 6 : stored;
}

}

#endif
