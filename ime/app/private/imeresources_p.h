#ifndef YAVO_IMERESOURCES_P_H
#define YAVO_IMERESOURCES_P_H

// Makes the input method's built-in files (key map, icons) reachable under
// ":/resources/"; their resource lives in a static library, which a program
// must register before use. Safe to call again.
void registerYavoIMEResources();

#endif
