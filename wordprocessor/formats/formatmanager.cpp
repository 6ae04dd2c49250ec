#include "formats/formatmanager.h"

#include "formats/docxreader.h"
#include "formats/html_reader.h"
#include "formats/odtreader.h"
#include "formats/rtfreader.h"
#include "formats/txtreader.h"
#include "private/zippackage_p.h"

#include <QCoreApplication>
#include <QIODevice>

namespace {

bool namesOdt(const QString &kind)
{
    return kind == QLatin1String("odt") || kind == QLatin1String("fodt");
}

bool namesDocx(const QString &kind)
{
    return DocxReader::suffixes().contains(kind);
}

// The reader of a zip archive, chosen by what it holds: an OpenDocument text
// has its content part (and, from most producers, the mimetype entry first),
// a word-processing package its main part or its relationships. The
// directory is read only where the device can seek back; where the entries
// leave the choice open, the type decides.
FormatReader *createPackageReader(QIODevice *device, const QString &kind)
{
    bool odt = OdtReader::canRead(device);
    bool docx = false;
    if (!device->isSequential()) {
        const qint64 position = device->pos();
        ZipPackage zip;
        if (zip.open(device)) {
            odt = odt || zip.contains(QStringLiteral("content.xml"));
            docx = zip.contains(QStringLiteral("word/document.xml")) || zip.contains(QStringLiteral("_rels/.rels"));
        }
        device->seek(position);
    }
    if (odt != docx)
        return odt ? static_cast<FormatReader *>(new OdtReader) : new DocxReader;
    return namesOdt(kind) ? static_cast<FormatReader *>(new OdtReader) : new DocxReader;
}

} // namespace

FormatReader *FormatManager::createReader(QIODevice *device, const QString &type)
{
    const QString kind = type.toLower();
    if (kind == QLatin1String("htm") || kind == QLatin1String("html"))
        return new html_reader;
    if (FormatReader::isZipArchive(device))
        return createPackageReader(device, kind);
    if (OdtReader::canRead(device))
        return new OdtReader;
    if (RtfReader::canRead(device))
        return new RtfReader;
    // A file named as a document of a rich format that is not one (damaged,
    // encrypted, empty) is no text either: its reader says what is wrong,
    // instead of showing its bytes.
    if (namesOdt(kind))
        return new OdtReader;
    if (namesDocx(kind))
        return new DocxReader;
    if (kind == QLatin1String("rtf"))
        return new RtfReader;
    return new TxtReader;
}

QString FormatManager::filter(const QString &type)
{
    if (type == QLatin1String("odt"))
        return QCoreApplication::translate("FormatManager", "OpenDocument Text") + QLatin1String(" (*.odt)");
    if (type == QLatin1String("fodt"))
        return QCoreApplication::translate("FormatManager", "OpenDocument Flat XML") + QLatin1String(" (*.fodt)");
    if (type == QLatin1String("docx"))
        return QCoreApplication::translate("FormatManager", "Office Open XML") + QLatin1String(" (*.docx)");
    if (type == QLatin1String("rtf"))
        return QCoreApplication::translate("FormatManager", "Rich Text Format") + QLatin1String(" (*.rtf)");
    if (type == QLatin1String("txt") || type == QLatin1String("text"))
        return QCoreApplication::translate("FormatManager", "Plain Text") + QLatin1String(" (*.txt *.text)");
    return QString();
}

QStringList FormatManager::filters(const QString &type)
{
    static const QStringList all = [] {
        QStringList list;
        for (const QString &t : types())
            list.append(filter(t));
        list.append(QCoreApplication::translate("FormatManager", "All Files") + QLatin1String(" (*)"));
        return list;
    }();

    QStringList result = all;
    if (type.isEmpty()) {
        result.prepend(QCoreApplication::translate("FormatManager", "All Supported Files")
                       + QLatin1String(" (*.docx *.fodt *.odt *.rtf *.txt *.text)"));
        return result;
    }

    // The type's own filter comes first; "All Files" (the last) for a type
    // without one.
    const int front = types().indexOf(type == QLatin1String("text") ? QStringLiteral("txt") : type);
    result.move(front < 0 ? result.size() - 1 : front, 0);
    return result;
}

QStringList FormatManager::types()
{
    return { QStringLiteral("odt"), QStringLiteral("fodt"), QStringLiteral("docx"),
             QStringLiteral("rtf"), QStringLiteral("txt") };
}

QStringList FormatManager::nameFilters()
{
    return { QStringLiteral("*.docx"), QStringLiteral("*.odt"), QStringLiteral("*.rtf"),
             QStringLiteral("*.txt"), QStringLiteral("*.htm"), QStringLiteral("*.html") };
}

bool FormatManager::isRichText(const QString &fileName)
{
    const QString suffix = fileName.mid(fileName.lastIndexOf(QLatin1Char('.')) + 1).toLower();
    return suffix == QLatin1String("odt") || suffix == QLatin1String("fodt")
        || suffix == QLatin1String("docx") || suffix == QLatin1String("rtf");
}
