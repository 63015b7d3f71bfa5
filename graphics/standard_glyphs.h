#pragma once

namespace zentrel {

class Canvas;

// Gives the canvas the font of the scale numbers: the digits, '.', 'e', '+' and '-'.
void defineStandardGlyphs(Canvas& canvas);

}  // namespace zentrel
