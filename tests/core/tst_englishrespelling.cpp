#include "core/englishrespelling.h"
#include "testmain.h"

#include <QtTest>

class TestEnglishRespelling : public QObject
{
    Q_OBJECT

private slots:
    void respell_data();
    void respell();
};

void TestEnglishRespelling::respell_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("expected");

    // Stems match at the start, ignoring case, and replace every occurrence.
    QTest::newRow("stem upper case") << "COMMAND" << "kamyAMD";
    QTest::newRow("stem with ending") << "Commands" << "kamyAMDs";
    QTest::newRow("stem keeps rest") << "opened" << "Opened";
    QTest::newRow("stem twice") << "copycopy" << "kaapikaapi";
    QTest::newRow("stem row of capitals") << "Times" << "Taims";
    QTest::newRow("stem color") << "color" << "kalar";
    QTest::newRow("stem colorful") << "colorful" << "kalarful";
    QTest::newRow("stem not at start") << "recolor" << "recolor";
    // Whole words match only whole.
    QTest::newRow("word any case") << "JUST" << "jasT";
    QTest::newRow("word is not a stem") << "justice" << "justice";
    QTest::newRow("hi") << "hi" << "haay";
    QTest::newRow("hindi") << "hindi" << "hindi";
    QTest::newRow("colours") << "colours" << "colours";
    QTest::newRow("expectation") << "Expectation" << "ekspekTESan";
    QTest::newRow("expected") << "expected" << "expected";
    // The first matching row wins.
    QTest::newRow("suggestion before suggest") << "suggestions" << "sajeShans";
    QTest::newRow("suggest") << "suggested" << "sajeSTed";
    QTest::newRow("movies before movie") << "movies" << "mUvIs";
    QTest::newRow("political before politic") << "political" << "pAliTikal";
    QTest::newRow("politics") << "politics" << "pAliTikss";
    QTest::newRow("last row") << "adjustment" << "aDjasTment";
    QTest::newRow("unknown") << "kannada" << "kannada";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("non-latin") << QStringLiteral("\u0C95\u0CA8\u0CCD") << QStringLiteral("\u0C95\u0CA8\u0CCD");
}

void TestEnglishRespelling::respell()
{
    QFETCH(QString, word);
    QFETCH(QString, expected);
    QCOMPARE(respellEnglishWord(word), expected);
}

YAVO_TEST_GUILESS_MAIN(TestEnglishRespelling)
#include "tst_englishrespelling.moc"
