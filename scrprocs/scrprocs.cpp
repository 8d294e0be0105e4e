#include "scrprocs/scrprocs.h"

// The script stages are not built yet: the route text passes through
// unchanged, which is what a route without script directives needs.

bool PreProcessRoute(BufferedFile*& route, platform::ProgressSink* progress) {
  (void)route;
  (void)progress;
  return true;
}

bool ProcessSCR(BufferedFile*& route, platform::ProgressSink* progress) {
  (void)route;
  (void)progress;
  return true;
}

bool ScriptRouteText(const char* routePath, std::string* text) {
  BufferedFile* route = new BufferedFile(routePath, false);
  if (!route->working()) {
    delete route;
    return false;
  }
  bool ok = PreProcessRoute(route, nullptr);
  text->assign(route->view());
  delete route;
  return ok;
}
