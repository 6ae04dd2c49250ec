#include "testmain.h"

#include "core/indictransliterator.h"
#include "tutor/tutorapplication.h"
#include "tutor/yvkeyboardmodel.h"
#include "tutor/yvtypingtutorwidget.h"

#include <QFont>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QImage>
#include <QRawFont>
#include <QTextLayout>
#include <QQmlContext>
#include <QQuickItem>
#include <QScreen>

namespace {

// The views' items by object name, the delegates of the keyboard included
// (they are items of the grid, not children of the root object).
QQuickItem *findItem(QQuickItem *item, const QString &name)
{
    if (item->objectName() == name)
        return item;
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

// A text shaped in a font, on one line, as the views lay it out.
QList<QGlyphRun> shape(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return layout.glyphRuns();
}

// The families of the fonts that draw a text in the given font.
QStringList drawingFamilies(const QString &text, const QFont &font)
{
    QStringList families;
    for (const QGlyphRun &run : shape(text, font))
        families << run.rawFont().familyName();
    families.removeDuplicates();
    return families;
}

// The warnings that Qt's font machinery writes while the object lives.
class FontWarnings
{
public:
    FontWarnings()
    {
        s_warnings.clear();
        m_previous = qInstallMessageHandler(&FontWarnings::handle);
    }
    ~FontWarnings() { qInstallMessageHandler(m_previous); }

    QStringList warnings() const { return s_warnings; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        if (type == QtWarningMsg && message.contains(QLatin1String("OpenType")))
            s_warnings << message;
    }

    static QStringList s_warnings;
    QtMessageHandler m_previous;
};

QStringList FontWarnings::s_warnings;

} // namespace

class TestYvTypingTutorWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void opensAFixedDialogWindowWithItsViews();
    void drawsWithoutOpenGL();
    void knowsTheRasterizersOnTheProcessor_data();
    void knowsTheRasterizersOnTheProcessor();
    void textsUseTheRegisteredFontFamily_data();
    void textsUseTheRegisteredFontFamily();
    void everyScriptDrawsInAFontThatHasIt_data();
    void everyScriptDrawsInAFontThatHasIt();
    void kannadaConjunctsShape_data();
    void kannadaConjunctsShape();

private:
    QString m_family;
};

void TestYvTypingTutorWidget::initTestCase()
{
    m_family = TutorApplication::installFont();
    TutorApplication::chooseSceneGraphBackend();
}

void TestYvTypingTutorWidget::opensAFixedDialogWindowWithItsViews()
{
    yvTypingTutorWidget window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.size(), QSize(800, 300));
    QCOMPARE(window.minimumSize(), QSize(800, 300));
    QCOMPARE(window.title(), QStringLiteral("Yavo Software - Typing Tutor"));
    const Qt::WindowFlags flags = window.flags();
    QVERIFY(flags.testFlag(Qt::Dialog));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    QCOMPARE(window.status(), QQuickView::Ready);
    QVERIFY(window.rootObject());
    QCOMPARE(window.rootObject()->size(), QSizeF(800, 300));
    QCOMPARE(window.rootContext()->contextProperty("version").toString(), QStringLiteral("1.0.0.1"));
    QCOMPARE(window.rootContext()->contextProperty("keyboardLayoutNames").toStringList().size(), 3);
}

void TestYvTypingTutorWidget::drawsWithoutOpenGL()
{
    yvTypingTutorWidget window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The gradient runs from a dark grey at the top to a light one at the
    // bottom; the left edge beside the keys shows it once a frame is drawn.
    QImage picture;
    QTRY_VERIFY((picture = window.screen()->grabWindow(window.winId()).toImage(),
                 picture.pixelColor(5, 50).lightness() < picture.pixelColor(5, 295).lightness()));
    QCOMPARE(picture.size(), QSize(800, 300));
}

void TestYvTypingTutorWidget::knowsTheRasterizersOnTheProcessor_data()
{
    QTest::addColumn<QByteArray>("renderer");
    QTest::addColumn<bool>("onTheProcessor");
    QTest::newRow("llvmpipe") << QByteArray("llvmpipe (LLVM 15.0.6, 256 bits)") << true;
    QTest::newRow("softpipe") << QByteArray("softpipe") << true;
    QTest::newRow("swrast") << QByteArray("Mesa DRI Software Rasterizer") << true;
    QTest::newRow("graphics card") << QByteArray("Mesa Intel(R) UHD Graphics 620 (KBL GT2)") << false;
    QTest::newRow("other driver") << QByteArray("NVIDIA GeForce GTX 1060/PCIe/SSE2") << false;
    QTest::newRow("none named") << QByteArray("") << false;
}

void TestYvTypingTutorWidget::knowsTheRasterizersOnTheProcessor()
{
    QFETCH(QByteArray, renderer);
    QFETCH(bool, onTheProcessor);
    QCOMPARE(TutorApplication::isSoftwareRasterizer(renderer), onTheProcessor);
}

void TestYvTypingTutorWidget::textsUseTheRegisteredFontFamily_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("button") << "buttonText" << 18;
    QTest::newRow("asked box") << "askgingCharTextItem" << 72;
    QTest::newRow("key caption") << "nameText" << 172;
}

void TestYvTypingTutorWidget::textsUseTheRegisteredFontFamily()
{
    QFETCH(QString, objectName);
    QFETCH(int, pixelSize);

    QCOMPARE(m_family, QStringLiteral("Noto Sans Kannada"));
    QCOMPARE(QGuiApplication::font().family(), m_family);
    QCOMPARE(QGuiApplication::font().pixelSize(), 15);

    yvTypingTutorWidget window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QQuickItem *text = nullptr;
    QTRY_VERIFY((text = findItem(window.rootObject(), objectName)));
    const QFont font = text->property("font").value<QFont>();
    QCOMPARE(font.family(), m_family);
    QCOMPARE(font.pixelSize(), pixelSize);
}

void TestYvTypingTutorWidget::everyScriptDrawsInAFontThatHasIt_data()
{
    QTest::addColumn<int>("language");
    const QStringList names = IndicTransliterator::languageNames();
    for (int language = 0; language < names.size() - 1; ++language)
        QTest::newRow(qPrintable(names.at(language))) << language;
}

void TestYvTypingTutorWidget::everyScriptDrawsInAFontThatHasIt()
{
    QFETCH(int, language);

    FontWarnings fontWarnings;
    yvTypingTutorWidget window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *model = window.rootContext()->contextProperty("keyboardModel").value<yvKeyboardModel *>();
    model->setLanguage(language);
    auto *grid = findItem(window.rootObject(), QStringLiteral("keyboardGridView"));
    QTRY_COMPARE(grid->property("count").toInt(), 48);
    QTRY_VERIFY(findItem(grid, QStringLiteral("unshiftedIndicText")));

    const QStringList labels{QStringLiteral("shiftedIndicText"), QStringLiteral("unshiftedIndicText")};
    int checked = 0;
    for (int row = 0; row < 48; ++row) {
        QQuickItem *key = nullptr;
        QMetaObject::invokeMethod(grid, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, key), Q_ARG(int, row));
        QVERIFY(key);
        for (const QString &label : labels) {
            QQuickItem *text = findItem(key, label);
            const QString shown = text->property("text").toString();
            if (shown.isEmpty())
                continue;
            const QFont font = text->property("font").value<QFont>();
            QCOMPARE(drawingFamilies(shown, font), QStringList(font.family()));
            ++checked;
        }
    }
    QVERIFY(checked > 40);
    QQuickItem *asked = findItem(window.rootObject(), QStringLiteral("askgingCharTextItem"));
    const QFont askedFont = asked->property("font").value<QFont>();
    QCOMPARE(drawingFamilies(model->getAskingCharInIndic(), askedFont), QStringList(askedFont.family()));
    QCOMPARE(fontWarnings.warnings().join("\n"), QString());
}

void TestYvTypingTutorWidget::kannadaConjunctsShape_data()
{
    QTest::addColumn<QString>("conjunct");
    QTest::newRow("ksha") << QStringLiteral("\u0C95\u0CCD\u0CB7");
    QTest::newRow("shri") << QStringLiteral("\u0CB6\u0CCD\u0CB0\u0CC0");
    QTest::newRow("rya") << QStringLiteral("\u0CB0\u0CCD\u0CAF");
}

void TestYvTypingTutorWidget::kannadaConjunctsShape()
{
    QFETCH(QString, conjunct);

    // In the font of the Kannada labels, a conjunct joins its consonants:
    // the virama between them leaves no mark of its own, and there is no
    // dotted circle of a sign that found no consonant.
    const QFont font(TutorApplication::scriptFontFamilies().value(0), 72);
    const QList<QGlyphRun> shaped = shape(conjunct, font);
    QCOMPARE(shaped.size(), 1);
    const QRawFont raw = shaped.first().rawFont();
    QCOMPARE(raw.familyName(), QStringLiteral("Noto Sans Kannada"));
    const QVector<quint32> glyphs = shaped.first().glyphIndexes();
    const QVector<quint32> virama = raw.glyphIndexesForString(QStringLiteral("\u0CCD"));
    const QVector<quint32> dottedCircle = raw.glyphIndexesForString(QStringLiteral("\u25CC"));
    QVERIFY(!glyphs.contains(virama.value(0)));
    QVERIFY(!glyphs.contains(dottedCircle.value(0)));
    QVERIFY(glyphs.size() < conjunct.size());
}

YAVO_TEST_MAIN(TestYvTypingTutorWidget)
#include "tst_yvtypingtutorwidget.moc"
