#include "rte2int/intermediate.h"

#include <cmath>

#include "core/numtext.h"

int IntermediateCommand(std::string_view line) {
  if (line.empty()) return -32;
  return static_cast<unsigned char>(line[0]) - 32;
}

std::vector<std::string_view> IntermediateFields(std::string_view line) {
  std::vector<std::string_view> fields;
  IntermediateFields(line, &fields);
  return fields;
}

void IntermediateFields(std::string_view line, std::vector<std::string_view>* fields) {
  fields->clear();
  ForEachIntermediateField(line, [fields](std::string_view field) { fields->push_back(field); });
}

int FieldInt(const std::vector<std::string_view>& fields, size_t k, int def) {
  if (k >= fields.size()) return def;
  return TextToInt(fields[k]);
}

float FieldFloat(const std::vector<std::string_view>& fields, size_t k, float def) {
  if (k >= fields.size()) return def;
  double v = TextToDouble(fields[k]);
  if (std::isnan(v)) return 0;
  if (v > 3.0e38) return 3.0e38f;
  if (v < -3.0e38) return -3.0e38f;
  return static_cast<float>(v);
}

float FieldScanned(const std::vector<std::string_view>& fields, size_t k) {
  if (k >= fields.size()) return 0;
  float value = 0;
  return ScanFloat(fields[k], &value) ? value : 0;
}
