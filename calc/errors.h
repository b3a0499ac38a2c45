// SPDX-License-Identifier: GPL-3.0-or-later
// Failures that the calculation code answers differently from one another.
//
// Each has a name and a number that it keeps wherever it travels; `RangeRejected` (35773) is the
// date picker's refusal of a value outside its allowed range.
#pragma once

#include <utility>
#include <variant>

namespace calvanir {

enum class Error : int {
  // The text is empty or is not a string of decimal digits.
  NotANumber = 13,
  // The text is a string of digits whose value is beyond the range of a double.
  NumberTooLong = 6,
  // A shifted date would fall before 0100-01-01 or after 9999-12-31.
  DateOutOfRange = 5,
  // A date picker refused a value outside 1000-01-01..9999-12-31 and kept the one it had.
  RangeRejected = 35773,
};

// A value or the error that stands in its place. Deliberately tiny: the callers only ever test it,
// then read the one or the other.
template <class T>
class Checked {
 public:
  Checked(T value) : value_(std::move(value)) {}  // NOLINT(google-explicit-constructor)
  Checked(Error error)
      : value_{}, error_(error), failed_(true) {}  // NOLINT(google-explicit-constructor)

  explicit operator bool() const { return !failed_; }
  const T& value() const { return value_; }
  const T& operator*() const { return value_; }
  Error error() const { return error_; }

 private:
  T value_;
  Error error_ = Error::NotANumber;
  bool failed_ = false;
};

// The result of an action that produces no value.
using Status = Checked<std::monostate>;

}  // namespace calvanir
