#include "core/numtext.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// A plain decimal: optional sign, digits, optional point and digits, at
// least one digit. `mantissa` holds all the digits as one number and
// `decimals` how many of them follow the point; `end` is where it stops.
struct Decimal {
  bool negative = false;
  std::uint64_t mantissa = 0;
  int decimals = 0;
  const char* end = nullptr;
};

// Reads a plain decimal at the start of [p, end). False when the text
// does not start with one, or it has more digits than fit exactly.
bool ReadDecimal(const char* p, const char* end, Decimal* d) {
  if (p < end && (*p == '-' || *p == '+')) d->negative = *p++ == '-';
  int digits = 0;
  bool point = false;
  for (; p < end; ++p) {
    char c = *p;
    if (c >= '0' && c <= '9') {
      if (d->mantissa >= 100000000000000000ULL) return false;  // 18 digits
      d->mantissa = d->mantissa * 10 + static_cast<unsigned>(c - '0');
      ++digits;
      if (point) ++d->decimals;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  d->end = p;
  return digits > 0;
}

// What can continue a number for strtod and scanf beyond a plain decimal:
// an exponent, or the x of a hexadecimal number.
bool ContinuesNumber(const char* p, const char* end) {
  if (p == end) return false;
  char c = *p;
  return c == 'e' || c == 'E' || c == 'x' || c == 'X' || c == 'p' || c == 'P';
}

constexpr double kPowersOf10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The text as a NUL-terminated string for the library: in `buffer` when it
// fits, else in `spill`.
const char* Terminated(std::string_view s, char* buffer, size_t size, std::string* spill) {
  if (s.size() < size) {
    std::memcpy(buffer, s.data(), s.size());
    buffer[s.size()] = '\0';
    return buffer;
  }
  spill->assign(s);
  return spill->c_str();
}

int Saturate(long long v) {
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

}  // namespace

int TextToInt(std::string_view s) {
  const char* p = s.data();
  const char* end = p + s.size();
  if (p == end || *p == ' ' || (*p >= '\t' && *p <= '\r')) {
    char buffer[64];
    std::string spill;
    return Saturate(std::strtoll(Terminated(s, buffer, sizeof buffer, &spill), nullptr, 10));
  }
  bool negative = false;
  if (*p == '-' || *p == '+') negative = *p++ == '-';
  long long v = 0;
  for (; p < end && *p >= '0' && *p <= '9'; ++p) {
    v = v * 10 + (*p - '0');
    if (v > INT_MAX + 1LL) return negative ? INT_MIN : INT_MAX;
  }
  return Saturate(negative ? -v : v);
}

int TextToInt(const char* s) { return s == nullptr ? 0 : TextToInt(std::string_view(s)); }

double TextToDouble(std::string_view s) {
  Decimal d;
  if (ReadDecimal(s.data(), s.data() + s.size(), &d) &&
      (d.decimals == 0 || d.mantissa <= (1ULL << 53)) && d.decimals <= 22 &&
      !ContinuesNumber(d.end, s.data() + s.size())) {
    // A whole number converts correctly rounded; otherwise both operands
    // are exact, so the quotient is the correctly rounded value, as strtod
    // gives it.
    double v = static_cast<double>(d.mantissa) / kPowersOf10[d.decimals];
    return d.negative ? -v : v;
  }
  char buffer[128];
  std::string spill;
  return std::strtod(Terminated(s, buffer, sizeof buffer, &spill), nullptr);
}

double TextToDouble(const char* s) { return s == nullptr ? 0 : TextToDouble(std::string_view(s)); }

bool ScanFloat(std::string_view s, float* value) {
  Decimal d;
  if (ReadDecimal(s.data(), s.data() + s.size(), &d) &&
      (d.decimals == 0 || d.mantissa <= (1ULL << 24)) && d.decimals <= 10 &&
      !ContinuesNumber(d.end, s.data() + s.size())) {
    // Exact operands again, now in single precision as "%f" reads.
    float v = static_cast<float>(d.mantissa) / static_cast<float>(kPowersOf10[d.decimals]);
    *value = d.negative ? -v : v;
    return true;
  }
  char buffer[128];
  std::string spill;
  float v = 0;
  if (std::sscanf(Terminated(s, buffer, sizeof buffer, &spill), "%f", &v) != 1) return false;
  *value = v;
  return true;
}

int FormatInt(int value, char* dest) {
  char* end = std::to_chars(dest, dest + kNumberTextSize - 1, value).ptr;
  *end = '\0';
  return static_cast<int>(end - dest);
}

int FormatFloat(float value, char* dest, int decimals) {
  double v = value;
  if (decimals < 0 || decimals > 6) decimals = 6;
  if (!(std::fabs(v) < 1e12)) return std::snprintf(dest, kNumberTextSize, "%.*f", decimals, v);
  // A float has 24 significant bits and 10^6 no more than 20, so v * 10^N
  // is exact: rounding it to an integer as printf rounds (to nearest, ties
  // to even) gives the N decimals.
  static constexpr long long kScale[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
  long long scale = kScale[decimals];
  long long scaled = std::llrint(std::fabs(v) * static_cast<double>(scale));
  char* p = dest;
  if (std::signbit(v)) *p++ = '-';
  p = std::to_chars(p, dest + kNumberTextSize, scaled / scale).ptr;
  if (decimals > 0) {
    *p++ = '.';
    long long fraction = scaled % scale;
    for (int i = decimals - 1; i >= 0; --i) {
      p[i] = static_cast<char>('0' + fraction % 10);
      fraction /= 10;
    }
    p += decimals;
  }
  *p = '\0';
  return static_cast<int>(p - dest);
}
