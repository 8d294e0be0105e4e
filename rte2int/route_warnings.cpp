#include "rte2int/route_warnings.h"

#include <cstdlib>

#include "core/rteprocs.h"
#include "rte2int/commands.h"
#include "rte2int/intermediate.h"

namespace {

void Warn(const std::string& message, const std::string& path) {
  ErrorMessage(message.c_str(), path.c_str());
}

// A UTF-16 text starts with its byte-order mark, or has a zero byte beside
// each ASCII character.
bool LooksLikeUtf16(std::string_view bytes) {
  if (bytes.size() < 2) return false;
  if ((bytes[0] == '\xFF' && bytes[1] == '\xFE') || (bytes[0] == '\xFE' && bytes[1] == '\xFF'))
    return true;
  return (bytes[0] == '\0') != (bytes[1] == '\0');
}

}  // namespace

bool WarnAboutRouteText(const std::string& path, std::string_view bytes) {
  if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) {
    Warn("The route is empty, so the written route has no track:", path);
    return true;
  }
  if (LooksLikeUtf16(bytes)) {
    Warn(
        "The route is saved as UTF-16, which cannot be read; open it in a text editor and save "
        "it as ANSI or UTF-8:",
        path);
    return true;
  }
  size_t stop = bytes.find_first_of(std::string_view("\0\xFF", 2));
  if (stop == std::string_view::npos) return false;
  // Blanks after the stop lose nothing worth a word.
  if (bytes.find_first_not_of(std::string_view("\0 \t\r\n", 5), stop + 1) ==
          std::string_view::npos &&
      bytes[stop] == '\0')
    return false;
  size_t line = 1;
  for (size_t i = 0; i < stop; ++i) line += bytes[i] == '\n';
  std::string byte = bytes[stop] == '\0' ? "a NUL byte" : "a byte 0xFF";
  Warn("The route's reading stops at line " + std::to_string(line) + ", at " + byte +
           "; the rest of the file is not read:",
       path);
  return false;
}

void WarnAboutTrackPositions(const std::string& path, std::string_view intermediate,
                             bool explained) {
  bool any = false;
  int bad = 0;
  std::string first_bad;
  size_t pos = 0;
  while (pos < intermediate.size()) {
    size_t end = intermediate.find('\n', pos);
    if (end == std::string_view::npos) end = intermediate.size();
    std::string_view line = intermediate.substr(pos, end - pos);
    pos = end + 1;
    if (IntermediateCommand(line) != kCmdDistance) continue;
    any = true;
    std::vector<std::string_view> fields = IntermediateFields(line);
    if (fields.empty()) continue;
    std::string text(fields[0]);
    double value = std::strtod(text.c_str(), nullptr);
    if (value >= 0 && value <= kMaxTrackPosition) continue;
    if (bad++ == 0) first_bad = text;
  }
  if (!any && !explained)
    Warn(
        "The route has no track commands (no track position), so the written route has no "
        "track:",
        path);
  if (bad > 0)
    Warn("The route has " + std::to_string(bad) + " track position" + (bad == 1 ? "" : "s") +
             " below 0 or beyond 100000000 m (the first: " + first_bad +
             "); the route is written as it stands:",
         path);
}
