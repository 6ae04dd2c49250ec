#include "ime/app/imekeyboardbackend.h"
#include "ime/app/yavoimemain.h"

#include "platform/filesync.h"
#include "platform/ibus/ibusengineinfo.h"

#include <cstring>

int main(int argc, char *argv[])
{
    Platform::ignoreFileSizeLimitSignal();
    bool startedByDaemon = false;
    for (int i = 1; i < argc; ++i)
        startedByDaemon = startedByDaemon || std::strcmp(argv[i], Platform::IBusEngineInfo::startedByDaemonOption) == 0;
    return yavoIMEMain(argc, argv, chooseKeyboardBackend, startedByDaemon);
}
