// Writes the input method's IBus component file, so that the build tree
// holds what a daemon's component folder needs.
// Usage: yavo_ibus_component OUTPUT PROGRAM

#include "platform/ibus/ibusengineinfo.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT PROGRAM\n", argv[0]);
        return 2;
    }
    const QByteArray xml = Platform::IBusEngineInfo::componentXml(argv[2]);
    std::FILE *out = std::fopen(argv[1], "wb");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    const bool written = std::fwrite(xml.constData(), 1, size_t(xml.size()), out) == size_t(xml.size());
    return std::fclose(out) == 0 && written ? 0 : 1;
}
