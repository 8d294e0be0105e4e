#include "scrprocs/script_errors.h"

#include "core/rteprocs.h"

namespace {
long error_count = 0;
}

void ReportScriptError(const char* message, const char* detail) {
  ++error_count;
  ErrorMessage(message, detail);
}

long ScriptErrorCount() { return error_count; }
