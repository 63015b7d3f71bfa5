#pragma once

#include <string>

namespace zentrel {

class Canvas;

// Writes the raster as an 8-bit indexed PNG with the standard palette. False, with
// the reason in `problem`, when the canvas has no raster or the file cannot be
// written.
bool writePng(const Canvas& canvas, const std::string& path, std::string& problem);

}  // namespace zentrel
