// SPDX-License-Identifier: GPL-3.0-or-later
// The one window: its controls built from the control table, and the one wiring table that says
// which control event runs which operation of the calculator.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <map>

#include "controls.h"
#include "date_calculator.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace calvanir::ui {

class DatePicker;
class StatusBar;

// The notice in the status bar's fourth panel: the years the date pickers hold ("AD 1000–9999").
QString StatusNotice();

class Form1 : public QWidget, public Controls {
  Q_OBJECT

 public:
  // The window's load: builds the controls, wires their events and runs the start-up.
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // Where messages go; a modal message box unless replaced (the tests record them instead).
  using MessageSink = std::function<void(QWidget* parent, const QString& text)>;
  void SetMessageSink(MessageSink sink) { messageSink_ = std::move(sink); }

  DateCalculator& Calculator() { return calculator_; }

  // Whether every caption, date, option and result shows whole at a readable size in the style the
  // window was made in.
  bool ShowsEveryTextWhole() const { return showsEveryTextWhole_; }

  // Controls
  CalendarDate Value(Picker picker) const override;
  Status SetValue(Picker picker, CalendarDate date) override;
  std::string Text(TextBox box) const override;
  void SetText(TextBox box, std::string_view text) override;
  void ShowResult(IntervalUnit unit, std::int32_t count) override;
  bool Selected(OptionButton option) const override;
  void Select(OptionButton option) override;
  void ShowMessage(std::string_view text) override;
  void SetUpStatusBar() override;

 private:
  void BuildControls();
  void Wire();
  bool AllShowWhole() const;
  // Has a screen reader speak what a Calculate just showed, unless it ended in a message.
  void SpeakResult(const QString& result);

  template <class T>
  T* Find(const char* name) const;

  std::map<QString, QWidget*> byName_;
  std::array<DatePicker*, 4> pickers_{};
  std::array<QLineEdit*, 5> texts_{};
  std::array<QRadioButton*, 5> options_{};
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
  StatusBar* statusBar_ = nullptr;
  MessageSink messageSink_;
  bool showsEveryTextWhole_ = false;
  bool messageShown_ = false;  // since a Calculate was last pressed
  DateCalculator calculator_{*this};
};

}  // namespace calvanir::ui
