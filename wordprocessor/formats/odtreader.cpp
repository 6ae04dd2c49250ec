#include "odtreader.h"

#include <QCoreApplication>
#include <QIODevice>

OdtReader::OdtReader() = default;

int OdtReader::type() const
{
    return OdtType;
}

void OdtReader::readData(QIODevice *)
{
    errorText = QCoreApplication::translate("OdtReader", "not built yet");
}

bool OdtReader::canRead(QIODevice *device)
{
    const QByteArray head = device->peek(77);
    static const QByteArray mimetype("mimetypeapplication/vnd.oasis.opendocument.text");
    if (isZipArchive(device) && head.endsWith(mimetype))
        return true;

    const QByteArray xml = head.trimmed();
    if (!xml.startsWith("<?xml"))
        return false;
    const int prologEnd = xml.indexOf("?>");
    if (prologEnd < 0)
        return false;
    const int root = xml.indexOf('<', prologEnd);
    return root >= 0 && root == xml.indexOf("<office:document", prologEnd);
}
