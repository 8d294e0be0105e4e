#include "bench/synthetic_route.h"

#include <cstdio>
#include <vector>

const char kSyntheticIncludeName[] = "bench_common.inc";

namespace {

constexpr int kBlockLength = 2000;  // metres between stations
constexpr int kStep = 25;

// Lateral offset of the passing loop's track at `m` metres into a block:
// it swings out over 100 m, runs parallel, and swings back.
double LoopOffset(int m) {
  if (m <= 0 || m >= 600) return 0;
  if (m < 100) return 3.8 * m / 100.0;
  if (m > 500) return 3.8 * (600 - m) / 100.0;
  return 3.8;
}

std::string Number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", v);
  return text;
}

std::string Time(int seconds) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d.%02d%02d", (seconds / 3600) % 24, (seconds / 60) % 60,
                seconds % 60);
  return text;
}

// One track command: its word in the comma-separated syntax, its word in
// the sectioned syntax and its parameters, separated by ";".
struct Command {
  const char* csv;
  const char* rw;
  std::string args;
};

// The commands at `m` metres into block `block` that both syntaxes share.
std::vector<Command> TrackCommands(int block, int m) {
  std::vector<Command> c;
  // The passing loop: rail 1 leaves at 0, rejoins at 600, ends at 625.
  if (m == 0) c.push_back({"railstart", "RailStart", "1;0;0;1"});
  if (m > 0 && m <= 600) c.push_back({"rail", "Rail", "1;" + Number(LoopOffset(m))});
  if (m == 625) c.push_back({"railend", "RailEnd", "1"});
  // A siding on the other side that ends without rejoining.
  if (block % 3 == 0) {
    if (m == 1000) c.push_back({"railstart", "RailStart", "2;0;0;1"});
    if (m > 1000 && m <= 1100) c.push_back({"rail", "Rail", "2;-" + Number(0.04 * (m - 1000))});
    if (m == 1125) c.push_back({"railend", "RailEnd", "2;-4;0"});
  }
  if (m == 0) {
    c.push_back({"railtype", "RailType", block % 2 ? "0;1" : "0;0"});
    c.push_back({"limit", "Limit", "80;-1;0"});
    c.push_back({"accuracy", "Accuracy", "2"});
    c.push_back({"pole", "Pole", "0;1;0;25;0"});
  }
  if (m == 400) c.push_back({"freeobj", "FreeObj", "1;2;0;0;0"});  // a parked wagon
  if (m == 425) c.push_back({"freeobj", "FreeObj", "1;3;0;0;0"});  // and a coach
  if (m % 500 == 0) c.push_back({"signal", "Signal", "4;0;-3;0"});
  if (m % 500 == 250) c.push_back({"sig", "Sig", "3;0;3;0"});
  if (m == 1250) c.push_back({"relay", "Relay", "3;1"});
  if (m % 250 == 100) c.push_back({"curve", "Curve", m % 1000 < 500 ? "800;40" : "-1200;0"});
  if (m % 250 == 200) c.push_back({"curve", "Curve", "0;0"});
  if (m == 1500) c.push_back({"turn", "Turn", "0.01"});
  if (m == 1525) c.push_back({"turn", "Turn", "-0.01"});
  if (m % 200 == 50) c.push_back({"pitch", "Pitch", "$Rnd(-3;3)"});
  if (m == 700) c.push_back({"wall", "Wall", "0;-1;0"});
  if (m == 900) c.push_back({"wallend", "WallEnd", "0"});
  if (m == 1100) c.push_back({"dike", "Dike", "0;1;0"});
  if (m == 1300) c.push_back({"dikeend", "DikeEnd", "0"});
  if (m == 1950) c.push_back({"poleend", "PoleEnd", "0"});
  if (m == 1200) c.push_back({"marker", "Marker", "km.png;100"});
  if (m == 1700) c.push_back({"adhesion", "Adhesion", "100"});
  c.push_back({"freeobj", "FreeObj", "0;0;-8;0;0"});
  if (m % 50 == 0) c.push_back({"freeobj", "FreeObj", "0;1;12;1;30"});
  return c;
}

std::string CsvCommands(const std::vector<Command>& commands) {
  std::string text;
  for (const Command& c : commands) text += std::string(" .") + c.csv + " " + c.args + ",";
  return text;
}

// The timed station of a block in the comma-separated syntax.
std::string CsvStation(int block) {
  int arrive = 6 * 3600 + block * 150;
  char text[160];
  std::snprintf(text, sizeof text, " .sta Station %d;%s;%s;0;1;0;;;20;100;;, .stop 0,", block,
                Time(arrive).c_str(), Time(arrive + 30).c_str());
  return text;
}

const char kCsvHead[] =
    "; synthetic route for timing\r\n"
    "With Route\r\n.Comment Synthetic line,\r\n.Timetable day.png,\r\n.Gauge 1435\r\n"
    ".Change -1\r\n.Signal(0) 0\r\n.Signal(1) 25\r\n.Signal(2) 60\r\n.RunInterval 300\r\n"
    ".AmbientLight 160;160;160\r\n.DeveloperID bench-0001\r\n"
    "With Train\r\n.Folder synthetic\r\n"
    "With Structure\r\n.Rail(0) rail0.b3d\r\n.Rail(1) rail1.b3d\r\n.Rail(2) rail2.b3d\r\n"
    ".Ground(0) ground.b3d\r\n.FreeObj(0) tree.b3d\r\n.FreeObj(1) house.b3d\r\n"
    ".FreeObj(2) parked\\Wagon.b3d\r\n.FreeObj(3) parked\\coach_2nd.b3d\r\n"
    ".Pole(0;1) pole.csv\r\n.Wall(0) wall.csv\r\n.Dike(0) dike.csv\r\n"
    ".FormL(0) platform_l.b3d\r\n.FormCL(0) platform_cl.b3d\r\n"
    "Texture.Background(0) sky.png\r\n"
    "With Track\r\n";

// Grows `route` block by block, each block written by `write`, until it
// reaches `targetBytes`.
template <typename WriteBlock>
std::string Build(size_t targetBytes, std::string route, WriteBlock write) {
  route.reserve(targetBytes + 16 * 1024);
  for (int block = 0; route.size() < targetBytes; ++block) write(block, &route);
  return route;
}

void CsvBlock(int block, std::string* route) {
  int base = block * kBlockLength;
  for (int m = 0; m < kBlockLength; m += kStep) {
    std::string line = std::to_string(base + m) + ",";
    line += CsvCommands(TrackCommands(block, m));
    if (m == 300) line += CsvStation(block) + " .form 0;L;0;0,";
    line += m % 100 == 0 ? " ; trackside note\r\n" : "\r\n";
    *route += line;
  }
}

}  // namespace

std::string SyntheticCsvRoute(size_t targetBytes) { return Build(targetBytes, kCsvHead, CsvBlock); }

std::string SyntheticSectionedRoute(size_t targetBytes) {
  std::string head =
      "Synthetic route for timing\r\n"
      "[Route]\r\nComment = Synthetic line\r\nGauge = 1435\r\nSignal(0) = 0\r\n"
      "Signal(1) = 25\r\nInterval = 300\r\nDeveloperID = bench\r\n"
      "[Train]\r\nFile = synthetic\r\n"
      "[Object]\r\nRail(0) = rail0.b3d\r\nRail(1) = rail1.b3d\r\nRail(2) = rail2.b3d\r\n"
      "Ground(0) = ground.b3d\r\nFreeObj(0) = tree.b3d\r\nFreeObj(1) = house.b3d\r\n"
      "FreeObj(2) = parked\\Wagon.b3d\r\nFreeObj(3) = parked\\coach_2nd.b3d\r\n"
      "Pole(0;1) = pole.csv\r\nWall(0) = wall.csv\r\nDike(0) = dike.csv\r\n"
      "FormL(0) = platform_l.b3d\r\nBack(0) = sky.png\r\n"
      "[Railway]\r\n";
  return Build(targetBytes, head, [](int block, std::string* route) {
    int base = block * kBlockLength;
    int arrive = 6 * 3600 + block * 150;
    for (int m = 0; m < kBlockLength; m += kStep) {
      std::string line = std::to_string(base + m) + ", ";
      for (const Command& c : TrackCommands(block, m))
        line += std::string(c.rw) + "(" + c.args + ") ";
      if (m == 300) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "Station(Station %d; %s; %s; 0; 0; door.wav) Stop(0) Form(0;-9;0;0) ", block,
                      Time(arrive).c_str(), Time(arrive + 30).c_str());
        line += text;
      }
      if (m % 200 == 150) line += "Height(" + std::to_string((m / 200) % 3) + ") ";
      line += m % 100 == 0 ? "; trackside note\r\n" : "\r\n";
      *route += line;
    }
  });
}

std::string SyntheticScriptInclude() {
  return "; shared definitions of the synthetic script route\r\n"
         "#definemacro<platform>.form 0;L;0;0, .stop 0,#endmacro<>\r\n"
         "#definemacro<lamps>.freeobj 0;1;-6;0;0, .freeobj 0;1;6;0;0,#endmacro<>\r\n";
}

std::string SyntheticScriptRoute(size_t targetBytes) {
  std::string head =
      "#version<1>\r\n#notes<>\r\nSynthetic script route for timing: every directive family\r\n"
      "in every block.\r\n#endnotes<>\r\n"
      "#include<" +
      std::string(kSyntheticIncludeName) +
      ">\r\n"
      "#setvalue<limit,#rnd25<75,110>>\r\n#setvalue<dwell,#rnd<20,45>>\r\n"
      "#definerndset<fogs,0; 400,100; 600,200; 900,endlisting>\r\n"
      "#definerndset<adhesion,100,90,135>\r\n"
      "#if<#train<BenchTrain>>\r\n#setword<loop,1>\r\n#else<>\r\n#setword<loop,#chance<50>>\r\n"
      "#endif<>\r\n" +
      std::string(kCsvHead);
  return Build(targetBytes, head, [](int block, std::string* route) {
    int base = block * kBlockLength;
    for (int m = 0; m < kBlockLength; m += kStep) {
      int at = base + m;
      std::string commands = CsvCommands(TrackCommands(block, m));
      if (m == 100) {
        // A condition on chance around one position.
        *route += "#if<#chance<50>>\r\n" + std::to_string(at) + "," + commands +
                  " .fog #rndset<fogs>;128;128;128,\r\n#else<>\r\n" + std::to_string(at) + "," +
                  commands + "\r\n#endif<>\r\n";
        continue;
      }
      if (m == 800) {
        // Repetition over three positions, ended by a break.
        *route += "#setvalue<d," + std::to_string(at) + ">\r\n#repeat<>\r\n#value<d>," + commands +
                  " #macro<lamps>\r\n#setvalue<d,#add<#value<d>,25>>\r\n"
                  "#if<#greater<#value<d>," +
                  std::to_string(at + 50) + ">>#breakrepeat<>#endif<>\r\n#endrepeat<>\r\n";
        continue;
      }
      if (m == 825 || m == 850) continue;  // written by the repetition
      std::string line = std::to_string(at) + "," + commands;
      if (m == 0) line += " .limit #value<limit>, .adhesion #rndset<adhesion>,";
      if (m == 300) line += CsvStation(block) + " #macro<platform>";
      if (m == 1400) line += " .pitch #rnd<-4,4>,";
      line += m % 100 == 0 ? " ; trackside note\r\n" : "\r\n";
      *route += line;
    }
  });
}
