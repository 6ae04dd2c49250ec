#include "app/yvworker.h"

#include "core/ansitounicode.h"
#include "core/nuditoansi.h"
#include "formats/docxwriter.h"
#include "formats/formatmanager.h"
#include "formats/formatreader.h"
#include "formats/html_writer.h"
#include "formats/odtwriter.h"
#include "formats/rtfwriter.h"
#include "formats/txtwriter.h"
#include "platform/filesync.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>

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

// The format of the character that follows `position`.
QTextCharFormat formatAfter(QTextDocument *document, int position)
{
    QTextCursor cursor(document);
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

bool writeDocument(QIODevice *device, QTextDocument *document, const FormatReader &reader)
{
    switch (reader.type()) {
    case FormatReader::TxtType:
        return TxtWriter(reader.encoding).write(device, document);
    case FormatReader::RtfType:
        return RtfWriter(reader.encoding).write(device, document);
    case FormatReader::OdtType:
        return OdtWriter().write(device, document);
    case FormatReader::DocxType:
        return DocxWriter().write(device, document);
    case FormatReader::HtmlType:
        return html_writer(reader.encoding).write(device, document);
    default:
        return false;
    }
}

} // namespace

yvWorker::yvWorker() = default;

void yvWorker::convertANSI2Unicode(QString text)
{
    auto *document = new QTextDocument;
    if (looksLikeHtml(text))
        document->setHtml(text);
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
    QFile input(filename);
    if (!input.open(QIODevice::ReadOnly))
        return QString();

    const std::unique_ptr<FormatReader> reader(
        FormatManager::createReader(&input, QFileInfo(filename).suffix().toLower()));
    QTextDocument document;
    reader->cursor = QTextCursor(&document);
    reader->readData(&input);
    input.close();
    if (!reader->errorText.isEmpty())
        return QString();

    convertDocument(&document);

    const QString outputPath = QStringLiteral("%1/Unicode-%2").arg(dstFolder, QFileInfo(filename).fileName());
    QSaveFile output(outputPath);
    if (!output.open(QIODevice::WriteOnly))
        return QString();
    if (!writeDocument(&output, &document, *reader) || !Platform::flushFileBuffers(output)) {
        output.cancelWriting();
        return QString();
    }
    return output.commit() ? outputPath : QString();
}

// Walks the document from word start to word start. Each run of characters
// between white space is converted and takes the format of its own first
// character; white space, separators and images are left as they are. The
// separator between two paragraphs never reaches the converters.
void yvWorker::convertDocument(QTextDocument *document)
{
    NudiToAnsi nudiToAnsi;
    AnsiToUnicode ansiToUnicode;

    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::Start);
    cursor.beginEditBlock();
    while (!cursor.atEnd()) {
        if (!cursor.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor))
            break;
        const QString selected = cursor.selectedText();
        if (selected == QString(QChar::ParagraphSeparator)) {
            cursor.insertHtml(QStringLiteral("<p>"));
            cursor.clearSelection();
            continue;
        }

        // Converted from the end backwards, so that the positions of the
        // runs still to come stay valid.
        const int start = cursor.selectionStart();
        int end = selected.size();
        while (end > 0) {
            while (end > 0 && isKept(selected.at(end - 1)))
                --end;
            int runStart = end;
            while (runStart > 0 && !isKept(selected.at(runStart - 1)))
                --runStart;
            if (runStart == end)
                break;
            const QString word = selected.mid(runStart, end - runStart);
            const QString converted = ansiToUnicode.convertWord(nudiToAnsi.convertWord(word));
            if (converted != word) {
                QTextCursor run(document);
                run.setPosition(start + runStart);
                run.setPosition(start + end, QTextCursor::KeepAnchor);
                run.insertText(converted, formatAfter(document, start + runStart));
            }
            end = runStart;
        }
        cursor.clearSelection();
    }
    cursor.endEditBlock();
}
