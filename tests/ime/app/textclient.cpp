#include "textclient.h"

#include "processline.h"

namespace {

constexpr int answerMsecs = 20000;

} // namespace

TextClient::~TextClient()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.write("quit\n");
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool TextClient::start(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment)
{
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(program, arguments);
    const QString ready = ask(QString());
    if (!ready.startsWith(QLatin1String("ready "))) {
        m_error = QStringLiteral("%1 did not show its window").arg(program);
        return false;
    }
    m_window = ready.mid(6);
    return true;
}

bool TextClient::focus(const QString &field)
{
    return ask(QStringLiteral("focus ") + field) == QLatin1String("ok");
}

QString TextClient::text(const QString &field)
{
    return textAnswer(QStringLiteral("text ") + field);
}

QString TextClient::preedit(const QString &field)
{
    return textAnswer(QStringLiteral("preedit ") + field);
}

QString TextClient::textAnswer(const QString &command)
{
    const QString answer = ask(command);
    return QString::fromUtf8(QByteArray::fromHex(answer.mid(5).toLatin1()));
}

bool TextClient::clear()
{
    return ask(QStringLiteral("clear")) == QLatin1String("ok");
}

bool TextClient::stall(int msecs, int length)
{
    return ask(QStringLiteral("stall %1 %2").arg(msecs).arg(length)) == QLatin1String("ok");
}

// Sends the command (none: only waits) and returns the answer line.
QString TextClient::ask(const QString &command)
{
    if (!command.isEmpty())
        m_process.write(command.toUtf8() + '\n');
    return readProcessLine(m_process, answerMsecs);
}
