// Loads each DLL named on its command line by its bare name, as a program does that has not said
// where DLLs may come from: the control of the planted-DLL tests, showing that a DLL planted
// beside a program is what such a load takes on the test system.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    for (int i = 1; i < argc; ++i) {
        LoadLibraryW(argv[i]);
    }
    return 0;
}
