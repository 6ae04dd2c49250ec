#ifndef YAVO_RTFCLIPBOARD_H
#define YAVO_RTFCLIPBOARD_H

#include "platform/winmime.h"

namespace RTF {

// Carries "text/rtf" to and from the Windows clipboard format "Rich Text
// Format", byte for byte, without looking into the RTF.
class Clipboard : public Platform::WinMime
{
public:
    Clipboard();

    bool canConvertFromMime(const Platform::FORMATETC &formatetc, const QMimeData *mimeData) const override;
    bool convertFromMime(const Platform::FORMATETC &formatetc, const QMimeData *mimeData,
                         Platform::STGMEDIUM *pmedium) const override;
    QVector<Platform::FORMATETC> formatsForMime(const QString &mimeType, const QMimeData *mimeData) const override;
    bool canConvertToMime(const QString &mimeType, Platform::IDataObject *pDataObj) const override;
    QVariant convertToMime(const QString &mimeType, Platform::IDataObject *pDataObj,
                           QVariant::Type preferredType) const override;
    QString mimeForFormat(const Platform::FORMATETC &formatetc) const override;

private:
    Platform::FORMATETC offeringFormat() const;
    Platform::FORMATETC requestingFormat() const;

    int format;
};

} // namespace RTF

#endif
