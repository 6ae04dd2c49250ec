#include "testmain.h"

#include "tutor/yvkeyboardmodel.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QSignalSpy>

Q_DECLARE_METATYPE(QList<KeyItem>)

using Role = yvKeyboardModel::KeyRole;

namespace {

// What the keyboard view hands the model: an object with the typed text.
void press(yvKeyboardModel &model, const QString &text)
{
    QObject event;
    event.setProperty("text", text);
    model.onKeyPressed(&event);
}

// Draws until the wanted character is asked (each draw is random).
bool askFor(yvKeyboardModel &model, const QString &wanted)
{
    for (int i = 0; i < 10000 && model.getAskingChar() != wanted; ++i)
        model.updateAskingChar();
    return model.getAskingChar() == wanted;
}

// The model's signals in the order they came, with what they carried.
class SignalLog : public QObject
{
public:
    explicit SignalLog(yvKeyboardModel *model)
    {
        connect(model, &yvKeyboardModel::isReadyChanged, this,
                [this](bool ready) { entries << QStringLiteral("ready %1").arg(ready); });
        connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] { entries << "aboutToReset"; });
        connect(model, &QAbstractItemModel::modelReset, this, [this] { entries << "reset"; });
        connect(model, &yvKeyboardModel::askingCharChanged, this,
                [this](int row, const QString &, bool) { entries << QStringLiteral("asking %1").arg(row); });
        connect(model, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex &from, const QModelIndex &to) {
                    entries << QStringLiteral("data %1-%2").arg(from.row()).arg(to.row());
                });
        connect(model, &yvKeyboardModel::keyPressed, this,
                [this](const QModelIndex &index) { entries << QStringLiteral("pressed %1").arg(index.row()); });
    }
    QStringList entries;
};

} // namespace

class TestYvKeyboardModel : public QObject
{
    Q_OBJECT

private slots:
    void builtInLayoutFile();
    void keyRoles_data();
    void keyRoles();
    void keyRowFiles_data();
    void keyRowFiles();
    void displayTextOfWideKeys_data();
    void displayTextOfWideKeys();
    void roleNamesLeaveOutTheDisplayRole();
    void changingLanguageOrLayout_data();
    void changingLanguageOrLayout();
    void drawsOnlyCharactersAKeyShows_data();
    void drawsOnlyCharactersAKeyShows();
    void withNothingToAskAsksNothing_data();
    void withNothingToAskAsksNothing();
    void keyPresses_data();
    void keyPresses();
    void askedCharacterInIndic_data();
    void askedCharacterInIndic();
    void setDataAnnouncesButKeepsTheKey();
    void insertRowsAddsAndAnnouncesNothing();
    void removeRows_data();
    void removeRows();
    void namesOfLanguageAndLayout_data();
    void namesOfLanguageAndLayout();
};

void TestYvKeyboardModel::builtInLayoutFile()
{
    QFile file(QStringLiteral(":/qrc/keylayout.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.size(), 265);
    QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));

    QScopedPointer<yvKeyboardModel> model(yvKeyboardModel::createFromKeyLayout());
    QAbstractItemModelTester tester(model.data(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model->rowCount(), 48);
    QCOMPARE(model->rowCount(model->index(0)), 0);
    QVERIFY(!model->data(model->index(48), Role::RomanCharRole).isValid());
    QVERIFY(!model->data(QModelIndex(), Role::RomanCharRole).isValid());
    QCOMPARE(model->flags(model->index(3)), Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled);
    QCOMPARE(model->flags(QModelIndex()), Qt::NoItemFlags);
}

void TestYvKeyboardModel::keyRoles_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("keyboard");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");

    const QString shift = QStringLiteral("SHFT        ");
    QTest::newRow("shift key caption") << 0 << 0 << 36 << int(Role::RomanCharRole) << QVariant(shift);
    QTest::newRow("shift key display") << 0 << 0 << 36 << int(Qt::DisplayRole) << QVariant(shift);
    QTest::newRow("shift key shifted") << 0 << 0 << 36 << int(Role::RomanUpperCharRole) << QVariant("SHFT");
    QTest::newRow("shift key is special") << 0 << 0 << 36 << int(Role::IsSpecialKeyRole) << QVariant(true);
    QTest::newRow("shift key is shift") << 0 << 0 << 36 << int(Role::IsShiftKeyRole) << QVariant(true);
    QTest::newRow("shift key counts as letter") << 0 << 0 << 36 << int(Role::IsAlphaKeyRole) << QVariant(true);
    QTest::newRow("shift key hides shifted") << 0 << 0 << 36 << int(Role::RomanUpperChIsVisibleRole) << QVariant(false);
    QTest::newRow("shift key has no Indic") << 0 << 0 << 36 << int(Role::IndicLCharRole) << QVariant(QString());
    QTest::newRow("shift key width") << 0 << 0 << 36 << int(Role::WidthFactorRole) << QVariant(1.8);
    QTest::newRow("digit one") << 0 << 0 << 0 << int(Role::RomanCharRole) << QVariant("1");
    QTest::newRow("digit one in Kannada") << 0 << 0 << 0 << int(Role::IndicLCharRole) << QVariant(QStringLiteral("\u0CE7"));
    QTest::newRow("digit one in Hindi") << 4 << 0 << 0 << int(Role::IndicLCharRole) << QVariant(QStringLiteral("\u0967"));
    QTest::newRow("digit one shifted") << 0 << 0 << 0 << int(Role::RomanUpperCharRole) << QVariant("!");
    QTest::newRow("digit key shows !") << 0 << 0 << 0 << int(Role::RomanUpperChIsVisibleRole) << QVariant(true);
    QTest::newRow("a in Kannada") << 0 << 0 << 24 << int(Role::IndicLCharRole) << QVariant(QStringLiteral("\u0C85"));
    QTest::newRow("A in Kannada") << 0 << 0 << 24 << int(Role::IndicUCharRole) << QVariant(QStringLiteral("\u0C86"));
    QTest::newRow("a in Telugu") << 1 << 0 << 24 << int(Role::IndicLCharRole) << QVariant(QStringLiteral("\u0C05"));
    QTest::newRow("a in English") << 9 << 0 << 24 << int(Role::IndicLCharRole) << QVariant("a");
    QTest::newRow("letter hides shifted") << 0 << 0 << 24 << int(Role::RomanUpperChIsVisibleRole) << QVariant(false);
    QTest::newRow("letter is no special") << 0 << 0 << 24 << int(Role::IsSpecialKeyRole) << QVariant(false);
    QTest::newRow("grave key no letter") << 0 << 0 << 37 << int(Role::IsAlphaKeyRole) << QVariant(false);
    QTest::newRow("backslash at end of row three") << 0 << 0 << 35 << int(Role::RomanCharRole) << QVariant("\\");
    QTest::newRow("last key shifted") << 0 << 0 << 47 << int(Role::RomanUpperCharRole) << QVariant("?");
    // Keys that act on the consonant before them show what they do to it.
    QTest::newRow("KPRao halant key") << 0 << 1 << 27 << int(Role::IndicLCharRole) << QVariant(QStringLiteral("\u0CCD"));
    QTest::newRow("KPRao arkavattu key") << 0 << 1 << 27 << int(Role::IndicUCharRole) << QVariant(QStringLiteral("\u0CB0\u0CCD"));
    QTest::newRow("InScript halant key") << 0 << 2 << 26 << int(Role::IndicLCharRole) << QVariant(QStringLiteral("\u0CCD"));
    QTest::newRow("KPRao halant key in Tamil") << 8 << 1 << 27 << int(Role::IndicLCharRole) << QVariant(QStringLiteral("\u0BCD"));
    QTest::newRow("KPRao halant key in English") << 9 << 1 << 27 << int(Role::IndicLCharRole) << QVariant("f");
    QTest::newRow("role of its own") << 0 << 0 << 24 << int(Qt::UserRole) << QVariant(QString());
    QTest::newRow("size hint") << 0 << 0 << 24 << int(Qt::SizeHintRole) << QVariant();
}

void TestYvKeyboardModel::keyRoles()
{
    QFETCH(int, language);
    QFETCH(int, keyboard);
    QFETCH(int, row);
    QFETCH(int, role);
    QFETCH(QVariant, expected);

    QScopedPointer<yvKeyboardModel> model(yvKeyboardModel::createFromKeyLayout());
    model->setLanguage(language);
    model->setKeyboad(keyboard);
    QCOMPARE(model->data(model->index(row), role), expected);
}

void TestYvKeyboardModel::keyRowFiles_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("keys");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<double>("lastWidth");
    QTest::addColumn<bool>("lastIsShift");

    QTest::newRow("row 1") << 1 << 14 << "`" << "backspace " << 1.5 << false;
    QTest::newRow("row 2") << 2 << 14 << "tab       " << "\\" << 1.0 << false;
    QTest::newRow("row 3") << 3 << 13 << "capslock    " << "enter       " << 1.8 << false;
    QTest::newRow("row 4") << 4 << 12 << "shift           " << "shift           " << 2.35 << true;
    QTest::newRow("no such row") << 5 << 0 << QString() << QString() << 0.0 << false;
}

void TestYvKeyboardModel::keyRowFiles()
{
    QFETCH(int, row);
    QFETCH(int, keys);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(double, lastWidth);
    QFETCH(bool, lastIsShift);

    QScopedPointer<yvKeyboardModel> model(yvKeyboardModel::createFromKeyRow(row));
    QCOMPARE(model->rowCount(), keys);
    if (keys == 0)
        return;
    const QModelIndex lastKey = model->index(keys - 1);
    QCOMPARE(model->data(model->index(0), Role::RomanCharRole).toString(), first);
    QCOMPARE(model->data(lastKey, Role::RomanCharRole).toString(), last);
    QCOMPARE(model->data(lastKey, Role::WidthFactorRole).toDouble(), lastWidth);
    QCOMPARE(model->data(lastKey, Role::IsShiftKeyRole).toBool(), lastIsShift);
}

void TestYvKeyboardModel::displayTextOfWideKeys_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("width");
    QTest::addColumn<QString>("display");

    QTest::newRow("one cell") << "q" << 1.0 << "q";
    QTest::newRow("1.8 cells pad to 12") << "SHFT" << 1.8 << "SHFT        ";
    QTest::newRow("1.5 cells pad to 10") << "tab" << 1.5 << "tab       ";
    QTest::newRow("longer text is not cut") << "backspacekey" << 1.5 << "backspacekey";
}

void TestYvKeyboardModel::displayTextOfWideKeys()
{
    QFETCH(QString, text);
    QFETCH(double, width);
    QFETCH(QString, display);

    const KeyItem key{text, text, width, false};
    QCOMPARE(key.keyDisplayText(), display);
    QCOMPARE(key, (KeyItem{display.trimmed(), QString(), width, true}));
    QVERIFY(KeyItem() != KeyItem());
}

void TestYvKeyboardModel::roleNamesLeaveOutTheDisplayRole()
{
    yvKeyboardModel model;
    const QHash<int, QByteArray> names = model.roleNames();
    QCOMPARE(names.size(), 9);
    QVERIFY(!names.contains(Qt::DisplayRole));
    QCOMPARE(names.value(356), QByteArray("romanChar"));
    QCOMPARE(names.value(360), QByteArray("romanUpperChIsVisible"));
    QCOMPARE(names.value(364), QByteArray("isSpecialKey"));
}

void TestYvKeyboardModel::changingLanguageOrLayout_data()
{
    QTest::addColumn<bool>("layout");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("changes");

    QTest::newRow("same language") << false << 0 << false;
    QTest::newRow("new language") << false << 8 << true;
    QTest::newRow("same layout") << true << 0 << false;
    QTest::newRow("new layout") << true << 2 << true;
}

void TestYvKeyboardModel::changingLanguageOrLayout()
{
    QFETCH(bool, layout);
    QFETCH(int, value);
    QFETCH(bool, changes);

    QScopedPointer<yvKeyboardModel> model(yvKeyboardModel::createFromKeyLayout());
    QAbstractItemModelTester tester(model.data(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    model->updateAskingChar();
    SignalLog log(model.data());
    QSignalSpy asked(model.data(), &yvKeyboardModel::askingCharChanged);

    if (layout)
        model->setKeyboad(value);
    else
        model->setLanguage(value);

    QCOMPARE(layout ? model->getKeyboad() : model->getLanguage(), value);
    if (!changes) {
        QCOMPARE(log.entries, QStringList());
        return;
    }
    const int row = asked.at(0).at(0).toInt();
    QCOMPARE(log.entries, (QStringList{"ready 0", "aboutToReset", "reset",
                                       QStringLiteral("asking %1").arg(row), "data 0-47", "ready 1"}));
}

void TestYvKeyboardModel::drawsOnlyCharactersAKeyShows_data()
{
    QTest::addColumn<int>("keyboard");
    QTest::newRow("Phonetic") << 0;
    QTest::newRow("KPRao") << 1;
    QTest::newRow("InScript") << 2;
    QTest::newRow("KPRao - Extended") << 5;
}

void TestYvKeyboardModel::drawsOnlyCharactersAKeyShows()
{
    QFETCH(int, keyboard);

    QScopedPointer<yvKeyboardModel> model(yvKeyboardModel::createFromKeyLayout());
    model->setKeyboad(keyboard);
    QSignalSpy asked(model.data(), &yvKeyboardModel::askingCharChanged);
    QSet<QString> seen;
    for (int i = 0; i < 300; ++i) {
        model->updateAskingChar();
        const QList<QVariant> signal = asked.takeFirst();
        const int row = signal.at(0).toInt();
        const QString ch = signal.at(1).toString();
        const bool shift = signal.at(2).toBool();
        QCOMPARE(ch, model->getAskingChar());
        const QString plain = model->data(model->index(row), Role::RomanCharRole).toString();
        const QString shifted = model->data(model->index(row), Role::RomanUpperCharRole).toString();
        QVERIFY2(ch == (shift ? shifted : plain), qPrintable(ch));
        seen.insert(ch);
    }
    // Draws are spread over the layout, not stuck on one character.
    QVERIFY(seen.size() > 10);
}

void TestYvKeyboardModel::withNothingToAskAsksNothing_data()
{
    QTest::addColumn<QList<KeyItem>>("keys");
    QTest::newRow("empty model") << QList<KeyItem>();
    QTest::newRow("no key of the layout") << QList<KeyItem>{{QStringLiteral("SHFT"), QStringLiteral("SHFT"), 1.8, true}};
}

void TestYvKeyboardModel::withNothingToAskAsksNothing()
{
    QFETCH(QList<KeyItem>, keys);

    yvKeyboardModel model;
    for (const KeyItem &key : keys)
        model.appendKey(key);
    QSignalSpy asked(&model, &yvKeyboardModel::askingCharChanged);

    model.updateAskingChar();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.at(0), (QList<QVariant>{-1, QString(), false}));
    QCOMPARE(model.getAskingChar(), QString());
    QCOMPARE(model.getAskingCharInIndic(), QString());

    // A modifier alone types no text: it does not count as the answer.
    press(model, QString());
    QCOMPARE(asked.size(), 1);
}

void TestYvKeyboardModel::keyPresses_data()
{
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("asked key") << "a" << "a" << QStringList{"asking", "pressed 24"};
    QTest::newRow("Shift+a for A") << "A" << "A" << QStringList{"asking", "pressed 24"};
    QTest::newRow("a for A") << "A" << "a" << QStringList{"pressed 24"};
    QTest::newRow("other key") << "a" << "q" << QStringList{"pressed 12"};
    QTest::newRow("shifted digit") << "a" << "!" << QStringList{"pressed 0"};
    QTest::newRow("space") << "a" << " " << QStringList();
    QTest::newRow("Indic letter") << "a" << QStringLiteral("\u0C85") << QStringList();
    QTest::newRow("no text") << "a" << QString() << QStringList();
}

void TestYvKeyboardModel::keyPresses()
{
    QFETCH(QString, asked);
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);

    QScopedPointer<yvKeyboardModel> model(yvKeyboardModel::createFromKeyLayout());
    QVERIFY(askFor(*model, asked));
    SignalLog log(model.data());

    press(*model, typed);

    QStringList seen = log.entries;
    for (QString &entry : seen) {
        if (entry.startsWith(QLatin1String("asking")))
            entry = QStringLiteral("asking");
    }
    QCOMPARE(seen, expected);
}

// The asked box shows the asked key as the key's caption does.
void TestYvKeyboardModel::askedCharacterInIndic_data()
{
    QTest::addColumn<int>("keyboard");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("indic");

    QTest::newRow("KPRao letter") << 1 << "k" << QStringLiteral("\u0C95");
    QTest::newRow("KPRao halant key") << 1 << "f" << QStringLiteral("\u0CCD");
    QTest::newRow("InScript arkavattu key") << 2 << "#" << QStringLiteral("\u0CB0\u0CCD");
}

void TestYvKeyboardModel::askedCharacterInIndic()
{
    QFETCH(int, keyboard);
    QFETCH(QString, asked);
    QFETCH(QString, indic);

    QScopedPointer<yvKeyboardModel> model(yvKeyboardModel::createFromKeyLayout());
    model->setKeyboad(keyboard);
    QVERIFY(askFor(*model, asked));
    QCOMPARE(model->getAskingCharInIndic(), indic);
}

void TestYvKeyboardModel::setDataAnnouncesButKeepsTheKey()
{
    QScopedPointer<yvKeyboardModel> model(yvKeyboardModel::createFromKeyLayout());
    QAbstractItemModelTester tester(model.data(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changed(model.data(), &QAbstractItemModel::dataChanged);
    const QModelIndex q = model->index(12);

    QVERIFY(!model->setData(q, QStringLiteral("q"), Role::RomanCharRole));
    QCOMPARE(changed.size(), 0);

    QVERIFY(model->setData(q, QStringLiteral("z"), Role::RomanCharRole));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), q);
    QCOMPARE(changed.at(0).at(2).value<QVector<int>>(), QVector<int>{Role::RomanCharRole});
    QCOMPARE(model->data(q, Role::RomanCharRole).toString(), QStringLiteral("q"));

    QVERIFY(!model->setData(QModelIndex(), QStringLiteral("z"), Role::RomanCharRole));
    QCOMPARE(changed.size(), 1);
}

void TestYvKeyboardModel::insertRowsAddsAndAnnouncesNothing()
{
    QScopedPointer<yvKeyboardModel> model(yvKeyboardModel::createFromKeyLayout());
    QAbstractItemModelTester tester(model.data(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy inserted(model.data(), &QAbstractItemModel::rowsInserted);

    QVERIFY(!model->insertRows(4, 2));
    QCOMPARE(inserted.size(), 0);
    QCOMPARE(model->rowCount(), 48);
}

void TestYvKeyboardModel::removeRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<int>("rowsLeft");
    QTest::addColumn<QString>("lastKey");

    QTest::newRow("last two") << 46 << 2 << true << 46 << ",";
    QTest::newRow("first") << 0 << 1 << true << 47 << "/";
    QTest::newRow("reaching past the end") << 46 << 5 << true << 46 << ",";
    QTest::newRow("past the end") << 48 << 1 << false << 48 << "/";
    QTest::newRow("before the start") << -1 << 2 << false << 48 << "/";
    QTest::newRow("none") << 3 << 0 << false << 48 << "/";
}

void TestYvKeyboardModel::removeRows()
{
    QFETCH(int, row);
    QFETCH(int, count);
    QFETCH(bool, removed);
    QFETCH(int, rowsLeft);
    QFETCH(QString, lastKey);

    QScopedPointer<yvKeyboardModel> model(yvKeyboardModel::createFromKeyLayout());
    QAbstractItemModelTester tester(model.data(), QAbstractItemModelTester::FailureReportingMode::QtTest);

    QCOMPARE(model->removeRows(row, count), removed);
    QCOMPARE(model->rowCount(), rowsLeft);
    QCOMPARE(model->data(model->index(rowsLeft - 1), Role::RomanCharRole).toString(), lastKey);
}

void TestYvKeyboardModel::namesOfLanguageAndLayout_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("keyboard");
    QTest::addColumn<QString>("languageName");
    QTest::addColumn<QString>("keyboardName");

    QTest::newRow("start") << 0 << 0 << "Kannada" << "Phonetic Layout";
    QTest::newRow("Gujarati, KPRao") << 5 << 1 << "Gujarati" << "KPRao Layout";
    QTest::newRow("Gurmukhi, InScript") << 7 << 2 << "Gurmukhi" << "InScript Layout";
    QTest::newRow("English, extended KPRao") << 9 << 5 << "English" << "KPRao Layout";
}

void TestYvKeyboardModel::namesOfLanguageAndLayout()
{
    QFETCH(int, language);
    QFETCH(int, keyboard);
    QFETCH(QString, languageName);
    QFETCH(QString, keyboardName);

    yvKeyboardModel model;
    model.setLanguage(language);
    model.setKeyboad(keyboard);
    QCOMPARE(model.getLanguageName(), languageName);
    QCOMPARE(model.getKeyboadName(), keyboardName);
    QVERIFY(model.getWebsiteUrl().contains(QLatin1String("<a href=\"https://")));
    QVERIFY(model.getEMailUrl().contains(QLatin1String("<a href=\"mailto:")));
}

YAVO_TEST_MAIN(TestYvKeyboardModel)
#include "tst_yvkeyboardmodel.moc"
