// SPDX-License-Identifier: GPL-3.0-or-later
// The two conversions between numbers and the texts the user sees and types.
//
//   FormatWhole(-365).view()  // "-365"
//   ParseNumber("0045")       // 45
//   ParseNumber("")           // Error::NotANumber
//   ParseNumber("4.5")        // Error::NotANumber: only whole numbers can be typed
//   ParseNumber(std::string(400, '9'))  // Error::NumberTooLong: digits, but beyond a double
//
// Neither allocates: both run on every key the user types.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "errors.h"

namespace calvanir {

// A whole number's decimal text, held in place.
class WholeText {
 public:
  std::string_view view() const { return {chars_.data(), length_}; }
  operator std::string_view() const { return view(); }  // NOLINT(google-explicit-constructor)

 private:
  friend WholeText FormatWhole(std::int64_t n);
  std::array<char, 20> chars_{};
  std::size_t length_ = 0;
};

// Digits only, a leading "-" for a negative number, no grouping, no leading zeros, "0" for zero.
WholeText FormatWhole(std::int64_t n);

// The value of a string of ASCII digits 0-9 (leading zeros allowed), correctly rounded to a double.
// Empty text and anything else (signs, spaces, separators, exponents, "inf", other scripts' digits)
// is `Error::NotANumber`; a digit string whose value is beyond the range of a double is
// `Error::NumberTooLong`, so that a caller can tell a number that is too big from no number at all.
Checked<double> ParseNumber(std::string_view text);

}  // namespace calvanir
