#include "docxreader.h"

#include <QCoreApplication>

DocxReader::DocxReader() = default;

int DocxReader::type() const
{
    return DocxType;
}

void DocxReader::readData(QIODevice *)
{
    errorText = QCoreApplication::translate("DocxReader", "not built yet");
}

bool DocxReader::canRead(QIODevice *device)
{
    return isZipArchive(device);
}
