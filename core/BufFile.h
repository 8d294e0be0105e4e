#ifndef LINEWRIGHT_CORE_BUFFILE_H
#define LINEWRIGHT_CORE_BUFFILE_H

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

// A whole text file held in memory, read or written character by character
// or line by line through one position.
//
// The content is always followed by four zero bytes, so it is NUL-terminated.
// The position may be -1, meaning "before the first character": getchar()
// there yields 0 and moves to 0. A byte 0xFF or NUL in the content reads as
// the end of the content.
//
// A fixed-capacity write buffer drops characters silently once full; a
// growable one (the stages' outputs) enlarges itself instead so that no
// output is ever lost.
//
// Memory: a write buffer takes its capacity from the system without
// touching it and clears it only as the content reaches it, so room that is
// never written costs no memory, and a growable buffer grows by half its
// size at a time. A stage can therefore ask for as much room as its output
// may need.
class BufferedFile {
 public:
  // Size of the write buffers the stages create by default.
  static constexpr int kStageOutputSize = 0x100000;
  // Room for a stage's output that comes out about `expected` characters
  // long: a quarter more than that, and at least 64 KiB, so that the
  // buffer seldom has to grow.
  static int OutputSizeFor(long long expected);

  // An empty write buffer with room for `size` characters. With `growable`
  // false the capacity never changes and a full buffer drops characters.
  explicit BufferedFile(int size, bool growable = false);
  // A read buffer holding the file at `path`. Carriage returns are replaced
  // by blanks when `crToBlank` is set. working() is false when the file
  // cannot be read whole.
  BufferedFile(const char* path, bool crToBlank);
  ~BufferedFile();

  BufferedFile(const BufferedFile&) = delete;
  BufferedFile& operator=(const BufferedFile&) = delete;

  // A read buffer over a copy of `text` (content up to its first NUL),
  // positioned at 0.
  static std::unique_ptr<BufferedFile> FromText(std::string_view text);

  bool working() const { return working_; }

  // Read mode: the character at the position as a signed 8-bit value, and
  // advance; 0 at position -1 (moving to 0); -1 at the end. Write mode: -1.
  int getchar() {
    if (!readmode_) return -1;
    if (position_ < 0) {
      position_ = 0;
      return 0;
    }
    if (position_ >= length_) return -1;
    return static_cast<signed char>(data_.get()[position_++]);
  }
  // Reads one line into `dest` (room for `max` bytes, at most max - 2
  // characters stored). With `keepLineEnd` the CR and LF are stored too.
  // False at the end of the content or in write mode.
  bool getline(char* dest, int max, bool keepLineEnd);
  // Stores one character at the position. CR, LF and TAB right after a
  // stored CR LF are dropped, which keeps writers free of empty lines.
  void putchar(char c) {
    if (readmode_ || position_ < 0) return;
    if (position_ >= capacity_ - kSpare && !Grow(1)) return;
    if ((c == '\n' || c == '\r' || c == '\t') && lastwritten_[0] == '\r' && lastwritten_[1] == '\n')
      return;
    int end = (position_ > length_ ? position_ : length_) + 1 + kSpare;
    if (end > zeroed_) ZeroUpTo(end);
    data_.get()[position_++] = c;
    if (length_ < capacity_ - kSpare) ++length_;
    lastwritten_[0] = lastwritten_[1];
    lastwritten_[1] = c;
  }
  // putchar() for each character, in one pass.
  void putstring(const char* s);
  void putstring(std::string_view s) {
    // Most strings a writer puts are a line or a piece of one: stored at
    // once when the line-end rule drops nothing in them and they fit.
    size_t n = s.size();
    if (n > 0 && n <= kShortPiece && !readmode_ && position_ >= 0 &&
        position_ + static_cast<int>(n) <= capacity_ - kSpare &&
        (position_ > length_ ? position_ : length_) + static_cast<int>(n) + kSpare <= zeroed_ &&
        DropsNothing(s)) {
      std::memcpy(data_.get() + position_, s.data(), n);
      lastwritten_[0] = n >= 2 ? s[n - 2] : lastwritten_[1];
      lastwritten_[1] = s[n - 1];
      position_ += static_cast<int>(n);
      length_ += static_cast<int>(n);
      if (length_ > capacity_ - kSpare) length_ = capacity_ - kSpare;
      return;
    }
    PutPieces(s);
  }
  // mode 0: set to offset; mode 1: move by offset; other: leave. The result
  // is clamped to -1 .. capacity - 4.
  void setpos(int offset, int mode);
  int getpos() const { return position_; }
  int size() const { return length_; }
  // Moves back to the start of the line that was read last.
  void lineback();
  // Deletes the character at the position and every one after it up to
  // (not including) the next line feed, 0xFF or NUL, shifting the rest of
  // the content left.
  void removeline();
  // Same effect for readers that skip empty lines as removeline(), but in
  // constant time per character: the characters up to the next line feed
  // (or 0xFF/NUL) are overwritten with line feeds. The rest of the content
  // does not move, so saved positions stay valid.
  void blankline();
  // Write mode only: saves the content to `path` through a temporary file
  // beside it that is renamed over the target. False when nothing was
  // written (read mode, or any write failed).
  bool flush(const char* path);
  void setread(bool read) { readmode_ = read; }
  bool readmode() const { return readmode_; }

  // The content (NUL-terminated). Valid until the next write.
  const char* content() const { return data_.get(); }
  std::string_view view() const { return std::string_view(data_.get(), length_); }
  // Allocated bytes: the largest content plus the four zero bytes.
  int capacity() const { return capacity_; }
  // The path given to the reading constructor (empty for write buffers).
  const std::string& path() const { return path_; }

 private:
  static constexpr int kSpare = 4;
  static constexpr size_t kShortPiece = 256;
  struct Free {
    void operator()(char* p) const { std::free(p); }
  };

  BufferedFile() = default;
  // Allocates `bytes` (content plus spare), untouched; false without memory.
  bool Allocate(size_t bytes);
  // A growable buffer makes room for at least `more` characters after the
  // position; false when it cannot.
  bool Grow(int more);
  // putstring() for any string.
  void PutPieces(std::string_view s);
  // Whether putting `s` after what was stored last drops none of its
  // characters: no CR, LF or TAB follows a CR LF.
  bool DropsNothing(std::string_view s) const {
    auto dropped = [](char c) { return c == '\n' || c == '\r' || c == '\t'; };
    if (lastwritten_[0] == '\r' && lastwritten_[1] == '\n' && dropped(s[0])) return false;
    const char* p = s.data();
    size_t n = s.size();
    for (size_t from = 0;;) {
      const void* lf = std::memchr(p + from, '\n', n - from);
      if (lf == nullptr) return true;
      size_t i = static_cast<size_t>(static_cast<const char*>(lf) - p);
      char before = i > 0 ? p[i - 1] : lastwritten_[1];
      if (i + 1 < n && before == '\r' && dropped(p[i + 1])) return false;
      from = i + 1;
    }
  }
  // Clears the bytes from zeroed_ up to at least `end`.
  void ZeroUpTo(int end);

  std::unique_ptr<char, Free> data_;
  int capacity_ = 0;  // allocated bytes, content plus kSpare
  // Bytes below this are content or zeros; from it on they are not yet
  // cleared. At least length_ + kSpare, so the content is NUL-terminated.
  int zeroed_ = 0;
  int length_ = 0;
  bool readmode_ = false;
  bool working_ = false;
  bool growable_ = false;
  int position_ = 0;
  char lastwritten_[2] = {0, 0};  // the two characters stored last, oldest first
  std::string path_;
};

#endif
