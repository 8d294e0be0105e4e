#ifndef LINEWRIGHT_SIGSYS_CUSTOM_SIGNAL_H
#define LINEWRIGHT_SIGSYS_CUSTOM_SIGNAL_H

#include <string>
#include <string_view>

#include "core/BufFile.h"

// The byte that starts an escape in a signal or relay template (the section
// sign of Windows-1252); the letter after it says what replaces the pair.
constexpr char kTemplateEscape = '\xA7';

// Fills a template: "\xA7" followed by a selects `a` ("%d"), e ",", n
// `name`, p ";", r ".relay ", s ".sig ", t `t` ("%d"), x `x` ("%f"), y `y`
// ("%f"); any other letter drops the pair, and a "\xA7" at the very end is
// dropped. Everything else is copied.
std::string FillSignalTemplate(std::string_view pattern, int a, std::string_view name, float x,
                               float y, int t);

// Writes one signal (`signal` true) or relay of a custom signal system into
// `out` at its position: the system's template filled with the arguments
// and run through the script, so that its directives take effect. Relays
// pass 0, an empty name and 0 for `a`, `name` and `t`.
void InsertCustomSignal(BufferedFile* out, int a, const char* name, float x, float y, int t,
                        bool signal);

#endif
