#include "sigsys/custom_signal.h"

#include <cstdio>

#include "scrprocs/scrprocs.h"
#include "sigsys/sigsys.h"

namespace {

void AppendInt(std::string* out, int value) { *out += std::to_string(value); }

void AppendFloat(std::string* out, float value) {
  char text[64];
  // A negative zero reads "0.000000", as the writer prints every offset.
  std::snprintf(text, sizeof text, "%f", static_cast<double>(value + 0.0f));
  *out += text;
}

}  // namespace

std::string FillSignalTemplate(std::string_view pattern, int a, std::string_view name, float x,
                               float y, int t) {
  std::string out;
  out.reserve(pattern.size() + 64);
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != kTemplateEscape) {
      out += pattern[i];
      continue;
    }
    if (++i == pattern.size()) break;
    switch (pattern[i]) {
      case 'a':
        AppendInt(&out, a);
        break;
      case 'e':
        out += ',';
        break;
      case 'n':
        out += name;
        break;
      case 'p':
        out += ';';
        break;
      case 'r':
        out += ".relay ";
        break;
      case 's':
        out += ".sig ";
        break;
      case 't':
        AppendInt(&out, t);
        break;
      case 'x':
        AppendFloat(&out, x);
        break;
      case 'y':
        AppendFloat(&out, y);
        break;
      default:
        break;
    }
  }
  return out;
}

void InsertCustomSignal(BufferedFile* out, int a, const char* name, float x, float y, int t,
                        bool signal) {
  const std::string& pattern = signal ? sigsys.signaldef : sigsys.relaydef;
  std::string filled = FillSignalTemplate(pattern, a, name ? name : "", x, y, t);
  std::unique_ptr<BufferedFile> text = BufferedFile::FromText(filled);
  ProcessSCR_simple(text.get(), out, nullptr);
}
