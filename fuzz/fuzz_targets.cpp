#include "fuzz/fuzz_targets.h"

#include <cstdio>
#include <string>
#include <vector>

#include "core/BufFile.h"
#include "fuzz/fuzz_support.h"
#include "int2rte/int2rte.h"
#include "int2rte/int2tech.h"
#include "rte2int/cleanint.h"
#include "rte2int/rte2int.h"
#include "scrprocs/evaluate.h"
#include "sigsys/custom_signal.h"
#include "sigsys/sigsys.h"
#include "sigsys/sigsys_list.h"
#include "ui/cleantext.h"
#include "ui/loadsave.h"
#include "ui/route_info.h"

namespace {

const char* const kRouteNames[] = {"r.rw", "r.csv", "r.scr"};
const signed char kRouteTypes[] = {kRouteSectioned, kRouteCsv, kRouteScript};

// Chooses one of `values` with the next input byte.
template <typename T, std::size_t N>
T Pick(InputBytes& input, const T (&values)[N]) {
  return values[input.Next() % N];
}

void ChooseRoute(InputBytes& input, const std::string& folder) {
  int kind = input.Next() % 3;
  global.browsefolder = folder;
  global.routefile = kRouteNames[kind];
  global.routetype = kRouteTypes[kind];
}

std::string RoutePath() { return global.browsefolder + "/" + global.routefile; }

}  // namespace

int FuzzRouteReading(const std::uint8_t* data, std::size_t size) {
  ResetForInput();
  InputBytes input(data, size);
  // In a subfolder of the route folder, so that "..\" includes have
  // somewhere to go.
  ChooseRoute(input, "routes/sub");
  WriteInputFile(RoutePath(), input.Rest());
  Route2Intermediate(RoutePath().c_str(), nullptr);
  return 0;
}

int FuzzIntermediate(const std::uint8_t* data, std::size_t size) {
  ResetForInput();
  InputBytes input(data, size);
  global.signalmode = Pick(input, {kSignalsNone, kSignalsMild, kSignalsMedium, kSignalsStrong});
  global.adhesionmode = Pick(input, {kAdhesionNone, kAdhesionRandom, kAdhesionGood, kAdhesionBad});
  global.statictrainmode = Pick(input, {kStaticKeep, kStaticRemove, kStaticMove});
  global.timetablemode =
      Pick(input, {kTimetableDefault, kTimetableCustom, kTimetableRandom, kTimetableRealTime});
  global.alternativechance = input.Next() % 101;
  global.starttime = input.Next() * 339;
  std::uint8_t switches = input.Next();
  int* flags[] = {&global.randomtrackquality, &global.randomdwell,   &global.randomtraffic,
                  &global.randomstart,        &global.tilting,       &global.showerrors,
                  &global.signaldistances,    &global.loosetimetable};
  for (int i = 0; i < 8; ++i) *flags[i] = (switches >> i) & 1;
  std::uint8_t choices = input.Next();
  if (choices & 1) {
    // A custom system whose templates use every escape and a directive.
    sigsys.name = "S";
    sigsys.custom = 1;
    sigsys.loaded = true;
    sigsys.signaldef = "\247s\247x\247e\247y\247e\247a\247p\247t\247n\247q#rnd<1;3>\r\n";
    sigsys.relaydef = "\247r\247x\247p\247y\247\r\n";
    sigsys.speeds = "#value<missing>.speed 80\r\n";
  }
  BufferedFile* file = BufferedFile::FromText(input.Rest()).release();
  if (CleanIntFile(file, nullptr)) {
    file->setread(false);
    file->flush(kIntermediateFileName);
  }
  delete file;
  // The writer and the chart read what the clean-up made, or, by one bit,
  // the raw bytes, as a damaged file would give them.
  if (choices & 2) WriteInputFile(kIntermediateFileName, input.Rest());
  Intermediate2Route(nullptr);
  Intermediate2Tech(nullptr);
  return 0;
}

int FuzzScrParameter(const std::uint8_t* data, std::size_t size) {
  ResetForInput();
  InputBytes input(data, size);
  int room = 1 + input.Next() % 64 * 8;
  std::string in(input.Rest());
  // Exactly the room asked for, so that one byte too many is caught.
  std::vector<char> out(static_cast<std::size_t>(room));
  ParseScrParameter(out.data(), in.c_str(), room);
  return 0;
}

int FuzzConfig(const std::uint8_t* data, std::size_t size) {
  ResetForInput();
  WriteInputFile(kConfigFileName, std::string_view(reinterpret_cast<const char*>(data), size));
  LoadConfig();
  SaveConfig();
  LoadConfig();
  return 0;
}

int FuzzSignalSystem(const std::uint8_t* data, std::size_t size) {
  ResetForInput();
  InputBytes input(data, size);
  int a = static_cast<signed char>(input.Next()) * 1000;
  int t = static_cast<signed char>(input.Next());
  float x = static_cast<signed char>(input.Next()) / 3.0f;
  WriteInputFile("S/sigsys.txt", input.Rest());
  std::vector<SignalSystemEntry> systems = ListSignalSystems(".");
  if (systems.empty()) return 0;
  sigsys.name = systems[0].name;
  sigsys.custom = IsDefaultSignalSystem(sigsys.name) ? 0 : 1;
  GetSignalSystemInfo(4096);
  if (!LoadSignalSystem(false) || !CustomSignalsActive()) return 0;
  BufferedFile out(4096, true);
  InsertCustomSignal(&out, a, "name", x, -x, t, true);
  InsertCustomSignal(&out, 0, "", x, x, 0, false);
  return 0;
}

int FuzzRouteInfo(const std::uint8_t* data, std::size_t size) {
  ResetForInput();
  InputBytes input(data, size);
  ChooseRoute(input, "routes");
  int cleanSize = 4 + input.Next() * 16;
  bool keepLineBreaks = input.Next() & 1;
  WriteInputFile(RoutePath(), input.Rest());
  RouteInfo info;
  GetRouteInfo(&info);
  CleanText(input.Rest(), cleanSize, keepLineBreaks);
  return 0;
}
