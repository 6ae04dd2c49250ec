// Reads arbitrary bytes as RTF, writes what was read back as RTF and reads
// that again: nothing may crash or hang, and the writer's output must read
// back to the same text (NULs aside) with the same heading levels.
#include "fuzzsupport.h"

#include "formats/rtfreader.h"
#include "formats/rtfwriter.h"

#include <QDebug>
#include <QTextBlock>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startFuzzApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray input(reinterpret_cast<const char *>(data), int(size));
    QTextDocument document;
    RtfReader reader;
    readInto(reader, document, input);

    QByteArray written;
    {
        QBuffer out(&written);
        out.open(QIODevice::WriteOnly);
        RtfWriter writer(reader.encoding);
        if (!writer.write(&out, &document))
            std::abort();
    }

    QTextDocument copy;
    RtfReader again;
    readInto(again, copy, written);
    // A NUL (a hex escape without hex digits) is the one character the
    // writer leaves out.
    QString expected = document.toPlainText();
    expected.remove(QChar(0));
    if (!again.errorText.isEmpty() || copy.toPlainText() != expected) {
        qWarning() << "read:" << document.toPlainText() << "\nwritten:" << written << "\nread back:"
                   << copy.toPlainText() << again.errorText;
        std::abort();
    }
    for (QTextBlock a = document.begin(), b = copy.begin(); a.isValid() && b.isValid(); a = a.next(), b = b.next()) {
        if (a.blockFormat().intProperty(HeadingLevelProperty) != b.blockFormat().intProperty(HeadingLevelProperty)) {
            qWarning() << "heading level of" << a.text() << "changed";
            std::abort();
        }
    }
    return 0;
}
