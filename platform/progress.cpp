#include "platform/progress.h"

namespace platform {

int ProgressPercent(long long position, long long size) {
  if (size <= 0) return 100;
  double percent = static_cast<double>(position) * 100.0 / static_cast<double>(size);
  if (!(percent > 0)) return 0;
  if (percent >= 100) return 100;
  return static_cast<int>(percent);
}

void ReportProgress(ProgressSink* sink, long long position, long long size) {
  if (sink != nullptr) sink->SetPosition(ProgressPercent(position, size));
}

}  // namespace platform
