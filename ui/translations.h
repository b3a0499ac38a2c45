// SPDX-License-Identifier: GPL-3.0-or-later
// The user's language: the window's texts, Qt's own and the calculation's, in the first of the
// languages the desktop lists that the program speaks; in English where it speaks none of them.
#pragma once

#include <QString>
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

// A result as the calculation writes it ("-3 day(s)."), in the user's language and in the plural
// form its count takes there; any other text (the boxes' first "0") as it stands.
QString ResultText(IntervalUnit unit, std::string_view text);

}  // namespace calvanir::ui
