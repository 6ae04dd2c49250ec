#include "formats/rtfclipboard.h"

#include <QMimeData>

#include <cstring>

using namespace Platform;

namespace {

const QString rtfMimeType = QStringLiteral("text/rtf");
constexpr unsigned long StreamBlockSize = 4096;

} // namespace

namespace RTF {

Clipboard::Clipboard()
    : format(registerMimeType(QStringLiteral("Rich Text Format")))
{
}

FORMATETC Clipboard::offeringFormat() const
{
    FORMATETC formatetc;
    formatetc.cfFormat = format;
    formatetc.ptd = nullptr;
    formatetc.dwAspect = DVASPECT_CONTENT;
    formatetc.lindex = -1;
    formatetc.tymed = TYMED_HGLOBAL;
    return formatetc;
}

FORMATETC Clipboard::requestingFormat() const
{
    FORMATETC formatetc = offeringFormat();
    formatetc.tymed = TYMED_HGLOBAL | TYMED_ISTREAM;
    return formatetc;
}

bool Clipboard::canConvertFromMime(const FORMATETC &formatetc, const QMimeData *mimeData) const
{
    return formatetc.cfFormat == format && mimeData && mimeData->hasFormat(rtfMimeType);
}

bool Clipboard::convertFromMime(const FORMATETC &formatetc, const QMimeData *mimeData, STGMEDIUM *pmedium) const
{
    if (!canConvertFromMime(formatetc, mimeData))
        return false;
    const QByteArray data = mimeData->data(rtfMimeType);
    HGLOBAL memory = GlobalAlloc(GMEM_FIXED, std::size_t(data.size()));
    if (!memory)
        return false;
    if (!data.isEmpty())
        std::memcpy(GlobalLock(memory), data.constData(), std::size_t(data.size()));
    GlobalUnlock(memory);
    pmedium->tymed = TYMED_HGLOBAL;
    pmedium->hGlobal = memory;
    pmedium->pstm = nullptr;
    pmedium->pUnkForRelease = nullptr;
    return true;
}

QVector<FORMATETC> Clipboard::formatsForMime(const QString &mimeType, const QMimeData *mimeData) const
{
    if (mimeType == rtfMimeType && mimeData && mimeData->hasFormat(rtfMimeType))
        return { offeringFormat() };
    return {};
}

bool Clipboard::canConvertToMime(const QString &mimeType, IDataObject *pDataObj) const
{
    if (mimeType != rtfMimeType || !pDataObj)
        return false;
    FORMATETC formatetc = requestingFormat();
    return pDataObj->QueryGetData(&formatetc) == S_OK;
}

QVariant Clipboard::convertToMime(const QString &mimeType, IDataObject *pDataObj, QVariant::Type) const
{
    if (!canConvertToMime(mimeType, pDataObj))
        return QVariant();

    FORMATETC formatetc = requestingFormat();
    STGMEDIUM medium;
    if (pDataObj->GetData(&formatetc, &medium) != S_OK)
        return QVariant();

    QByteArray data;
    if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
        const std::size_t size = GlobalSize(medium.hGlobal);
        data = QByteArray(static_cast<const char *>(GlobalLock(medium.hGlobal)), int(size));
        GlobalUnlock(medium.hGlobal);
    } else if (medium.tymed == TYMED_ISTREAM && medium.pstm) {
        medium.pstm->Seek(0, STREAM_SEEK_SET, nullptr);
        char block[StreamBlockSize];
        for (;;) {
            unsigned long read = 0;
            // A short read may still carry bytes (S_FALSE); only a failure
            // or an empty read ends the data.
            if (FAILED(medium.pstm->Read(block, StreamBlockSize, &read)) || read == 0)
                break;
            data.append(block, int(read));
            if (read < StreamBlockSize)
                break;
        }
    }
    ReleaseStgMedium(&medium);
    return data.isEmpty() ? QVariant() : QVariant(data);
}

QString Clipboard::mimeForFormat(const FORMATETC &formatetc) const
{
    return formatetc.cfFormat == format ? rtfMimeType : QString();
}

} // namespace RTF
