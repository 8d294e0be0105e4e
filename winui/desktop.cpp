#include "cli/desktop.h"

#include <windows.h>

#include "winui/main_window.h"

bool DesktopAvailable(std::string* /*reason*/) { return true; }

int RunDesktopWindow(int /*argc*/, char** /*argv*/) {
  // Started from Explorer, the program got a console of its own: let it go,
  // so that only the window shows. A console it shares (a command prompt)
  // stays.
  DWORD processes[2];
  if (GetConsoleProcessList(processes, 2) == 1) FreeConsole();
  return RunMainWindow(GetModuleHandleW(nullptr));
}
