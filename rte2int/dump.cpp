#include "rte2int/dump.h"

bool DumpIntermediateFile(const std::string& path, std::ostream& out, std::string* error) {
  (void)path;
  (void)out;
  if (error) *error = "dumping intermediate files is not built yet";
  return false;
}
