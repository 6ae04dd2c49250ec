#include "private/unicodetext_p.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QTextCodec>
#include <QTextStream>

namespace UnicodeText {

QTextCodec *codecForReading(QIODevice *device, QByteArray *encoding)
{
    QTextCodec *codec = QTextCodec::codecForUtfText(device->peek(4), nullptr);
    if (codec)
        *encoding = codec->name().toUpper();
    else
        codec = QTextCodec::codecForName("UTF-8");
    return codec;
}

void prepareForWriting(QTextStream &stream, const QByteArray &encoding)
{
    QTextCodec *codec = encoding.isEmpty() ? nullptr : QTextCodec::codecForName(encoding);
    stream.setCodec(codec ? codec : QTextCodec::codecForName("UTF-8"));
    stream.setAutoDetectUnicode(true);
    stream.setGenerateByteOrderMark(true);
}

QString withoutLoneSurrogates(const QString &text)
{
    // Nearly every text holds no surrogate: a quick look over all of it
    // first (a long text is read through twice, once to be admitted).
    const ushort *units = text.utf16();
    const int n = text.size();
    int i = 0;
    while (i < n && (units[i] & 0xF800) != 0xD800)
        ++i;
    if (i == n)
        return text;
    QString result = text;
    for (; i < n; ++i) {
        const QChar c = result.at(i);
        if (c.isHighSurrogate() && i + 1 < n && result.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            result[i] = QChar(QChar::ReplacementCharacter);
    }
    return result;
}

bool isParagraphBreak(QChar c)
{
    // The frame marks are the characters QTextDocument itself puts where a
    // frame starts and ends; inserted as text, each starts a paragraph.
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator
        || c.unicode() == 0xFDD0 || c.unicode() == 0xFDD1;
}

qint64 paragraphBreaks(const QString &text)
{
    qint64 count = 0;
    const ushort *units = text.utf16();
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const ushort c = units[i];
        // Letters of every script the suite writes lie between the breaks.
        if (c > '\r' && c < QChar::ParagraphSeparator)
            continue;
        // A carriage return and the line feed after it end one paragraph.
        if (isParagraphBreak(QChar(c)) && !(c == '\r' && i + 1 < n && units[i + 1] == '\n'))
            ++count;
    }
    return count;
}

} // namespace UnicodeText

UnicodeTextReader::UnicodeTextReader(QIODevice *device, QByteArray *encoding)
    : m_device(device)
    , m_decoder(UnicodeText::codecForReading(device, encoding)->makeDecoder())
{
}

UnicodeTextReader::~UnicodeTextReader() = default;

bool UnicodeTextReader::atEnd() const
{
    return (m_keptBack.isEmpty() && m_device->atEnd()) || !m_error.isEmpty();
}

QString UnicodeTextReader::read(qint64 maxBytes)
{
    const QByteArray bytes = m_device->read(maxBytes);
    if (bytes.isEmpty() && !m_device->atEnd()) {
        // A device that gives nothing before its end never will.
        m_error = QCoreApplication::translate("UnicodeTextReader", "The file could not be read to its end: %1")
                          .arg(m_device->errorString());
    }
    QString text = m_keptBack + m_decoder->toUnicode(bytes);
    m_keptBack.clear();
    if (m_device->atEnd()) {
        if (m_decoder->needsMoreData())
            text += QChar(QChar::ReplacementCharacter);
    } else if (!text.isEmpty() && (text.at(text.size() - 1).isHighSurrogate() || text.at(text.size() - 1) == QLatin1Char('\r'))) {
        m_keptBack = text.right(1);
        text.chop(1);
    }
    return UnicodeText::withoutLoneSurrogates(text);
}

QString UnicodeTextReader::errorString() const
{
    return m_error;
}
