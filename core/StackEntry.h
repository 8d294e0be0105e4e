#ifndef LINEWRIGHT_CORE_STACKENTRY_H
#define LINEWRIGHT_CORE_STACKENTRY_H

#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "core/numtext.h"

// A number truncated towards zero as a C cast would, but defined for every
// input: saturating at the int range, 0 for NaN.
int TruncateToInt(double value);
// atof rules on a text as a float: beyond the float range it becomes an
// infinity, as a C conversion would.
float TextToFloat(std::string_view s);

// One typed value of a Stack: a string (owned copy), a float, an int, a
// char, a pointer (not owned) or nothing. The accessors convert between the
// kinds the way route parameters are read: text as atoi/atof would, numbers
// back to text with "%d" and "%f".
class StackEntry {
 public:
  enum Kind { kString = 0, kFloat = 1, kInt = 2, kChar = 3, kPointer = 4, kEmpty = 5 };

  explicit StackEntry(const char* s) { Set(s); }
  explicit StackEntry(char c) { Set(c); }
  explicit StackEntry(float f) { Set(f); }
  explicit StackEntry(int i) { Set(i); }
  explicit StackEntry(void* p) { Set(p); }
  StackEntry() = default;

  // A Stack keeps its entries in one array and moves them when it grows.
  // A moved-from entry is empty, with its inline room, ready for reuse.
  StackEntry(StackEntry&& other) noexcept { TakeFrom(other); }
  StackEntry& operator=(StackEntry&& other) noexcept {
    if (this != &other) TakeFrom(other);
    return *this;
  }
  StackEntry(const StackEntry&) = delete;
  StackEntry& operator=(const StackEntry&) = delete;

  // Replace the value (a string keeps the memory it had, for reuse).
  void Set(const char* s) { Set(std::string_view(s ? s : "")); }
  void Set(std::string_view s) {
    kind_ = kString;
    size_t n = s.size();
    if (n > capacity_) Reserve(n);
    char* to = Chars();
    if (n <= 16) {
      for (size_t i = 0; i < n; ++i) to[i] = s[i];
    } else {
      std::memcpy(to, s.data(), n);
    }
    to[n] = '\0';
    length_ = n;
  }
  void Set(char c) {
    kind_ = kChar;
    char_ = c;
  }
  void Set(float f) {
    kind_ = kFloat;
    float_ = f;
  }
  void Set(int i) {
    kind_ = kInt;
    int_ = i;
  }
  void Set(void* p) {
    kind_ = kPointer;
    pointer_ = p;
  }
  void SetEmpty() {
    kind_ = kEmpty;
    length_ = 0;
  }

  int kind() const { return kind_; }
  // The string of a string entry, else null. Owned by the entry.
  const char* StringRef() const;
  // Its length, else -1.
  int StringLen() const;
  // Copies the value as text into dest. For a string at most `max`
  // characters are copied and terminated (a negative max copies it whole,
  // so dest needs max + 1 bytes). Numbers are formatted with "%f" / "%d";
  // with max >= 0 they are cut to max characters as well, never overrunning
  // dest. A char is followed by a terminator only when max < 0 or max >= 2.
  void GetString(char* dest, int max) const;
  // The value as text, without length limit.
  std::string GetString() const;
  // The value as text: the string itself, or the number formatted into
  // `buffer` (kNumberTextSize bytes). Valid while both live unchanged.
  std::string_view Text(char* buffer) const;
  char GetChar() const;
  int GetInt() const {
    switch (kind_) {
      case kString:
        return TextToInt(Text());
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
  float GetFloat() const {
    switch (kind_) {
      case kString:
        return TextToFloat(Text());
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
  void* GetPointer() const;
  bool GetEmpty() const { return kind_ == kEmpty; }
  bool Equals(const StackEntry* other) const;

 private:
  // Text that fits here needs no memory of its own.
  static constexpr size_t kInlineText = 23;

  char* Chars() { return heap_ ? heap_.get() : inline_; }
  const char* Chars() const { return heap_ ? heap_.get() : inline_; }
  std::string_view Text() const { return std::string_view(Chars(), length_); }
  // Room for `n` characters and the terminator.
  void Reserve(size_t n);
  void TakeFrom(StackEntry& other) {
    kind_ = other.kind_;
    std::memcpy(&pointer_, &other.pointer_, sizeof pointer_);  // the whole union
    length_ = other.length_;
    capacity_ = other.capacity_;
    heap_ = std::move(other.heap_);
    if (!heap_) std::memcpy(inline_, other.inline_, sizeof inline_);
    other.kind_ = kEmpty;
    other.length_ = 0;
    other.capacity_ = kInlineText;
    other.inline_[0] = '\0';
  }

  Kind kind_ = kEmpty;
  union {
    float float_;
    int int_;
    char char_;
    void* pointer_ = nullptr;
  };
  // The text of a string entry, NUL-terminated: in inline_ while it fits,
  // else in heap_.
  size_t length_ = 0;
  size_t capacity_ = kInlineText;
  std::unique_ptr<char[]> heap_;
  char inline_[kInlineText + 1] = {};
};

#endif
