#ifndef YAVO_WORDPACKAGE_P_H
#define YAVO_WORDPACKAGE_P_H

// The kinds of word-processing package: a document or a template, plain or
// macro-enabled. They differ only in their file suffix and the content type
// of their main part. Of a macro-enabled one only the text is read; its
// macros live in parts of their own, which are never read nor written.
namespace WordPackage {

struct Kind
{
    const char *suffix;
    const char *mainContentType;
};

constexpr Kind kinds[] = {
    {"docx", "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"},
    {"dotx", "application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml"},
    {"docm", "application/vnd.ms-word.document.macroEnabled.main+xml"},
    {"dotm", "application/vnd.ms-word.template.macroEnabledTemplate.main+xml"},
};

} // namespace WordPackage

#endif
