#include "cli/png_output.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "graphics/canvas.h"
#include "graphics/palette.h"

namespace zentrel {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// libpng reports errors by longjmp; everything that must be released on that path
// is owned outside the function that calls setjmp.
bool encode(const Canvas& canvas, std::FILE* file, std::vector<png_bytep>& rows) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(canvas.width()),
                 static_cast<png_uint_32>(canvas.height()), 8, PNG_COLOR_TYPE_PALETTE,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette;
    for (const Rgb& c : standardPalette())
        palette.push_back({c.r, c.g, c.b});
    png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool writePng(const Canvas& canvas, const std::string& path, std::string& problem) {
    if (canvas.width() < 1 || canvas.height() < 1) {
        problem = "the canvas has no pixels (use --size or :gworld)";
        return false;
    }
    std::vector<png_bytep> rows;
    for (std::int32_t y = 0; y < canvas.height(); ++y) {
        // libpng takes non-const row pointers but only reads them when writing.
        rows.push_back(
            const_cast<png_bytep>(canvas.pixels() + std::ptrdiff_t{y} * canvas.stride()));
    }
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        problem = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    const bool encoded = encode(canvas, file.get(), rows) && !std::ferror(file.get());
    // Closing flushes the last block: its failure is a failed write too.
    if (std::fclose(file.release()) != 0 || !encoded) {
        problem = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace zentrel
