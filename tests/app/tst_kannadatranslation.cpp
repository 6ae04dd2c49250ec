#include "testmain.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
};

// Every finished or unfinished translation of the file, with its source.
QList<Message> readMessages(QString *error)
{
    QList<Message> messages;
    QFile file(QStringLiteral(YAVO_KANNADA_TRANSLATION));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            message = {context, xml.readElementText(), QString()};
        } else if (xml.name() == QLatin1String("translation")) {
            // Plural forms are read as one text.
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!message.translation.isEmpty())
                messages << message;
        }
    }
    if (xml.hasError())
        *error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return messages;
}

// The rich text as one well-formed piece, or the parser's complaint. Qt's
// forms write XHTML-like rich text after an HTML 4 document type line.
QString xmlError(QString richText)
{
    richText.remove(QRegularExpression(QStringLiteral("<!DOCTYPE[^>]*>"), QRegularExpression::CaseInsensitiveOption));
    QXmlStreamReader xml(QStringLiteral("<text>") + richText + QStringLiteral("</text>"));
    while (!xml.atEnd())
        xml.readNext();
    return xml.hasError() ? xml.errorString() : QString();
}

} // namespace

// The Kannada translation as lrelease compiles it: each translation is a
// text of its own, and a rich text stays rich text the interface can show.
class tst_KannadaTranslation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileReads();
    void translationHoldsNoFileMarkup_data() { messageRows(false); }
    void translationHoldsNoFileMarkup();
    void richTranslationParses_data() { messageRows(true); }
    void richTranslationParses();

private:
    static void messageRows(bool richOnly);
};

void tst_KannadaTranslation::fileReads()
{
    QString error;
    const QList<Message> messages = readMessages(&error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!messages.isEmpty());
}

void tst_KannadaTranslation::messageRows(bool richOnly)
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");

    QString error;
    int row = 0;
    for (const Message &message : readMessages(&error)) {
        ++row;
        if (richOnly && !Qt::mightBeRichText(message.source))
            continue;
        const QString name = QStringLiteral("%1 %2: %3").arg(message.context).arg(row).arg(message.source.left(30));
        QTest::newRow(qPrintable(name)) << message.source << message.translation;
    }
}

void tst_KannadaTranslation::translationHoldsNoFileMarkup()
{
    QFETCH(QString, translation);
    // Tags of the translation file itself, as they stand in the text after
    // one reading or, escaped once more, after two.
    static const QRegularExpression fileMarkup(
            QStringLiteral("(<|&lt;)/?(TS|context|name|message|source|translation|comment|extracomment|"
                           "translatorcomment|location|numerusform|lengthvariant)[\\s>/&]"));
    const QRegularExpressionMatch match = fileMarkup.match(translation);
    QVERIFY2(!match.hasMatch(), qPrintable(translation.mid(qMax(0, match.capturedStart() - 40), 120)));
}

void tst_KannadaTranslation::richTranslationParses()
{
    QFETCH(QString, source);
    QFETCH(QString, translation);
    // Held to what its source is: where the form's rich text is well
    // formed, so is the translation.
    if (xmlError(source).isEmpty()) {
        const QString error = xmlError(translation);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    // No tag is left over as text on screen.
    QTextDocument shown;
    shown.setHtml(translation);
    const QString text = shown.toPlainText();
    static const QRegularExpression tag(QStringLiteral("</?[A-Za-z!][^<>]*>"));
    const QRegularExpressionMatch match = tag.match(text);
    QVERIFY2(!match.hasMatch(), qPrintable(match.captured()));
    QVERIFY(!text.trimmed().isEmpty());
}

YAVO_TEST_MAIN(tst_KannadaTranslation)
#include "tst_kannadatranslation.moc"
