// Whole DOCX packages: the zip container and both parts.
#include "officeroundtrip.h"

#include "formats/docxreader.h"
#include "formats/docxwriter.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startFuzzApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    DocxWriter writer;
    readWriteAndReadBack<DocxReader>(QByteArray(reinterpret_cast<const char *>(data), int(size)), writer);
    return 0;
}
