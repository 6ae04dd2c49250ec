// ODT documents, zipped or flat: the reader tells them apart by content.
#include "fuzzreader.h"
#include "odtreader.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzReader::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzReader::run<OdtReader>(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    return 0;
}
