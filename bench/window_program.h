#pragma once
// What the bench's window programs share: a window class with the platform's defaults, showing
// the window, and running its messages until it is closed.
#include <windows.h>

namespace bench {

// Ends the program when the window is destroyed; the default for the rest. A program that handles
// more messages hands the others on to it.
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A class with WindowProc, the arrow cursor and the dialog background. A program fills in what it
// adds (an icon, a procedure of its own) before it registers the class.
WNDCLASSEXW WindowClass(HINSTANCE instance, const wchar_t* name);

// Shows and paints the window at once, as Tarvane does.
void Show(HWND window, int showCommand);

// Runs the messages until the window is closed. Answers the program's exit code.
int RunMessages();

}  // namespace bench
