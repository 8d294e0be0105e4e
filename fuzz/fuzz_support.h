#ifndef LINEWRIGHT_FUZZ_FUZZ_SUPPORT_H
#define LINEWRIGHT_FUZZ_FUZZ_SUPPORT_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What every fuzz target shares: a private working folder (the stages
// write their fixed files there), a message sink that swallows the
// messages, and a fixed seed so that every input runs the same way again.

// Fills the working folder, once per folder, with what the inputs may
// name: a route folder "routes" (with "sub/", and include files "a.inc"
// and "common/x.txt"), a train "T" and a signal system folder "S".
void PrepareWorkingFolder();

// Resets the settings, the signal system and the generator, installs the
// quiet message sink and removes the log of the last input, so that one
// input cannot change what the next one does.
void ResetForInput();

// Takes bytes from the front of the input for choices: the next byte, or
// 0 once the input is used up.
class InputBytes {
 public:
  InputBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Next() { return pos_ < size_ ? data_[pos_++] : 0; }
  // Everything not taken yet.
  std::string_view Rest() const {
    return std::string_view(reinterpret_cast<const char*>(data_) + pos_, size_ - pos_);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// Writes `bytes` to `path` (replacing it); aborts when that fails, since a
// target that cannot write its input tests nothing.
void WriteInputFile(const std::string& path, std::string_view bytes);

#endif
