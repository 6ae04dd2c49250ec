#include "app/keyboadmapping.h"

#include "testmain.h"

#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QtTest>

namespace {

struct Tile
{
    int row = -1;
    int column = -1;
    QLabel *key = nullptr;
    QLabel *script = nullptr;
};

// The tiles of a page of the dialog, in the order they were placed.
QList<Tile> tilesOf(KeyboadMapping &dialog, int page)
{
    QList<Tile> tiles;
    auto *stack = dialog.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    auto *grid = qobject_cast<QGridLayout *>(stack->widget(page)->layout());
    for (int i = 0; i < grid->count(); ++i) {
        Tile tile;
        int rowSpan, columnSpan;
        grid->getItemPosition(i, &tile.row, &tile.column, &rowSpan, &columnSpan);
        QLayout *inner = grid->itemAt(i)->widget()->layout();
        tile.key = qobject_cast<QLabel *>(inner->itemAt(0)->widget());
        tile.script = qobject_cast<QLabel *>(inner->itemAt(1)->widget());
        tiles << tile;
    }
    return tiles;
}

QStringList describe(const QList<Tile> &tiles)
{
    QStringList out;
    for (const Tile &t : tiles)
        out << QStringLiteral("%1,%2 %3=%4").arg(t.row).arg(t.column).arg(t.key->text(), t.script->text());
    return out;
}

} // namespace

class TestKeyboadMapping : public QObject
{
    Q_OBJECT

private slots:
    void opensOnTheKeyboardsPage_data();
    void opensOnTheKeyboardsPage();
    void pages_data();
    void pages();
    void tileFonts_data();
    void tileFonts();
    void tilesShowTheirWholeText_data();
    void tilesShowTheirWholeText();
    void radioButtonsSwitchPages();
    void anyKeyCloses_data();
    void anyKeyCloses();
};

void TestKeyboadMapping::opensOnTheKeyboardsPage_data()
{
    QTest::addColumn<int>("keyboard");
    QTest::addColumn<int>("page");

    QTest::newRow("Phonetic") << 0 << 0;
    QTest::newRow("KPRao") << 1 << 1;
    QTest::newRow("InScript") << 2 << 0;
    QTest::newRow("layout 3") << 3 << 0;
    QTest::newRow("layout 4") << 4 << 0;
    QTest::newRow("KPRao - Extended") << 5 << 0;
}

void TestKeyboadMapping::opensOnTheKeyboardsPage()
{
    QFETCH(int, keyboard);
    QFETCH(int, page);

    KeyboadMapping dialog(0, keyboard);
    auto *stack = dialog.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    QCOMPARE(stack->count(), 2);
    QCOMPARE(stack->currentIndex(), page);
    QCOMPARE(dialog.findChild<QRadioButton *>(QStringLiteral("nudiRadio"))->isChecked(), page == 1);
    QCOMPARE(dialog.findChild<QRadioButton *>(QStringLiteral("phoneticRadio"))->isChecked(), page == 0);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Yavo - Keyboard Layout"));
}

void TestKeyboadMapping::pages_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("tileCount");
    QTest::addColumn<QStringList>("samples");

    QTest::newRow("Kannada Phonetic") << 0 << 0 << 53
        << QStringList{ "0,0 a=ಅ", "0,1 A/aa=ಆ", "2,0 k=ಕ್", "7,10 Lz=ೞ್", "8,0 x=ZWNJ", "8,1 X=ZWJ" };
    QTest::newRow("Kannada Nudi") << 0 << 1 << 55
        << QStringList{ "0,9 Y=ಐ", "2,0 k=ಕ", "8,0 f=್", "8,1 F=೯", "8,2 X=ZWJ", "8,3 ff=ZWNJ" };
    QTest::newRow("Hindi Phonetic ends in OM") << 4 << 0 << 54 << QStringList{ "0,1 A/aa=आ", "8,2 OM=ॐ" };
    QTest::newRow("Hindi Nudi ends in OM") << 4 << 1 << 56 << QStringList{ "8,0 f=्", "8,1 F=र्", "8,3 ff=ZWNJ", "8,4 OM=ॐ" };
    // Gurmukhi writes RRA as RA, so "rz" shares the tile of "r".
    QTest::newRow("Gurmukhi: three keys, newest first") << 7 << 0 << 48
        << QStringList{ "0,8 ai=ਐ", "1,0 O/o=ਓ", "7,1 rz/r=ਰ੍", "7,4 Sh/S/sh=", "7,8 x=ZWNJ", "8,0 X=ZWJ" };
    QTest::newRow("Telugu row 7 is shorter") << 1 << 0 << 52 << QStringList{ "7,9 Lz/L=ళ్", "8,0 x=ZWNJ" };
}

void TestKeyboadMapping::pages()
{
    QFETCH(int, language);
    QFETCH(int, page);
    QFETCH(int, tileCount);
    QFETCH(QStringList, samples);

    KeyboadMapping dialog(language, 0);
    const QStringList tiles = describe(tilesOf(dialog, page));
    QCOMPARE(tiles.size(), tileCount);
    // A sample ending in "=" checks only the tile's place and keys.
    for (const QString &sample : samples) {
        const bool found = sample.endsWith(QLatin1Char('='))
            ? !tiles.filter(QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(sample))).isEmpty()
            : tiles.contains(sample);
        QVERIFY2(found, qPrintable(sample + QLatin1String(" not in ") + tiles.join(QLatin1String(" | "))));
    }
}

void TestKeyboadMapping::tileFonts_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("scriptSize");
    QTest::addColumn<QString>("keyStyle");

    QTest::newRow("Kannada Phonetic") << 0 << 0 << "tunga" << 12 << "color:brown;";
    QTest::newRow("Kannada Nudi") << 0 << 1 << "tunga" << 12 << "color:brown";
    QTest::newRow("Malayalam") << 2 << 0 << "kartika" << 15 << "color:brown;";
    QTest::newRow("Bengali") << 6 << 1 << "vrinda" << 17 << "color:brown";
}

void TestKeyboadMapping::tileFonts()
{
    QFETCH(int, language);
    QFETCH(int, page);
    QFETCH(QString, family);
    QFETCH(int, scriptSize);
    QFETCH(QString, keyStyle);

    KeyboadMapping dialog(language, 0);
    const QList<Tile> tiles = tilesOf(dialog, page);
    QVERIFY(!tiles.isEmpty());
    const Tile &tile = tiles.first();
    QCOMPARE(tile.key->font().pointSize(), 12);
    QVERIFY(tile.key->font().bold());
    QCOMPARE(tile.key->styleSheet(), keyStyle);
    QCOMPARE(tile.script->font().family(), family);
    QCOMPARE(tile.script->font().pointSize(), scriptSize);
    QVERIFY(tile.script->font().bold());
    QCOMPARE(tile.script->styleSheet(), page == 0 ? QStringLiteral("color:darkblue;") : QStringLiteral("color:darkblue"));
    // All tiles of a page have one size, at least 55 x 50.
    const QSize size = tile.key->parentWidget()->size();
    QVERIFY(size.width() >= 55 && size.height() >= 50);
    for (const Tile &other : tiles)
        QCOMPARE(other.key->parentWidget()->size(), size);
}

void TestKeyboadMapping::tilesShowTheirWholeText_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("page");

    for (int language : {0, 1, 2, 4, 5, 6, 7}) {
        QTest::addRow("language %d, Phonetic", language) << language << 0;
        QTest::addRow("language %d, Nudi", language) << language << 1;
    }
}

// Indic glyphs rise above and fall below Latin letters: every label of
// every tile gets the whole height and width its text needs, and every tile
// lies inside the window, so no glyph is cut.
void TestKeyboadMapping::tilesShowTheirWholeText()
{
    QFETCH(int, language);
    QFETCH(int, page);

    KeyboadMapping dialog(language, page);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QList<Tile> tiles = tilesOf(dialog, page);
    QVERIFY(!tiles.isEmpty());
    for (const Tile &tile : tiles) {
        for (const QLabel *label : {tile.key, tile.script}) {
            const QString what = QStringLiteral("%1 (%2): %3x%4, needs %5x%6")
                                     .arg(tile.key->text(), label->text())
                                     .arg(label->width()).arg(label->height())
                                     .arg(label->sizeHint().width()).arg(label->sizeHint().height());
            QVERIFY2(label->height() >= label->sizeHint().height() && label->width() >= label->sizeHint().width(),
                     qPrintable(what));
            QVERIFY2(dialog.rect().contains(QRect(label->mapTo(&dialog, QPoint()), label->size())), qPrintable(what));
        }
    }
}

void TestKeyboadMapping::radioButtonsSwitchPages()
{
    KeyboadMapping dialog(0, 0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *stack = dialog.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    auto *nudi = dialog.findChild<QRadioButton *>(QStringLiteral("nudiRadio"));
    auto *phonetic = dialog.findChild<QRadioButton *>(QStringLiteral("phoneticRadio"));

    QTest::mouseClick(nudi, Qt::LeftButton);
    QCOMPARE(stack->currentIndex(), 1);
    QTest::mouseClick(phonetic, Qt::LeftButton);
    QCOMPARE(stack->currentIndex(), 0);
    QCOMPARE(stack->count(), 2);
}

void TestKeyboadMapping::anyKeyCloses_data()
{
    QTest::addColumn<int>("key");

    QTest::newRow("letter") << int(Qt::Key_A);
    QTest::newRow("space") << int(Qt::Key_Space);
    QTest::newRow("F11") << int(Qt::Key_F11);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestKeyboadMapping::anyKeyCloses()
{
    QFETCH(int, key);

    KeyboadMapping dialog(0, 1);
    QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key(key)); });
    bool stillOpen = false;
    QTimer::singleShot(5000, &dialog, [&] {
        stillOpen = true;
        dialog.done(QDialog::Rejected);
    });
    dialog.exec();
    QVERIFY(!stillOpen);
    QVERIFY(!dialog.isVisible());
}

YAVO_TEST_MAIN(TestKeyboadMapping)
#include "tst_keyboadmapping.moc"
