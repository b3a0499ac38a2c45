// SPDX-License-Identifier: GPL-3.0-or-later
// The user's language: the window's texts, Qt's own and the calculation's, in the first of the
// languages the desktop lists that the program speaks; in English where it speaks none of them.
#pragma once

#include <QString>
#include <cstdint>
#include <string_view>

#include "calendar.h"

class QLocale;

namespace calvanir::ui {

// Installs the program's and Qt's translations for the first of `locale.uiLanguages()` that the
// program has, in place of any installed before. English needs none, and a list that names no
// language the program has leaves every text in English.
void UseLanguagesOf(const QLocale& locale);

// A message of the calculation ("Number too big.") in the user's language.
QString MessageText(std::string_view message);

// A count of `unit` as a result box shows it ("-3 day(s)." in English), in the user's language and
// in the plural form the count takes there.
QString ResultText(IntervalUnit unit, std::int32_t count);

}  // namespace calvanir::ui
