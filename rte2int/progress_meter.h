#ifndef LINEWRIGHT_RTE2INT_PROGRESS_METER_H
#define LINEWRIGHT_RTE2INT_PROGRESS_METER_H

#include "platform/progress.h"

// Sends a stage's progress to its sink, but only when the percentage
// changes, so that reporting after every character stays cheap.
class ProgressMeter {
 public:
  ProgressMeter(platform::ProgressSink* sink, long long size) : sink_(sink), size_(size) {}
  void At(long long position) {
    if (sink_ == nullptr) return;
    int percent = platform::ProgressPercent(position, size_);
    if (percent == last_) return;
    last_ = percent;
    sink_->SetPosition(percent);
  }

 private:
  platform::ProgressSink* sink_;
  long long size_;
  int last_ = -1;
};

#endif
