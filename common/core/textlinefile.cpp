#include "core/textlinefile.h"

#include "core/sharedsettings.h"

#include <QFile>
#include <QTextStream>

QStringList TextLineFile::readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringList();
    QTextStream in(&file);
    in.setCodec(utf8CodecName.constData());
    in.setAutoDetectUnicode(true);
    QStringList lines;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (!line.isEmpty())
            lines.append(line);
    }
    lines.removeDuplicates();
    return lines;
}

bool TextLineFile::appendLine(const QString &text, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Text))
        return false;
    // A last line without its line end, as a hand-edited file may have,
    // would otherwise run into the new one and both would be lost.
    const qint64 size = file.size();
    char last = '\n';
    if (size > 0 && (!file.seek(size - 1) || !file.getChar(&last) || !file.seek(size)))
        return false;
    QTextStream out(&file);
    out.setCodec(utf8CodecName.constData());
    out.setGenerateByteOrderMark(size == 0);
    if (last != '\n')
        out << "\n";
    out << text << "\n";
    out.flush();
    // A full disk must not pass for a saved word.
    const bool written = out.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

bool TextLineFile::writeLines(const QStringList &lines, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out.setCodec(utf8CodecName.constData());
    out.setGenerateByteOrderMark(true);
    out << lines.join(QLatin1Char('\n'));
    out.flush();
    const bool written = out.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
    file.close();
    return written && file.error() == QFileDevice::NoError;
}
