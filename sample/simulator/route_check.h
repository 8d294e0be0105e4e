#ifndef LINEWRIGHT_SAMPLE_SIMULATOR_ROUTE_CHECK_H
#define LINEWRIGHT_SAMPLE_SIMULATOR_ROUTE_CHECK_H

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kavosim {

// Problems past this many are counted but not kept.
constexpr std::size_t kListedProblems = 10;

// What the check read from a route. Counts are of statements that were
// understood; a statement with a problem counts only as a problem.
struct RouteSummary {
  long lines = 0;
  long positions = 0;
  long track_commands = 0;   // .rail, .curve, .sta, ... (they follow a position)
  long section_headers = 0;  // with route, with track, ...
  long definitions = 0;      // route.gauge, .rail(0) file, signal(0).load, $sub(1)=...
  long substitutions = 0;    // $rnd(a;b), $sub(i), $chr(n) left standing in the text
  long comments = 0;         // statements starting with ";"

  bool has_position = false;
  std::string last_position;  // text of the last position read
  double highest_position = 0;

  std::string developer_id;  // parameters of the last route.developerid, "" when none
  std::string train_folder;  // first parameter of the last .folder, "" when none
  // Every distinct .marker picture, with the line it first appears on.
  std::map<std::string, long> marker_pictures;

  long problem_count = 0;
  // The first kListedProblems problems, each "line N: expected X, got Y".
  std::vector<std::string> problems;

  bool ok() const { return problem_count == 0; }
};

// Checks that `text` is a route in the comma-separated syntax made only of
// statements the simulator knows: track positions ("100,"), section headers
// ("with track"), and commands spelled as the route writer spells them
// (".rail 1;4,", "route.gauge 1435", "signal(0).load file,",
// "texture.background(1) sky.bmp,", "$sub(1)=a;b"). Statements end at ","
// or a line end; blank lines and empty statements are fine. Runs in time
// linear in the text.
RouteSummary CheckRoute(std::string_view text);

}  // namespace kavosim

#endif
