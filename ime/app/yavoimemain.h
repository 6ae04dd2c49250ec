#ifndef YAVO_YAVOIMEMAIN_H
#define YAVO_YAVOIMEMAIN_H

class QApplication;

// What YavoIME's application object needs before its tray widget exists:
// the Fusion style, and an end only through Quit, since the program has no
// window whose closing could mean "stop typing Indic".
void prepareYavoIMEApplication(QApplication &app);

// The YavoIME program: wakes a running copy and ends, or runs the tray
// until Quit.
int yavoIMEMain(int argc, char *argv[]);

#endif
