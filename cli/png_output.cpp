#include "cli/png_output.h"

#include <png.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "app/settings/atomic_file.h"
#include "graphics/canvas.h"
#include "graphics/palette.h"

namespace zentrel {

namespace {

// libpng hands the encoded bytes here instead of to a file. No exception may
// cross libpng's C frames: a failed allocation becomes a libpng error.
extern "C" void appendToString(png_structp png, png_bytep data, png_size_t length) {
    try {
        static_cast<std::string*>(png_get_io_ptr(png))
            ->append(reinterpret_cast<const char*>(data), length);
    } catch (const std::bad_alloc&) {
        png_error(png, "out of memory");
    }
}

extern "C" void flushNothing(png_structp) {}

// libpng reports errors by longjmp; everything that must be released on that path
// is owned outside the function that calls setjmp.
bool encode(const Canvas& canvas, std::vector<png_bytep>& rows, std::vector<png_color>& palette,
            std::string& bytes) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &bytes, appendToString, flushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(canvas.width()),
                 static_cast<png_uint_32>(canvas.height()), 8, PNG_COLOR_TYPE_PALETTE,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

// The picture is encoded whole in memory first and then replaces the file in one
// step, so that a write that fails half-way (a full disk, a file-size limit)
// leaves the old file as it was and no partial one.
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
    std::vector<png_color> palette;
    for (const Rgb& c : standardPalette())
        palette.push_back({c.r, c.g, c.b});
    std::string bytes;
    if (!encode(canvas, rows, palette, bytes)) {
        problem = "cannot encode the picture for " + path;
        return false;
    }
    // A folder that does not exist is a mistyped path, not one to be made.
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code missing;
    if (!folder.empty() && !std::filesystem::is_directory(folder, missing)) {
        problem = "cannot write " + path + ": no folder " + folder.string();
        return false;
    }
    if (const std::error_code error = writeFileAtomically(path, bytes)) {
        problem = "cannot write " + path + ": " + error.message();
        return false;
    }
    return true;
}

}  // namespace zentrel
