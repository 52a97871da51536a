#pragma once
// What the bench's window programs share: a window class with the platform's defaults, and
// showing the window and running its messages until it is closed.
#include <windows.h>

namespace bench {

// A class with the arrow cursor and the dialog background whose window ends the program when it
// is destroyed. A program fills in what it adds (an icon) before it registers the class.
WNDCLASSEXW WindowClass(HINSTANCE instance, const wchar_t* name);

// Shows the window and runs its messages until it is closed. Answers the program's exit code.
int ShowAndRun(HWND window, int showCommand);

}  // namespace bench
