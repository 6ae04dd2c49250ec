// The parts of a DOCX package: the input becomes "word/document.xml" (and,
// after a NUL byte, "word/styles.xml") of a well-formed archive, so that the
// fuzzer spends its time on the XML rather than on the container.
#include "officeroundtrip.h"

#include "formats/docxreader.h"
#include "formats/docxwriter.h"
#include "zippackage_p.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startFuzzApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    const int split = input.indexOf('\0');
    ZipPackage package;
    if (split >= 0)
        package.addEntry(QStringLiteral("word/styles.xml"), input.mid(split + 1), ZipPackage::Stored);
    package.addEntry(QStringLiteral("word/document.xml"), split >= 0 ? input.left(split) : input, ZipPackage::Stored);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!package.save(&buffer))
        std::abort();
    DocxWriter writer;
    readWriteAndReadBack<DocxReader>(buffer.data(), writer);
    return 0;
}
