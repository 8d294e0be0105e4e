#include "fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/messages.h"
#include "platform/random.h"
#include "scrprocs/scrprocs.h"
#include "sigsys/sigsys.h"
#include "ui/loadsave.h"

namespace fs = std::filesystem;

namespace {

// Errors are expected by the thousand: none is shown, every question is
// answered No.
class QuietSink : public platform::MessageSink {
 public:
  void Error(const std::string&) override {}
  bool Choice(const std::string&, const std::string&) override { return false; }
  void Note(const std::string&) override {}
};

QuietSink quiet;

}  // namespace

void WriteInputFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::fprintf(stderr, "fuzz: cannot write %s\n", path.c_str());
    std::abort();
  }
}

void PrepareWorkingFolder() {
  if (fs::exists("train/T/train.dat")) return;
  fs::create_directories("routes/sub");
  fs::create_directories("routes/common");
  fs::create_directories("train/T");
  fs::create_directories("S");
  WriteInputFile("routes/a.inc", "100,.pitch 3,\r\n");
  WriteInputFile("routes/common/x.txt", "#include<a.inc>\r\n$Include(a.inc)\r\n");
  WriteInputFile("train/T/train.dat", "T");
}

void ResetForInput() {
  PrepareWorkingFolder();
  platform::SetMessageSink(&quiet);
  ResetGlobals();
  SetDefaultFolders(&global);
  global.simfolder = ".";
  global.routefolder = "routes";
  global.trainfolder = "train";
  global.browsefolder = "routes";
  global.trainname = "T";
  global.outroutepath = OutRoutePath(global.routefolder);
  sigsys = SignalSystem();
  sigsys.name = kDefaultSignalSystem;
  platform::SeedRandom(1);
  // Under the sanitizers every byte preprocessed costs some 25 times as
  // much: routes that multiply themselves up to the full bound took 18 s,
  // past the per-input limit. A smaller bound takes the same paths.
  SetRouteGrowthLimit(1024 * 1024);
  std::remove("log.txt");
}
