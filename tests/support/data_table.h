// SPDX-License-Identifier: GPL-3.0-or-later
// A Qt Test data table written as a table: the columns' names, then a row a line, the row's name
// first: DataTable<QString, QDate>({"locale", "after"}, {{"German", "de_DE", QDate(2003, 3, 14)}}).
#pragma once

#include <QTest>
#include <initializer_list>
#include <tuple>

template <class... Columns>
void DataTable(const char* const (&names)[sizeof...(Columns)],
               std::initializer_list<std::tuple<const char*, Columns...>> rows) {
  const char* const* name = names;
  (QTest::addColumn<Columns>(*name++), ...);
  for (const auto& row : rows) {
    std::apply(
        [](const char* tag, const Columns&... values) { (QTest::newRow(tag) << ... << values); },
        row);
  }
}
