#include "core/sharedsettings.h"
#include "testmain.h"
#include "urlopenrecorder.h"
#include "widgets/yvquickbytestoolbar.h"

#include <QDate>
#include <QFile>
#include <QFileSystemWatcher>
#include <QLocale>
#include <QSignalSpy>
#include <QTextCodec>
#include <QTime>
#include <QToolButton>

class TestYvQuickBytesToolBar : public QObject
{
    Q_OBJECT

private slots:
    void defaultFileIsTheBuiltInCopy();
    void missingFileIsCreatedFromTheBuiltInCopy();
    void parsesTheFile_data();
    void parsesTheFile();
    void textForFillsInDateAndTime();
    void clickedButtonEmitsTheStoredText();
    void kindsDiffer();
    void rebuildsWhenTheFileChanges();
    void editOpensTheFileWithoutStartingAProgram();
};

namespace {

const QString zwnj(QChar(0x200C));
const QString zwj(QChar(0x200D));
const QString candrabindu(QChar(0x0C81));
const QString nukta(QChar(0x0CBC));

QByteArray defaultFileBytes()
{
    QFile file(QStringLiteral(":/resources/quickbytes.txt"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeQuickBytes(const QByteArray &content)
{
    QFile file(SharedSettings::quickBytesPath());
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            && file.write(content) == content.size();
}

QList<QToolButton *> entryButtons(const yvQuickBytesToolBar &bar)
{
    QList<QToolButton *> buttons;
    for (QAction *action : bar.actions()) {
        auto *button = qobject_cast<QToolButton *>(bar.widgetForAction(action));
        if (button && button != bar.editButton())
            buttons.append(button);
    }
    return buttons;
}

// "label=text" of every entry button, in order, the text as its tool tip
// shows it (the stored text).
QStringList entries(const yvQuickBytesToolBar &bar)
{
    QStringList out;
    for (QToolButton *button : entryButtons(bar))
        out << button->text() + QLatin1Char('=') + button->toolTip();
    return out;
}

QString fromCodePoints(std::initializer_list<uint> points)
{
    QString s;
    for (uint p : points)
        s.append(QChar(p));
    return s;
}

} // namespace

void TestYvQuickBytesToolBar::defaultFileIsTheBuiltInCopy()
{
    Q_INIT_RESOURCE(yavocommon);
    const QByteArray bytes = defaultFileBytes();
    QCOMPARE(bytes.size(), 294);
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(bytes.count('\n'), 9);
    QCOMPARE(bytes.count("\r\n"), 9);
    QVERIFY(bytes.startsWith("// Help : Set your own short-cut QuickBytes as follows,\r\n"
                             "// It helps you to type many repetitive words quickly,\r\n"
                             "// keep one pair per line\r\n"));
    QVERIFY(QTextCodec::codecForName("UTF-8")->canEncode(QString::fromUtf8(bytes)));
}

void TestYvQuickBytesToolBar::missingFileIsCreatedFromTheBuiltInCopy()
{
    TestSandbox sandbox;
    QVERIFY(!QFile::exists(SharedSettings::quickBytesPath()));
    yvQuickBytesToolBar bar(yvQuickBytesToolBar::QB_Editor);

    QFile copy(SharedSettings::quickBytesPath());
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), defaultFileBytes());

    const QString thanks = fromCodePoints({0x0CA7, 0x0CA8, 0x0CCD, 0x0CAF, 0x0CB5, 0x0CBE, 0x0CA6});
    QCOMPARE(entries(bar), QStringList({
        QStringLiteral("zwnj=") + zwnj,
        QStringLiteral("zwj=") + zwj,
        candrabindu + QLatin1Char('=') + candrabindu,
        nukta + QLatin1Char('=') + nukta,
        QStringLiteral("ava=") + QChar(0x0CBD),
        QStringLiteral("ay=") + fromCodePoints({0x0C86, 0x0CCD, 0x0CAF}),
        QStringLiteral("rya=") + fromCodePoints({0x0CB0, 0x0CCD, 0x200D, 0x0CAF}),
        QStringLiteral("ty=") + thanks + QStringLiteral("\\n{date}\\n{time}"),
        QStringLiteral("sw=") + fromCodePoints({0x0CB8, 0x0CBE, 0x0CAA, 0x0CCD, 0x0C9F, 0x0CCD,
                                                0x200C, 0x0CB5, 0x0CC7, 0x0CB0, 0x0CCD}),
        fromCodePoints({0x0CA4, 0x0CA4}) + QLatin1Char('=')
            + fromCodePoints({0x0CA4, 0x0C82, 0x0CA4, 0x0CCD, 0x0CB0, 0x0CBE, 0x0C82, 0x0CB6}),
    }));

    // An existing file is never overwritten by the built-in copy.
    QVERIFY(writeQuickBytes("mine=text\n"));
    yvQuickBytesToolBar again(yvQuickBytesToolBar::QB_IME);
    QCOMPARE(entries(again), QStringList{QStringLiteral("mine=text")});
}

void TestYvQuickBytesToolBar::parsesTheFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QB_Type>("type");
    QTest::addColumn<QStringList>("expected");

    const auto ime = yvQuickBytesToolBar::QB_IME;
    const auto editor = yvQuickBytesToolBar::QB_Editor;
    const QStringList builtIns{QStringLiteral("zwnj=") + zwnj, QStringLiteral("zwj=") + zwj,
                               candrabindu + QLatin1Char('=') + candrabindu,
                               nukta + QLatin1Char('=') + nukta};

    QTest::newRow("middle pieces dropped") << QByteArray("a=b=c\n") << ime << QStringList{"a=c"};
    QTest::newRow("empty piece skipped") << QByteArray("a==b\n") << ime << QStringList{"a=b"};
    QTest::newRow("blanks trimmed") << QByteArray(" a = b \n") << ime << QStringList{"a=b"};
    QTest::newRow("broken lines skipped")
            << QByteArray("=x\na=\na= \na\n\n   \nok=1\n") << ime << QStringList{"ok=1"};
    QTest::newRow("comments") << QByteArray("// note=x\n //note=y\n") << ime
                              << QStringList{"//note=y"};
    QTest::newRow("first occurrence wins") << QByteArray("a=1\na=2\n") << ime << QStringList{"a=1"};
    QTest::newRow("labels are case-sensitive") << QByteArray("A=1\na=2\n") << ime
                                               << QStringList{"A=1", "a=2"};
    QTest::newRow("crlf and backslash-n kept")
            << QByteArray("x=one\\ntwo\r\ny={date} {time}\r\n") << ime
            << QStringList{"x=one\\ntwo", "y={date} {time}"};
    QTest::newRow("utf-16 with byte-order mark")
            << QByteArray("\xFF\xFE" "k\0=\0\x95\x0C\n\0", 10) << ime
            << QStringList{QStringLiteral("k=") + QChar(0x0C95)};
    QTest::newRow("built-ins win in the editor")
            << QByteArray("zwnj=x\nzwj=y\nz=1\n") << editor
            << (builtIns + QStringList{"z=1"});
    QTest::newRow("no built-ins in the input method")
            << QByteArray("zwnj=x\nzwj=y\n") << ime << QStringList{"zwnj=x", "zwj=y"};
}

void TestYvQuickBytesToolBar::parsesTheFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QB_Type, type);
    QFETCH(QStringList, expected);

    TestSandbox sandbox;
    QVERIFY(writeQuickBytes(content));
    yvQuickBytesToolBar bar(type);
    QCOMPARE(entries(bar), expected);
    for (const QString &entry : expected) {
        const int eq = entry.indexOf(QLatin1Char('='));
        if (!entry.contains(QLatin1Char('{')))
            QCOMPARE(bar.textFor(entry.left(eq)), entry.mid(eq + 1));
    }
}

void TestYvQuickBytesToolBar::textForFillsInDateAndTime()
{
    TestSandbox sandbox;
    QVERIFY(writeQuickBytes("d={date}|{date}\nD={Date}\nt=at {time}\nn=a\\nb\n"));
    yvQuickBytesToolBar bar(yvQuickBytesToolBar::QB_IME);

    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    QCOMPARE(bar.textFor(QStringLiteral("d")), today + QLatin1Char('|') + today);
    QCOMPARE(bar.textFor(QStringLiteral("D")), QStringLiteral("{Date}"));
    QCOMPARE(bar.textFor(QStringLiteral("n")), QStringLiteral("a\\nb"));

    const QString time = bar.textFor(QStringLiteral("t"));
    const QTime parsed = QTime::fromString(time.mid(3), QStringLiteral("h:m:s ap"));
    QVERIFY2(parsed.isValid(), qPrintable(time));
    QVERIFY(qAbs(parsed.secsTo(QTime::currentTime())) < 5);

    QCOMPARE(bar.textFor(QString()), QString());
    QCOMPARE(bar.textFor(QStringLiteral("nope")), QString());
    QCOMPARE(bar.textFor(QStringLiteral("T")), QString());
}

void TestYvQuickBytesToolBar::clickedButtonEmitsTheStoredText()
{
    TestSandbox sandbox;
    QVERIFY(writeQuickBytes("d=on {date}\\n\n"));
    yvQuickBytesToolBar bar(yvQuickBytesToolBar::QB_Editor);
    QSignalSpy spy(&bar, &yvQuickBytesToolBar::charClicked);

    const QList<QToolButton *> buttons = entryButtons(bar);
    QCOMPARE(buttons.size(), 5);
    buttons.at(0)->click();
    buttons.at(4)->click();
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.at(0).at(0).toString(), zwnj);
    QCOMPARE(spy.at(1).at(0).toString(), QStringLiteral("on {date}\\n"));
}

void TestYvQuickBytesToolBar::kindsDiffer()
{
    TestSandbox sandbox;
    QVERIFY(writeQuickBytes("a=1\n"));
    yvQuickBytesToolBar editor(yvQuickBytesToolBar::QB_Editor);
    yvQuickBytesToolBar ime(yvQuickBytesToolBar::QB_IME);

    for (yvQuickBytesToolBar *bar : {&editor, &ime}) {
        QCOMPARE(bar->windowTitle(), QStringLiteral("QuickBytesbar"));
        QVERIFY(!bar->isAreaAllowed(Qt::TopToolBarArea));
        QVERIFY(bar->isAreaAllowed(Qt::BottomToolBarArea));
        QVERIFY(bar->editButton());
        QCOMPARE(bar->editButton()->text(), QStringLiteral("..."));
        QCOMPARE(bar->editButton()->toolTip(), QStringLiteral("Edit quick bytes"));
        QVERIFY(bar->editButton()->isEnabled());
        // The edit button and a separator come before the entries.
        QCOMPARE(bar->widgetForAction(bar->actions().at(0)), bar->editButton());
        QVERIFY(bar->actions().at(1)->isSeparator());
    }
    QCOMPARE(entryButtons(editor).size(), 5);
    for (QToolButton *button : entryButtons(editor))
        QVERIFY(button->isEnabled());

    QCOMPARE(entries(ime), QStringList{"a=1"});
    QToolButton *disabled = entryButtons(ime).at(0);
    QVERIFY(!disabled->isEnabled());
    QSignalSpy spy(&ime, &yvQuickBytesToolBar::charClicked);
    QTest::mouseClick(disabled, Qt::LeftButton);
    QCOMPARE(spy.size(), 0);
    QCOMPARE(ime.textFor(QStringLiteral("a")), QStringLiteral("1"));
}

void TestYvQuickBytesToolBar::rebuildsWhenTheFileChanges()
{
    TestSandbox sandbox;
    QVERIFY(writeQuickBytes("a=1\nb=2\n"));
    yvQuickBytesToolBar bar(yvQuickBytesToolBar::QB_IME);
    const int fixedActions = bar.actions().size() - 2;
    const auto childButtons = [&bar] {
        return bar.findChildren<QToolButton *>(QString(), Qt::FindDirectChildrenOnly).size();
    };
    const int fixedButtons = childButtons() - 2;

    QFileSystemWatcher watcher({SharedSettings::quickBytesPath()});
    connect(&watcher, &QFileSystemWatcher::fileChanged, &bar, &yvQuickBytesToolBar::updateToolbar);
    QVERIFY(writeQuickBytes("c=3\n"));
    QTRY_COMPARE(entries(bar), QStringList{"c=3"});
    QCOMPARE(bar.textFor(QStringLiteral("a")), QString());
    QCOMPARE(bar.textFor(QStringLiteral("c")), QStringLiteral("3"));

    // Old buttons go with their actions: nothing empty is left on the bar.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(bar.actions().size(), fixedActions + 1);
    QCOMPARE(childButtons(), fixedButtons + 1);

    // A deleted file leaves the built-ins only and is not made again.
    yvQuickBytesToolBar editor(yvQuickBytesToolBar::QB_Editor);
    QVERIFY(QFile::remove(SharedSettings::quickBytesPath()));
    editor.updateToolbar();
    bar.updateToolbar();
    QCOMPARE(entryButtons(editor).size(), 4);
    QVERIFY(entries(bar).isEmpty());
    QVERIFY(!QFile::exists(SharedSettings::quickBytesPath()));
}

void TestYvQuickBytesToolBar::editOpensTheFileWithoutStartingAProgram()
{
    TestSandbox sandbox;
    UrlOpenRecorder recorder;
    yvQuickBytesToolBar bar(yvQuickBytesToolBar::QB_IME);
    const QString path = SharedSettings::quickBytesPath();
    QVERIFY(QFile::remove(path));

    bar.editButton()->click();
    QCOMPARE(recorder.urls(), QList<QUrl>{QUrl::fromLocalFile(path)});
    QFile copy(path);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), defaultFileBytes());
    const QFile::Permissions mask = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
            | QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
            | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(copy.permissions() & mask, QFile::ReadOwner | QFile::WriteOwner);
}

YAVO_TEST_MAIN(TestYvQuickBytesToolBar)
#include "tst_yvquickbytestoolbar.moc"
