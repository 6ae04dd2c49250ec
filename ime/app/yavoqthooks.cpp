#include "ime/app/yavoqthooks.h"

#include "private/imeapplogging_p.h"
#include "private/imeresources_p.h"

#include "core/indicchars.h"
#include "core/keystate.h"
#include "ime/ansi2indicansi.h"
#include "ime/ansi2indicunicode.h"
#include "platform/virtualkeys.h"
#include "widgets/yvquickbytestoolbar.h"

#include <QFile>
#include <QMap>
#include <QPointer>
#include <QTextStream>

#include <array>
#include <cstring>

using namespace Platform;

namespace {

// The records of one send. Every output is built here, so typing allocates
// nothing; an output longer than the array goes out in several sends.
constexpr unsigned inputEventCount = 3000;
constexpr unsigned maxPairs = inputEventCount / 2;
std::array<INPUT, inputEventCount> inputEvents;

const QString vkCodeMapResource = QStringLiteral(":/resources/VKCodeMap.txt");

bool isKannadaConsonant(QChar c)
{
    const int offset = int(c.unicode()) - 0x0C80;
    return (offset >= IndicBlock::firstConsonant && offset <= IndicBlock::lastConsonant)
        || c.unicode() == 0x0CDE;
}

} // namespace

struct VKEntry
{
    quint32 vkCode = 0;
    QChar normal;
    QChar shifted;
};

class YavoQtHooksPrivate
{
public:
    explicit YavoQtHooksPrivate(YavoQtHooks *owner)
        : q(owner)
    {
    }

    QChar virtualKeyToChar(quint32 vk) const;
    bool isConvertibleKey(QChar c) const;
    void processKey(QChar c);
    void composeKey(QChar c);
    void queueOutput(const ConverterOutput &output);
    void queueZwj(const ConverterOutput &output);
    void queueCharPair(QChar c);
    void queueKeyPair(int vk);
    void clearEventBuffer();
    void resetComposition();
    void expandQuickBytes(const QString &word);
    void initVKCodeMap();
    void loadVKCodeMap();

    // One output, sent in as many sends as it needs.
    void beginOutput();
    INPUT *nextPair();
    void sendQueued();
    unsigned finishOutput();

    YavoQtHooks *q;
    QPointer<AnsiToIndicBase> converter;
    bool hookInstalled = false;
    quint32 skipCount = 0;
    quint32 pairCount = 0;
    QString typedKeys;
    QString emittedText;
    bool indicEnabled = false;
    bool arkavattuEnabled = false;
    YavoQtHooks::EncodingType encoding = YavoQtHooks::EncodingUnicode;
    int language = 0;
    int keyboardLayout = 0;
    bool swallowNextKeyUp = false;
    QMap<unsigned, VKEntry> vkMap;
    QString englishWord;
    QPointer<yvQuickBytesToolBar> quickBytesBar;

    // Of the output being sent: the records carried out, and whether the
    // backend stopped short of one send.
    unsigned sentRecords = 0;
    bool sendIncomplete = false;
};

YavoQtHooks *YavoQtHooks::instance = nullptr;

YavoQtHooks::YavoQtHooks(QObject *parent)
    : QObject(parent)
    , d(new YavoQtHooksPrivate(this))
{
    registerYavoIMEResources();
    d->initVKCodeMap();
    d->clearEventBuffer();
    instance = this;
    KeyboardBackend *backend = KeyboardBackend::current();
    d->hookInstalled = backend->installHook(this);
    if (!d->hookInstalled)
        qCDebug(lcImeApp) << "Hook failed for application instance" << "with error:" << backend->lastError();
}

YavoQtHooks::~YavoQtHooks()
{
    if (d->hookInstalled)
        KeyboardBackend::current()->removeHook(this);
    if (instance == this)
        instance = nullptr;
    delete d->converter;
    delete d;
}

bool YavoQtHooks::isHookInstalled() const
{
    return d->hookInstalled;
}

QString YavoQtHooks::emittedText() const
{
    return d->emittedText;
}

void YavoQtHooks::setIndicEnabled(bool enabled)
{
    d->indicEnabled = enabled;
    d->resetComposition();
}

void YavoQtHooks::setLanguage(int language)
{
    d->language = language;
    if (d->converter)
        d->converter->setLanguage(language);
    d->resetComposition();
}

void YavoQtHooks::setKeyboardLayout(int layout)
{
    d->keyboardLayout = layout;
    if (d->converter)
        d->converter->setKeyboardLayout(layout);
    d->resetComposition();
}

void YavoQtHooks::setEncoding(int encoding)
{
    d->encoding = encoding == EncodingANSI ? EncodingANSI : EncodingUnicode;
    delete d->converter;
    d->converter = createConverter(d->encoding, d->language, d->keyboardLayout);
    d->resetComposition();
}

AnsiToIndicBase *YavoQtHooks::createConverter(int encoding, int language, int layout) const
{
    if (encoding == EncodingANSI)
        return new ANSI2IndicANSI(language, layout);
    return new ANSI2IndicUnicode(language, layout);
}

void YavoQtHooks::setArkavattu(bool enabled)
{
    d->arkavattuEnabled = enabled;
    d->resetComposition();
}

void YavoQtHooks::setEnglishNumerals(bool)
{
    // The converters read the shared setting at every digit themselves.
    d->resetComposition();
}

void YavoQtHooks::setQuickBytesBar(yvQuickBytesToolBar *bar)
{
    d->quickBytesBar = bar;
    d->resetComposition();
}

qintptr YavoQtHooks::hookProc(int nCode, quintptr wParam, const KBDLLHOOKSTRUCT &event)
{
    const auto passOn = [&] { return CallNextHookEx(nullptr, nCode, wParam, event); };
    const auto swallowPendingKeyUp = [&]() -> qintptr {
        if (!d->swallowNextKeyUp)
            return passOn();
        d->swallowNextKeyUp = false;
        return 1;
    };

    if (d->skipCount > 0) {
        --d->skipCount;
        return passOn();
    }

    const KeyState keys;
    const bool scrollLock = keys.isScrollLockDown();
    if (keys.isAltDown() || keys.isCtrlDown() || keys.isLeftWinDown() || keys.isRightWinDown()) {
        d->resetComposition();
        if ((wParam == WM_KEYDOWN && keys.isCtrlDown() && event.vkCode == VK_F11) || scrollLock)
            emit toggleIndic();
        return passOn();
    }
    if (scrollLock) {
        d->resetComposition();
        emit toggleIndic();
        return passOn();
    }
    if (event.vkCode == VK_LSHIFT || event.vkCode == VK_RSHIFT)
        return passOn();
    if (event.vkCode == VK_PACKET)
        return passOn();

    const QChar c = d->virtualKeyToChar(event.vkCode);

    if (!d->indicEnabled) {
        if (wParam != WM_KEYDOWN)
            return passOn();
        if (event.vkCode == VK_SPACE)
            d->expandQuickBytes(d->englishWord);
        else if (!c.isNull())
            d->englishWord += c;
        else
            d->resetComposition();
        return passOn();
    }

    if (wParam != WM_KEYDOWN)
        return swallowPendingKeyUp();

    if (event.vkCode == VK_SPACE)
        d->expandQuickBytes(d->emittedText);
    if (c.isNull() || !d->isConvertibleKey(c)) {
        d->resetComposition();
        return passOn();
    }

    d->beginOutput();
    d->processKey(c);
    if (d->pairCount == 0 && d->sentRecords == 0 && !d->sendIncomplete) {
        if (d->swallowNextKeyUp)
            return swallowPendingKeyUp();
        // The application gets the key itself, which the composition does
        // not know of: later deletions would count wrong.
        d->resetComposition();
        return passOn();
    }
    const unsigned sent = d->finishOutput();
    // What the application holds is no longer what the composition says
    // it typed: begin afresh rather than delete the user's own text later.
    if (d->sendIncomplete)
        d->resetComposition();
    return qintptr(sent);
}

void YavoQtHooks::inputContextChanged()
{
    d->resetComposition();
}

bool YavoQtHooks::convertsKeys() const
{
    return d->indicEnabled && d->converter;
}

void YavoQtHooks::queueChar(QChar c, bool unicode)
{
    if (unicode)
        d->queueCharPair(c);
    else
        d->queueKeyPair(c.unicode());
}

void YavoQtHooks::flushConverter()
{
    ConverterOutput output;
    if (d->converter && d->converter->flushPending(output))
        d->queueOutput(output);
    else
        d->resetComposition();
}

qintptr YavoQtHooks::resetHookProc(int nCode, quintptr wParam, const KBDLLHOOKSTRUCT &event)
{
    if (instance)
        instance->d->resetComposition();
    return CallNextHookEx(nullptr, nCode, wParam, event);
}

QChar YavoQtHooksPrivate::virtualKeyToChar(quint32 vk) const
{
    const KeyState keys;
    const auto entry = vkMap.constFind(vk);
    if (entry != vkMap.constEnd())
        return keys.isShiftDown() ? entry->shifted : entry->normal;
    if (vk >= 0x41 && vk <= 0x5A) {
        const QChar upper = QChar(ushort(vk));
        return keys.isShiftDown() || keys.isCapsLockOn() ? upper : upper.toLower();
    }
    return QChar();
}

bool YavoQtHooksPrivate::isConvertibleKey(QChar c) const
{
    return converter && (converter->isValidKey(QString(c)) || c == QLatin1Char('$'));
}

void YavoQtHooksPrivate::processKey(QChar c)
{
    pairCount = 0;
    composeKey(c);
}

void YavoQtHooksPrivate::composeKey(QChar c)
{
    skipCount = 0;
    pairCount = 0;
    const QString single(c);
    const bool standalone = !converter->isValidKey(single) || c == QLatin1Char('$')
        || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c.unicode() > 0x7F && c.isNumber());
    QString key = single;
    if (standalone) {
        resetComposition();
    } else if (!typedKeys.isEmpty()) {
        const QString pair = typedKeys.right(1) + c;
        if (converter->isValidKey(pair))
            key = pair;
    }
    queueOutput(converter->process(key, emittedText));
    if (!standalone)
        typedKeys += c;
}

void YavoQtHooksPrivate::queueOutput(const ConverterOutput &output)
{
    clearEventBuffer();
    if (output.resetFirst)
        resetComposition();
    if (output.swallowKeyUp)
        swallowNextKeyUp = true;
    for (int i = 0; i < output.backspaces; ++i) {
        queueKeyPair(VK_BACK);
        ++skipCount;
        if (!output.arkavattu)
            emittedText.chop(1);
    }
    queueZwj(output);
    if (output.arkavattu) {
        const QChar ra(ushort(converter->baseCodePoint + 0x30));
        const QChar virama = converter->virama();
        queueCharPair(ra);
        queueCharPair(virama);
        skipCount += 2;
        qCDebug(lcImeApp) << "Arkavattu";
        const QString moved = emittedText.right(output.backspaces);
        for (const QChar c : moved)
            queueCharPair(c);
        skipCount += output.backspaces;
        emittedText.insert(emittedText.size() - moved.size(), QString(ra) + virama);
    }
    if (!output.character.isNull()) {
        queueCharPair(output.character);
        emittedText += output.character;
    }
    const QString &text = output.text;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\\') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('n')) {
            queueKeyPair(VK_RETURN);
            ++i;
        } else {
            queueCharPair(text.at(i));
        }
        ++skipCount;
    }
    emittedText += text;
    if (output.viramaAfter) {
        const QChar virama = converter->virama();
        queueCharPair(virama);
        ++skipCount;
        emittedText += virama;
    }
}

// After RA and virama the joiner makes the next consonant take RA's half
// form rather than the repha. It belongs only in front of a consonant: a
// joiner before the halant, a vowel or nothing would stay in the text as a
// stray character.
void YavoQtHooksPrivate::queueZwj(const ConverterOutput &output)
{
    static const QString raVirama = QString(QChar(KannadaChars::ra)) + QChar(KannadaChars::virama);
    if (arkavattuEnabled || !emittedText.endsWith(raVirama))
        return;
    QChar next;
    if (output.arkavattu)
        next = QChar(ushort(converter->baseCodePoint + 0x30));
    else if (!output.character.isNull())
        next = output.character;
    else if (!output.text.isEmpty())
        next = output.text.at(0);
    if (!isKannadaConsonant(next))
        return;
    const QChar zwj(IndicChars::zeroWidthJoiner);
    queueCharPair(zwj);
    ++skipCount;
    emittedText += zwj;
}

void YavoQtHooksPrivate::queueCharPair(QChar c)
{
    INPUT *pair = nextPair();
    pair[0].ki.wVk = 0;
    pair[0].ki.wScan = c.unicode();
    pair[0].ki.dwFlags = KEYEVENTF_UNICODE;
    pair[1].ki.wVk = 0;
    pair[1].ki.wScan = c.unicode();
    pair[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
}

void YavoQtHooksPrivate::queueKeyPair(int vk)
{
    INPUT *pair = nextPair();
    pair[0].ki.wVk = quint16(vk);
    pair[0].ki.wScan = 0;
    pair[0].ki.dwFlags = 0;
    pair[1].ki.wVk = quint16(vk);
    pair[1].ki.wScan = 0;
    pair[1].ki.dwFlags = KEYEVENTF_KEYUP;
}

void YavoQtHooksPrivate::clearEventBuffer()
{
    // Records already queued for this output stay; the rest start blank.
    for (unsigned i = 2 * pairCount; i < inputEventCount; ++i) {
        inputEvents[i] = INPUT();
        inputEvents[i].type = INPUT_KEYBOARD;
        if (i % 2)
            inputEvents[i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
}

void YavoQtHooksPrivate::resetComposition()
{
    typedKeys.clear();
    emittedText.clear();
    englishWord.clear();
    pairCount = 0;
    swallowNextKeyUp = false;
    if (converter)
        converter->reset();
    // Nothing typed so far will be deleted any more.
    KeyboardBackend::current()->endComposition();
}

void YavoQtHooksPrivate::expandQuickBytes(const QString &word)
{
    const QString text = quickBytesBar ? quickBytesBar->textFor(word) : QString();
    if (!text.isEmpty()) {
        beginOutput();
        ConverterOutput output;
        output.text = text;
        output.backspaces = quint16(qMin(word.size(), 0xFFFF));
        queueOutput(output);
        finishOutput();
    }
    resetComposition();
}

void YavoQtHooksPrivate::initVKCodeMap()
{
    if (vkMap.isEmpty())
        loadVKCodeMap();
}

void YavoQtHooksPrivate::loadVKCodeMap()
{
    QFile file(vkCodeMapResource);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    in.setCodec("UTF-8");
    while (!in.atEnd()) {
        QStringList parts = in.readLine().simplified().split(QLatin1Char(' '));
        while (parts.size() < 3)
            parts.append(QString(QChar(0)));
        VKEntry entry;
        entry.vkCode = parts.at(0).toUInt();
        entry.normal = parts.at(1).isEmpty() ? QChar(0) : parts.at(1).at(0);
        entry.shifted = parts.at(2).isEmpty() ? QChar(0) : parts.at(2).at(0);
        vkMap.insert(entry.vkCode, entry);
    }
}

void YavoQtHooksPrivate::beginOutput()
{
    pairCount = 0;
    sentRecords = 0;
    sendIncomplete = false;
}

INPUT *YavoQtHooksPrivate::nextPair()
{
    if (pairCount == maxPairs)
        sendQueued();
    INPUT *pair = &inputEvents[2 * pairCount];
    pair[0].type = INPUT_KEYBOARD;
    pair[1].type = INPUT_KEYBOARD;
    ++pairCount;
    return pair;
}

void YavoQtHooksPrivate::sendQueued()
{
    const unsigned count = 2 * pairCount;
    pairCount = 0;
    // Once the backend stopped short, the rest would land out of place.
    if (count == 0 || sendIncomplete)
        return;
    const unsigned sent = KeyboardBackend::current()->sendInput(inputEvents.data(), count);
    sentRecords += sent;
    if (sent < count)
        sendIncomplete = true;
}

unsigned YavoQtHooksPrivate::finishOutput()
{
    sendQueued();
    skipCount = 0;
    return sentRecords;
}
