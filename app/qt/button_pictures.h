#pragma once

#include <QIcon>

#include "app/main/main_controls.h"

namespace zentrel {

// The pictures of the window's image buttons, drawn rather than loaded, so
// that they scale with the dialog; a null icon for a control without one.
QIcon controlPicture(ControlId id);
// A swatch of one of the 16 colour choices.
QIcon colourSwatch(std::int32_t choice);
// The drawing of one entry of the coordinate-system list.
QIcon coordinatePicture(std::int32_t index);

}  // namespace zentrel
