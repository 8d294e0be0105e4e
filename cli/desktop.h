#ifndef LINEWRIGHT_CLI_DESKTOP_H
#define LINEWRIGHT_CLI_DESKTOP_H

#include <string>

// The desktop window, for the command line's main(): defined by the window
// library the build links, gui/ (Qt) or winui/ (Win32). Nothing here needs
// a toolkit's headers.

// True when a window can be shown; otherwise `reason` says why not.
bool DesktopAvailable(std::string* reason);

// Starts the program as a desktop application: start-up, the window, and
// its event loop until the window closes. Returns the exit status.
int RunDesktopWindow(int argc, char** argv);

#endif
