#ifndef YAVO_TEXTCLIENT_H
#define YAVO_TEXTCLIENT_H

#include <QProcess>
#include <QString>
#include <QStringList>

// A window with a one-line field ("entry") and a multi-line one ("view"),
// made by a small program of a toolkit (gtktextclient.py, qttextclient)
// that the test drives over its standard input.
class TextClient
{
public:
    TextClient() = default;
    ~TextClient();

    TextClient(const TextClient &) = delete;
    TextClient &operator=(const TextClient &) = delete;

    // Starts the program and waits until its window is shown.
    bool start(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment);
    QString errorString() const { return m_error; }
    // The X window, for the desktop to activate.
    QString window() const { return m_window; }

    bool focus(const QString &field);
    QString text(const QString &field);
    // What the field shows of the input method's pre-edit.
    QString preedit(const QString &field);
    bool clear();
    // Once the focused field holds `length` characters, the program is
    // busy for msecs milliseconds.
    bool stall(int msecs, int length);

private:
    QString ask(const QString &command);
    // The text of a "text HEX" answer.
    QString textAnswer(const QString &command);

    QProcess m_process;
    QString m_window;
    QString m_error;
};

#endif
