#include "private/formatwriter_p.h"

#include "platform/filesync.h"

#include <QBuffer>
#include <QCoreApplication>
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

QString notWritableText()
{
    return QCoreApplication::translate("FormatWriter", "The file is not open for writing.");
}

QString deviceErrorText(QIODevice *device)
{
    return QCoreApplication::translate("FormatWriter", "The file could not be written: %1")
            .arg(Platform::writeErrorText(device));
}

QString xmlErrorText()
{
    return QCoreApplication::translate("FormatWriter", "The document could not be written as XML.");
}

} // namespace FormatWriter
