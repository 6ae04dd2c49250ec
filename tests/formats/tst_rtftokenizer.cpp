#include "testmain.h"

#include "rtftokenizer_p.h"

#include <QBuffer>

namespace {

QString describe(const RtfTokenizer &tokenizer)
{
    switch (tokenizer.tokenType()) {
    case RtfTokenizer::StartGroupToken:
        return QStringLiteral("{");
    case RtfTokenizer::EndGroupToken:
        return QStringLiteral("}");
    case RtfTokenizer::TextToken:
        return QLatin1String("T:") + QString::fromLatin1(tokenizer.tokenText());
    case RtfTokenizer::ControlWordToken:
        if (!tokenizer.tokenHex().isEmpty())
            return QLatin1String("H:") + QString::fromLatin1(tokenizer.tokenHex().toHex());
        return QLatin1String("W:") + QString::fromLatin1(tokenizer.tokenText())
            + (tokenizer.tokenHasValue() ? QLatin1Char('=') + QString::number(tokenizer.tokenValue()) : QString());
    }
    return QString();
}

// Every token of the input, described.
QStringList tokenize(QByteArray input)
{
    QBuffer buffer(&input);
    buffer.open(QIODevice::ReadOnly);
    RtfTokenizer tokenizer;
    tokenizer.setDevice(&buffer);
    QStringList tokens;
    while (tokenizer.hasNext()) {
        tokenizer.readNext();
        tokens << describe(tokenizer);
    }
    return tokens;
}

} // namespace

class TestRtfTokenizer : public QObject
{
    Q_OBJECT

private slots:
    void tokens_data();
    void tokens();
    void endOfFile_data();
    void endOfFile();
    void refillsAcrossBuffers();
    void noDevice();
};

void TestRtfTokenizer::tokens_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("space after a number is eaten") << QByteArray("\\b0 x}") << QStringList { "W:b=0", "T:x", "}" };
    QTest::newRow("backslash ends a word") << QByteArray("\\b\\i}") << QStringList { "W:b", "W:i", "}" };
    QTest::newRow("negative number") << QByteArray("\\li-720}") << QStringList { "W:li=-720", "}" };
    QTest::newRow("hex escape") << QByteArray("\\'e9}") << QStringList { "H:e9", "}" };
    QTest::newRow("upper-case hex") << QByteArray("\\'C9}") << QStringList { "H:c9", "}" };
    QTest::newRow("not hex") << QByteArray("\\'zz}") << QStringList { "H:00", "}" };
    QTest::newRow("line break dropped from text")
        << QByteArray("ab\r\ncd}") << QStringList { "T:ab", "T:cd", "}" };
    QTest::newRow("bin skips bytes")
        << QByteArray("\\bin3 {}a\\x}") << QStringList { "W:x", "}" };
    QTest::newRow("bins in a row") << QByteArray("\\bin1 a\\bin2 bc\\par}") << QStringList { "W:par", "}" };
    QTest::newRow("control symbols")
        << QByteArray("\\\\\\{\\}\\~\\-\\_\\|\\*}") << QStringList { "W:\\", "W:{", "W:}", "W:~", "W:-", "W:_", "W:|", "W:*", "}" };
    QTest::newRow("backslash before line feed") << QByteArray("\\\nx}") << QStringList { "W:\n", "T:x", "}" };
    QTest::newRow("groups and text")
        << QByteArray("{\\rtf1 Hello {\\b World}}")
        << QStringList { "{", "W:rtf=1", "T:Hello ", "{", "W:b", "T:World", "}", "}" };
    // Beyond an int a number stands for the largest of its sign, never for 0.
    QTest::newRow("number too large for an int")
        << QByteArray("\\u99999999999 }") << QStringList { "W:u=2147483647", "}" };
    QTest::newRow("negative number too large for an int")
        << QByteArray("\\li-99999999999 }") << QStringList { "W:li=-2147483648", "}" };
    QTest::newRow("smallest int")
        << QByteArray("\\f-2147483648 }") << QStringList { "W:f=-2147483648", "}" };
    QTest::newRow("largest int")
        << QByteArray("\\outlinelevel2147483647 }") << QStringList { "W:outlinelevel=2147483647", "}" };
    QTest::newRow("dash without digits") << QByteArray("\\li-x}") << QStringList { "W:li", "T:x", "}" };
}

void TestRtfTokenizer::tokens()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, expected);
    QCOMPARE(tokenize(input), expected);
}

void TestRtfTokenizer::endOfFile_data()
{
    QTest::addColumn<QByteArray>("input");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("word without delimiter") << QByteArray("\\par");
    QTest::newRow("text run") << QByteArray("abc");
    QTest::newRow("half a hex escape") << QByteArray("\\'e");
    QTest::newRow("bin past the end") << QByteArray("\\bin10 abc");
    QTest::newRow("line breaks only") << QByteArray("\r\n\r\n");
}

void TestRtfTokenizer::endOfFile()
{
    QFETCH(QByteArray, input);

    QBuffer buffer(&input);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    RtfTokenizer tokenizer;
    tokenizer.setDevice(&buffer);
    QString message;
    try {
        tokenizer.readNext();
    } catch (const QString &thrown) {
        message = thrown;
    }
    QCOMPARE(message, QStringLiteral("Unexpectedly reached end of file."));
}

void TestRtfTokenizer::refillsAcrossBuffers()
{
    // Tokens that straddle the 8192-byte buffer edge come out whole.
    const QByteArray input = QByteArray(8190, 'a') + "\\emdash x" + QByteArray(8200, 'b') + "}";
    QCOMPARE(tokenize(input), QStringList({ "T:" + QString(8190, 'a'), "W:emdash", "T:x" + QString(8200, 'b'), "}" }));
}

void TestRtfTokenizer::noDevice()
{
    RtfTokenizer tokenizer;
    QVERIFY(!tokenizer.hasNext());
    tokenizer.readNext();
    QCOMPARE(tokenizer.tokenType(), RtfTokenizer::TextToken);
    QVERIFY(tokenizer.tokenText().isEmpty());
}

YAVO_TEST_GUILESS_MAIN(TestRtfTokenizer)
#include "tst_rtftokenizer.moc"
