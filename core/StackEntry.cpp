#include "core/StackEntry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

int TruncateToInt(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return INT_MAX;
  if (v <= -2147483648.0) return INT_MIN;
  return static_cast<int>(v);
}

float TextToFloat(std::string_view s) {
  double v = TextToDouble(s);
  if (v > 3.4028234663852886e38) return INFINITY;
  if (v < -3.4028234663852886e38) return -INFINITY;
  return static_cast<float>(v);
}

void StackEntry::Reserve(size_t n) {
  size_t room = std::max(n, capacity_ * 2);
  std::unique_ptr<char[]> bigger(new char[room + 1]);
  // Only a string being replaced asks for room: nothing to keep.
  heap_ = std::move(bigger);
  capacity_ = room;
}

const char* StackEntry::StringRef() const { return kind_ == kString ? Chars() : nullptr; }

int StackEntry::StringLen() const { return kind_ == kString ? static_cast<int>(length_) : -1; }

std::string_view StackEntry::Text(char* buffer) const {
  switch (kind_) {
    case kString:
      return Text();
    case kFloat:
      return std::string_view(buffer, static_cast<size_t>(FormatFloat(float_, buffer)));
    case kInt:
      return std::string_view(buffer, static_cast<size_t>(FormatInt(int_, buffer)));
    case kChar:
      buffer[0] = char_;
      return std::string_view(buffer, 1);
    default:
      return std::string_view();
  }
}

std::string StackEntry::GetString() const {
  char buffer[kNumberTextSize];
  return std::string(Text(buffer));
}

void StackEntry::GetString(char* dest, int max) const {
  if (dest == nullptr) return;
  if (kind_ == kChar) {
    dest[0] = char_;
    if (max < 0 || max >= 2) dest[1] = '\0';
    return;
  }
  char buffer[kNumberTextSize];
  std::string_view text = Text(buffer);
  size_t n = text.size();
  if (max >= 0 && n > static_cast<size_t>(max)) n = static_cast<size_t>(max);
  if (n > 0) std::memcpy(dest, text.data(), n);
  dest[n] = '\0';
}

char StackEntry::GetChar() const {
  switch (kind_) {
    case kString:
      return length_ == 0 ? 0 : Chars()[0];
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

void* StackEntry::GetPointer() const {
  return kind_ == kPointer ? pointer_ : nullptr;
}

bool StackEntry::Equals(const StackEntry* other) const {
  if (other == nullptr || other->kind_ != kind_) return false;
  switch (kind_) {
    case kString:
      return Text() == other->Text();
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
