#ifndef LINEWRIGHT_WINUI_WIDE_TEXT_H
#define LINEWRIGHT_WINUI_WIDE_TEXT_H

#include <windows.h>

#include <string>
#include <string_view>

// The window speaks UTF-16 to Windows; the program keeps UTF-8 texts
// (its own), texts from the simulator's files (UTF-8 or Windows-1250) and
// paths in the system's ANSI code page, as the C library opens them.

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

// A text read from the simulator's files or a stage's message, for a
// single-line control.
std::wstring FromFileText(const std::string& bytes);
// The same for a multi-line edit control, which breaks lines at CR LF.
std::wstring FromFileTextForEdit(const std::string& bytes);

// Paths and file names in the ANSI code page.
std::wstring FromPath(const std::string& path);
// False when `text` holds a character the ANSI code page cannot write, so
// no file function of the program could open it.
bool ToPath(std::wstring_view text, std::string* path);

// A control's whole text.
std::wstring WindowText(HWND window);

#endif
