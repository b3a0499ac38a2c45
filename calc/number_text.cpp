// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace calvanir {
namespace {

// Texts too long for an integer: validated, then converted with correct rounding.
Checked<double> ParseLongDigits(std::string_view text) {
  if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return Error::NotANumber;
  }
  const std::size_t firstSignificant = text.find_first_not_of('0');
  if (firstSignificant == std::string_view::npos) return 0.0;
  const std::string_view significant = text.substr(firstSignificant);
  double value = 0;
  const auto result = std::from_chars(significant.data(), significant.data() + significant.size(),
                                      value, std::chars_format::fixed);
  if (result.ec == std::errc::result_out_of_range) return Error::NumberTooLong;
  return value;
}

}  // namespace

WholeText FormatWhole(std::int64_t n) {
  WholeText text;
  const auto result = std::to_chars(text.chars_.data(), text.chars_.data() + text.chars_.size(), n);
  text.length_ = static_cast<std::size_t>(result.ptr - text.chars_.data());
  return text;
}

Checked<double> ParseNumber(std::string_view text) {
  if (text.empty()) return Error::NotANumber;
  // Up to 19 digits fit a 64-bit integer, whose conversion to double rounds exactly once.
  if (text.size() > 19) return ParseLongDigits(text);
  std::uint64_t value = 0;
  for (const char c : text) {
    const auto digit = static_cast<unsigned char>(c - '0');
    if (digit > 9) return Error::NotANumber;
    value = value * 10 + digit;
  }
  return static_cast<double>(value);
}

}  // namespace calvanir
