#include "core/BufFile.h"

#include <algorithm>
#include <cstring>

#include "platform/filesystem.h"

namespace {
// Clearing ahead of the content in steps of this many bytes keeps the
// checks rare without touching much memory that is never written.
constexpr int kZeroStep = 64 * 1024;
constexpr int kMaxCapacity = 0x7FFFFFF0;
// The least room a stage's output starts with. Small routes are the common
// case, and a buffer that grows costs little; a smaller start keeps each
// run of a small route from mapping and unmapping a large block.
constexpr int kLeastOutputSize = 64 * 1024;
}  // namespace

int BufferedFile::OutputSizeFor(long long expected) {
  long long room = expected + expected / 4;
  if (room < kLeastOutputSize) return kLeastOutputSize;
  return room > kMaxCapacity - kSpare ? kMaxCapacity - kSpare : static_cast<int>(room);
}

bool BufferedFile::Allocate(size_t bytes) {
  data_.reset(static_cast<char*>(std::malloc(bytes)));
  if (!data_) return false;
  capacity_ = static_cast<int>(bytes);
  return true;
}

BufferedFile::BufferedFile(int size, bool growable) : growable_(growable) {
  if (size < 0) size = 0;
  if (size > kMaxCapacity - kSpare) size = kMaxCapacity - kSpare;
  // A growable buffer can start smaller than asked when the room is not
  // to be had at once.
  if (!Allocate(static_cast<size_t>(size) + kSpare) &&
      !(growable && size > kStageOutputSize && Allocate(kStageOutputSize + kSpare)))
    return;
  ZeroUpTo(kSpare);
  working_ = true;
}

BufferedFile::BufferedFile(const char* path, bool crToBlank) : readmode_(true) {
  if (path == nullptr) return;
  path_ = path;
  // Through the file system in use: only a regular file is read, and a
  // named pipe never makes the reading wait.
  std::string bytes;
  if (!platform::Files().ReadFile(path_, &bytes)) return;
  if (bytes.size() > static_cast<size_t>(kMaxCapacity - kSpare)) return;
  if (!Allocate(bytes.size() + kSpare)) return;
  char* data = data_.get();
  if (!bytes.empty()) std::memcpy(data, bytes.data(), bytes.size());
  std::memset(data + bytes.size(), 0, kSpare);
  zeroed_ = capacity_;
  length_ = static_cast<int>(std::strlen(data));
  if (crToBlank) std::replace(data, data + length_, '\r', ' ');
  working_ = true;
}

BufferedFile::~BufferedFile() = default;

std::unique_ptr<BufferedFile> BufferedFile::FromText(std::string_view text) {
  std::unique_ptr<BufferedFile> file(new BufferedFile());
  if (!file->Allocate(text.size() + kSpare)) return file;
  char* data = file->data_.get();
  if (!text.empty()) std::memcpy(data, text.data(), text.size());
  std::memset(data + text.size(), 0, kSpare);
  file->zeroed_ = file->capacity_;
  file->length_ = static_cast<int>(std::strlen(data));
  file->readmode_ = true;
  file->working_ = true;
  return file;
}

void BufferedFile::ZeroUpTo(int end) {
  int to = std::min(capacity_, std::max(end, zeroed_ + kZeroStep));
  if (to <= zeroed_) return;
  std::memset(data_.get() + zeroed_, 0, static_cast<size_t>(to - zeroed_));
  zeroed_ = to;
}

bool BufferedFile::getline(char* dest, int max, bool keepLineEnd) {
  if (!readmode_ || dest == nullptr || max < 1) return false;
  int c = getchar();
  if (c == -1 || c == 0) return false;
  setpos(-1, 1);
  int stored = 0;
  while (stored < max - 2) {
    c = getchar();
    if (c == 0 || c == -1) break;
    if (!keepLineEnd && (c == '\r' || c == '\n')) break;
    dest[stored++] = static_cast<char>(c);
    if (c == '\n') break;
  }
  dest[stored] = '\0';
  return true;
}

bool BufferedFile::Grow(int more) {
  if (!growable_) return false;
  long long content = capacity_ - kSpare;
  long long needed = static_cast<long long>(position_) + more;
  long long bigger = std::max({needed, content + content / 2, 8192LL});
  if (bigger > kMaxCapacity - kSpare) bigger = kMaxCapacity - kSpare;
  if (bigger < needed || bigger <= content) return false;
  // Without memory the buffer stays as it was.
  char* grown = static_cast<char*>(std::realloc(data_.get(), static_cast<size_t>(bigger) + kSpare));
  if (grown == nullptr) return false;
  data_.release();
  data_.reset(grown);
  capacity_ = static_cast<int>(bigger) + kSpare;
  return true;
}

void BufferedFile::putstring(const char* s) {
  if (s != nullptr) putstring(std::string_view(s));
}

void BufferedFile::PutPieces(std::string_view s) {
  if (readmode_ || position_ < 0) return;
  const char* p = s.data();
  const char* end = p + s.size();
  char before = lastwritten_[0];
  char last = lastwritten_[1];
  while (p < end) {
    if (before == '\r' && last == '\n') {
      while (p < end && (*p == '\n' || *p == '\r' || *p == '\t')) ++p;
      if (p == end) break;
    }
    long long room = capacity_ - kSpare - position_;
    if (room <= 0) {
      if (!Grow(static_cast<int>(std::min<long long>(end - p, kMaxCapacity)))) break;
      room = capacity_ - kSpare - position_;
    }
    // Up to and including the next line feed: only a line feed can
    // complete the CR LF after which characters are dropped.
    size_t n = static_cast<size_t>(std::min<long long>(end - p, room));
    const void* lf = std::memchr(p, '\n', n);
    int take =
        static_cast<int>(lf ? static_cast<const char*>(lf) - p + 1 : static_cast<long long>(n));
    int top = std::max(position_, length_) + take + kSpare;
    if (top > zeroed_) ZeroUpTo(top);
    std::memcpy(data_.get() + position_, p, static_cast<size_t>(take));
    before = take >= 2 ? p[take - 2] : last;
    last = p[take - 1];
    position_ += take;
    length_ = std::min(length_ + take, capacity_ - kSpare);
    p += take;
  }
  lastwritten_[0] = before;
  lastwritten_[1] = last;
}

void BufferedFile::setpos(int offset, int mode) {
  long long pos = position_;
  if (mode == 0)
    pos = offset;
  else if (mode == 1)
    pos += offset;
  long long top = capacity_ - kSpare;
  if (pos < -1) pos = -1;
  if (pos > top) pos = top;
  position_ = static_cast<int>(pos);
}

void BufferedFile::lineback() {
  for (;;) {
    setpos(-2, 1);
    int c = getchar();
    if (c == '\n' || c == 0) return;
    // In write mode getchar() does not advance; stop rather than loop.
    if (!readmode_) return;
  }
}

void BufferedFile::removeline() {
  if (position_ < 0 || position_ >= length_) return;
  char* data = data_.get();
  // The character at the position always goes, then every one up to the
  // next line feed, 0xFF or NUL; the rest moves left once.
  int end = position_ + 1;
  while (end < length_) {
    unsigned char c = static_cast<unsigned char>(data[end]);
    if (c == '\n' || c == 0xFF || c == 0) break;
    ++end;
  }
  int removed = end - position_;
  std::memmove(data + position_, data + end, static_cast<size_t>(length_ - end));
  length_ -= removed;
  std::memset(data + length_, 0, static_cast<size_t>(removed));
}

void BufferedFile::blankline() {
  if (position_ < 0) return;
  char* data = data_.get();
  for (int i = position_; i < length_; ++i) {
    unsigned char c = static_cast<unsigned char>(data[i]);
    if (c == '\n' || c == 0xFF || c == 0) return;
    data[i] = '\n';
  }
}

bool BufferedFile::flush(const char* path) {
  if (readmode_ || path == nullptr) return false;
  return platform::WriteFileReplacing(path, data_.get(), static_cast<size_t>(length_));
}
