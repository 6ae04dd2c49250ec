#ifndef FUZZREADER_H
#define FUZZREADER_H

// Shared set-up of the reader fuzz targets: one headless application for the
// whole run, and one fresh document and reader per input.

#include "formatreader.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>

namespace FuzzReader {

inline void initialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Warnings of the zip and XML code about bad input are expected.
    qputenv("QT_LOGGING_RULES", "*.warning=false");
    // Kept for the whole run and never destroyed: the leak check at exit
    // then sees the platform's screens as still in use.
    static QGuiApplication *app = new QGuiApplication(*argc, *argv);
    Q_UNUSED(app)
}

template<typename Reader>
void run(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QTextDocument document;
    Reader reader;
    reader.cursor = QTextCursor(&document);
    reader.readData(&buffer);
    // Touch the result the way the editor does.
    (void)document.toPlainText();
}

} // namespace FuzzReader

#endif
