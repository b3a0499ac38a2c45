// SPDX-License-Identifier: GPL-3.0-or-later
// Reads its input as a sequence of user actions on the window's controls, held in memory, and
// checks after every action what must always hold whatever the user does.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "date_calculator.h"
#include "memory_controls.h"
#include "number_text.h"

namespace {

using namespace calvanir;

// The input, consumed byte by byte; past its end every read is zero.
class Actions {
 public:
  Actions(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool done() const { return at_ >= size_; }
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::uint16_t Word() { return static_cast<std::uint16_t>(Byte() | (Byte() << 8)); }
  std::int32_t Int() {
    return static_cast<std::int32_t>(Word() | (static_cast<std::uint32_t>(Word()) << 16));
  }
  std::string Text() {
    std::string text;
    for (std::size_t length = Byte() % 24; length > 0 && !done(); --length)
      text += static_cast<char>(Byte());
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

[[noreturn]] void Fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "invariant broken: %s [%s]\n", what, detail.c_str());
  std::abort();
}

struct Session {
  testing::MemoryControls controls;
  DateCalculator calculator{controls};
  std::string counted[4] = {"0", "0", "0", "0"};  // what the last upper Calculate wrote

  Session() {
    controls.text5Changed = [this] { calculator.CheckIntervalSize(); };
    calculator.StartUp();
  }

  // A key down in a box; a key that passes Text5's filter edits the text as a text box would.
  void Key(TextBox box, KeyCode code, std::uint8_t caret) {
    if (box != TextBox::Text5) return calculator.GuardResultBox(box);
    if (!calculator.FilterIntervalKey(code)) return;
    std::string text = controls.Text(TextBox::Text5);
    const std::size_t at = caret % (text.size() + 1);
    if (code == vk::Back) {
      if (at > 0) text.erase(at - 1, 1);
    } else if (code == vk::Delete) {
      if (at < text.size()) text.erase(at, 1);
    } else {
      text.insert(
          at, 1,
          static_cast<char>('0' + (code >= vk::Numpad0 ? code - vk::Numpad0 : code - vk::Digit0)));
    }
    controls.SetText(TextBox::Text5, text);
  }

  void PickDate(Picker picker, CalendarDate date) {
    if (!controls.SetValue(picker, date)) return;  // the picker refused it and raised nothing
    switch (picker) {
      case Picker::DTPicker1:
        return calculator.RefreshFirstDate();
      case Picker::DTPicker2:
        return calculator.RefreshLastDate();
      case Picker::DTPicker3:
        return calculator.RefreshBaseDate();
      case Picker::DTPicker4:
        return;
    }
  }

  void CountInterval() {
    calculator.CountInterval();
    const CalendarDate first = controls.Value(Picker::DTPicker1),
                       last = controls.Value(Picker::DTPicker2);
    for (const IntervalUnitInfo& unit : kIntervalUnits) {
      counted[static_cast<int>(unit.unit)] =
          std::string{FormatWhole(DateDifference(unit.unit, first, last))} +
          std::string{unit.suffix};
    }
  }

  void CheckInvariants() const {
    const std::string text5 = controls.Text(TextBox::Text5);
    if (!std::all_of(text5.begin(), text5.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      Fail("Text5 holds more than digits", text5);
    }
    for (const std::string& message : controls.Messages()) {
      if (message != kNumberTooBig && message != kPleaseEnterANumber && message != kReadOnly) {
        Fail("unknown message", message);
      }
    }
    if (!PickerAccepts(controls.Value(Picker::DTPicker4))) Fail("Resulting Date out of range", "");
    const TextBox results[] = {TextBox::Text1, TextBox::Text2, TextBox::Text3, TextBox::Text4};
    for (int i = 0; i < 4; ++i) {
      const std::string shown = controls.Text(results[i]);
      if (shown != "0" && shown != counted[i])
        Fail("result box shows neither 0 nor the last count", shown);
    }
  }
};

// A date anywhere near the pickers' range, and now and then far outside it.
CalendarDate AnyDate(Actions& in) {
  const std::int32_t raw = in.Int();
  if (raw % 16 == 0) return static_cast<CalendarDate>(raw);
  return MakeDate(800, 1, 1) +
         static_cast<CalendarDate>(static_cast<std::uint32_t>(raw) % 3'500'000);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Actions in{data, size};
  Session session;
  session.CheckInvariants();
  while (!in.done()) {
    switch (in.Byte() % 8) {
      case 0: {
        const auto box = static_cast<TextBox>(in.Byte() % 5);
        const KeyCode code = in.Word();
        session.Key(box, code, in.Byte());
        break;
      }
      case 1: {  // a paste or a drop replaces or extends the interval
        const bool replace = in.Byte() % 2 == 0;
        const std::string pasted = in.Text();
        session.controls.SetText(TextBox::Text5,
                                 replace ? pasted : session.controls.Text(TextBox::Text5) + pasted);
        break;
      }
      case 2:
        session.controls.Select(static_cast<OptionButton>(in.Byte() % 3));
        break;
      case 3:
        session.controls.Select(static_cast<OptionButton>(3 + in.Byte() % 2));
        break;
      case 4: {
        const auto picker = static_cast<Picker>(in.Byte() % 4);
        session.PickDate(picker, AnyDate(in));
        break;
      }
      case 5:
        session.CountInterval();
        break;
      case 6:
        session.calculator.ShiftInterval();
        break;
      case 7: {  // the digits key by key, as a fast typist would
        const std::uint8_t digit = in.Byte() % 10;
        session.Key(TextBox::Text5, static_cast<KeyCode>(vk::Digit0 + digit), 0xFF);
        break;
      }
    }
    session.CheckInvariants();
  }
  return 0;
}
