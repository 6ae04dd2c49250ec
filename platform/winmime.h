#ifndef YAVO_WINMIME_H
#define YAVO_WINMIME_H

#include <QString>
#include <QVariant>
#include <QVector>

#include <cstddef>

class QMimeData;

// Our stand-in for the Windows clipboard-format interface: the data
// transfer records, global memory blocks, streams and data objects that a
// clipboard converter deals in, and the converter base that maps MIME types
// to registered clipboard formats. Names keep the Windows vocabulary.
namespace Platform {

using HRESULT = qint32;
constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT DV_E_FORMATETC = static_cast<HRESULT>(0x80040064u);
constexpr bool SUCCEEDED(HRESULT result) { return result >= 0; }
constexpr bool FAILED(HRESULT result) { return result < 0; }

constexpr int DVASPECT_CONTENT = 1;
constexpr int TYMED_NULL = 0;
constexpr int TYMED_HGLOBAL = 1;
constexpr int TYMED_ISTREAM = 4;
constexpr int STREAM_SEEK_SET = 0;

struct DVTARGETDEVICE;

struct FORMATETC
{
    int cfFormat = 0;
    DVTARGETDEVICE *ptd = nullptr;
    int dwAspect = 0;
    int lindex = 0;
    int tymed = TYMED_NULL;
};

// Global memory: a handle to a block that knows its own size.
using HGLOBAL = void *;
constexpr unsigned GMEM_FIXED = 0;
HGLOBAL GlobalAlloc(unsigned flags, std::size_t bytes);
void *GlobalLock(HGLOBAL memory);
bool GlobalUnlock(HGLOBAL memory);
std::size_t GlobalSize(HGLOBAL memory);
HGLOBAL GlobalFree(HGLOBAL memory);

class IUnknown
{
public:
    virtual ~IUnknown() = default;
    virtual unsigned long Release() = 0;
};

class IStream : public IUnknown
{
public:
    virtual HRESULT Seek(qint64 move, int origin, quint64 *newPosition) = 0;
    virtual HRESULT Read(void *buffer, unsigned long count, unsigned long *read) = 0;
};

struct STGMEDIUM
{
    int tymed = TYMED_NULL;
    HGLOBAL hGlobal = nullptr;
    IStream *pstm = nullptr;
    IUnknown *pUnkForRelease = nullptr;
};

// Frees what the medium holds: its release object when it has one, else
// the global block or the stream.
void ReleaseStgMedium(STGMEDIUM *medium);

class IDataObject
{
public:
    virtual ~IDataObject() = default;
    virtual HRESULT QueryGetData(FORMATETC *format) = 0;
    virtual HRESULT GetData(FORMATETC *format, STGMEDIUM *medium) = 0;
};

// Base of the clipboard converters. Constructing one makes it known to the
// clipboard integration (the list of converters); destroying it withdraws it.
class WinMime
{
public:
    WinMime();
    virtual ~WinMime();

    // The number of a named clipboard format, the same for the same name
    // (ignoring case) for the life of the process.
    static int registerMimeType(const QString &mime);
    static QVector<WinMime *> converters();

    virtual bool canConvertFromMime(const FORMATETC &formatetc, const QMimeData *mimeData) const = 0;
    virtual bool convertFromMime(const FORMATETC &formatetc, const QMimeData *mimeData, STGMEDIUM *pmedium) const = 0;
    virtual QVector<FORMATETC> formatsForMime(const QString &mimeType, const QMimeData *mimeData) const = 0;
    virtual bool canConvertToMime(const QString &mimeType, IDataObject *pDataObj) const = 0;
    virtual QVariant convertToMime(const QString &mimeType, IDataObject *pDataObj, QVariant::Type preferredType) const = 0;
    virtual QString mimeForFormat(const FORMATETC &formatetc) const = 0;

private:
    Q_DISABLE_COPY(WinMime)
};

} // namespace Platform

#endif
