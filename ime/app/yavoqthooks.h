#ifndef YAVO_YAVOQTHOOKS_H
#define YAVO_YAVOQTHOOKS_H

#include "platform/keyboardbackend.h"

#include <QObject>

class AnsiToIndicBase;
class yvQuickBytesToolBar;
class YavoQtHooksPrivate;

// The input method's keyboard hook: it sees every key event before the
// application does and, while Indic input is on, types the current
// converter's answer in place of each key it can convert. A Space after a
// QuickBytes label replaces the label with its text, with Indic input on or
// off. Ctrl+F11 and Scroll Lock are reported through toggleIndic().
//
// The hook goes into the current keyboard backend when the object is made
// and comes out when it goes; what it types is sent through that backend.
class YavoQtHooks : public QObject, public Platform::KeyboardHook
{
    Q_OBJECT

public:
    enum EncodingType {
        EncodingANSI = 0,    // Nudi font glyphs
        EncodingUnicode = 1
    };
    Q_ENUM(EncodingType)

    explicit YavoQtHooks(QObject *parent = nullptr);
    ~YavoQtHooks() override;

    // The one hook object of the program; null while there is none.
    static YavoQtHooks *instance;

    // Each setter ends the word being composed.
    void setIndicEnabled(bool enabled);
    void setLanguage(int language);
    void setKeyboardLayout(int layout);
    void setEncoding(int encoding);
    void setArkavattu(bool enabled);
    void setEnglishNumerals(bool enabled);
    void setQuickBytesBar(yvQuickBytesToolBar *bar);

    bool isHookInstalled() const;

    qintptr hookProc(int nCode, quintptr wParam, const Platform::KBDLLHOOKSTRUCT &event) override;
    // Ends the word being composed: its text is not where the next key lands.
    void inputContextChanged() override;
    // Indic input is on.
    bool convertsKeys() const override;

    // What the hook believes it has typed since the composition began.
    QString emittedText() const;

    // Queues one key pair for c without sending it: a Unicode character, or
    // the virtual key c when unicode is false.
    void queueChar(QChar c, bool unicode);
    // Queues the converter's pending composition without sending it, or
    // ends the composition when nothing is pending.
    void flushConverter();
    // A hook procedure that only ends the composition and passes the event.
    static qintptr resetHookProc(int nCode, quintptr wParam, const Platform::KBDLLHOOKSTRUCT &event);

Q_SIGNALS:
    void toggleIndic();

protected:
    // The converter for an output encoding; the hook owns it.
    virtual AnsiToIndicBase *createConverter(int encoding, int language, int layout) const;

private:
    YavoQtHooksPrivate *d;
    friend class YavoQtHooksPrivate;
};

#endif
