// Whole DOCX packages: the zip container and both parts.
#include "docxreader.h"
#include "fuzzreader.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzReader::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzReader::run<DocxReader>(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    return 0;
}
