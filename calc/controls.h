// SPDX-License-Identifier: GPL-3.0-or-later
// What the calculation code needs of the window: the values of its date pickers, the texts of its
// boxes, the selections of its options, a message box and the status bar's set-up. The window
// implements it over Qt; the tests implement it in memory.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "calendar.h"
#include "errors.h"

namespace calvanir {

enum class Picker { DTPicker1, DTPicker2, DTPicker3, DTPicker4 };
enum class TextBox { Text1, Text2, Text3, Text4, Text5 };
enum class OptionButton { Option1, Option2, Option3, Option4, Option5 };

// The box each unit's count shows in, in the order of kIntervalUnits.
inline constexpr TextBox kResultBoxes[] = {TextBox::Text1, TextBox::Text2, TextBox::Text3,
                                           TextBox::Text4};

// Marks an English text that the window shows in the user's language, the text being the key to
// its translations: lupdate reads the mark as Qt's QT_TRANSLATE_NOOP.
#define CALVANIR_TEXT(context, text) text

// The three messages the program ever shows.
inline constexpr std::string_view kNumberTooBig = CALVANIR_TEXT("Message", "Number too big.");
inline constexpr std::string_view kPleaseEnterANumber =
    CALVANIR_TEXT("Message", "Please enter a number.");
inline constexpr std::string_view kReadOnly = CALVANIR_TEXT("Message", "Read only.");

// What a guard or a failed check writes into a box whose text it discards.
inline constexpr std::string_view kResetText = "0";

// A date picker holds dates from 1000-01-01 through 9999-12-31 and refuses any other.
inline constexpr std::chrono::year_month_day kPickerFirst{
    std::chrono::year{1000}, std::chrono::January, std::chrono::day{1}};
inline constexpr std::chrono::year_month_day kPickerLast = kLastRepresentable;
bool PickerAccepts(CalendarDate date);

class Controls {
 public:
  virtual ~Controls() = default;

  virtual CalendarDate Value(Picker picker) const = 0;
  // Fails with `Error::RangeRejected`, keeping the value the picker had, unless
  // PickerAccepts(date).
  virtual Status SetValue(Picker picker, CalendarDate date) = 0;

  virtual std::string Text(TextBox box) const = 0;
  // A write into Text5 runs its change check before it returns, whatever the text.
  virtual void SetText(TextBox box, std::string_view text) = 0;
  // Writes a count of `unit` into its result box, in English as FormatWhole writes it followed by
  // the unit's suffix: "-3 day(s).".
  virtual void ShowResult(IntervalUnit unit, std::int32_t count) = 0;

  virtual bool Selected(OptionButton option) const = 0;
  // Selects the option and clears the others of its group.
  virtual void Select(OptionButton option) = 0;

  // A modal message; returns when the user has dismissed it.
  virtual void ShowMessage(std::string_view text) = 0;

  // Gives the status bar its panels; run once, during start-up.
  virtual void SetUpStatusBar() = 0;
};

}  // namespace calvanir
