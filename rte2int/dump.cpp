#include "rte2int/dump.h"

#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

#include "rte2int/commands.h"
#include "rte2int/intermediate.h"

namespace {

// The command word of a clean spelling: line ends and a leading "." left
// out, up to the first "(", blank, "," or "+" ("with ..." headers whole).
std::string CommandName(int index) {
  if (index == kCmdCleanup) return "cleanup";
  if (index == kCmdDistance) return "distance";
  if (index < 0 || index >= kCommandCount) return "?";
  std::string spelling;
  for (const char* p = cleancom[index]; *p; ++p)
    if (*p != '\r' && *p != '\n') spelling += *p;
  if (spelling.compare(0, 5, "with ") == 0) return spelling;
  if (!spelling.empty() && spelling[0] == '.') spelling.erase(0, 1);
  size_t end = spelling.find_first_of("( ,+");
  return spelling.substr(0, end);
}

}  // namespace

bool DumpIntermediateFile(const std::string& path, std::ostream& out, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error) *error = "cannot read '" + path + "'";
    return false;
  }
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    if (error) *error = "cannot read '" + path + "'";
    return false;
  }
  std::string_view rest(text);
  while (!rest.empty()) {
    size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    int index = IntermediateCommand(line);
    out << index << ' ' << CommandName(index);
    for (std::string_view field : IntermediateFields(line)) out << " | " << field;
    out << '\n';
  }
  return true;
}
