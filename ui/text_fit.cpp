// SPDX-License-Identifier: GPL-3.0-or-later
// The window's font, and each kind of control's test of whether its text shows whole.
#include "text_fit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>

#include "date_picker.h"
#include "frame.h"
#include "status_bar.h"

namespace calvanir::ui {
namespace {

// A button's caption is centred in its contents; an option's starts after the indicator and may run
// on to the option's edge. A text's advance ends in the last glyph's side bearing, about a pixel of
// blank, which the edge may cut.
bool ButtonShowsWholeText(const QAbstractButton& button, bool option) {
  QStyleOptionButton style;
  style.initFrom(&button);
  style.text = button.text();
  const int advance = button.fontMetrics().horizontalAdvance(button.text());
  if (!option)
    return advance <=
           button.style()->subElementRect(QStyle::SE_PushButtonContents, &style, &button).width();
  // The options stand one above the other at about their own height: an indicator taller than the
  // option would overlap the next one.
  const QRect contents =
      button.style()->subElementRect(QStyle::SE_RadioButtonContents, &style, &button);
  return contents.left() + advance - 1 <= button.width() &&
         button.style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &style, &button) <=
             button.height();
}

}  // namespace

QFont WindowFont() {
  // Liberation Sans Narrow, metric-compatible with Arial Narrow, then Arial Narrow itself (asked
  // second: resolving it through fontconfig's aliases costs start-up a millisecond); else another
  // narrow or condensed sans face, then a common sans face by name, and only then the general sans
  // face, which a set-up without aliases may resolve to any face at all (a serif, even).
  QFont font;
  font.setFamilies(QStringList{
      QStringLiteral("Liberation Sans Narrow"),
      QStringLiteral("Arial Narrow"),
      QStringLiteral("Nimbus Sans Narrow"),
      QStringLiteral("DejaVu Sans Condensed"),
      QStringLiteral("Noto Sans Condensed"),
      QStringLiteral("Roboto Condensed"),
      QStringLiteral("Ubuntu Condensed"),
      QStringLiteral("Liberation Sans"),
      QStringLiteral("DejaVu Sans"),
      QStringLiteral("Noto Sans"),
      QStringLiteral("Nimbus Sans"),
      QStringLiteral("FreeSans"),
      QStringLiteral("Sans Serif"),
  });
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8.25);
  return font;
}

bool ShowsWholeText(const QWidget& control) {
  if (const auto* frame = qobject_cast<const Frame*>(&control)) return frame->CaptionFits();
  if (const auto* picker = qobject_cast<const DatePicker*>(&control))
    return picker->ShowsWidestDateWhole();
  if (const auto* bar = qobject_cast<const StatusBar*>(&control)) return bar->DateFits();
  if (qobject_cast<const QLabel*>(&control))
    return control.minimumSizeHint().width() <= control.width();
  if (qobject_cast<const QLineEdit*>(&control)) {
    const QSize needed = control.minimumSizeHint();
    return needed.width() <= control.width() && needed.height() <= control.height();
  }
  if (const auto* option = qobject_cast<const QRadioButton*>(&control))
    return ButtonShowsWholeText(*option, true);
  if (const auto* button = qobject_cast<const QPushButton*>(&control))
    return ButtonShowsWholeText(*button, false);
  return true;  // nothing written on it
}

bool FitFont(QWidget& window, const std::function<bool()>& showsEveryTextWhole) {
  constexpr double kSmallestPointSize = 7;
  // Narrower than a narrow face is of its regular one (about 82 %): a condensed stand-in for it
  // must still fit a translation's longest words.
  constexpr int kNarrowestStretch = 70;
  QFont fitted = window.font();
  bool whole = false;
  while (!(whole = showsEveryTextWhole()) && fitted.pointSizeF() > kSmallestPointSize) {
    fitted.setPointSizeF(fitted.pointSizeF() - 0.25);
    window.setFont(fitted);
  }
  // Where no narrow face is installed, the one that stands in for it, squeezed by Qt, still shows
  // every text whole at the smallest size.
  for (int stretch = QFont::Unstretched - 5; !whole && stretch >= kNarrowestStretch; stretch -= 5) {
    fitted.setStretch(stretch);
    window.setFont(fitted);
    whole = showsEveryTextWhole();
  }
  return whole;
}

}  // namespace calvanir::ui
