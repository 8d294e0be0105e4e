#ifndef LINEWRIGHT_CLI_TERMINAL_H
#define LINEWRIGHT_CLI_TERMINAL_H

#include <cstdio>

#include "platform/messages.h"
#include "platform/progress.h"

// Errors go to stderr as "Error: text". Questions are asked on the terminal
// when standard input is one; otherwise they get the preset answer, which
// is printed with the question.
class TerminalMessageSink : public platform::MessageSink {
 public:
  explicit TerminalMessageSink(bool preset_answer) : preset_(preset_answer) {}
  void Error(const std::string& text) override;
  bool Choice(const std::string& caption, const std::string& text) override;
  int error_count() const { return errors_; }

 private:
  bool preset_;
  int errors_ = 0;
};

// A one-line progress bar on stderr, redrawn only when the percentage
// changes. Each stage runs it from 0 to 100 again.
class TerminalProgress : public platform::ProgressSink {
 public:
  TerminalProgress() = default;
  ~TerminalProgress() override { Finish(); }
  void SetPosition(int percent) override;
  // Ends the bar's line.
  void Finish();

 private:
  int last_ = -1;
  bool drawn_ = false;
};

bool StdinIsTerminal();
bool StderrIsTerminal();

#endif
