// The tutor's views under Qt Quick Test, over the real model and resources:
// the tests in qml/ load "qrc:/qrc/view.qml" as the tutor's window does.

#include "testsandbox.h"
#include "urlopenrecorder.h"

#include "tutor/tutorapplication.h"
#include "tutor/yvtypingtutorwidget.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

class TutorViewsSetup : public QObject
{
    Q_OBJECT

public:
    // The addresses the views asked to open; no browser starts.
    Q_INVOKABLE QStringList openedUrls() const
    {
        QStringList urls;
        for (const QUrl &url : m_recorder->urls())
            urls << url.toString();
        return urls;
    }

public slots:
    void applicationAvailable()
    {
        TutorApplication::installFont();
        TutorApplication::chooseSceneGraphBackend();
        m_recorder.reset(new UrlOpenRecorder);
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        yvTypingTutorWidget::setupContext(engine->rootContext());
        engine->rootContext()->setContextProperty(QStringLiteral("setup"), this);
    }

    void cleanupTestCase() { m_recorder.reset(); }

private:
    QScopedPointer<UrlOpenRecorder> m_recorder;
};

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestSandbox sandbox;
    QTEST_SET_MAIN_SOURCE_PATH
    TutorViewsSetup setup;
    return quick_test_main_with_setup(argc, argv, "tst_tutorviews", QUICK_TEST_SOURCE_DIR, &setup);
}

#include "tst_tutorviews.moc"
