#include "scrprocs/decimal_text.h"

#include <algorithm>

#include "core/rteprocs.h"

namespace {

// A decimal text as a sign and the magnitude's digits, the last
// `fraction` of them standing after the point.
struct Decimal {
  bool negative = false;
  std::string digits;
};

Decimal ToDecimal(std::string_view text, std::size_t fraction) {
  Decimal d;
  if (!text.empty() && text[0] == '-') {
    d.negative = true;
    text.remove_prefix(1);
  }
  std::size_t point = text.find('.');
  std::string_view whole = text.substr(0, point);
  std::string_view part = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  d.digits.assign(whole);
  d.digits.append(part);
  d.digits.append(fraction - part.size(), '0');
  return d;
}

std::size_t FractionLength(std::string_view text) {
  std::size_t point = text.find('.');
  return point == std::string_view::npos ? 0 : text.size() - point - 1;
}

// a + b or a - b (a >= b) on digit strings of the same length; the result
// has one more digit for a sum.
std::string AddDigits(const std::string& a, const std::string& b, bool subtract) {
  std::string out(a.size() + 1, '0');
  int carry = 0;
  for (std::size_t i = a.size(); i-- > 0;) {
    int v = subtract ? (a[i] - '0') - (b[i] - '0') - carry : (a[i] - '0') + (b[i] - '0') + carry;
    carry = 0;
    if (v < 0) {
      v += 10;
      carry = 1;
    } else if (v > 9) {
      v -= 10;
      carry = 1;
    }
    out[i + 1] = static_cast<char>('0' + v);
  }
  out[0] = static_cast<char>('0' + carry);
  return out;
}

}  // namespace

bool IsDecimalText(std::string_view text) {
  if (!text.empty() && text[0] == '-') text.remove_prefix(1);
  bool digit = false, point = false;
  for (char c : text) {
    if (IsAsciiDigit(c)) {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

bool IsZeroDecimalText(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == '0' || c == '-' || c == '.'; });
}

std::string AddDecimalTexts(std::string_view a, std::string_view b) {
  std::size_t fraction = std::max(FractionLength(a), FractionLength(b));
  Decimal x = ToDecimal(a, fraction), y = ToDecimal(b, fraction);
  std::size_t width = std::max(x.digits.size(), y.digits.size());
  x.digits.insert(0, width - x.digits.size(), '0');
  y.digits.insert(0, width - y.digits.size(), '0');

  Decimal sum;
  if (x.negative == y.negative) {
    sum.negative = x.negative;
    sum.digits = AddDigits(x.digits, y.digits, false);
  } else if (x.digits < y.digits) {  // same length: text order is number order
    sum.negative = y.negative;
    sum.digits = AddDigits(y.digits, x.digits, true);
  } else {
    sum.negative = x.negative;
    sum.digits = AddDigits(x.digits, y.digits, true);
  }

  std::string whole = sum.digits.substr(0, sum.digits.size() - fraction);
  std::string part = sum.digits.substr(sum.digits.size() - fraction);
  whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
  while (!part.empty() && part.back() == '0') part.pop_back();
  if (whole.empty() && part.empty()) return "0";
  std::string out = sum.negative ? "-" : "";
  out += whole.empty() ? "0" : whole;
  if (!part.empty()) out += "." + part;
  return out;
}
