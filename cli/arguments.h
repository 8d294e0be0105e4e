#ifndef LINEWRIGHT_CLI_ARGUMENTS_H
#define LINEWRIGHT_CLI_ARGUMENTS_H

#include <string>
#include <vector>

// Reads a command line one word at a time. Options are "--name" or
// "--name=value"; a value may also follow as the next word.
class ArgumentReader {
 public:
  explicit ArgumentReader(std::vector<std::string> words) : words_(std::move(words)) {}

  bool AtEnd() const { return next_ >= words_.size(); }
  const std::string& Peek() const { return words_[next_]; }
  std::string Read() { return words_[next_++]; }

  // Splits "--name=value" into name and value (has_value false without "=").
  static void SplitOption(const std::string& word, std::string* name, std::string* value,
                          bool* has_value);

  // An option's value: the inline one, else the next word. False when
  // there is none (the next word is missing or is itself an option).
  bool ReadValue(const std::string& inline_value, bool has_inline, std::string* value);

 private:
  std::vector<std::string> words_;
  size_t next_ = 0;
};

// A usage error: what was wrong, for "linewright: ..." on stderr.
struct UsageError {
  std::string message;
};

// Sets browsefolder, routefile and routetype of the settings from a route
// file's path as the user gave it ("." when it names no folder).
void ChooseRouteFile(const std::string& path);

// Whole number in [min, max] from text; false when it is not one.
bool ParseInt(const std::string& text, long long min, long long max, long long* out);

#endif
