#ifndef OFFICETESTUTIL_H
#define OFFICETESTUTIL_H

// Helpers shared by the DOCX and ODT tests: build packages in memory, run a
// reader on bytes, and look at the resulting blocks.

#include "formats/formatreader.h"
#include "zippackage_p.h"

#include <QBuffer>
#include <QIODevice>
#include <QPair>
#include <QRandomGenerator>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVector>

namespace OfficeTest {

using Entries = QVector<QPair<QString, QByteArray>>;

inline QByteArray zip(const Entries &entries)
{
    ZipPackage package;
    for (const auto &entry : entries)
        package.addEntry(entry.first, entry.second,
                         entry.first == QLatin1String("mimetype") ? ZipPackage::Stored : ZipPackage::Deflated);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    package.save(&buffer);
    return buffer.data();
}

// Runs a fresh reader of type R on the bytes into `document`; returns the
// reader's error text.
template<typename R>
QString read(const QByteArray &bytes, QTextDocument *document)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    R reader;
    reader.cursor = QTextCursor(document);
    reader.readData(&buffer);
    return reader.errorText;
}

template<typename W>
QByteArray write(QTextDocument *document, W &writer)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!writer.write(&buffer, document))
        return QByteArray();
    return buffer.data();
}

// Bytes that deflate does not shrink, the same in every run: the padding of
// an archive whose size says nothing about its document.
inline QByteArray incompressible(int size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator generator(size);
    generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / int(sizeof(quint32)));
    return bytes;
}

inline QByteArray entry(const QByteArray &package, const QString &name)
{
    QBuffer buffer;
    buffer.setData(package);
    buffer.open(QIODevice::ReadOnly);
    ZipPackage zip;
    if (!zip.open(&buffer))
        return QByteArray();
    return zip.entry(name);
}

inline QStringList blockTexts(const QTextDocument &document)
{
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

// The character format at `position` within block `blockNumber` (the
// format of the character after the position).
inline QTextCharFormat charFormatAt(const QTextDocument &document, int blockNumber, int position)
{
    const QTextBlock block = document.findBlockByNumber(blockNumber);
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int start = fragment.position() - block.position();
        if (position >= start && position < start + fragment.length())
            return fragment.charFormat();
    }
    return QTextCharFormat();
}

// Formatting of a character as the formats carry it, in one comparable string.
inline QString describe(const QTextCharFormat &format)
{
    QStringList parts;
    if (format.fontWeight() == QFont::Bold)
        parts << QStringLiteral("bold");
    if (format.fontItalic())
        parts << QStringLiteral("italic");
    if (format.fontUnderline())
        parts << QStringLiteral("underline");
    if (format.fontStrikeOut())
        parts << QStringLiteral("strike");
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        parts << QStringLiteral("super");
    if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        parts << QStringLiteral("sub");
    return parts.join(QLatin1Char(' '));
}

// The formatting of the first occurrence of each word in block
// `blockNumber`, described as describe() does; "missing" for a word that is
// not there.
inline QStringList formatsOfWords(const QTextDocument &document, int blockNumber, const QStringList &words)
{
    const QString text = document.findBlockByNumber(blockNumber).text();
    QStringList formats;
    for (const QString &word : words) {
        const int at = text.indexOf(word);
        formats << (at < 0 ? QStringLiteral("missing") : describe(charFormatAt(document, blockNumber, at)));
    }
    return formats;
}

inline int headingLevel(const QTextBlock &block)
{
    return block.blockFormat().intProperty(HeadingLevelProperty);
}

// A device whose writes fail, as on a full disk.
class FailingDevice : public QIODevice
{
protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64) override { return -1; }
};

// Two paragraphs with characters no XML file can carry (lone surrogates and
// a control character) beside a surrogate pair that it can.
inline void insertCharactersXmlCannotCarry(QTextDocument *document)
{
    QTextCursor cursor(document);
    cursor.insertText(QString("a") + QChar(0xD800) + "b");
    cursor.insertBlock();
    cursor.insertText(QString("c") + QChar(0xDC00) + QChar(0x0001) + QString::fromUtf8("\xf0\x9f\x98\x80") + "d");
}

// Those paragraphs as they read back: each unsafe character is U+FFFD.
inline QStringList charactersXmlCannotCarryReadBack()
{
    return {QString("a\uFFFDb"), QString("c\uFFFD\uFFFD") + QString::fromUtf8("\xf0\x9f\x98\x80") + "d"};
}

} // namespace OfficeTest

#endif
