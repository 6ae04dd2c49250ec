#include "app/documentadmission.h"

#include "editor/unicodekaeditor.h"
#include "formats/documentfile.h"
#include "formats/docxreader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

void DocumentAdmission::refuse(const QString &path, const QString &reason, QWidget *parent)
{
    QMessageBox::information(parent, QGuiApplication::applicationDisplayName(),
                             tr("Couldn't open the file %1\n\n%2").arg(QDir::toNativeSeparators(path), reason),
                             QMessageBox::Ok);
}

DocumentAdmission::Reading DocumentAdmission::readingOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("rtf") || suffix == QLatin1String("nudi") || suffix == QLatin1String("odt")
        || suffix == QLatin1String("fodt") || DocxReader::suffixes().contains(suffix))
        return AsDocument;
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return AsHtml;
    return AsText;
}

bool DocumentAdmission::admit(const QString &path, QWidget *parent)
{
    // Looked at before the file is opened: opening a pipe waits for a
    // writer, for ever.
    QString refusal = DocumentFile::openFailure(path);
    if (refusal.isEmpty())
        refusal = DocumentFile::kindRefusal(path);
    if (!refusal.isEmpty()) {
        refuse(path, refusal, parent);
        return false;
    }
    const Reading reading = readingOf(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // the opener tells what fails
    refusal = DocumentFile::readRefusal(&file);
    if (!refusal.isEmpty()) {
        refuse(path, refusal, parent);
        return false;
    }
    if (reading == AsDocument)
        return true; // the format readers keep their own budgets
    refusal = DocumentFile::textRefusal(&file, reading == AsHtml ? DocumentFile::Html : DocumentFile::PlainText);
    if (!refusal.isEmpty()) {
        refuse(path, refusal, parent);
        return false;
    }
    if (file.size() <= DocumentFile::LargeTextSize)
        return true;
    const auto answer = QMessageBox::question(
            parent, QGuiApplication::applicationDisplayName(),
            tr("%1 is %2 large.\n\nOpening it takes a while. Do you want to open it?")
                    .arg(QDir::toNativeSeparators(path), DocumentFile::sizeText(file.size())),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

bool DocumentAdmission::cutBeforeLongParagraph(QTextDocument *document, QString *error)
{
    const int excess = DocumentCapacity::firstExcess(document, error, UnicodeKaEditor::maxDocumentHeight());
    if (excess < 0)
        return true;
    QTextCursor cut(document);
    cut.setPosition(qMax(0, document->findBlockByNumber(excess).position() - 1));
    cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
    return false;
}
