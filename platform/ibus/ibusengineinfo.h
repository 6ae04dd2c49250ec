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

// The option on the command line with which the daemon starts the program
// when a user picks the engine and no copy serves it.
constexpr char startedByDaemonOption[] = "--ibus";

// A new component describing the engine; program is the file the daemon
// starts. The caller owns the result (g_object_unref).
IBusComponent *createComponent(const QByteArray &program);

// The component's XML, as the daemon reads it from its component folder.
QByteArray componentXml(const QByteArray &program);

} // namespace IBusEngineInfo

} // namespace Platform

#endif
