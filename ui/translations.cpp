// SPDX-License-Identifier: GPL-3.0-or-later
// The translators installed for the user's languages, and the results in their plural forms.
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>

namespace calvanir::ui {
namespace {

// The results with their counts, in the order of kIntervalUnits; in English exactly the count and
// the unit's suffix.
constexpr struct {
  const char* source;
  const char* comment;
} kResults[] = {
    QT_TRANSLATE_N_NOOP3("Result", "%n day(s).", "the count of days between two dates"),
    QT_TRANSLATE_N_NOOP3("Result", "%n week(s).", "the count of calendar weeks between two dates"),
    QT_TRANSLATE_N_NOOP3("Result", "%n month(s).",
                         "the count of calendar months between two dates"),
    QT_TRANSLATE_N_NOOP3("Result", "%n year(s).", "the count of calendar years between two dates"),
};

// Replaces `installed` by a translator loaded from `load`, or by none when it loads nothing.
template <class Load>
void Replace(QPointer<QTranslator>& installed, Load load) {
  delete installed;  // removes itself from the application
  auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
  if (!load(*translator)) return;
  QCoreApplication::installTranslator(translator.get());
  installed = translator.release();
}

}  // namespace

void UseLanguagesOf(const QLocale& locale) {
  static QPointer<QTranslator> ours;
  static QPointer<QTranslator> qt;
  // English is among the translations, with no text translated: a user who lists English before
  // another language gets English.
  Replace(ours, [&](QTranslator& t) {
    return t.load(locale, QStringLiteral("calvanir"), QStringLiteral("_"),
                  QStringLiteral(":/i18n"));
  });
  // Qt's own texts in the same language as ours, never in another.
  const QString language = ours ? ours->language() : QString{};
  Replace(qt, [&](QTranslator& t) {
    return !language.isEmpty() &&
           t.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  });
}

QString MessageText(std::string_view message) {
  return QCoreApplication::translate("Message", std::string(message).c_str());
}

QString ResultText(IntervalUnit unit, std::int32_t count) {
  // Qt chooses the plural form by the count's size, and writes no count that is negative: the sign
  // goes back in front of the count Qt wrote.
  const std::int64_t size = std::abs(std::int64_t{count});
  const int magnitude =
      static_cast<int>(std::min<std::int64_t>(size, std::numeric_limits<int>::max()));
  const auto& result = kResults[static_cast<int>(unit)];
  QString translated =
      QCoreApplication::translate("Result", result.source, result.comment, magnitude);
  const QString written = QString::number(magnitude);
  if (const qsizetype at = translated.indexOf(written); count < 0 && at >= 0)
    translated.replace(at, written.size(), QString::number(count));
  return translated;
}

}  // namespace calvanir::ui
