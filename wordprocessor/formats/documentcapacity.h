#ifndef YAVO_DOCUMENTCAPACITY_H
#define YAVO_DOCUMENTCAPACITY_H

#include <QCoreApplication>
#include <QString>

class QTextDocument;

// What a document may hold for the word processor to show it and, saved in
// any format, to open it again: no more lines than the longest text file
// has, no paragraph longer than the editor lays out in good time. The
// readers' budgets give no more; what the user types or pastes beyond it is
// not saved, with a message, rather than written into a file that would
// not open.
class DocumentCapacity
{
    Q_DECLARE_TR_FUNCTIONS(DocumentCapacity)

public:
    DocumentCapacity() = delete;

    // The editor lays out a paragraph whole, and again at every key typed
    // into it: some tens of thousands of characters take seconds.
    static constexpr int MaxParagraphLength = 65536;

    // The number of the first paragraph beyond what a document may hold,
    // -1 when there is none; *reason then says why. An empty paragraph
    // after the last line is the end of that line, as a text's last line
    // break is, and no line of its own.
    static int firstExcess(const QTextDocument *document, QString *reason);
};

#endif
