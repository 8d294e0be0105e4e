#include "cli/desktop.h"

#include <QApplication>
#include <cstdlib>

#include "gui/main_window.h"
#include "gui/qt_sinks.h"
#include "ui/startup.h"

namespace {

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

}  // namespace

bool DesktopAvailable(std::string* reason) {
#if defined(_WIN32) || defined(__APPLE__)
  (void)reason;
  return true;
#else
  // QT_QPA_PLATFORM names a platform of its own choosing (offscreen, vnc).
  if (Set("DISPLAY") || Set("WAYLAND_DISPLAY") || Set("QT_QPA_PLATFORM")) return true;
  *reason = "no display (DISPLAY and WAYLAND_DISPLAY are not set)";
  return false;
#endif
}

int RunDesktopWindow(int argc, char** argv) {
  QApplication app(argc, argv);
  // The desktop entry's icon is the window's.
  QGuiApplication::setDesktopFileName(QStringLiteral("linewright"));
  // Boxes from the start on: what start-up reports (signal files it could
  // not put back) must reach a player who has no terminal.
  BoxMessageSink messages;
  platform::ScopedMessageSink scoped(&messages);
  StartUp();
  MainWindow window;
  messages.SetOwner(&window);
  window.show();
  return app.exec();
}
