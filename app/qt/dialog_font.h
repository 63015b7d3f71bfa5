#pragma once

class QApplication;

namespace zentrel {

// The program's font: 9 points of a Japanese face where one is installed, so
// that the texts take the Japanese forms of their characters. The dialog's
// units follow from it.
void useDialogFont(QApplication& application);

}  // namespace zentrel
