#ifndef YAVO_INPLACETEXT_P_H
#define YAVO_INPLACETEXT_P_H

#include <QString>

#include <algorithm>

// A conversion's result, written in place at the end of a string. A step
// adds a few characters at most, and QString's own append costs far more
// than the characters it adds: here room is made in advance, each step makes
// sure of its room with one comparison and writes through a pointer, and
// finish() cuts the string back to what was written. Until then the string
// is longer than the result.
class InPlaceText
{
public:
    InPlaceText(QString &result, int expectedSize)
        : m_result(result)
        , m_start(result.size())
    {
        grow(expectedSize);
    }

    void finish() { m_result.resize(m_start + m_size); }

    void append(QChar c)
    {
        makeRoom(1);
        m_text[m_size++] = c;
    }
    void append(const QChar *text, int count)
    {
        makeRoom(count);
        std::copy(text, text + count, m_text + m_size);
        m_size += count;
    }

protected:
    void makeRoom(int count)
    {
        if (m_size + count > m_room)
            grow(std::max(2 * m_room, m_size + count));
    }

    // The characters written so far, counted from where the result starts.
    QChar *m_text = nullptr;
    int m_size = 0;

private:
    void grow(int room)
    {
        m_room = room;
        m_result.resize(m_start + m_room);
        m_text = m_result.data() + m_start;
    }

    QString &m_result;
    const int m_start;
    int m_room = 0;
};

#endif
