#ifndef LINEWRIGHT_PLATFORM_PROGRESS_H
#define LINEWRIGHT_PLATFORM_PROGRESS_H

namespace platform {

// Receives a stage's progress as a percentage of its own input (0..100).
// A stage is handed a ProgressSink* where a progress bar would be; null
// means nobody is watching.
class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  virtual void SetPosition(int percent) = 0;
  // A named stage ("reading route") begins or ends. Stages nest: one may
  // begin inside another ("running script" while reading the route), and
  // the positions then belong to the innermost. Sinks without labels
  // ignore them.
  virtual void BeginStage(const char* /*label*/) {}
  virtual void EndStage() {}
};

// Names a stage for the lifetime of a scope; does nothing for a null sink.
class ProgressStage {
 public:
  ProgressStage(ProgressSink* sink, const char* label) : sink_(sink) {
    if (sink_ != nullptr) sink_->BeginStage(label);
  }
  ~ProgressStage() {
    if (sink_ != nullptr) sink_->EndStage();
  }
  ProgressStage(const ProgressStage&) = delete;
  ProgressStage& operator=(const ProgressStage&) = delete;

 private:
  ProgressSink* sink_;
};

// The percentage of `position` in `size`, computed in floating point,
// truncated, clamped to 0..100; 100 for an empty input.
int ProgressPercent(long long position, long long size);

// Sends ProgressPercent(position, size) to `sink` unless it is null.
void ReportProgress(ProgressSink* sink, long long position, long long size);

// Reports a stage's progress through its input to `sink`, but only when the
// percentage changes, so that reporting after every character stays cheap.
class ProgressMeter {
 public:
  ProgressMeter(ProgressSink* sink, long long size) : sink_(sink), size_(size) {}
  void At(long long position) {
    if (sink_ == nullptr) return;
    int percent = ProgressPercent(position, size_);
    if (percent == last_) return;
    last_ = percent;
    sink_->SetPosition(percent);
  }

 private:
  ProgressSink* sink_;
  long long size_;
  int last_ = -1;
};

}  // namespace platform

#endif
