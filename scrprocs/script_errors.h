#ifndef LINEWRIGHT_SCRPROCS_SCRIPT_ERRORS_H
#define LINEWRIGHT_SCRPROCS_SCRIPT_ERRORS_H

// Every error of the script stages goes through here: it is shown through
// ErrorMessage and counted, so that a caller can tell whether a run
// reported anything (the evaluator's "not found" errors do not stop a run,
// yet the run is not clean).
void ReportScriptError(const char* message, const char* detail);
// Errors reported since the program started; callers compare two readings.
long ScriptErrorCount();

#endif
