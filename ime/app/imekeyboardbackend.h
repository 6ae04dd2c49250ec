#ifndef YAVO_IMEKEYBOARDBACKEND_H
#define YAVO_IMEKEYBOARDBACKEND_H

#include <memory>

namespace Platform {
class KeyboardBackend;
}

// The one place where the input method picks where its keys come from.
// Null means the null backend: the hook cannot be installed and the
// program runs without affecting any typing.
std::unique_ptr<Platform::KeyboardBackend> chooseKeyboardBackend();

#endif
