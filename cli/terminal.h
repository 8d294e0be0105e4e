#ifndef LINEWRIGHT_CLI_TERMINAL_H
#define LINEWRIGHT_CLI_TERMINAL_H

#include <cstdio>
#include <string>
#include <vector>

#include "platform/messages.h"
#include "platform/progress.h"

// A labelled progress bar on one line of stderr ("reading route [###   ]
// 42%"), redrawn only when the percentage changes. It shows the innermost
// stage that has begun; the line is cleared when a stage ends.
class TerminalProgress : public platform::ProgressSink {
 public:
  TerminalProgress() = default;
  ~TerminalProgress() override { Clear(); }
  TerminalProgress(const TerminalProgress&) = delete;
  TerminalProgress& operator=(const TerminalProgress&) = delete;

  void SetPosition(int percent) override;
  void BeginStage(const char* label) override;
  void EndStage() override;
  // Clears the bar's line so that other output can be printed; the bar
  // comes back with the next position.
  void Clear();

 private:
  std::vector<std::string> stages_;
  int last_ = -1;
  std::size_t drawn_ = 0;  // characters on the bar's line, 0 when clear
};

// Prints each message as it comes, "Error: text" on stderr, and counts
// them. Questions are asked on the terminal when standard input is one;
// otherwise they get the preset answer, which is printed with the
// question. Notes go to stdout. A progress bar, when given, is cleared
// before anything is printed.
class TerminalMessageSink : public platform::MessageSink {
 public:
  explicit TerminalMessageSink(bool preset_answer, TerminalProgress* progress = nullptr)
      : preset_(preset_answer), progress_(progress) {}
  void Error(const std::string& text) override;
  bool Choice(const std::string& caption, const std::string& text) override;
  void Note(const std::string& text) override;
  int error_count() const { return errors_; }

 private:
  void ClearProgress();

  bool preset_;
  TerminalProgress* progress_;
  int errors_ = 0;
};

bool StdinIsTerminal();
bool StderrIsTerminal();

#endif
