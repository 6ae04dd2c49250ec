#include "app/yvworker.h"

#include "core/ansitounicode.h"
#include "core/nuditoansi.h"
#include "formats/documentfile.h"
#include "formats/docxwriter.h"
#include "formats/formatmanager.h"
#include "formats/formatreader.h"
#include "formats/htmlmarkup.h"
#include "formats/html_writer.h"
#include "formats/odtwriter.h"
#include "formats/rtfwriter.h"
#include "formats/txtwriter.h"
#include "platform/filesync.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextCodec>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVector>

#include <memory>

namespace {

bool looksLikeHtml(const QString &text)
{
    static const QRegularExpression tag(QStringLiteral("<\\/?[a-z][\\s\\S]*>"),
                                        QRegularExpression::CaseInsensitiveOption);
    return tag.match(text).hasMatch() || Qt::mightBeRichText(text);
}

// White space, paragraph and line separators, and the stand-in of an
// image: never converted, so they keep their format and their object.
bool isKept(QChar c)
{
    return c.isSpace() || c == QChar::ObjectReplacementCharacter;
}

// Writes in the reader's format; an OpenDocument text read from one flat
// XML file is written flat again, as its name promises.
bool writeDocument(QIODevice *device, QTextDocument *document, const FormatReader &reader, bool zipped,
                   const QString &suffix)
{
    switch (reader.type()) {
    case FormatReader::TxtType:
        return TxtWriter(reader.encoding).write(device, document);
    case FormatReader::RtfType:
        return RtfWriter(reader.encoding).write(device, document);
    case FormatReader::OdtType: {
        OdtWriter writer;
        writer.setFlatXml(!zipped);
        return writer.write(device, document);
    }
    case FormatReader::DocxType: {
        DocxWriter writer;
        writer.setFileSuffix(suffix);
        return writer.write(device, document);
    }
    case FormatReader::HtmlType:
        return html_writer(reader.encoding).write(device, document);
    default:
        return false;
    }
}

// Whether the text has no byte-order mark and is no valid UTF-8: Nudi text
// saved by a Windows editor is in the Western code page, which read as
// UTF-8 would become U+FFFD. The device is read through and put back where
// it was.
bool isWindowsText(QIODevice *device)
{
    if (QTextCodec::codecForUtfText(device->peek(4), nullptr))
        return false;
    const qint64 start = device->pos();
    QTextCodec *utf8 = QTextCodec::codecForName("UTF-8");
    QTextCodec::ConverterState state;
    bool valid = true;
    while (valid && !device->atEnd()) {
        const QByteArray chunk = device->read(64 * 1024);
        utf8->toUnicode(chunk.constData(), chunk.size(), &state);
        valid = state.invalidChars == 0;
    }
    valid = valid && state.remainingChars == 0;
    device->seek(start);
    return !valid;
}

} // namespace

yvWorker::yvWorker() = default;

void yvWorker::convertANSI2Unicode(QString text)
{
    auto *document = new QTextDocument;
    // Clipboard HTML gets the bounds an HTML file gets; what is too large
    // to import is converted as the text it is.
    const bool html = looksLikeHtml(text);
    const HtmlMarkup markup(html ? text : QString());
    if (html && markup.refusal().isEmpty())
        document->setHtml(markup.html());
    else
        document->setPlainText(text);
    convertDocument(document);
    Q_EMIT done(document);
}

void yvWorker::convertANSI2Unicode(QTextDocument *doc)
{
    convertDocument(doc);
    Q_EMIT done(doc);
}

void yvWorker::convertANSI2UnicodeFile(QString filename, QString dstFolder)
{
    Q_EMIT fileCompleted(writeConverted(filename, dstFolder));
}

// Reads the file, converts it and writes it in its own format. A file that
// cannot be read whole, or a copy that cannot be written whole, gives an
// empty path and leaves no "Unicode-" file behind.
QString yvWorker::writeConverted(const QString &filename, const QString &dstFolder)
{
    // A pipe would block the open, a device never end.
    if (!DocumentFile::kindRefusal(filename).isEmpty())
        return QString();
    QFile input(filename);
    if (!input.open(QIODevice::ReadOnly))
        return QString();

    const std::unique_ptr<FormatReader> reader(
        FormatManager::createReader(&input, QFileInfo(filename).suffix().toLower()));
    const bool zipped = FormatReader::isZipArchive(&input);
    // The text reader takes UTF-8 when there is no mark; Windows text is
    // handed to it as UTF-8. Its copy is written in UTF-8, as the Unicode
    // Kannada it then holds has no place in the Western code page.
    QBuffer windowsText;
    QIODevice *source = &input;
    if (reader->type() == FormatReader::TxtType && isWindowsText(&input)) {
        // Read whole to be recoded: only as much as the text reader reads.
        if (!DocumentFile::textRefusal(&input, DocumentFile::PlainText).isEmpty())
            return QString();
        windowsText.setData(QTextCodec::codecForName("Windows-1252")->toUnicode(input.readAll()).toUtf8());
        windowsText.open(QIODevice::ReadOnly);
        source = &windowsText;
    }
    QTextDocument document;
    reader->cursor = QTextCursor(&document);
    reader->readData(source);
    input.close();
    if (!reader->errorText.isEmpty())
        return QString();

    convertDocument(&document);

    const QString outputPath = QStringLiteral("%1/Unicode-%2").arg(dstFolder, QFileInfo(filename).fileName());
    QSaveFile output(outputPath);
    if (!output.open(QIODevice::WriteOnly))
        return QString();
    if (!writeDocument(&output, &document, *reader, zipped, QFileInfo(outputPath).suffix()) || !Platform::flushFileBuffers(output)) {
        output.cancelWriting();
        return QString();
    }
    return output.commit() ? outputPath : QString();
}

// Converts block by block. Within a block the text is cut where the cursor's
// word movement stops; each run of characters between white space is
// converted and takes the format of its own first character. White space,
// images and the separators between paragraphs, list items and table cells
// are left as they are, so the document keeps its structure.
void yvWorker::convertDocument(QTextDocument *document)
{
    NudiToAnsi nudiToAnsi;
    AnsiToUnicode ansiToUnicode;
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (text.isEmpty())
            continue;
        const int base = block.position();

        // The word starts, found before the block changes.
        QVector<int> cuts{ 0 };
        QTextCursor walker(block);
        while (walker.movePosition(QTextCursor::NextWord) && walker.block() == block
               && walker.position() - base < text.size())
            cuts << walker.position() - base;
        cuts << text.size();

        struct Run
        {
            int start;
            int end;
            QTextCharFormat format;
        };
        QVector<Run> runs;
        QTextBlock::iterator fragment = block.begin();
        for (int i = 0; i + 1 < cuts.size(); ++i) {
            int start = cuts.at(i);
            while (start < cuts.at(i + 1)) {
                while (start < cuts.at(i + 1) && isKept(text.at(start)))
                    ++start;
                int end = start;
                while (end < cuts.at(i + 1) && !isKept(text.at(end)))
                    ++end;
                if (end == start)
                    break;
                while (!fragment.atEnd()
                       && fragment.fragment().position() + fragment.fragment().length() <= base + start)
                    ++fragment;
                runs.append({ start, end, fragment.atEnd() ? QTextCharFormat() : fragment.fragment().charFormat() });
                start = end;
            }
        }

        // From the end backwards, so that the runs still to come keep their
        // places.
        for (int i = runs.size() - 1; i >= 0; --i) {
            const Run &run = runs.at(i);
            const QString word = text.mid(run.start, run.end - run.start);
            const QString converted = ansiToUnicode.convertWord(nudiToAnsi.convertWord(word));
            if (converted == word)
                continue;
            cursor.setPosition(base + run.start);
            cursor.setPosition(base + run.end, QTextCursor::KeepAnchor);
            cursor.insertText(converted, run.format);
        }
    }
    cursor.endEditBlock();
}
