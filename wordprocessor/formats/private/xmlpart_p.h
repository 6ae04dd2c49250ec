#ifndef YAVO_XMLPART_P_H
#define YAVO_XMLPART_P_H

#include <QString>

class QXmlStreamReader;

// What every XML part the document readers parse must pass before its
// content is read.
class XmlPart
{
public:
    // Reads up to the root element. A document type declaration is refused
    // with an error on `xml`: no document format here uses one, and its
    // entities, nested, make the parser build strings of gigabytes.
    static bool readRootElement(QXmlStreamReader &xml);

    static QString notSupportedText();
};

#endif
