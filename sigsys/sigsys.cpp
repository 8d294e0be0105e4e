#include "sigsys/sigsys.h"

#include "core/rteprocs.h"

const char kDefaultSignalSystem[] = "Kavo Default";

SignalSystem sigsys;

bool IsDefaultSignalSystem(const std::string& name) {
  std::string a = name, b = kDefaultSignalSystem;
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

bool LoadSignalSystem() {
  if (!sigsys.custom) return true;
  // Custom signal systems are not supported yet: say so rather than run
  // with the default signals as if the choice had been honoured.
  log("LoadSignalSystem: custom signal systems are not supported in this version");
  ErrorMessage("Could not load signal system:", sigsys.name.c_str());
  return false;
}

bool CustomSignalsActive() { return false; }

void RestoreDefaultSignals() {}

std::string GetSignalSystemInfo(int) { return std::string(); }
