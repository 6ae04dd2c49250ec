#ifndef YAVO_FORMATWRITER_P_H
#define YAVO_FORMATWRITER_P_H

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;
class QXmlStreamWriter;

// What the DOCX and ODT writers share: a file or part is built whole in
// memory and then copied to the device with checked writes, so that a device
// that refuses bytes (a full disk) is reported instead of holding half a file
// that passes for saved.
namespace FormatWriter {

// Points `xml` at a fresh buffer, in UTF-8, runs `write` and returns what it
// wrote; `xml` has no device afterwards.
QByteArray buildXml(QXmlStreamWriter &xml, const std::function<void()> &write);

// Writes all of `bytes` to the device, however many writes that takes; false
// as soon as the device refuses.
bool writeAll(QIODevice *device, const QByteArray &bytes);

// The error strings the writers share: every writer reports a failed write
// as false and says why in its errorString().
QString notWritableText();
// A device that refused bytes: why, as the system names it.
QString deviceErrorText(QIODevice *device);
QString xmlErrorText();

} // namespace FormatWriter

#endif
