#include "cli/arguments.h"

#include <charconv>

#include "platform/files.h"
#include "ui/loadsave.h"

void ArgumentReader::SplitOption(const std::string& word, std::string* name, std::string* value,
                                 bool* has_value) {
  size_t eq = word.find('=');
  *has_value = eq != std::string::npos;
  *name = *has_value ? word.substr(0, eq) : word;
  *value = *has_value ? word.substr(eq + 1) : std::string();
}

bool ArgumentReader::ReadValue(const std::string& inline_value, bool has_inline,
                               std::string* value) {
  if (has_inline) {
    *value = inline_value;
    return true;
  }
  if (AtEnd()) return false;
  const std::string& next = Peek();
  if (next.size() > 2 && next[0] == '-' && next[1] == '-') return false;
  *value = Read();
  return true;
}

bool ParseInt(const std::string& text, long long min, long long max, long long* out) {
  long long v = 0;
  const char* begin = text.data();
  const char* end = begin + text.size();
  auto result = std::from_chars(begin, end, v);
  if (result.ec != std::errc() || result.ptr != end || text.empty()) return false;
  if (v < min || v > max) return false;
  *out = v;
  return true;
}

void ChooseRouteFile(const std::string& path) {
  size_t slash = path.find_last_of(std::string("/") + platform::kPathSeparator);
  if (slash == std::string::npos)
    global.browsefolder = ".";
  else
    global.browsefolder = path.substr(0, slash == 0 ? 1 : slash);
  global.routefile = slash == std::string::npos ? path : path.substr(slash + 1);
  global.routetype = RouteTypeOf(global.routefile);
}
