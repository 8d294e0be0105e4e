#include "rte2int/intermediate.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "core/StackEntry.h"

int IntermediateCommand(std::string_view line) {
  if (line.empty()) return -32;
  return static_cast<unsigned char>(line[0]) - 32;
}

std::vector<std::string_view> IntermediateFields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t p = 1;
  while (p < line.size()) {
    unsigned char c = static_cast<unsigned char>(line[p]);
    if (c == 0 || c == '\r' || c == '\n') break;
    long n;
    if (c == 31) {
      if (p + 2 >= line.size()) break;
      n = (static_cast<unsigned char>(line[p + 1]) - 32L) * 222 +
          (static_cast<unsigned char>(line[p + 2]) - 32L);
      p += 3;
    } else {
      n = c - 32L;
      p += 1;
    }
    if (n < 0) n = 0;
    size_t take = static_cast<size_t>(n);
    if (take > line.size() - p) take = line.size() - p;
    fields.push_back(line.substr(p, take));
    p += take;
  }
  return fields;
}

int FieldInt(const std::vector<std::string_view>& fields, size_t k, int def) {
  if (k >= fields.size()) return def;
  return TextToInt(std::string(fields[k]).c_str());
}

float FieldFloat(const std::vector<std::string_view>& fields, size_t k, float def) {
  if (k >= fields.size()) return def;
  double v = TextToDouble(std::string(fields[k]).c_str());
  if (std::isnan(v)) return 0;
  if (v > 3.0e38) return 3.0e38f;
  if (v < -3.0e38) return -3.0e38f;
  return static_cast<float>(v);
}

float FieldScanned(const std::vector<std::string_view>& fields, size_t k) {
  if (k >= fields.size()) return 0;
  std::string text(fields[k]);
  float value = 0;
  if (std::sscanf(text.c_str(), "%f", &value) != 1) return 0;
  return value;
}
