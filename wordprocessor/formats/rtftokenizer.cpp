#include "private/rtftokenizer_p.h"

#include <QCoreApplication>
#include <QIODevice>

#include <limits>

namespace {

constexpr int BufferSize = 8192;

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

RtfTokenizer::RtfTokenizer()
{
    buffer.reserve(BufferSize);
    text.reserve(BufferSize);
}

void RtfTokenizer::setDevice(QIODevice *device)
{
    this->device = device;
}

bool RtfTokenizer::hasNext() const
{
    return position < buffer.size() - 1 || (device && !device->atEnd());
}

char RtfTokenizer::next()
{
    ++position;
    if (position >= buffer.size()) {
        buffer.resize(BufferSize);
        const qint64 read = device->read(buffer.data(), BufferSize);
        if (read < 1) {
            buffer.clear();
            position = 0;
            throw QCoreApplication::translate("RtfTokenizer", "Unexpectedly reached end of file.");
        }
        buffer.resize(int(read));
        position = 0;
        QCoreApplication::processEvents();
    }
    return buffer.at(position);
}

void RtfTokenizer::readNext()
{
    for (;;) {
        type = TextToken;
        hex.clear();
        text.clear();
        value = 0;
        hasValue = false;
        if (!device)
            return;

        char c = next();
        while (c == '\r' || c == '\n')
            c = next();

        if (c == '{') {
            type = StartGroupToken;
            return;
        }
        if (c == '}') {
            type = EndGroupToken;
            return;
        }
        if (c != '\\') {
            text.append(c);
            for (c = next(); c != '\\' && c != '{' && c != '}' && c != '\r' && c != '\n'; c = next())
                text.append(c);
            pushBack();
            return;
        }

        type = ControlWordToken;
        c = next();
        if (c == '\'') {
            text.append(c);
            const int high = hexDigit(next());
            const int low = hexDigit(next());
            hex.append(char(high < 0 || low < 0 ? 0 : high * 16 + low));
            return;
        }
        if (!isLetter(c)) {
            text.append(c);
            return;
        }

        for (; isLetter(c); c = next())
            text.append(c);
        const bool negative = c == '-';
        if (negative)
            c = next();
        // A number beyond an int stands for the largest one of its sign: a
        // \bin count then runs past the end of the file, a \u character out
        // of range, instead of passing for zero.
        const qint64 limit = qint64(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
        qint64 number = 0;
        for (; isDigit(c); c = next()) {
            hasValue = true;
            number = qMin(number * 10 + (c - '0'), limit);
        }
        value = int(negative ? -number : number);
        if (c != ' ')
            pushBack();

        if (text != "bin")
            return;
        for (int skip = value; skip > 0; --skip)
            next();
    }
}
