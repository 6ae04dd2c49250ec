#ifndef DOCUMENTLIMITS_H
#define DOCUMENTLIMITS_H

// Bounds the DOCX and ODT readers put on what a file can ask of them, so that
// a hostile or broken file costs an error text rather than a hang, a crash or
// all the memory. Each lies far beyond what real documents use.
namespace DocumentLimits {

// Styles kept from one document; more are ignored (and give empty formats).
constexpr int MaxStyles = 4096;
// Nesting of tables, sections, spans, links and the like.
constexpr int MaxNesting = 256;
// Spaces one ODT space element may stand for.
constexpr int MaxSpaceRun = 1024;
// Indentation steps (half inches) of one paragraph: wider than any page.
constexpr int MaxBlockIndent = 64;

}

#endif
