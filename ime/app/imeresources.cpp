#include "private/imeresources_p.h"

#include <QtGlobal>

void registerYavoIMEResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(yavoime);
        return true;
    }();
    Q_UNUSED(registered);
}
