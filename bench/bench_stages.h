#ifndef LINEWRIGHT_BENCH_BENCH_STAGES_H
#define LINEWRIGHT_BENCH_BENCH_STAGES_H

#include <string>
#include <vector>

// The pipeline's stages one by one, each from a file to a file, so that
// each can be timed on its own in the order a generation run calls them:
// every stage reads what the one before it saved.
struct BenchStage {
  const char* name;
  bool scriptOnly;  // only script routes have it
  // The file the stage reads; empty: the route itself.
  const char* input;
  // Runs the stage on `route` with the settings already in `global`.
  bool (*run)(const std::string& route);
};

const std::vector<BenchStage>& BenchStages();

// The file a stage reads for `route`: the route or the file `stage.input`.
// For the recognizer of a route without script stage, the preprocessed text.
std::string StageInput(const BenchStage& stage, const std::string& route, bool script);

#endif
