#ifndef LINEWRIGHT_CORE_STACKENTRY_H
#define LINEWRIGHT_CORE_STACKENTRY_H

#include <string>

// One typed value of a Stack: a string (owned copy), a float, an int, a
// char, a pointer (not owned) or nothing. The accessors convert between the
// kinds the way route parameters are read: text as atoi/atof would, numbers
// back to text with "%d" and "%f".
class StackEntry {
 public:
  enum Kind { kString = 0, kFloat = 1, kInt = 2, kChar = 3, kPointer = 4, kEmpty = 5 };

  explicit StackEntry(const char* s);
  explicit StackEntry(char c);
  explicit StackEntry(float f);
  explicit StackEntry(int i);
  explicit StackEntry(void* p);
  StackEntry();

  StackEntry(const StackEntry&) = delete;
  StackEntry& operator=(const StackEntry&) = delete;

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
  char GetChar() const;
  int GetInt() const;
  float GetFloat() const;
  void* GetPointer() const;
  bool GetEmpty() const { return kind_ == kEmpty; }
  bool Equals(const StackEntry* other) const;

  StackEntry* next = nullptr;
  StackEntry* previous = nullptr;

 private:
  Kind kind_;
  std::string string_;
  float float_ = 0;
  int int_ = 0;
  char char_ = 0;
  void* pointer_ = nullptr;
};

// atoi rules on a text: leading blanks, optional sign, digits; 0 when none.
// Values beyond the int range saturate instead of overflowing.
int TextToInt(const char* s);
// atof rules on a text: the leading decimal number, 0 when none.
double TextToDouble(const char* s);
// A number truncated towards zero as a C cast would, but defined for every
// input: saturating at the int range, 0 for NaN.
int TruncateToInt(double value);

#endif
