#include "platform/ibus/ibusengineinfo.h"

#include <ibus.h>

namespace Platform {

namespace IBusEngineInfo {

IBusComponent *createComponent(const QByteArray &program)
{
    gchar *quoted = g_shell_quote(program.constData());
    const QByteArray exec = QByteArray(quoted) + ' ' + startedByDaemonOption;
    g_free(quoted);
    IBusComponent *component = ibus_component_new(componentName,
                                                  "Yavo input method",
                                                  "",
                                                  "",
                                                  "Yavo Software",
                                                  "",
                                                  exec.constData(),
                                                  "");
    IBusEngineDesc *engine = ibus_engine_desc_new(engineName,
                                                  "Yavo",
                                                  "Kannada and eight other Indic scripts from a Latin keyboard",
                                                  language,
                                                  "",
                                                  "Yavo Software",
                                                  "",
                                                  layout);
    ibus_component_add_engine(component, engine);
    g_object_ref_sink(component);
    return component;
}

QByteArray componentXml(const QByteArray &program)
{
    IBusComponent *component = createComponent(program);
    GString *xml = g_string_new("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
    ibus_component_output(component, xml, 0);
    const QByteArray result(xml->str, int(xml->len));
    g_string_free(xml, TRUE);
    g_object_unref(component);
    return result;
}

} // namespace IBusEngineInfo

} // namespace Platform
