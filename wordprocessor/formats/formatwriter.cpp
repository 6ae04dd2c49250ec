#include "formats/formatwriter.h"

#include <QBuffer>
#include <QXmlStreamWriter>

namespace FormatWriter {

QByteArray buildXml(QXmlStreamWriter &xml, const std::function<void()> &write)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    xml.setDevice(&buffer);
    xml.setCodec("UTF-8");
    write();
    xml.setDevice(nullptr);
    return bytes;
}

bool writeAll(QIODevice *device, const QByteArray &bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = device->write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

} // namespace FormatWriter
