#ifndef LINEWRIGHT_TESTS_INT2RTE_WRITE_ROUTE_H
#define LINEWRIGHT_TESTS_INT2RTE_WRITE_ROUTE_H

#include <string>

#include "int2rte/int2rte.h"
#include "test_support.h"
#include "ui/loadsave.h"

// Runs the writer on an intermediate file in a scratch folder and returns
// the written route; the route file holds "old" before the run.
inline std::string WriteRoute(const std::string& intermediate, bool* ok = nullptr,
                              std::string* logText = nullptr) {
  ScratchDir dir;
  WriteFile(dir.File("linewright.tmp"), intermediate);
  global.outroutepath = dir.File("route/linewrighttemp.csv");
  WriteFile(global.outroutepath, "old");
  bool written = Intermediate2Route(nullptr);
  if (ok) *ok = written;
  if (logText) *logText = ReadFile(dir.File("log.txt"));
  return ReadFile(global.outroutepath);
}

#endif
