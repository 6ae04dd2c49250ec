#include "platform/winmime.h"

#include <QHash>

#include <cstdlib>
#include <new>

namespace Platform {

namespace {

struct GlobalBlock
{
    std::size_t size;
    // The bytes follow the header.
};

unsigned char *bytesOf(GlobalBlock *block)
{
    return reinterpret_cast<unsigned char *>(block + 1);
}

// Registered clipboard formats are numbered from 0xC000 upwards.
constexpr int FirstRegisteredFormat = 0xC000;

QHash<QString, int> &registeredFormats()
{
    static QHash<QString, int> formats;
    return formats;
}

QVector<WinMime *> &liveConverters()
{
    static QVector<WinMime *> list;
    return list;
}

} // namespace

HGLOBAL GlobalAlloc(unsigned, std::size_t bytes)
{
    void *memory = std::malloc(sizeof(GlobalBlock) + bytes);
    if (!memory)
        return nullptr;
    auto *block = new (memory) GlobalBlock { bytes };
    return block;
}

void *GlobalLock(HGLOBAL memory)
{
    return memory ? bytesOf(static_cast<GlobalBlock *>(memory)) : nullptr;
}

bool GlobalUnlock(HGLOBAL memory)
{
    return memory != nullptr;
}

std::size_t GlobalSize(HGLOBAL memory)
{
    return memory ? static_cast<GlobalBlock *>(memory)->size : 0;
}

HGLOBAL GlobalFree(HGLOBAL memory)
{
    std::free(memory);
    return nullptr;
}

void ReleaseStgMedium(STGMEDIUM *medium)
{
    if (medium->pUnkForRelease) {
        medium->pUnkForRelease->Release();
    } else if (medium->tymed == TYMED_HGLOBAL) {
        GlobalFree(medium->hGlobal);
    } else if (medium->tymed == TYMED_ISTREAM && medium->pstm) {
        medium->pstm->Release();
    }
    *medium = STGMEDIUM();
}

WinMime::WinMime()
{
    liveConverters().append(this);
}

WinMime::~WinMime()
{
    liveConverters().removeAll(this);
}

int WinMime::registerMimeType(const QString &mime)
{
    QHash<QString, int> &formats = registeredFormats();
    const QString key = mime.toLower();
    auto found = formats.constFind(key);
    if (found == formats.constEnd())
        found = formats.insert(key, FirstRegisteredFormat + formats.size());
    return *found;
}

QVector<WinMime *> WinMime::converters()
{
    return liveConverters();
}

} // namespace Platform
