#include "bench/bench_stages.h"

#include <cstring>

#include "core/BufFile.h"
#include "int2rte/int2rte.h"
#include "int2rte/int2tech.h"
#include "rte2int/cleanint.h"
#include "rte2int/rte2int.h"
#include "scrprocs/scrprocs.h"
#include "ui/loadsave.h"

namespace {

const char kPreprocessed[] = "stage-preprocessed.txt";
const char kScripted[] = "stage-scripted.txt";
const char kRecognized[] = "stage-recognized.tmp";

// Reads `from`, runs `step` on the buffer (which it may replace) and saves
// the result to `to`.
template <typename Step>
bool FileToFile(const std::string& from, const char* to, Step step) {
  BufferedFile* file = new BufferedFile(from.c_str(), false);
  bool ok = file->working() && step(file);
  file->setread(false);
  ok = file->flush(to) && ok;
  delete file;
  return ok;
}

bool Preprocess(const std::string& route) {
  return FileToFile(route, kPreprocessed,
                    [](BufferedFile*& f) { return PreProcessRoute(f, nullptr); });
}

bool Script(const std::string&) {
  return FileToFile(kPreprocessed, kScripted,
                    [](BufferedFile*& f) { return ProcessSCR(f, nullptr); });
}

bool Recognize(const std::string&) {
  const char* from = global.routetype == kRouteScript ? kScripted : kPreprocessed;
  BufferedFile* in = new BufferedFile(from, false);
  BufferedFile out(BufferedFile::OutputSizeFor(in->size()), true);
  bool ok = in->working() && out.working() && RouteText2Intermediate(in, &out, nullptr);
  delete in;
  return out.flush(kRecognized) && ok;
}

bool CleanUp(const std::string&) {
  return FileToFile(kRecognized, kIntermediateFileName,
                    [](BufferedFile*& f) { return CleanIntFile(f, nullptr); });
}

bool WriteRoute(const std::string&) { return Intermediate2Route(nullptr); }

bool Chart(const std::string&) { return Intermediate2Tech(nullptr) == 1; }

}  // namespace

const std::vector<BenchStage>& BenchStages() {
  static const std::vector<BenchStage> stages = {
      {"preprocess", false, "", Preprocess},
      {"script", true, kPreprocessed, Script},
      {"recognize", false, kScripted, Recognize},
      {"clean-up", false, kRecognized, CleanUp},
      {"write route", false, kIntermediateFileName, WriteRoute},
      {"chart", false, kIntermediateFileName, Chart},
  };
  return stages;
}

std::string StageInput(const BenchStage& stage, const std::string& route, bool script) {
  if (stage.input[0] == '\0') return route;
  if (!script && std::strcmp(stage.input, kScripted) == 0) return kPreprocessed;
  return stage.input;
}
