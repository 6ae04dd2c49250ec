#ifndef YAVO_XMLTEXT_P_H
#define YAVO_XMLTEXT_P_H

#include <QString>

// Text that an XML 1.0 file can carry. A lone surrogate or a control
// character makes QXmlStreamWriter emit bytes no parser accepts, losing the
// whole file on the next read; such characters become U+FFFD instead.
class XmlText
{
public:
    static QString sanitized(const QString &text);

    // Character data read from a file as text inside one block: characters
    // that QTextCursor::insertText turns into block or frame boundaries
    // (line feeds, paragraph separators, frame markers) become spaces, as
    // XML white space is meant.
    static QString toBlockText(const QString &text);
};

#endif
