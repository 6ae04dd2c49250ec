// ODT documents, zipped or flat (the reader tells them apart by content);
// what was read is written back in the flat form when the input was flat.
#include "officeroundtrip.h"

#include "formats/odtreader.h"
#include "formats/odtwriter.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startFuzzApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    OdtWriter writer;
    writer.setFlatXml(!input.startsWith("PK\x03\x04"));
    readWriteAndReadBack<OdtReader>(input, writer);
    return 0;
}
