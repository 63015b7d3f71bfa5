#pragma once

#include "app/main/dialog_units.h"

class QApplication;
class QFont;

namespace zentrel {

// The program's font: 9 points of a Japanese face where one is installed, so
// that the texts take the Japanese forms of their characters. The dialog's
// units follow from it.
void useDialogFont(QApplication& application);

// The dialog units of a font, measured as the platform measures them.
DialogUnits dialogUnits(const QFont& font);

}  // namespace zentrel
