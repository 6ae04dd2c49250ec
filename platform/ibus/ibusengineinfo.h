#ifndef YAVO_IBUSENGINEINFO_H
#define YAVO_IBUSENGINEINFO_H

#include <QByteArray>

typedef struct _IBusComponent IBusComponent;

namespace Platform {

// Who the input method is to the IBus daemon: one component offering one
// engine, typing Kannada (and the other scripts the tray offers) from the
// US keyboard layout.
namespace IBusEngineInfo {

constexpr char componentName[] = "org.freedesktop.IBus.Yavo";
constexpr char engineName[] = "yavo";
constexpr char language[] = "kn";
constexpr char layout[] = "us";

// A new component describing the engine; exec is the program the daemon
// starts when a user picks the engine and it is not running. The caller
// owns the result (g_object_unref).
IBusComponent *createComponent(const QByteArray &exec);

// The component's XML, as the daemon reads it from its component folder.
QByteArray componentXml(const QByteArray &exec);

} // namespace IBusEngineInfo

} // namespace Platform

#endif
