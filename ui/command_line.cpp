// SPDX-License-Identifier: GPL-3.0-or-later
// The program's options and Qt's, told apart without Qt.
#include "command_line.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string_view>

#include "product.h"

namespace calvanir::ui {
namespace {

// The options QApplication and its X11 and Wayland platforms document, as Qt spells them: with one
// dash or two, a value after them or, for the style's two, after "=".
struct QtOption {
  std::string_view name;
  bool takesValue;
  const char*
      environment;  // the variable Qt takes the option over, where the display check reads it
};
constexpr QtOption kQtOptions[] = {
    {"platform", true, "QT_QPA_PLATFORM"},
    {"display", true, "DISPLAY"},
    {"platformpluginpath", true, nullptr},
    {"platformtheme", true, nullptr},
    {"plugin", true, nullptr},
    {"qwindowgeometry", true, nullptr},
    {"geometry", true, nullptr},
    {"qwindowicon", true, nullptr},
    {"qwindowtitle", true, nullptr},
    {"session", true, nullptr},
    {"style", true, nullptr},
    {"stylesheet", true, nullptr},
    {"reverse", false, nullptr},
    {"widgetcount", false, nullptr},
};

std::string Help(std::string_view program) {
  return "Usage: " + std::string(program) +
         " [OPTION]...\n"
         "Count the interval between two dates in days, weeks, months and years, or add or\n"
         "subtract days, weeks or months from a date, in one window.\n"
         "\n"
         "  -h, --help       show this help and exit\n"
         "  -V, --version    show the version and exit\n"
         "\n"
         "Qt's own options choose where and how the window is drawn: -platform NAME,\n"
         "-display DISPLAY, -style NAME, -platformtheme NAME, -reverse and the others that\n"
         "QApplication documents.\n";
}

std::string Version() {
  return std::string{kProductName} + " " + kProductVersion +
         "\n"
         "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
         "This is free software: you are free to change and redistribute it.\n"
         "There is NO WARRANTY, to the extent permitted by law.\n";
}

}  // namespace

CommandLine ReadCommandLine(int argc, char** argv) {
  CommandLine line;
  const std::string_view program = argc > 0 && argv[0] ? argv[0] : "calvanir";
  const std::string name = std::string(program.substr(program.rfind('/') + 1));
  const auto refuse = [&](const std::string& why) {
    line.answer = name + ": " + why + "; '" + name + " --help' lists the options\n";
    line.status = 2;
    return line;
  };
  line.qtArguments.push_back(argv[0]);
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      line.answer = Help(name);
      return line;
    }
    if (argument == "--version" || argument == "-V") {
      line.answer = Version();
      return line;
    }
    std::string_view option = argument;
    if (option.substr(0, 2) == "--") option.remove_prefix(1);
    if (option.size() < 2 || option.front() != '-')
      return refuse("unknown argument '" + std::string(argument) + "'");
    option.remove_prefix(1);
    const std::string_view key = option.substr(0, option.find('='));
    const auto* known = std::find_if(std::begin(kQtOptions), std::end(kQtOptions),
                                     [key](const QtOption& qt) { return qt.name == key; });
    const bool inline_value = key.size() < option.size();
    if (known == std::end(kQtOptions) || (inline_value && key != "style" && key != "stylesheet") ||
        (!known->takesValue && inline_value))
      return refuse("unknown option '" + std::string(argument) + "'");
    line.qtArguments.push_back(argv[i]);
    if (!known->takesValue || inline_value) continue;
    if (i + 1 == argc) return refuse("option '" + std::string(argument) + "' needs a value");
    line.qtArguments.push_back(argv[++i]);
    if (known->environment) setenv(known->environment, argv[i], 1);
  }
  line.qtArguments.push_back(nullptr);
  return line;
}

}  // namespace calvanir::ui
