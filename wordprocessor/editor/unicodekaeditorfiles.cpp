// Saving the editor's document by its file name's suffix, and loading plain
// text into it.

#include "editor/unicodekaeditor.h"

#include "formats/documentcapacity.h"
#include "formats/documentfile.h"
#include "formats/docxreader.h"
#include "formats/docxwriter.h"
#include "formats/html_writer.h"
#include "formats/rtfwriter.h"
#include "formats/txtwriter.h"
#include "platform/filesync.h"
#include "utils/utils.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QSaveFile>
#include <QTextDocumentWriter>
#include <QTextStream>

namespace {

// RTF and Nudi files are always written in the Western code page.
const QByteArray rtfCodePage = QByteArrayLiteral("CP1252");

// Writes the bytes whole. A device that takes only part of them says why
// when asked for the rest: a full disk, a file-size limit.
bool writeAll(QIODevice *device, const QByteArray &bytes, QString *error)
{
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = device->write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            *error = device->errorString();
            return false;
        }
        done += written;
    }
    return true;
}

// Qt's OpenDocument writer closes the device it wrote, which a file that
// is only committed at the end cannot allow: it writes into memory first.
bool writeOpenDocument(QIODevice *device, QTextDocument *document, const QByteArray &format,
                       QString *error)
{
    QBuffer buffer;
    QTextDocumentWriter writer(&buffer, format);
    if (!writer.write(document)) {
        *error = QCoreApplication::translate("UnicodeKaEditor", "The document could not be written as %1.")
                         .arg(QString::fromLatin1(format));
        return false;
    }
    return writeAll(device, buffer.data(), error);
}

QString notReadableAgain(const QString &reason)
{
    return QCoreApplication::translate("UnicodeKaEditor", "Saved so, the file would not open again. %1\n\nNothing was written.")
            .arg(reason);
}

// Writes with one of the format library's writers, keeping its complaint.
template <class Writer>
bool writeWith(Writer &&writer, QIODevice *device, QTextDocument *document, QString *error)
{
    if (writer.write(device, document))
        return true;
    *error = writer.errorString();
    return false;
}

// Writes a text or HTML file through memory, and only when the file would
// open again: the encoding chosen, the byte-order mark and the markup make
// the file larger than the text, and a line separator in a paragraph a line
// of its own.
template <class Writer>
bool writeReadableText(Writer &&writer, DocumentFile::Content content, QIODevice *device, QTextDocument *document,
                       QString *error)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!writeWith(std::forward<Writer>(writer), &buffer, document, error))
        return false;
    buffer.close();
    buffer.open(QIODevice::ReadOnly);
    const QString refusal = DocumentFile::textRefusal(&buffer, content);
    if (!refusal.isEmpty()) {
        *error = notReadableAgain(refusal);
        return false;
    }
    return writeAll(device, buffer.data(), error);
}

} // namespace

// The format follows the suffix, whatever its case: OpenDocument, RTF,
// DOCX (with its template and macro-enabled kinds), HTML or, for any other
// suffix or none, plain text. HTML and plain text are written in the codec
// of the text encoding index, with a byte-order mark. The error names the
// file and the cause.
bool UnicodeKaEditor::writeDocument(QString *error)
{
    // What no reader takes (typed or pasted beyond it) is not written: the
    // document stays as it is, for the user to shorten.
    QString excess;
    if (DocumentCapacity::firstExcess(document(), &excess, maxDocumentHeight()) >= 0) {
        *error = notReadableAgain(excess);
        return false;
    }
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        // Not being able to start the file (no permission, no such folder, a
        // read-only disk) says nothing of another program holding it.
        *error = tr("The file %1 cannot be written: %2")
                         .arg(QDir::toNativeSeparators(m_fileName), file.errorString());
        return false;
    }
    const QString suffix = QFileInfo(m_fileName).suffix().toLower();
    QTextDocument *doc = document();
    bool written;
    if (suffix == QLatin1String("odt") || suffix == QLatin1String("odf")) {
        written = writeOpenDocument(&file, doc, suffix.toLatin1(), error);
    } else if (suffix == QLatin1String("rtf") || suffix == QLatin1String("nudi")) {
        written = writeWith(RtfWriter(rtfCodePage), &file, doc, error);
    } else if (DocxReader::suffixes().contains(suffix)) {
        // A template or a macro-enabled package stays its own kind (without
        // macros): as plain text it would be lost to every word processor.
        DocxWriter writer;
        writer.setFileSuffix(suffix);
        written = writeWith(writer, &file, doc, error);
    } else if (suffix == QLatin1String("htm") || suffix == QLatin1String("html")) {
        written = writeReadableText(html_writer(Utils::codecName(m_textEncodingIndex)), DocumentFile::Html, &file,
                                    doc, error);
    } else {
        written = writeReadableText(TxtWriter(Utils::codecName(m_textEncodingIndex)), DocumentFile::PlainText,
                                    &file, doc, error);
    }

    if (written && !flushToDisk(file, error))
        written = false;
    if (!written) {
        if (error->isEmpty())
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return Platform::commitSaveFile(file, error);
}

bool UnicodeKaEditor::saveFile()
{
    QString error;
    if (!writeDocument(&error)) {
        // The old file, if any, is as it was, and the document still counts
        // as unsaved.
        QMessageBox::information(this, tr("Save...") + Utils::displayName(),
                                 tr("Couldn't save the file!!\n\n%1").arg(error), QMessageBox::Ok);
        return false;
    }
    document()->setModified(false);
    updateWorkingDir();
    return true;
}

bool UnicodeKaEditor::flushToDisk(QFileDevice &file, QString *error)
{
    return Platform::flushFileBuffers(file, error);
}

QString UnicodeKaEditor::defaultSaveName(const QString &path) const
{
    const QFileInfo file(path);
    return file.exists() ? file.fileName() : path + QLatin1String(".html");
}

// Asks for a name; a name without suffix is saved as HTML. Empty when the
// user cancelled.
QString UnicodeKaEditor::askSaveName(const QString &title, const QString &filter)
{
    const QString proposed = QStringLiteral("%1/%2").arg(m_workingDir, defaultSaveName(m_fileName));
    QString name = QFileDialog::getSaveFileName(this, title, proposed, filter);
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty())
        name += QLatin1String(".html");
    return name;
}

bool UnicodeKaEditor::saveFileAs()
{
    // Built-in pages are never saved.
    if (m_fileName.startsWith(QLatin1Char(':')))
        return true;
    const QString name = askSaveName(
            tr("Save File As"),
            tr("All Files (*);;Text files (*.txt);;ODF files (*.odt);;Rtf files (*.rtf);;HTML files (*.html);;"));
    if (name.isEmpty())
        return false;
    setFileName(name);
    return saveFile();
}

bool UnicodeKaEditor::maybeSave(bool ask)
{
    if (!document()->isModified())
        return true;
    if (ask) {
        const QMessageBox::StandardButton answer = QMessageBox::question(
                this, tr("Save file..."), tr("Unsaved changes. Do you want to save?"),
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::NoButton);
        if (answer == QMessageBox::No)
            return true;
        if (answer != QMessageBox::Yes)
            return false;
    }
    // Only a file that was opened or saved before has an absolute name: the
    // tab widget's "untitled-1" is no file, whatever the current folder
    // holds. A file that another program deleted or moved away is written
    // again where it was, as long as its folder is there.
    const QFileInfo file(m_fileName);
    if (file.isAbsolute() && (file.exists() || file.dir().exists()))
        return saveFile();
    const QString name = askSaveName(
            tr("Save File..."),
            tr("All files (*);;Plain Text files (*.txt);;Open office files (*.odt);;Rtf files (*.rtf);;HTML files (*.html);;"));
    if (name.isEmpty())
        return false;
    setFileName(name);
    return saveFile();
}

void UnicodeKaEditor::loadPlainText(QTextStream &stream)
{
    clear();
    // The window stays live while a long file is read, but the user cannot
    // type into, save or close this document half-read; and whatever the
    // events do, the editor may be gone when they return.
    const QPointer<UnicodeKaEditor> self(this);
    QString text;
    while (!stream.atEnd()) {
        text += stream.readLine();
        text += QLatin1Char('\n');
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (!self)
            return;
    }
    setDefaultCharFormat();
    const QPalette palette = QApplication::palette(this);
    QTextCharFormat format;
    format.setBackground(QBrush(palette.color(QPalette::Base), Qt::SolidPattern));
    format.setForeground(QBrush(palette.color(QPalette::WindowText), Qt::SolidPattern));
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(text, format);
    setDefaultCharFormat();
    document()->setModified(false);
}
