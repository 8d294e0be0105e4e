#include "core/StackEntry.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int TextToInt(const char* s) {
  if (s == nullptr) return 0;
  long long v = std::strtoll(s, nullptr, 10);
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

double TextToDouble(const char* s) {
  if (s == nullptr) return 0;
  return std::strtod(s, nullptr);
}

int TruncateToInt(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return INT_MAX;
  if (v <= -2147483648.0) return INT_MIN;
  return static_cast<int>(v);
}

namespace {

float NarrowToFloat(double v) {
  if (v > 3.4028234663852886e38) return INFINITY;
  if (v < -3.4028234663852886e38) return -INFINITY;
  return static_cast<float>(v);
}

}  // namespace

StackEntry::StackEntry(const char* s) : kind_(kString), string_(s ? s : "") {}
StackEntry::StackEntry(char c) : kind_(kChar), char_(c) {}
StackEntry::StackEntry(float f) : kind_(kFloat), float_(f) {}
StackEntry::StackEntry(int i) : kind_(kInt), int_(i) {}
StackEntry::StackEntry(void* p) : kind_(kPointer), pointer_(p) {}
StackEntry::StackEntry() : kind_(kEmpty) {}

const char* StackEntry::StringRef() const {
  return kind_ == kString ? string_.c_str() : nullptr;
}

int StackEntry::StringLen() const {
  return kind_ == kString ? static_cast<int>(string_.size()) : -1;
}

std::string StackEntry::GetString() const {
  char buf[64];
  switch (kind_) {
    case kString:
      return string_;
    case kFloat:
      // At most 47 characters: sign, the 39 digits of the largest float,
      // point and six decimals.
      std::snprintf(buf, sizeof buf, "%f", static_cast<double>(float_));
      return buf;
    case kInt:
      std::snprintf(buf, sizeof buf, "%d", int_);
      return buf;
    case kChar:
      return std::string(1, char_);
    default:
      return std::string();
  }
}

void StackEntry::GetString(char* dest, int max) const {
  if (dest == nullptr) return;
  if (kind_ == kChar) {
    dest[0] = char_;
    if (max < 0 || max >= 2) dest[1] = '\0';
    return;
  }
  std::string text = GetString();
  size_t n = text.size();
  if (max >= 0 && n > static_cast<size_t>(max)) n = static_cast<size_t>(max);
  std::memcpy(dest, text.data(), n);
  dest[n] = '\0';
}

char StackEntry::GetChar() const {
  switch (kind_) {
    case kString:
      return string_.empty() ? 0 : string_[0];
    case kFloat:
      return static_cast<char>(TruncateToInt(float_) & 0xFF);
    case kInt:
      return static_cast<char>(int_ & 0xFF);
    case kChar:
      return char_;
    default:
      return 0;
  }
}

int StackEntry::GetInt() const {
  switch (kind_) {
    case kString:
      return TextToInt(string_.c_str());
    case kFloat:
      return TruncateToInt(float_);
    case kInt:
      return int_;
    case kChar:
      return static_cast<signed char>(char_);
    default:
      return 0;
  }
}

float StackEntry::GetFloat() const {
  switch (kind_) {
    case kString:
      return NarrowToFloat(TextToDouble(string_.c_str()));
    case kFloat:
      return float_;
    case kInt:
      return static_cast<float>(int_);
    case kChar:
      return static_cast<float>(static_cast<signed char>(char_));
    default:
      return 0;
  }
}

void* StackEntry::GetPointer() const {
  return kind_ == kPointer ? pointer_ : nullptr;
}

bool StackEntry::Equals(const StackEntry* other) const {
  if (other == nullptr || other->kind_ != kind_) return false;
  switch (kind_) {
    case kString:
      return string_ == other->string_;
    case kFloat:
      return float_ == other->float_;
    case kInt:
      return int_ == other->int_;
    case kChar:
      return char_ == other->char_;
    case kPointer:
      return pointer_ == other->pointer_;
    default:
      return true;
  }
}
