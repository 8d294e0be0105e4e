#include "core/BufFile.h"

#include <cstring>

#include "platform/filesystem.h"

namespace {
constexpr int kSpare = 4;
}

BufferedFile::BufferedFile(int size, bool growable) : growable_(growable) {
  if (size < 0) size = 0;
  try {
    data_.assign(static_cast<size_t>(size) + kSpare, '\0');
    working_ = true;
  } catch (const std::bad_alloc&) {
    working_ = false;
  }
}

BufferedFile::BufferedFile(const char* path, bool crToBlank) : readmode_(true) {
  if (path == nullptr) return;
  path_ = path;
  // Through the file system in use: only a regular file is read, and a
  // named pipe never makes the reading wait.
  std::string bytes;
  if (!platform::Files().ReadFile(path_, &bytes)) return;
  if (bytes.size() > static_cast<size_t>(0x7FFFFFFF - kSpare - 1)) return;
  try {
    data_.assign(bytes.size() + kSpare, '\0');
  } catch (const std::bad_alloc&) {
    return;
  }
  if (!bytes.empty()) std::memcpy(data_.data(), bytes.data(), bytes.size());
  length_ = static_cast<int>(std::strlen(data_.data()));
  if (crToBlank) {
    for (int i = 0; i < length_; ++i)
      if (data_[i] == '\r') data_[i] = ' ';
  }
  working_ = true;
}

BufferedFile::~BufferedFile() = default;

std::unique_ptr<BufferedFile> BufferedFile::FromText(std::string_view text) {
  std::unique_ptr<BufferedFile> file(new BufferedFile());
  file->data_.assign(text.size() + kSpare, '\0');
  if (!text.empty()) std::memcpy(file->data_.data(), text.data(), text.size());
  file->length_ = static_cast<int>(std::strlen(file->data_.data()));
  file->readmode_ = true;
  file->working_ = true;
  return file;
}

int BufferedFile::getchar() {
  if (!readmode_) return -1;
  if (position_ < 0) {
    position_ = 0;
    return 0;
  }
  if (position_ >= length_) return -1;
  return static_cast<signed char>(data_[position_++]);
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

bool BufferedFile::Grow() {
  if (!growable_) return false;
  size_t content = data_.size() - kSpare;
  size_t bigger = content < 4096 ? 8192 : content * 2;
  if (bigger > 0x7FFFFFF0u - kSpare) return false;
  try {
    data_.resize(bigger + kSpare, '\0');
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

void BufferedFile::putchar(char c) {
  if (readmode_ || position_ < 0) return;
  if (position_ >= capacity() - kSpare && !Grow()) return;
  if ((c == '\n' || c == '\r' || c == '\t') && lastwritten_[0] == '\r' && lastwritten_[1] == '\n')
    return;
  data_[position_++] = c;
  ++length_;
  if (length_ > capacity() - kSpare) length_ = capacity() - kSpare;
  lastwritten_[0] = lastwritten_[1];
  lastwritten_[1] = c;
}

void BufferedFile::putstring(const char* s) {
  if (s == nullptr) return;
  while (*s) putchar(*s++);
}

void BufferedFile::putstring(std::string_view s) {
  for (char c : s) putchar(c);
}

void BufferedFile::setpos(int offset, int mode) {
  long long pos = position_;
  if (mode == 0)
    pos = offset;
  else if (mode == 1)
    pos += offset;
  long long top = capacity() - kSpare;
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
  // The character at the position always goes, then every one up to the
  // next line feed, 0xFF or NUL; the rest moves left once.
  int end = position_ + 1;
  while (end < length_) {
    unsigned char c = static_cast<unsigned char>(data_[end]);
    if (c == '\n' || c == 0xFF || c == 0) break;
    ++end;
  }
  int removed = end - position_;
  std::memmove(&data_[position_], &data_[end], length_ - end);
  length_ -= removed;
  std::memset(&data_[length_], 0, removed);
}

void BufferedFile::blankline() {
  if (position_ < 0) return;
  for (int i = position_; i < length_; ++i) {
    unsigned char c = static_cast<unsigned char>(data_[i]);
    if (c == '\n' || c == 0xFF || c == 0) return;
    data_[i] = '\n';
  }
}

bool BufferedFile::flush(const char* path) {
  if (readmode_ || path == nullptr) return false;
  return platform::WriteFileReplacing(path, data_.data(), static_cast<size_t>(length_));
}
