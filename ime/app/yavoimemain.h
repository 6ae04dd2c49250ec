#ifndef YAVO_YAVOIMEMAIN_H
#define YAVO_YAVOIMEMAIN_H

#include <memory>

class QApplication;

namespace Platform {
class KeyboardBackend;
}

// What YavoIME's application object needs before its tray widget exists:
// the Fusion style, and an end only through Quit, since the program has no
// window whose closing could mean "stop typing Indic".
void prepareYavoIMEApplication(QApplication &app);

// The YavoIME program: wakes a running copy and ends, or runs the tray
// until Quit with the keyboard chooseBackend gives (null: the null backend).
// A copy the desktop's input-method daemon started (startedByDaemon) runs
// unless the running copy already serves the daemon: a copy that does not
// gives way to it.
int yavoIMEMain(int argc, char *argv[], std::unique_ptr<Platform::KeyboardBackend> (*chooseBackend)(),
                bool startedByDaemon = false);

#endif
