#include "bench/synthetic_route.h"

#include <cstdio>

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

std::string Time(int seconds) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d.%02d%02d", (seconds / 3600) % 24, (seconds / 60) % 60,
                seconds % 60);
  return text;
}

template <typename Line>
std::string Build(size_t targetBytes, const std::string& head, Line line) {
  std::string route = head;
  for (int block = 0; route.size() < targetBytes; ++block) {
    int base = block * kBlockLength;
    int arrive = 6 * 3600 + block * 150;
    for (int m = 0; m < kBlockLength; m += kStep) route += line(base, m, arrive);
  }
  return route;
}

}  // namespace

std::string SyntheticCsvRoute(size_t targetBytes) {
  std::string head =
      "; synthetic route for timing\r\n"
      "With Route\r\n.Comment Synthetic line,\r\n.Timetable day.png,\r\n.Gauge 1435\r\n"
      ".Change -1\r\n.RunInterval 300\r\n"
      "With Train\r\n.Folder synthetic\r\n"
      "With Structure\r\n.Rail(0) rail0.b3d\r\n.Rail(1) rail1.b3d\r\n.Ground(0) ground.b3d\r\n"
      ".FreeObj(0) tree.b3d\r\n.FreeObj(1) house.b3d\r\n.Pole(0;1) pole.csv\r\n"
      "With Track\r\n";
  return Build(targetBytes, head, [](int base, int m, int arrive) {
    char text[512];
    std::string line = std::to_string(base + m) + ",";
    double x = LoopOffset(m);
    if (m == 0) line += " .railstart 1;0;0;1,";
    if (m > 0 && m <= 600) line += " .rail 1;" + std::to_string(x).substr(0, 4) + ",";
    if (m == 625) line += " .railend 1,";
    if (m == 300) {
      std::snprintf(text, sizeof text, " .sta Station %d;%s;%s;0;1;;;;20;100;;,", base / kBlockLength,
                    Time(arrive).c_str(), Time(arrive + 30).c_str());
      line += text;
      line += " .stop 0,";
    }
    if (m % 500 == 0) line += " .signal 4;0;-3;0,";
    if (m % 250 == 100) line += " .curve " + std::to_string(m % 1000 < 500 ? 800 : -1200) + ";0,";
    if (m % 200 == 50) line += " .pitch " + std::to_string((m / 200) % 5 - 2) + ",";
    line += " .freeobj 0;0;-8;0;0, .freeobj 0;1;12;1;30,";
    if (m % 100 == 0) line += " .pole 0;1;0;25;0,";
    line += " ; trackside note\r\n";
    return line;
  });
}

std::string SyntheticSectionedRoute(size_t targetBytes) {
  std::string head =
      "Synthetic route for timing\r\n"
      "[Route]\r\nComment = Synthetic line\r\nGauge = 1435\r\nDeveloperID = bench\r\n"
      "[Train]\r\nFile = synthetic\r\n"
      "[Object]\r\nRail(0) = rail0.b3d\r\nRail(1) = rail1.b3d\r\nFreeObj(0) = tree.b3d\r\n"
      "Pole(0;1) = pole.csv\r\n"
      "[Railway]\r\n";
  return Build(targetBytes, head, [](int base, int m, int arrive) {
    char text[512];
    std::string line = std::to_string(base + m) + ", ";
    double x = LoopOffset(m);
    if (m == 0) line += "RailStart(1;0;0;1) ";
    if (m > 0 && m <= 600) line += "Rail(1;" + std::to_string(x).substr(0, 4) + ") ";
    if (m == 625) line += "RailEnd(1) ";
    if (m == 300) {
      std::snprintf(text, sizeof text, "Station(Station %d; %s; %s; 0; 0; door.wav) Stop(0) ",
                    base / kBlockLength, Time(arrive).c_str(), Time(arrive + 30).c_str());
      line += text;
    }
    if (m % 500 == 0) line += "Signal(4;;-3;0) ";
    if (m % 250 == 100) line += "Curve(" + std::to_string(m % 1000 < 500 ? 800 : -1200) + ";0) ";
    if (m % 200 == 50) line += "Height(" + std::to_string((m / 200) % 3) + ") ";
    line += "FreeObj(0;0;-8;0;0) Form(1;9;0;0) ; trackside note\r\n";
    return line;
  });
}
