#include "cli/terminal.h"

#include <iostream>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#ifdef _WIN32
// isatty is true on Windows for every character device, NUL among them:
// only a console is a terminal.
bool StdinIsTerminal() {
  DWORD mode;
  return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}
bool StderrIsTerminal() {
  DWORD mode;
  return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}
#else
bool StdinIsTerminal() { return isatty(fileno(stdin)) != 0; }
bool StderrIsTerminal() { return isatty(fileno(stderr)) != 0; }
#endif

void TerminalMessageSink::ClearProgress() {
  if (progress_ != nullptr) progress_->Clear();
}

void TerminalMessageSink::Error(const std::string& text) {
  ClearProgress();
  ++errors_;
  std::fprintf(stderr, "Error: %s\n", text.c_str());
  std::fflush(stderr);
}

void TerminalMessageSink::Note(const std::string& text) {
  ClearProgress();
  std::printf("%s\n", text.c_str());
  std::fflush(stdout);
}

bool TerminalMessageSink::Choice(const std::string& caption, const std::string& text) {
  ClearProgress();
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  if (!StdinIsTerminal()) {
    std::fprintf(stderr, "-> %s\n", preset_ ? "Yes" : "No");
    return preset_;
  }
  for (;;) {
    std::fprintf(stderr, "Yes or No? [y/n] ");
    std::fflush(stderr);
    std::string answer;
    if (!std::getline(std::cin, answer)) return false;
    if (answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes") return true;
    if (answer == "n" || answer == "N" || answer == "no" || answer == "No") return false;
  }
}

void TerminalProgress::SetPosition(int percent) {
  if (percent == last_) return;
  last_ = percent;
  constexpr int kWidth = 30;
  int filled = percent * kWidth / 100;
  std::string line = stages_.empty() ? std::string() : stages_.back() + " ";
  line += "[" + std::string(static_cast<std::size_t>(filled), '#') +
          std::string(static_cast<std::size_t>(kWidth - filled), ' ') + "] ";
  line += std::to_string(percent) + "%";
  // Blanks over what a longer line left behind.
  std::string padded = line;
  if (padded.size() < drawn_) padded.append(drawn_ - padded.size(), ' ');
  std::fprintf(stderr, "\r%s", padded.c_str());
  std::fflush(stderr);
  drawn_ = line.size();
}

void TerminalProgress::BeginStage(const char* label) {
  Clear();
  stages_.push_back(label);
}

void TerminalProgress::EndStage() {
  Clear();
  if (!stages_.empty()) stages_.pop_back();
}

void TerminalProgress::Clear() {
  if (drawn_ > 0) {
    std::fprintf(stderr, "\r%s\r", std::string(drawn_, ' ').c_str());
    std::fflush(stderr);
  }
  drawn_ = 0;
  last_ = -1;
}
