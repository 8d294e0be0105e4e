#include "rte2int/dump.h"

#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/filesystem.h"
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

// The lines of a text split at LF; each keeps its CR. The text after the
// last LF is a line of its own.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return lines;
}

bool IsEmptyLine(std::string_view line) { return line.empty() || line == "\r"; }

// The first line that is not one of an intermediate file, as a message;
// empty when every line parses. Empty lines are the clean-up's blanked
// ones; every other line ends with CR LF.
std::string FirstBadLine(const std::vector<std::string_view>& lines, bool ends_with_lf) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    if (IsEmptyLine(line)) continue;
    std::string why;
    bool last = i + 1 == lines.size();
    if (line.back() != '\r' || (last && !ends_with_lf))
      why = "it does not end with CR LF";
    else
      CheckIntermediateLine(line.substr(0, line.size() - 1), &why);
    if (!why.empty()) return "line " + std::to_string(i + 1) + " does not parse: " + why;
  }
  return std::string();
}

}  // namespace

bool CheckIntermediateLine(std::string_view line, std::string* why) {
  if (line.empty()) {
    *why = "it has no command byte";
    return false;
  }
  int index = IntermediateCommand(line);
  // Bytes 30 and 31 (indices -2 and -1) are the clean-up's own lines.
  if (index < kCmdCleanup || index >= kCommandCount) {
    *why = "command byte " + std::to_string(static_cast<unsigned char>(line[0])) +
           " names no command";
    return false;
  }
  std::size_t pos = 1;
  for (int field = 1; pos < line.size(); ++field) {
    unsigned char prefix = static_cast<unsigned char>(line[pos]);
    std::size_t length = 0;
    if (prefix == 31 && pos + 2 < line.size() && static_cast<unsigned char>(line[pos + 1]) >= 32 &&
        static_cast<unsigned char>(line[pos + 2]) >= 32) {
      length = (static_cast<unsigned char>(line[pos + 1]) - 32u) * 222u +
               (static_cast<unsigned char>(line[pos + 2]) - 32u);
      pos += 3;
    } else if (prefix >= 32) {
      length = prefix - 32u;
      pos += 1;
    } else {
      *why = "field " + std::to_string(field) + " has no length";
      return false;
    }
    if (length > line.size() - pos) {
      *why = "field " + std::to_string(field) + " runs past the end of the line";
      return false;
    }
    if (line.substr(pos, length).find_first_of(std::string_view(";,\r\n\0", 5)) != std::string_view::npos) {
      *why = "field " + std::to_string(field) + " holds a separator or line end";
      return false;
    }
    pos += length;
  }
  return true;
}

bool DumpIntermediateFile(const std::string& path, std::ostream& out, std::string* error) {
  if (platform::IsDirectory(path)) {
    if (error) *error = "'" + path + "' is a folder, not an intermediate file";
    return false;
  }
  std::string text;
  if (!platform::Files().ReadFile(path, &text)) {
    if (error) *error = "cannot read " + platform::FileErrorDetail(path, platform::Files().LastError());
    return false;
  }
  std::vector<std::string_view> lines = Lines(text);
  std::string bad = FirstBadLine(lines, !text.empty() && text.back() == '\n');
  if (!bad.empty()) {
    if (error) *error = "'" + path + "' is not an intermediate file: " + bad;
    return false;
  }
  for (std::string_view line : lines) {
    if (IsEmptyLine(line)) continue;
    line.remove_suffix(1);  // the CR
    int index = IntermediateCommand(line);
    out << index << ' ' << CommandName(index);
    for (std::string_view field : IntermediateFields(line)) out << " | " << field;
    out << '\n';
  }
  return true;
}
