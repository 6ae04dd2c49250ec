#ifndef YAVO_TESTMAIN_H
#define YAVO_TESTMAIN_H

#include "testsandbox.h"

#include <QtTest>
#ifdef QT_WIDGETS_LIB
#include <QApplication>
#endif

// Like QTEST_MAIN, but the whole program runs inside a TestSandbox set up
// before the application object exists (Qt reads some folders only once),
// and headless unless the caller chose a platform.
#define YAVO_TEST_MAIN_IMPL(TestObject, AppType)                              \
    int main(int argc, char *argv[])                                          \
    {                                                                         \
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))                    \
            qputenv("QT_QPA_PLATFORM", "offscreen");                          \
        TestSandbox sandbox;                                                  \
        AppType app(argc, argv);                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                              \
        TestObject tc;                                                        \
        QTEST_SET_MAIN_SOURCE_PATH                                            \
        return QTest::qExec(&tc, argc, argv);                                 \
    }

#define YAVO_TEST_MAIN(TestObject) YAVO_TEST_MAIN_IMPL(TestObject, QApplication)
#define YAVO_TEST_GUILESS_MAIN(TestObject) YAVO_TEST_MAIN_IMPL(TestObject, QCoreApplication)

#endif
