#ifndef YAVO_DOCUMENTADMISSION_H
#define YAVO_DOCUMENTADMISSION_H

#include <QCoreApplication>
#include <QString>

class QTextDocument;
class QWidget;

// What the word processor looks at before a file gets a tab, and before
// what was read is shown: a file that is no regular file, no text or
// beyond the text budget gets a message instead of a tab, a large text a
// question; a paragraph too long to lay out is not shown.
class DocumentAdmission
{
    Q_DECLARE_TR_FUNCTIONS(DocumentAdmission)

public:
    DocumentAdmission() = delete;

    // The editor lays out a paragraph whole, and again at every key typed
    // into it: some tens of thousands of characters take seconds.
    static constexpr int MaxParagraphLength = 65536;

    // How the word processor reads a file, by its name's suffix.
    enum Reading { AsDocument, AsHtml, AsText };
    static Reading readingOf(const QString &path);

    // Whether the file may be opened. When not, the user has been told why,
    // or has said no to a large text.
    static bool admit(const QString &path, QWidget *parent);

    // Removes the first paragraph too long to show and everything after
    // it; false, with *error saying why, when there was one.
    static bool cutBeforeLongParagraph(QTextDocument *document, QString *error);
};

#endif
