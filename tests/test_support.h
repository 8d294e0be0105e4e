#ifndef LINEWRIGHT_TESTS_TEST_SUPPORT_H
#define LINEWRIGHT_TESTS_TEST_SUPPORT_H

#include <string>
#include <vector>

#include "platform/messages.h"

// A fresh empty folder that is the working folder for the lifetime of the
// object; the old working folder comes back and the folder is removed
// afterwards. The stages write their fixed files ("log.txt",
// "linewright.tmp", ...) into the working folder, so every test that runs
// a stage uses one.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::string& path() const { return path_; }
  // Path of a file inside the folder.
  std::string File(const std::string& name) const;

 private:
  std::string path_;
  std::string previous_;
};

// Whole file as bytes; empty when it cannot be read.
std::string ReadFile(const std::string& path);
// Writes bytes to a file (creating folders on the way); false on failure.
bool WriteFile(const std::string& path, const std::string& bytes);
// Path of a file in the source tree.
std::string SourcePath(const std::string& relative);

// Sets an environment variable for the lifetime of the object (unset with
// a null value); the old value comes back afterwards.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const std::string& name, const char* value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_;
  bool had_value_ = false;
  std::string old_value_;
};

// A Wine prefix laid out as Wine lays one out, in `folder`, and
// WINEPREFIX pointing at it for the lifetime of the object: "drive_c",
// and "dosdevices" with "c:" linked to it and "z:" to the root. Off
// Windows only the links are made; Windows needs no prefix.
class FakeWinePrefix {
 public:
  explicit FakeWinePrefix(const std::string& folder);

  const std::string& path() const { return path_; }
  std::string DriveC() const { return path_ + "/drive_c"; }
  // Links another drive letter to a folder.
  void MapDrive(char letter, const std::string& target) const;

 private:
  std::string path_;
  ScopedEnvironment variable_;
};

// What a program run by RunProgram did.
struct ProgramRun {
  int status = -1;  // exit status; -1 when it could not be run or did not exit
  std::string out;  // standard output and error, with Windows' CR LF line
  std::string err;  // ends read as LF
};

// Runs a program with its arguments (no shell), standard input empty, in
// the working folder, and waits for it to end.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args);

// Records every message for the lifetime of the object.
class RecordedMessages : public platform::RecordingMessageSink {
 public:
  RecordedMessages() : previous_(platform::SetMessageSink(this)) {}
  ~RecordedMessages() override { platform::SetMessageSink(previous_); }

 private:
  platform::MessageSink* previous_;
};

#endif
