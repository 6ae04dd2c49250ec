#include "editor/unicodekaeditor.h"

#include "formats/docxwriter.h"
#include "formats/rtfwriter.h"
#include "platform/filesync.h"
#include "utils/utils.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCodec>
#include <QTextCursor>
#include <QTextDocumentWriter>
#include <QTextStream>

namespace {

// The document's bytes as the file's suffix asks for them.
bool encodeDocument(QTextEdit *editor, const QString &path, int encodingIndex, QIODevice *out)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QTextDocument *doc = editor->document();
    if (suffix == QLatin1String("odt") || suffix == QLatin1String("odf")) {
        QTextDocumentWriter writer(out, "odf");
        return writer.write(doc);
    }
    if (suffix == QLatin1String("rtf") || suffix == QLatin1String("nudi"))
        return RtfWriter(QByteArrayLiteral("CP1252")).write(out, doc);
    if (suffix == QLatin1String("docx"))
        return DocxWriter().write(out, doc);
    QTextStream stream(out);
    stream.setCodec(QTextCodec::codecForName(Utils::codecName(encodingIndex)));
    stream.setGenerateByteOrderMark(true);
    if (suffix == QLatin1String("htm") || suffix == QLatin1String("html"))
        stream << editor->toHtml();
    else
        stream << editor->toPlainText();
    stream.flush();
    return stream.status() == QTextStream::Ok;
}

} // namespace

void UnicodeKaEditor::loadPlainText(QTextStream &stream)
{
    clear();
    QString text;
    while (!stream.atEnd()) {
        text += stream.readLine();
        text += QLatin1Char('\n');
    }
    setDefaultCharFormat();
    QTextCharFormat format;
    format.setBackground(palette().color(QPalette::Base));
    format.setForeground(palette().color(QPalette::WindowText));
    QTextCursor cursor(document());
    cursor.insertText(text, format);
    setDefaultCharFormat();
    document()->setModified(false);
}

bool UnicodeKaEditor::saveFile(const QString &path)
{
    // The whole document goes to a temporary file first, so a failed write
    // leaves the old file as it was.
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly)
            && encodeDocument(this, path, m_textEncodingIndex, &file);
    if (ok) {
        file.flush();
        Platform::flushFileBuffers(file);
        ok = file.commit();
    } else {
        file.cancelWriting();
    }
    if (!ok) {
        QMessageBox::information(
                this, tr("Save...") + Utils::displayName(),
                tr("Couldn't open the file for writing!!\n\nFirst close the file opened already in another application\n\n"),
                QMessageBox::Ok);
        return false;
    }
    m_fileName = path;
    document()->setModified(false);
    updateWorkingDir();
    return true;
}

bool UnicodeKaEditor::maybeSave(bool ask)
{
    if (!document()->isModified())
        return true;
    if (ask) {
        const auto answer = QMessageBox::question(
                this, tr("Save file..."), tr("Unsaved changes. Do you want to save?"),
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::NoButton);
        if (answer == QMessageBox::No)
            return true;
        if (answer != QMessageBox::Yes)
            return false;
    }
    // Only an absolute path names a file saved before; "untitled-1" does not.
    if (QFileInfo(m_fileName).isAbsolute() && QFileInfo::exists(m_fileName))
        return saveFile(m_fileName);
    const QString proposed = QDir(m_workingDir).filePath(QFileInfo(m_fileName).fileName() + QLatin1String(".html"));
    QString name = QFileDialog::getSaveFileName(
            this, tr("Save File..."), proposed,
            tr("All files (*);;Plain Text files (*.txt);;Open office files (*.odt);;Rtf files (*.rtf);;HTML files (*.html);;"));
    if (name.isEmpty())
        return false;
    if (QFileInfo(name).suffix().isEmpty())
        name += QLatin1String(".html");
    return saveFile(name);
}

void UnicodeKaEditor::setAutoComplpetePrefixLength(int length)
{
    m_autoCompletePrefixLength = length;
}

int UnicodeKaEditor::autoComplpetePrefixLength() const
{
    return m_autoCompletePrefixLength;
}
