// The smallest Windows program, linked as the shipped exe is but for the one flag that the
// PE-flag check must then refuse.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return 0; }
