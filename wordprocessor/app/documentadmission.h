#ifndef YAVO_DOCUMENTADMISSION_H
#define YAVO_DOCUMENTADMISSION_H

#include "formats/documentcapacity.h"

#include <QCoreApplication>
#include <QString>

class QTextDocument;
class QWidget;

// What the word processor looks at before a file gets a tab, and before
// what was read is shown: a file that is no regular file, no text or
// beyond the text budget gets a message instead of a tab, a large text a
// question; a paragraph too long to lay out, and what comes after it, is
// not shown.
class DocumentAdmission
{
    Q_DECLARE_TR_FUNCTIONS(DocumentAdmission)

public:
    DocumentAdmission() = delete;

    static constexpr int MaxParagraphLength = DocumentCapacity::MaxParagraphLength;

    // How the word processor reads a file, by its name's suffix.
    enum Reading { AsDocument, AsHtml, AsText };
    static Reading readingOf(const QString &path);

    // Tells the user that the file is not opened, and why.
    static void refuse(const QString &path, const QString &reason, QWidget *parent);

    // Whether the file may be opened. When not, the user has been told why,
    // or has said no to a large text.
    static bool admit(const QString &path, QWidget *parent);

    // Removes the first paragraph beyond what a document may hold (too long
    // to show, a line too many, or too far down to be laid out) and
    // everything after it; false, with *error saying why, when there was one.
    static bool cutBeforeLongParagraph(QTextDocument *document, QString *error);
};

#endif
