#ifndef YAVO_FUZZSUPPORT_H
#define YAVO_FUZZSUPPORT_H

#include <QBuffer>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

// The readers run the event loop and lay out text, so a headless GUI
// application must exist before the first input.
inline void startFuzzApplication(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    // Font and layout machinery keeps caches for the whole process; filling
    // them here keeps them out of the leak checks of the first inputs.
    QTextDocument warmUp;
    QTextCursor(&warmUp).insertHtml(QStringLiteral("<p><b>a</b><i>b</i> \u0c95</p>"));
    warmUp.toHtml();
    warmUp.size();
}

// Reads a whole input with a reader into a fresh document.
template<typename Reader>
void readInto(Reader &reader, QTextDocument &document, QByteArray &bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    reader.cursor = QTextCursor(&document);
    reader.readData(&buffer);
}

#endif
