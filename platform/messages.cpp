#include "platform/messages.h"

#include <cstdio>

namespace platform {

namespace {
StderrMessageSink default_sink;
MessageSink* current_sink = &default_sink;
}  // namespace

void StderrMessageSink::Error(const std::string& text) {
  std::fprintf(stderr, "Error: %s\n", text.c_str());
}

bool StderrMessageSink::Choice(const std::string& caption, const std::string& text) {
  std::fprintf(stderr, "%s: %s\n-> %s\n", caption.c_str(), text.c_str(), answer_ ? "Yes" : "No");
  return answer_;
}

void MessageSink::Note(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }

bool RecordingMessageSink::Choice(const std::string& caption, const std::string& text) {
  questions.push_back(caption + "|" + text);
  if (answers.empty()) return false;
  bool answer = answers.front();
  answers.erase(answers.begin());
  return answer;
}

MessageSink* SetMessageSink(MessageSink* sink) {
  MessageSink* previous = current_sink;
  current_sink = sink ? sink : &default_sink;
  return previous;
}

void ShowError(const std::string& text) { current_sink->Error(text); }

void ShowNote(const std::string& text) { current_sink->Note(text); }

bool AskChoice(const std::string& caption, const std::string& text) {
  return current_sink->Choice(caption, text);
}

void DistinctErrors::Error(const std::string& text) {
  auto found = index_.find(text);
  if (found != index_.end()) {
    ++seen_[found->second].count;
    return;
  }
  index_.emplace(text, seen_.size());
  seen_.push_back({text, 0});
  previous_->Error(text);
}

std::vector<DistinctErrors::Repeat> DistinctErrors::Repeats() const {
  std::vector<Repeat> repeats;
  for (const Repeat& r : seen_)
    if (r.count > 0) repeats.push_back(r);
  return repeats;
}

}  // namespace platform
