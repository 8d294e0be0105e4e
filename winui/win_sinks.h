#ifndef LINEWRIGHT_WINUI_WIN_SINKS_H
#define LINEWRIGHT_WINUI_WIN_SINKS_H

#include <windows.h>

#include "platform/messages.h"
#include "platform/progress.h"

// The stages' messages as message boxes over `owner` (none until it is
// set): errors captioned "Error" with the error icon, questions as Yes/No
// boxes with the caption they give, notes as information boxes.
class MessageBoxSink : public platform::MessageSink {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  void Error(const std::string& text) override;
  bool Choice(const std::string& caption, const std::string& text) override;
  void Note(const std::string& text) override;

 private:
  HWND owner_ = nullptr;
};

// A stage's progress in the progress bar control `bar` (may be null). The
// run blocks the message loop, so the bar is repainted at each change.
class ProgressBarSink : public platform::ProgressSink {
 public:
  explicit ProgressBarSink(HWND bar) : bar_(bar) {}
  void SetPosition(int percent) override;

 private:
  HWND bar_;
};

#endif
