#ifndef LINEWRIGHT_PLATFORM_MESSAGES_H
#define LINEWRIGHT_PLATFORM_MESSAGES_H

#include <string>
#include <unordered_map>
#include <vector>

namespace platform {

// Where the stages' messages to the user go: the desktop window shows a
// dialog, the command line prints to stderr, tests record. Exactly one sink
// is current; the stages reach it only through ShowError and AskChoice.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // An error box with the caption "Error".
  virtual void Error(const std::string& text) = 0;
  // A Yes/No question; true for Yes.
  virtual bool Choice(const std::string& caption, const std::string& text) = 0;
  // Information about something the program did for the user (files it
  // installed); not a problem, so it is not counted with the errors.
  // Printed to stderr unless a sink shows it its own way.
  virtual void Note(const std::string& text);
};

// Prints "Error: " and the text to stderr; answers questions with a fixed
// answer (No unless told otherwise).
class StderrMessageSink : public MessageSink {
 public:
  explicit StderrMessageSink(bool answer = false) : answer_(answer) {}
  void Error(const std::string& text) override;
  bool Choice(const std::string& caption, const std::string& text) override;

 private:
  bool answer_;
};

// Keeps every message; answers questions from a queue (No once it is empty).
class RecordingMessageSink : public MessageSink {
 public:
  void Error(const std::string& text) override { errors.push_back(text); }
  bool Choice(const std::string& caption, const std::string& text) override;
  void Note(const std::string& text) override { notes.push_back(text); }

  std::vector<std::string> errors;
  std::vector<std::string> notes;
  std::vector<std::string> questions;  // "caption|text"
  std::vector<bool> answers;           // consumed from the front
};

// Makes `sink` current (null restores the stderr sink) and returns the one
// that was current before.
MessageSink* SetMessageSink(MessageSink* sink);

void ShowError(const std::string& text);
void ShowNote(const std::string& text);
bool AskChoice(const std::string& caption, const std::string& text);

// Installs a sink for the lifetime of a scope.
class ScopedMessageSink {
 public:
  explicit ScopedMessageSink(MessageSink* sink) : previous_(SetMessageSink(sink)) {}
  ~ScopedMessageSink() { SetMessageSink(previous_); }
  ScopedMessageSink(const ScopedMessageSink&) = delete;
  ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;

 private:
  MessageSink* previous_;
};

// While it lives, each distinct error text reaches the sink that was current
// before it once; repeats are only counted. Questions and notes pass. Used
// where one faulty text would otherwise raise the same box many times
// (a signal template runs at every signal of a route).
class DistinctErrors : public MessageSink {
 public:
  DistinctErrors() : previous_(SetMessageSink(this)) {}
  ~DistinctErrors() override { SetMessageSink(previous_); }
  DistinctErrors(const DistinctErrors&) = delete;
  DistinctErrors& operator=(const DistinctErrors&) = delete;

  void Error(const std::string& text) override;
  bool Choice(const std::string& caption, const std::string& text) override {
    return previous_->Choice(caption, text);
  }
  void Note(const std::string& text) override { previous_->Note(text); }

  struct Repeat {
    std::string text;
    int count;  // times it came again after it was shown
  };
  // The texts that came more than once, in the order they were first shown.
  std::vector<Repeat> Repeats() const;

 private:
  MessageSink* previous_;
  std::vector<Repeat> seen_;                       // every text shown, with its repeats
  std::unordered_map<std::string, size_t> index_;  // text -> its place in seen_
};

}  // namespace platform

#endif
