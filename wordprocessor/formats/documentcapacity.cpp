#include "formats/documentcapacity.h"

#include "private/documentlimits_p.h"

#include <QLocale>
#include <QTextBlock>
#include <QTextDocument>

int DocumentCapacity::firstExcess(const QTextDocument *document, QString *reason)
{
    const int blocks = document->blockCount();
    const bool emptyEnd = blocks > 1 && document->lastBlock().length() == 1;
    if (blocks - (emptyEnd ? 1 : 0) > DocumentLimits::MaxTextParagraphs) {
        *reason = tr("It has %1 paragraphs; a document may have at most %2.")
                          .arg(QLocale().toString(blocks), QLocale().toString(DocumentLimits::MaxTextParagraphs));
        return int(DocumentLimits::MaxTextParagraphs);
    }
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const int length = block.length() - 1;
        if (length > MaxParagraphLength) {
            *reason = tr("It has a paragraph of %1 characters; the editor shows paragraphs of at most %2.")
                              .arg(QLocale().toString(length), QLocale().toString(MaxParagraphLength));
            return block.blockNumber();
        }
    }
    return -1;
}
