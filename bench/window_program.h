#pragma once
// What the bench's window programs share: a window class with the platform's defaults, showing
// the window, and running its messages until it is closed.
#include <windows.h>

namespace bench {

// A class with the arrow cursor and the dialog background whose window ends the program when it
// is destroyed. A program fills in what it adds (an icon) before it registers the class.
WNDCLASSEXW WindowClass(HINSTANCE instance, const wchar_t* name);

// Shows and paints the window at once, as Tarvane does.
void Show(HWND window, int showCommand);

// Runs the messages until the window is closed. Answers the program's exit code.
int RunMessages();

}  // namespace bench
