#include "core/ansitounicode.h"
#include "core/nuditoansi.h"
#include "core/sharedsettings.h"
#include "ime/ansi2indicansi.h"
#include "ime/ansi2indicunicode.h"
#include "keyfeeder.h"
#include "testmain.h"

#include <QFile>
#include <QRegularExpression>

namespace {

constexpr int KPRao = 1, InScript = 2;

const QString kaagunitaResource = QStringLiteral(":/resources/ANSIKaagunita.txt");

// The built-in table as cells; empty when it cannot be read.
QList<QStringList> builtInKaagunita()
{
    const ANSI2IndicANSI converter(0, KPRao); // registers the resource
    QList<QStringList> rows;
    QFile file(kaagunitaResource);
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    const QString text = QString::fromUtf8(file.readAll());
    for (const QString &line : text.split(QStringLiteral("\r\n"))) {
        if (!line.isEmpty())
            rows.append(line.split(QLatin1Char('\t')));
    }
    return rows;
}

} // namespace

class TestAnsi2IndicAnsi : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void process_data();
    void process();
    void typing_data();
    void typing();
    void readsBackAsTheUnicodeConverterTypes_data();
    void readsBackAsTheUnicodeConverterTypes();
    void kaagunitaShape();
    void everyConsonantWithEveryVowel();
    void anyIndicLanguageTypesKannada();
    void keysWithoutGlyphs_data();
    void keysWithoutGlyphs();
    void noConversionForEnglish();
    void unusableTable_data();
    void unusableTable();
    void flushPending_data();
    void flushPending();
};

void TestAnsi2IndicAnsi::init()
{
    SharedSettings::setEnglishNumerals(false);
}

void TestAnsi2IndicAnsi::process_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("backspaces");
    QTest::addColumn<QString>("flags");

    QTest::newRow("KPRao k") << KPRao << "" << "k" << QStringLiteral("PÀ") << 0 << "";
    QTest::newRow("KPRao i after k") << KPRao << "k" << "i" << QStringLiteral("Q") << 2 << "";
    QTest::newRow("KPRao a after k") << KPRao << "k" << "a" << QStringLiteral("PÁ") << 2 << "";
    QTest::newRow("KPRao f after k") << KPRao << "k" << "f" << QStringLiteral("Pï") << 2 << "";
    QTest::newRow("KPRao second f") << KPRao << "kf" << "f" << "" << 0 << "reset swallow";
    QTest::newRow("KPRao f at start") << KPRao << "" << "f" << "" << 0 << "swallow";
    QTest::newRow("KPRao a after kf") << KPRao << "kf" << "a" << QStringLiteral("PÀ") << 2 << "";
    QTest::newRow("KPRao y after kf") << KPRao << "kf" << "y" << QStringLiteral("PÀ\u00E5") << 2 << "";
    QTest::newRow("KPRao a after kfy") << KPRao << "kfy" << "a" << QStringLiteral("PÁ\u00E5") << 3 << "";
    QTest::newRow("KPRao r after kf") << KPRao << "kf" << "r" << QStringLiteral("PÀ\u00E6") << 2 << "";
    QTest::newRow("KPRao f after kfy") << KPRao << "kfy" << "f" << QStringLiteral("Pï\u00E5") << 3 << "";
    QTest::newRow("KPRao r after kfyf") << KPRao << "kfyf" << "r" << QStringLiteral("PÀ\u00E5\u00E7") << 3 << "";
    QTest::newRow("KPRao m after kfyf") << KPRao << "kfyf" << "m" << QStringLiteral("PÀ\u00E5\u00F6\u00E4") << 3 << "";
    QTest::newRow("KPRao k after kfyf") << KPRao << "kfyf" << "k" << QStringLiteral("PÀ\u00E5\u00F7\u00CC") << 3 << "";
    QTest::newRow("KPRao O after kfy") << KPRao << "kfy" << "O" << QStringLiteral("PÉÆ\u00E5Ã") << 3 << "";
    QTest::newRow("KPRao Y after kfy") << KPRao << "kfy" << "Y" << QStringLiteral("PÉ\u00E5\u00F6Ê") << 3 << "";
    QTest::newRow("KPRao R after kfy") << KPRao << "kfy" << "R" << QStringLiteral("PÀ\u00E5\u00F6È") << 3 << "";
    QTest::newRow("KPRao I after kfy") << KPRao << "kfy" << "I" << QStringLiteral("Q\u00E5Ã") << 3 << "";
    QTest::newRow("KPRao u after kfy") << KPRao << "kfy" << "u" << QStringLiteral("PÀÄ\u00E5") << 3 << "";
    QTest::newRow("KPRao a at start") << KPRao << "" << "a" << QStringLiteral("C") << 0 << "";
    QTest::newRow("KPRao R at start") << KPRao << "" << "R" << QStringLiteral("IÄ") << 0 << "";
    QTest::newRow("KPRao M after k") << KPRao << "k" << "M" << QStringLiteral("A") << 0 << "";
    QTest::newRow("KPRao H after k") << KPRao << "k" << "H" << QStringLiteral("B") << 0 << "";
    QTest::newRow("KPRao vowel after vowel") << KPRao << "a" << "i" << QStringLiteral("E") << 0 << "";
    QTest::newRow("KPRao F after k") << KPRao << "k" << "F" << QStringLiteral("\u00F0") << 0 << "";
    QTest::newRow("KPRao digit") << KPRao << "k" << "5" << QStringLiteral("5") << 0 << "";
    QTest::newRow("KPRao digit drops the pending groups") << KPRao << "k5" << "i" << QStringLiteral("E") << 0 << "";
    QTest::newRow("KPRao JHA with i") << KPRao << "J" << "i" << QStringLiteral("jhÄ") << 4 << "";
    QTest::newRow("KPRao halant JHA with a") << KPRao << "Jf" << "a" << QStringLiteral("gÀhÄ") << 5 << "";

    QTest::newRow("InScript k") << InScript << "" << "k" << QStringLiteral("PÀ") << 0 << "";
    QTest::newRow("InScript ~") << InScript << "" << "~" << QStringLiteral("M") << 0 << "";
    QTest::newRow("InScript !") << InScript << "" << "!" << QStringLiteral("M") << 0 << "";
    QTest::newRow("InScript A") << InScript << "" << "A" << QStringLiteral("N") << 0 << "";
    QTest::newRow("InScript Q") << InScript << "" << "Q" << QStringLiteral("O") << 0 << "";
    QTest::newRow("InScript a after k") << InScript << "k" << "a" << QStringLiteral("PÉÆÃ") << 2 << "";
    QTest::newRow("InScript D after k") << InScript << "k" << "D" << QStringLiteral("PÁ") << 2 << "";
    QTest::newRow("InScript e after k") << InScript << "k" << "e" << QStringLiteral("PÁ") << 2 << "";
    QTest::newRow("InScript x after k") << InScript << "k" << "x" << QStringLiteral("PÀA") << 2 << "";
    QTest::newRow("InScript _ after k") << InScript << "k" << "_" << QStringLiteral("PÀB") << 2 << "";
    QTest::newRow("InScript e at start") << InScript << "" << "e" << QStringLiteral("D") << 0 << "";
    QTest::newRow("InScript d after k") << InScript << "k" << "d" << QStringLiteral("Pï") << 2 << "";
    QTest::newRow("InScript second d") << InScript << "kd" << "d" << "" << 0 << "reset swallow";
    QTest::newRow("InScript / after kd") << InScript << "kd" << "/" << QStringLiteral("PÀ\u00E5") << 2 << "";
    QTest::newRow("InScript # after k") << InScript << "k" << "#" << QStringLiteral("\u00F0") << 0 << "";
    QTest::newRow("InScript f is KPRao's halant only") << InScript << "k" << "f" << QStringLiteral("Q") << 2 << "";
}

void TestAnsi2IndicAnsi::process()
{
    QFETCH(int, layout);
    QFETCH(QString, before);
    QFETCH(QString, key);
    QFETCH(QString, typed);
    QFETCH(int, backspaces);
    QFETCH(QString, flags);

    ANSI2IndicANSI converter(0, layout);
    KeyFeeder feeder(converter);
    feeder.type(before);
    const ConverterOutput out = converter.process(key, feeder.emittedText());

    QCOMPARE(typedText(out), typed);
    QCOMPARE(int(out.backspaces), backspaces);
    QCOMPARE(recordFlags(out), flags);
    for (const QChar c : typedText(out))
        QVERIFY2(c.unicode() >= 0x20 && c.unicode() <= 0xFF, "Nudi glyphs are Latin-1 code points");
}

void TestAnsi2IndicAnsi::typing_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");

    QTest::newRow("KPRao kannaDa") << KPRao << "knfnaw" << QStringLiteral("PÀ£Á\u00DFqÀ");
    QTest::newRow("KPRao double halant starts afresh") << KPRao << "kffk" << QStringLiteral("PïPÀ");
    QTest::newRow("KPRao cluster with RA") << KPRao << "kfyfr" << QStringLiteral("PÀ\u00E5\u00E7");
    QTest::newRow("KPRao word ends at a comma") << KPRao << "k,i" << QStringLiteral("PÀ,E");
    QTest::newRow("InScript kannada") << InScript << "kvdve" << QStringLiteral("PÀ£Á\u00DF");
}

void TestAnsi2IndicAnsi::typing()
{
    QFETCH(int, layout);
    QFETCH(QString, keys);
    QFETCH(QString, text);

    ANSI2IndicANSI converter(0, layout);
    KeyFeeder feeder(converter);
    feeder.type(keys);
    QCOMPARE(feeder.applicationText(), text);
}

void TestAnsi2IndicAnsi::readsBackAsTheUnicodeConverterTypes_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("keys");

    QTest::newRow("KPRao kannADa") << KPRao << "knfnaw";
    QTest::newRow("KPRao namaskAra") << KPRao << "nmsfkar";
    QTest::newRow("KPRao vidyArthi") << KPRao << "vidfyATiF";
    QTest::newRow("KPRao ryAMk") << KPRao << "rfyAMkf";
    QTest::newRow("KPRao cluster with RA") << KPRao << "kfyfr";
    QTest::newRow("KPRao mai and kO") << KPRao << "mY kO";
    QTest::newRow("KPRao digits") << KPRao << "1990";
    QTest::newRow("InScript kannA") << InScript << "kvdve";
}

// Text typed in the Nudi encoding, read back through the Nudi chain, is the
// text the Unicode converter types for the same keys.
void TestAnsi2IndicAnsi::readsBackAsTheUnicodeConverterTypes()
{
    QFETCH(int, layout);
    QFETCH(QString, keys);

    ANSI2IndicANSI ansi(0, layout);
    KeyFeeder ansiFeeder(ansi);
    ansiFeeder.type(keys);
    ANSI2IndicUnicode unicode(0, layout);
    KeyFeeder unicodeFeeder(unicode);
    unicodeFeeder.type(keys);

    NudiToAnsi nudiToAnsi;
    AnsiToUnicode ansiToUnicode;
    const QString readBack = ansiToUnicode.convertText(nudiToAnsi.convertText(ansiFeeder.applicationText()));
    QCOMPARE(readBack, unicodeFeeder.applicationText());
}

void TestAnsi2IndicAnsi::kaagunitaShape()
{
    ANSI2IndicANSI converter(0, KPRao); // registers the resource
    QFile file(kaagunitaResource);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY2(!bytes.startsWith("\xEF\xBB\xBF"), "no byte-order mark");
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));

    const QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 34 + 5 + 1); // rows, the empty lines between groups, after the end
    for (int group = 0; group < 5; ++group)
        QVERIFY(lines.at(group * 6 + 5).isEmpty());

    const QList<QStringList> rows = builtInKaagunita();
    QCOMPARE(rows.size(), 34);
    for (int row = 0; row < rows.size(); ++row) {
        QCOMPARE(rows.at(row).size(), 15);
        for (const QString &cell : rows.at(row)) {
            QVERIFY(!cell.isEmpty());
            for (const QChar c : cell)
                QVERIFY(c.unicode() > 0x20 && c.unicode() <= 0xFF);
        }
        // Column 0 is the consonant alone: what its key types.
        const QString key = converter.kpraoKeys.at(15 + row);
        QCOMPARE(converter.process(key, QString()).text, rows.at(row).at(0));
        converter.reset();
    }
    QCOMPARE(rows.at(0).mid(0, 3), QStringList({QStringLiteral("PÀ"), QStringLiteral("PÁ"), QStringLiteral("Q")}));
    QCOMPARE(rows.at(33).at(14), QStringLiteral("¼ÀB"));
}

// Every consonant key followed by every vowel-sign key types the table's
// cell (the key of A the AA cell), replacing the consonant alone.
void TestAnsi2IndicAnsi::everyConsonantWithEveryVowel()
{
    ANSI2IndicANSI converter(0, KPRao);
    const QList<QStringList> rows = builtInKaagunita();
    QCOMPARE(rows.size(), 34);
    for (int row = 0; row < 34; ++row) {
        for (int column = 0; column < 13; ++column) {
            converter.reset();
            const ConverterOutput consonant = converter.process(converter.kpraoKeys.at(15 + row), QString());
            const ConverterOutput out = converter.process(converter.kpraoKeys.at(column), consonant.text);
            const QString where = QStringLiteral("row %1 column %2").arg(row).arg(column);
            QVERIFY2(out.text == rows.at(row).at(column == 0 ? 1 : column), qPrintable(where));
            QVERIFY2(out.backspaces == consonant.text.size(), qPrintable(where));
        }
    }
}

void TestAnsi2IndicAnsi::anyIndicLanguageTypesKannada()
{
    for (int language = 0; language <= 8; ++language) {
        ANSI2IndicANSI converter(language, KPRao);
        QCOMPARE(converter.language, 0);
        QCOMPARE(converter.process(QStringLiteral("k"), QString()).text, QStringLiteral("PÀ"));
    }
    // Layouts other than InScript become KPRao.
    for (int layout : {0, 3, 7}) {
        ANSI2IndicANSI converter(0, layout);
        QCOMPARE(converter.keyboardLayout, KPRao);
        QCOMPARE(converter.process(QStringLiteral("q"), QString()).text, QStringLiteral("l"));
    }
    QCOMPARE(ANSI2IndicANSI(0, InScript).virama(), QChar(0x00F0));
}

void TestAnsi2IndicAnsi::keysWithoutGlyphs_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("key");

    QTest::newRow("KPRao X") << KPRao << "X";
    QTest::newRow("InScript $") << InScript << "$";
    QTest::newRow("InScript ]") << InScript << "]";
    QTest::newRow("InScript X") << InScript << "X";
}

// These keys lie past the consonant glyphs; they used to read past the
// glyph lists. They are no keys of this converter: the hook ends the word
// and lets them through, and a record for them types nothing.
void TestAnsi2IndicAnsi::keysWithoutGlyphs()
{
    QFETCH(int, layout);
    QFETCH(QString, key);

    ANSI2IndicANSI converter(0, layout);
    QVERIFY(!converter.isValidKey(key));
    KeyFeeder feeder(converter);
    feeder.type(QStringLiteral("k"));
    const ConverterOutput out = converter.process(key, feeder.emittedText());
    QVERIFY(typedText(out).isEmpty());
    QCOMPARE(int(out.backspaces), 0);
    QCOMPARE(recordFlags(out), QString());

    // Typed through the hook's rules the key ends the word and reaches the
    // application: a vowel sign after it cannot reach back over it into the
    // consonant before.
    feeder.type(key + QLatin1String(layout == KPRao ? "i" : "f"));
    QCOMPARE(feeder.applicationText(), QStringLiteral("PÀ") + key + QStringLiteral("E"));
}

void TestAnsi2IndicAnsi::noConversionForEnglish()
{
    for (int language : {9, -1, 12}) {
        ANSI2IndicANSI converter(language, KPRao);
        QVERIFY(!converter.isValidKey(QStringLiteral("k")));
        QVERIFY(!converter.isValidKey(QStringLiteral("5")));
        const ConverterOutput out = converter.process(QStringLiteral("k"), QString());
        QVERIFY(typedText(out).isEmpty());
        QCOMPARE(recordFlags(out), QString());

        converter.setLanguage(0);
        QCOMPARE(converter.process(QStringLiteral("k"), QString()).text, QStringLiteral("PÀ"));
    }
}

void TestAnsi2IndicAnsi::unusableTable_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");

    QByteArray sound;
    for (const QStringList &row : builtInKaagunita())
        sound += row.join(QLatin1Char('\t')).toUtf8() + "\r\n";
    QByteArray shortRow = sound;
    shortRow.replace(QByteArray("\tPÀB\r\n"), QByteArray("\r\n"));
    QByteArray wrongConsonant = sound;
    wrongConsonant.replace(QByteArray("PÀ\tPÁ"), QByteArray("XX\tPÁ"));
    const QByteArray missingRow = sound.left(sound.lastIndexOf("\r\n", sound.size() - 3) + 2);

    QTest::newRow("missing file") << QByteArray() << "ERROR: ANSI Kaagunita table cannot be read: .*";
    QTest::newRow("row of 14 cells") << shortRow << "ERROR: ANSI Kaagunita error at line PÀ PÁ Q .* PÀA";
    QTest::newRow("row of the wrong consonant") << wrongConsonant << "ERROR: ANSI Kaagunita error at line XX PÁ .*";
    QTest::newRow("33 rows") << missingRow << "ERROR: ANSI Kaagunita table has 33 rows, not 34";
    QTest::newRow("35 rows") << sound + "a b c d e f g h i j k l m n o\r\n" << "ERROR: ANSI Kaagunita error at line a b c .*";
    QTest::newRow("empty file") << QByteArray("\r\n") << "ERROR: ANSI Kaagunita table has 0 rows, not 34";
}

// A bad table used to end the program from inside the constructor (or, when
// missing, to be read out of range). Now the converter says why in the log
// and converts nothing: no key is valid and every record is empty.
void TestAnsi2IndicAnsi::unusableTable()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);

    TestSandbox sandbox;
    const QString path = content.isNull()
        ? sandbox.root() + QStringLiteral("/missing.txt")
        : sandbox.writeFile(QStringLiteral("kaagunita.txt"), content);
    QVERIFY(!path.isEmpty());

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QLatin1Char('^') + message + QLatin1Char('$')));
    ANSI2IndicANSI converter(0, KPRao, path);
    for (const char *key : {"k", "a", "f", "F", "5", ""}) {
        QVERIFY2(!converter.isValidKey(QLatin1String(key)), key);
        const ConverterOutput out = converter.process(QLatin1String(key), QStringLiteral("PÀ"));
        QVERIFY2(typedText(out).isEmpty() && out.backspaces == 0 && recordFlags(out).isEmpty(), key);
    }
    ConverterOutput flushed;
    QVERIFY(!converter.flushPending(flushed));
}

void TestAnsi2IndicAnsi::flushPending_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("flushed");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("backspaces");

    QTest::newRow("nothing pending") << "" << false << "" << 0;
    QTest::newRow("halant form") << "kf" << true << QStringLiteral("PÀ") << 2;
    QTest::newRow("bare consonant") << "k" << true << "" << 2;
    QTest::newRow("consonant with a sign") << "ki" << true << QStringLiteral("PÀ") << 1;
    QTest::newRow("consonant with OO") << "kO" << true << QStringLiteral("PÀ") << 4;
    QTest::newRow("cluster") << "kfy" << false << "" << 0;
    QTest::newRow("independent vowel") << "a" << false << "" << 0;
}

void TestAnsi2IndicAnsi::flushPending()
{
    QFETCH(QString, before);
    QFETCH(bool, flushed);
    QFETCH(QString, typed);
    QFETCH(int, backspaces);

    ANSI2IndicANSI converter(0, KPRao);
    KeyFeeder feeder(converter);
    feeder.type(before);
    ConverterOutput out;
    QCOMPARE(converter.flushPending(out), flushed);
    QCOMPARE(typedText(out), typed);
    QCOMPARE(int(out.backspaces), backspaces);
}

YAVO_TEST_GUILESS_MAIN(TestAnsi2IndicAnsi)
#include "tst_ansi2indicansi.moc"
