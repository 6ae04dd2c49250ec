#include "tutor/yvtypingtutorwidget.h"

#include "private/tutorlogging_p.h"

#include "tutor/tutorapplication.h"
#include "tutor/yvkeyboardmodel.h"

#include "core/indictransliterator.h"

#include <QElapsedTimer>
#include <QQmlContext>
#include <QQmlEngine>
#include <QUrl>

yvTypingTutorWidget::yvTypingTutorWidget(QWindow *parent)
    : QQuickView(parent)
{
    setFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    setTitle(tr("Yavo Software - Typing Tutor"));
    setupView();
}

void yvTypingTutorWidget::setupContext(QQmlContext *context)
{
    qmlRegisterType<yvKeyboardModel>("YvKeyboardModel", 1, 0, "KeyboardModel");
    context->setContextProperty(QStringLiteral("languageNames"), IndicTransliterator::languageNames());
    context->setContextProperty(QStringLiteral("keyboardLayoutNames"), IndicTransliterator::keyboardLayoutNames());
    context->setContextProperty(QStringLiteral("version"), QStringLiteral("1.0.0.1"));
    context->setContextProperty(QStringLiteral("scriptFontFamilies"), TutorApplication::scriptFontFamilies());
    // One model for the whole run: the views hold on to it until the end,
    // and it goes with the context that offers it.
    context->setContextProperty(QStringLiteral("keyboardModel"), yvKeyboardModel::createFromKeyLayout(context));
}

void yvTypingTutorWidget::showEvent(QShowEvent *event)
{
    QQuickView::showEvent(event);
    // A window manager gives a new window the keyboard; without one (a
    // kiosk, a bare X session) nothing would, and the keys typed would go
    // nowhere until the user clicked the window.
    requestActivate();
}

void yvTypingTutorWidget::setupView()
{
    setResizeMode(QQuickView::SizeRootObjectToView);
    // The size comes before the views and the first showing: a window
    // manager applies a resize of a shown window only later, and the views
    // would first lay themselves out for the size the QML declares.
    setMinimumSize(QSize(800, 300));
    resize(800, 300);
    setupContext(rootContext());
    QElapsedTimer loading;
    loading.start();
    setSource(QUrl(QStringLiteral("qrc:/qrc/view.qml")));
    qCDebug(lcTutor) << "views loaded in" << loading.nsecsElapsed() / 1000 << "us";
    show();
}
