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

void TerminalMessageSink::Error(const std::string& text) {
  ++errors_;
  std::fprintf(stderr, "Error: %s\n", text.c_str());
  std::fflush(stderr);
}

bool TerminalMessageSink::Choice(const std::string& caption, const std::string& text) {
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
  constexpr int kWidth = 40;
  int filled = percent * kWidth / 100;
  std::string bar(static_cast<size_t>(filled), '#');
  bar.append(static_cast<size_t>(kWidth - filled), ' ');
  std::fprintf(stderr, "\r[%s] %3d%%", bar.c_str(), percent);
  std::fflush(stderr);
  drawn_ = true;
}

void TerminalProgress::Finish() {
  if (drawn_) std::fprintf(stderr, "\n");
  drawn_ = false;
  last_ = -1;
}
