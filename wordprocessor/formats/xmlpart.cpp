#include "private/xmlpart_p.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

bool XmlPart::readRootElement(QXmlStreamReader &xml)
{
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            xml.raiseError(notSupportedText());
            return false;
        case QXmlStreamReader::StartElement:
            return true;
        default:
            break;
        }
    }
    return false;
}

QString XmlPart::notSupportedText()
{
    return QCoreApplication::translate("XmlPart", "The document is not a supported word-processing document.");
}
