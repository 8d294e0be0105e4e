#include "ui/cleantext.h"

#include <cstdlib>

namespace {

// "$chr(13)": the dollar, then seven characters, the fourth "(" and the
// seventh ")".
constexpr size_t kEscapeTail = 7;

}  // namespace

std::string CleanText(std::string_view text, int size, bool keepLineBreaks) {
  std::string out;
  const long limit = static_cast<long>(size) - 3;
  for (size_t i = 0; i < text.size(); ++i) {
    if (static_cast<long>(out.size()) > limit) break;
    const bool convert = static_cast<long>(out.size()) < limit;
    const char c = text[i];
    if (convert && c == '\n') {
      out += "\r\n";
    } else if (convert && c == '\r' && keepLineBreaks) {
      out += "\r\n";
    } else if (convert && c == '$' && text.size() - i > kEscapeTail) {
      if (text[i + 4] != '(' || text[i + 7] != ')') continue;  // not an escape: drop the "$"
      const int code = std::atoi(std::string(text.substr(i + 5, 2)).c_str());
      if (code == 13) out += keepLineBreaks ? "\r\n" : " ";
      if (code == 44) out += ',';
      i += kEscapeTail;
    } else {
      out += c;
    }
  }
  return out;
}
