#include "core/rteprocs.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/files.h"
#include "platform/messages.h"

bool ErrorMessage(const char* message, const char* detail) {
  std::string text = message ? message : "";
  if (detail != nullptr) {
    text += "\n\n";
    text += detail;
  }
  platform::ShowError(text);
  return true;
}

void log(const char* text) {
  platform::AppendToFile("log.txt", std::string(text ? text : "") + "\n");
}

void Trim(char* text) {
  if (text == nullptr) return;
  size_t len = std::strlen(text);
  size_t start = 0;
  while (start < len && IsTrimmedChar(text[start])) ++start;
  size_t end = len;
  while (end > start && IsTrimmedChar(text[end - 1])) --end;
  if (start > 0) std::memmove(text, text + start, end - start);
  text[end - start] = '\0';
}

bool IsNumber(char* text) {
  if (text == nullptr) return false;
  Trim(text);
  if (text[0] == '\0') return false;
  bool point = false;
  char first = text[0];
  if (first == '.') {
    point = true;
  } else if (first != '-' && !IsAsciiDigit(first)) {
    return false;
  }
  for (const char* p = text + 1; *p; ++p) {
    if (*p == '.') {
      if (point) return false;
      point = true;
    } else if (!IsAsciiDigit(*p)) {
      return false;
    }
  }
  return true;
}

void CropFloat(char* text) {
  if (text == nullptr || std::strchr(text, '.') == nullptr) return;
  size_t len = std::strlen(text);
  while (len > 1) {
    char c = text[len - 1];
    if (c == '0') {
      text[--len] = '\0';
      continue;
    }
    if (c == '.') text[--len] = '\0';
    break;
  }
}

bool FileExists(const char* path) {
  // Only a regular file: opening a named pipe would wait for a writer.
  if (path == nullptr || !platform::IsRegularFile(path)) return false;
  std::FILE* f = std::fopen(path, "rb");
  if (f == nullptr) return false;
  std::fclose(f);
  return true;
}

void StrCatChar(char* text, char c) {
  size_t len = std::strlen(text);
  text[len] = c;
  text[len + 1] = '\0';
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}
