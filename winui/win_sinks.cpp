#include "winui/win_sinks.h"

#include <commctrl.h>

#include "winui/wide_text.h"

void MessageBoxSink::Error(const std::string& text) {
  MessageBoxW(owner_, FromFileText(text).c_str(), L"Error", MB_OK | MB_ICONERROR);
}

bool MessageBoxSink::Choice(const std::string& caption, const std::string& text) {
  return MessageBoxW(owner_, FromFileText(text).c_str(), FromFileText(caption).c_str(),
                     MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void MessageBoxSink::Note(const std::string& text) {
  MessageBoxW(owner_, FromFileText(text).c_str(), L"Linewright", MB_OK | MB_ICONINFORMATION);
}

void ProgressBarSink::SetPosition(int percent) {
  if (bar_ == nullptr) return;
  SendMessageW(bar_, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
  UpdateWindow(bar_);
}
