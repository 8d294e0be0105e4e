#ifndef LINEWRIGHT_WINUI_MAIN_WINDOW_H
#define LINEWRIGHT_WINUI_MAIN_WINDOW_H

#include <windows.h>

// The program as a Win32 desktop application: start-up, the window class
// "MainWindowC" and its window, and the message loop until the window is
// closed. Returns the exit code (the quit message's).
int RunMainWindow(HINSTANCE instance);

#endif
