#include "command_shapes.h"

#include "core/rteprocs.h"
#include "rte2int/commands.h"

namespace kavosim {

namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = AsciiLower(c);
  return out;
}

// The spelling without the line ends around it and the closing ",".
std::string_view Core(std::string_view spelling) {
  while (!spelling.empty() && (spelling.front() == '\r' || spelling.front() == '\n')) {
    spelling.remove_prefix(1);
  }
  while (!spelling.empty() &&
         (spelling.back() == '\r' || spelling.back() == '\n' || spelling.back() == ',')) {
    spelling.remove_suffix(1);
  }
  return spelling;
}

// The track commands run from .railstart up to the script functions.
CommandKind KindOf(int index) {
  if (index >= kCmdRailStart && index < kCmdScriptChr) return CommandKind::kTrack;
  if (index == kCmdScriptSubSet || index < kCmdRailStart) return CommandKind::kDefinition;
  return CommandKind::kSubstitution;
}

}  // namespace

bool ShapeFromSpelling(int index, std::string_view spelling, std::string_view comma_pattern,
                       CommandShape* shape) {
  std::string_view core = Core(spelling);
  if (core.empty() || core == "+" || core.substr(0, 5) == "with ") return false;

  CommandShape s;
  s.index = index;
  s.kind = KindOf(index);
  std::size_t i = core.find_first_of("( =");
  if (i == std::string_view::npos) i = core.size();
  s.head = Lower(core.substr(0, i));
  if (i < core.size() && core[i] == '(') {
    std::size_t close = core.find(')', i);
    if (close == std::string_view::npos) return false;
    s.bracket_numbers = 1;
    for (std::size_t k = i + 1; k < close; ++k) {
      if (core[k] == ';') ++s.bracket_numbers;
    }
    i = close + 1;
  }
  std::size_t suffix_end = core.find_first_of(" =", i);
  if (suffix_end == std::string_view::npos) suffix_end = core.size();
  s.suffix = Lower(core.substr(i, suffix_end - i));
  i = suffix_end;
  if (i < core.size()) {
    s.parameters = core[i] == '=' ? CommandShape::Parameters::kAfterEquals
                                  : CommandShape::Parameters::kAfterBlank;
  }
  // A command whose comma-syntax pattern takes only number placeholders
  // ("+") and no free text ("*") has only numbers for parameters.
  s.numeric = s.parameters != CommandShape::Parameters::kNone && !comma_pattern.empty() &&
              comma_pattern.find('*') == std::string_view::npos;
  *shape = s;
  return true;
}

const std::vector<CommandShape>& CommandShapes() {
  static const std::vector<CommandShape> shapes = [] {
    std::vector<CommandShape> all;
    for (int index = 0; index < kCommandCount; ++index) {
      CommandShape shape;
      if (ShapeFromSpelling(index, cleancom[index], csvcom[index], &shape)) all.push_back(shape);
    }
    return all;
  }();
  return shapes;
}

const std::vector<std::string>& SectionNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (int index = 0; index < kCommandCount; ++index) {
      std::string_view core = Core(cleancom[index]);
      if (core.substr(0, 5) != "with ") continue;
      std::string name = Lower(core.substr(5));
      bool known = false;
      for (const std::string& n : all) known = known || n == name;
      if (!known) all.push_back(name);
    }
    return all;
  }();
  return names;
}

}  // namespace kavosim
