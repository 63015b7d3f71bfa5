#pragma once

#include <string>

namespace zentrel {

class Canvas;

// Writes the raster as an 8-bit indexed PNG with the standard palette, replacing
// the file only once the whole picture is written. False, with the reason in
// `problem`, when the canvas has no raster or the file cannot be written; the
// file is then as it was.
bool writePng(const Canvas& canvas, const std::string& path, std::string& problem);

}  // namespace zentrel
