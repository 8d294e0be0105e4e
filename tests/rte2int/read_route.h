#ifndef LINEWRIGHT_TESTS_RTE2INT_READ_ROUTE_H
#define LINEWRIGHT_TESTS_RTE2INT_READ_ROUTE_H

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "rte2int/dump.h"
#include "rte2int/rte2int.h"
#include "test_support.h"
#include "ui/loadsave.h"

// Reads a route text as a route of `type` in the current (scratch) folder
// and returns the dump of the intermediate file, one command a line.
inline std::string ReadRouteText(const std::string& route, int type) {
  const char* name = type == kRouteSectioned ? "route.rw" : "route.csv";
  EXPECT_TRUE(WriteFile(name, route));
  global.routetype = static_cast<signed char>(type);
  EXPECT_EQ(Route2Intermediate(name, nullptr), 1) << route;
  std::ostringstream out;
  std::string error;
  EXPECT_TRUE(DumpIntermediateFile(kIntermediateFileName, out, &error)) << error;
  return out.str();
}

// The lines of a dump that start with `prefix`, joined.
inline std::string DumpLines(const std::string& dump, const std::string& prefix) {
  std::string picked;
  std::istringstream in(dump);
  for (std::string line; std::getline(in, line);)
    if (line.compare(0, prefix.size(), prefix) == 0) picked += line + "\n";
  return picked;
}

#endif
