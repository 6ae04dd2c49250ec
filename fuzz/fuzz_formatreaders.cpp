// Chooses a reader for arbitrary bytes under each type string and reads
// them when the reader is the text, HTML or RTF one; text and HTML are
// written back in the encoding found.
#include "fuzzsupport.h"

#include "formats/formatmanager.h"
#include "formats/formatreader.h"
#include "formats/html_writer.h"
#include "formats/txtwriter.h"

#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startFuzzApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const char *const types[] = { "txt", "rtf", "docx", "odt", "fodt", "html", "htm", "nudi", "" };
    if (size == 0)
        return 0;
    const char *type = types[data[0] % (sizeof(types) / sizeof(types[0]))];
    QByteArray input(reinterpret_cast<const char *>(data + 1), int(size - 1));

    QBuffer buffer(&input);
    buffer.open(QIODevice::ReadOnly);
    std::unique_ptr<FormatReader> reader(FormatManager::createReader(&buffer, QString::fromLatin1(type)));
    if (!reader || buffer.pos() != 0)
        std::abort();
    const int kind = reader->type();
    if (kind != FormatReader::TxtType && kind != FormatReader::HtmlType && kind != FormatReader::RtfType)
        return 0;

    QTextDocument document;
    reader->cursor = QTextCursor(&document);
    reader->readData(&buffer);

    QByteArray written;
    QBuffer out(&written);
    out.open(QIODevice::WriteOnly);
    if (kind == FormatReader::TxtType)
        TxtWriter(reader->encoding).write(&out, &document);
    else if (kind == FormatReader::HtmlType)
        html_writer(reader->encoding).write(&out, &document);
    return 0;
}
