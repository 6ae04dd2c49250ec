#include "ime/app/imekeyboardbackend.h"
#include "ime/app/yavoimemain.h"

int main(int argc, char *argv[])
{
    return yavoIMEMain(argc, argv, chooseKeyboardBackend);
}
