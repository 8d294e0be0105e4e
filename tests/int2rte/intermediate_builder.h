#ifndef LINEWRIGHT_TESTS_INT2RTE_INTERMEDIATE_BUILDER_H
#define LINEWRIGHT_TESTS_INT2RTE_INTERMEDIATE_BUILDER_H

#include <string>

// Builds intermediate lines for the writer's tests: the byte index + 32,
// each ";"-separated field of `params` with its length prefix, CR LF.
// An empty `params` gives a line without fields. Unlike the route reading's
// WriteCommand it takes fields exactly as given (no trimming, no split at
// ",", any index), so tests can also feed lines that stage never writes.
inline std::string Field(const std::string& text) {
  std::string out;
  size_t n = text.size();
  if (n < 222) {
    out += static_cast<char>(n + 32);
  } else {
    out += static_cast<char>(31);
    out += static_cast<char>(n / 222 + 32);
    out += static_cast<char>(n % 222 + 32);
  }
  return out + text;
}

inline std::string Cmd(int index, const std::string& params = "") {
  std::string line(1, static_cast<char>(index + 32));
  if (!params.empty()) {
    size_t start = 0;
    for (;;) {
      size_t semi = params.find(';', start);
      line += Field(params.substr(start, semi == std::string::npos ? std::string::npos : semi - start));
      if (semi == std::string::npos) break;
      start = semi + 1;
    }
  }
  return line + "\r\n";
}

#endif
