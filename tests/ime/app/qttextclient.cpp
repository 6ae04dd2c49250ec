// A Qt window with a one-line field and a text edit, typed into through the
// desktop's input method. The test drives it over standard input with the
// commands of gtktextclient.py and reads the same answers.

#include <QApplication>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSocketNotifier>
#include <QTextEdit>
#include <QThread>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

class Client : public QWidget
{
public:
    Client()
    {
        setWindowTitle(QStringLiteral("yavo-qt-client"));
        resize(600, 300);
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(&m_entry);
        layout->addWidget(&m_view);
        connect(&m_entry, &QLineEdit::textChanged, this, [this] { onChanged(); });
        connect(&m_view, &QTextEdit::textChanged, this, [this] { onChanged(); });
        connect(&m_commands, &QSocketNotifier::activated, this, [this] { onCommand(); });
        m_entry.installEventFilter(this);
        m_view.installEventFilter(this);
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        QWidget::showEvent(event);
        if (!m_announced) {
            m_announced = true;
            answer("ready " + std::to_string(winId()));
        }
    }

    // What the field shows of the input method's pre-edit.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::InputMethod)
            (watched == &m_entry ? m_entryPreedit : m_viewPreedit) = static_cast<QInputMethodEvent *>(event)->preeditString();
        return QWidget::eventFilter(watched, event);
    }

private:
    QWidget *field(const std::string &name) { return name == "entry" ? static_cast<QWidget *>(&m_entry) : &m_view; }

    QString text(const std::string &name) const
    {
        return name == "entry" ? m_entry.text() : m_view.toPlainText();
    }

    static void answer(const std::string &line)
    {
        std::cout << line << std::endl;
    }

    void onChanged()
    {
        if (m_stallMsecs <= 0)
            return;
        if (text(m_entry.hasFocus() ? "entry" : "view").size() >= m_stallLength) {
            const int msecs = m_stallMsecs;
            m_stallMsecs = 0;
            QThread::msleep(ulong(msecs));
        }
    }

    void onCommand()
    {
        std::string command;
        std::string argument;
        if (!std::getline(std::cin, command)) {
            QApplication::quit();
            return;
        }
        const auto space = command.find(' ');
        if (space != std::string::npos) {
            argument = command.substr(space + 1);
            command.resize(space);
        }
        if (command == "focus") {
            activateWindow();
            field(argument)->setFocus(Qt::OtherFocusReason);
            answer("ok");
        } else if (command == "text") {
            answer("text " + text(argument).toUtf8().toHex().toStdString());
        } else if (command == "preedit") {
            const QString &preedit = argument == "entry" ? m_entryPreedit : m_viewPreedit;
            answer("text " + preedit.toUtf8().toHex().toStdString());
        } else if (command == "clear") {
            m_entry.clear();
            m_view.clear();
            answer("ok");
        } else if (command == "stall") {
            const auto second = argument.find(' ');
            m_stallMsecs = std::stoi(argument.substr(0, second));
            m_stallLength = std::stoi(argument.substr(second + 1));
            answer("ok");
        } else if (command == "quit") {
            QApplication::quit();
        } else {
            answer("error unknown command " + command);
        }
    }

    QLineEdit m_entry;
    QTextEdit m_view;
    QString m_entryPreedit;
    QString m_viewPreedit;
    QSocketNotifier m_commands{fileno(stdin), QSocketNotifier::Read};
    bool m_announced = false;
    int m_stallMsecs = 0;
    int m_stallLength = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Client client;
    client.show();
    return app.exec();
}
