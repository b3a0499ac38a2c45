// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of a press of either Calculate in the real window (offscreen): the operation alone,
// which is our own code writing the real controls, and the whole mouse click through Qt's event
// delivery.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDate>
#include <QPushButton>
#include <QtTest>

#include "date_picker.h"
#include "form1.h"

namespace {

using calvanir::ui::Form1;

Form1& Window() {
  static Form1* form = [] {
    auto* f = new Form1;
    f->SetMessageSink([](QWidget*, const QString&) {});
    f->findChild<calvanir::ui::DatePicker*>("DTPicker1")->setDate(QDate(2003, 3, 11));
    f->findChild<calvanir::ui::DatePicker*>("DTPicker3")->setDate(QDate(2003, 3, 14));
    f->SetText(calvanir::TextBox::Text5, "45");
    f->show();
    return f;
  }();
  return *form;
}

void CountInterval(benchmark::State& state) {
  Form1& form = Window();
  for (auto _ : state)
    form.Calculator().CountInterval();
}

void ShiftInterval(benchmark::State& state) {
  Form1& form = Window();
  for (auto _ : state)
    form.Calculator().ShiftInterval();
}

void ClickCommand(benchmark::State& state, const char* name) {
  Form1& form = Window();
  auto* button = form.findChild<QPushButton*>(name);
  for (auto _ : state)
    QTest::mouseClick(button, Qt::LeftButton);
}

BENCHMARK(CountInterval)->Unit(benchmark::kMicrosecond);
BENCHMARK(ShiftInterval)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ClickCommand, Command1, "Command1")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ClickCommand, Command2, "Command2")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
