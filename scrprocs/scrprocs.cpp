#include "scrprocs/scrprocs.h"

#include "core/rteprocs.h"
#include "scrprocs/script_errors.h"
#include "ui/loadsave.h"

bool ScriptRouteText(const char* routePath, std::string* text) {
  text->clear();
  BufferedFile* route = new BufferedFile(routePath, false);
  if (!route->working()) {
    delete route;
    return false;
  }
  long errors_before = ScriptErrorCount();
  bool ok = PreProcessRoute(route, nullptr);
  if (!ok)
    ErrorMessage(
        "An error occured during the preprocessing of the route. The route may not be playable.",
        nullptr);
  if (global.routetype == kRouteScript) ok = ProcessSCR(route, nullptr) && ok;
  text->assign(route->view());
  delete route;
  return ok && ScriptErrorCount() == errors_before;
}
