#ifndef LINEWRIGHT_TESTS_SCRPROCS_SCRIPT_TEST_SUPPORT_H
#define LINEWRIGHT_TESTS_SCRPROCS_SCRIPT_TEST_SUPPORT_H

#include <string>

#include "core/BufFile.h"
#include "scrprocs/evaluate.h"
#include "scrprocs/scrprocs.h"

// Runs one script stage over a text and returns the text it leaves. The
// stages log to "log.txt": call these inside a ScratchDir.

using ScriptStage = bool (*)(BufferedFile*&, platform::ProgressSink*);

inline std::string RunScriptStage(ScriptStage stage, const std::string& text, bool* ok) {
  BufferedFile* route = BufferedFile::FromText(text).release();
  bool result = stage(route, nullptr);
  if (ok) *ok = result;
  std::string out(route->view());
  delete route;
  return out;
}

inline std::string Preprocessed(const std::string& text, bool* ok = nullptr) {
  return RunScriptStage(PreProcessRoute, text, ok);
}

inline std::string Scripted(const std::string& text, bool* ok = nullptr) {
  return RunScriptStage(ProcessSCR, text, ok);
}

inline std::string Evaluated(const std::string& text, std::size_t capacity = 1039) {
  std::string out;
  EvaluateScrText(text, &out, capacity);
  return out;
}

#endif
