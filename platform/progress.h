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
