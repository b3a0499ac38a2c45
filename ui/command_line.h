// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, read before any display is looked for: --help and --version answered as every
// GNU program answers them, Qt's own options left for Qt, anything else refused in one line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace calvanir::ui {

struct CommandLine {
  // What to print and exit with, where the program does not open its window: the help or the
  // version on standard output with status 0, or a refusal on standard error with status 2.
  std::optional<std::string> answer;
  int status = 0;
  // The program's name and Qt's own options, in their order, then a null pointer, for QApplication.
  std::vector<char*> qtArguments;
};

// -platform and -display also set QT_QPA_PLATFORM and DISPLAY, as Qt takes them over those, so that
// the display check asks what Qt will try.
CommandLine ReadCommandLine(int argc, char** argv);

}  // namespace calvanir::ui
