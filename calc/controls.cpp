// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

namespace calvanir {

bool PickerAccepts(CalendarDate date) {
  return date >= FromCivil(kPickerFirst) && date <= FromCivil(kPickerLast);
}

}  // namespace calvanir
