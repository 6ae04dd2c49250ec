#ifndef YAVO_YVTYPINGTUTORWIDGET_H
#define YAVO_YVTYPINGTUTORWIDGET_H

#include <QQuickView>

class QQmlContext;

// The tutor's one window: the on-screen keyboard and its pick lists, drawn
// by the views under qrc:/qrc/ over the key model.
class yvTypingTutorWidget : public QQuickView
{
    Q_OBJECT

public:
    explicit yvTypingTutorWidget(QWindow *parent = nullptr);

    // Registers the model's QML type and gives the views the names they
    // read from their context: the key model, the language and layout
    // names, the version and the font family of each language's script.
    static void setupContext(QQmlContext *context);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void setupView();
};

#endif
