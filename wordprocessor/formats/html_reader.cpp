#include "formats/html_reader.h"

#include "private/unicodetext_p.h"

#include <QCoreApplication>
#include <QTextStream>

html_reader::html_reader() = default;

int html_reader::type() const
{
    return HtmlType;
}

void html_reader::readData(QIODevice *device)
{
    cursor.beginEditBlock();
    QTextStream stream(device);
    UnicodeText::prepareForReading(stream, device, &encoding);
    // Markup is parsed as one fragment: pieces parsed apart would turn a
    // tag cut at their edge into text and lose the head's styles.
    const QString html = stream.readAll();
    QCoreApplication::processEvents();
    if (!html.isEmpty())
        cursor.insertHtml(html);
    cursor.endEditBlock();
}
