#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_host.h"
#include "cli/png_output.h"
#include "graphics/palette.h"

namespace zentrel {
namespace {

// What a PNG file holds: its size, palette and one index per pixel.
struct IndexedImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int bitDepth = 0;
    int colourType = -1;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> pixels;
};

bool readPng(const std::string& path, IndexedImage& image) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_read_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    image.width = png_get_image_width(png, info);
    image.height = png_get_image_height(png, info);
    image.bitDepth = png_get_bit_depth(png, info);
    image.colourType = png_get_color_type(png, info);
    png_colorp colours = nullptr;
    int count = 0;
    png_get_PLTE(png, info, &colours, &count);
    for (int i = 0; i < count; ++i)
        image.palette.push_back({colours[i].red, colours[i].green, colours[i].blue});
    png_bytepp rows = png_get_rows(png, info);
    for (std::uint32_t y = 0; y < image.height; ++y)
        image.pixels.insert(image.pixels.end(), rows[y], rows[y] + image.width);
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(file);
    return true;
}

// FNV-1a over the indices: a fingerprint of the picture.
std::uint64_t checksum(const std::vector<std::uint8_t>& pixels) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const std::uint8_t p : pixels) {
        hash ^= p;
        hash *= 1099511628211ull;
    }
    return hash;
}

class HistoryReplay : public ::testing::Test {
  protected:
    void SetUp() override {
        sink.reset(std::fopen("/dev/null", "w"));
        ASSERT_TRUE(sink);
        host = std::make_unique<CliHost>(sink.get(), sink.get());
        host->interpreter().seedRandom(1);
    }
    void replay(const std::string& path) {
        std::ifstream in(path);
        ASSERT_TRUE(in) << path;
        std::string line;
        for (int number = 1; std::getline(in, line); ++number)
            host->runLine(line, path, number);
    }
    std::string pngPath() const {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        return (std::filesystem::temp_directory_path() /
                (std::string("zentrel_") + test->name() + ".png"))
            .string();
    }

    struct FileCloser {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, FileCloser> sink;
    std::unique_ptr<CliHost> host;
};

// The history script replays headless; the PNG holds the canvas's indices and the
// standard palette, and the picture's fingerprint stays what it was when checked.
TEST_F(HistoryReplay, WritesTheReplayedPictureAsIndexedPng) {
    replay(ZENTREL_SCRIPTS_DIR "/graph_history.zen");
    const std::string path = pngPath();
    std::string problem;
    ASSERT_TRUE(writePng(host->canvas(), path, problem)) << problem;

    IndexedImage image;
    ASSERT_TRUE(readPng(path, image));
    std::filesystem::remove(path);
    EXPECT_EQ(image.width, 200u);
    EXPECT_EQ(image.height, 100u);
    EXPECT_EQ(image.bitDepth, 8);
    EXPECT_EQ(image.colourType, PNG_COLOR_TYPE_PALETTE);
    const auto& palette = standardPalette();
    EXPECT_EQ(image.palette, std::vector<Rgb>(palette.begin(), palette.end()));

    std::vector<std::uint8_t> canvasPixels;
    for (std::int32_t y = 0; y < 100; ++y) {
        for (std::int32_t x = 0; x < 200; ++x)
            canvasPixels.push_back(host->canvas().getPixel(x, y));
    }
    EXPECT_EQ(image.pixels, canvasPixels);
    EXPECT_EQ(checksum(image.pixels), 7063015404967605619u)
        << "fingerprint of the replayed picture";
}

TEST_F(HistoryReplay, CanvasWithoutPixelsIsNotWritten) {
    std::string problem;
    EXPECT_FALSE(writePng(host->canvas(), pngPath(), problem));
    EXPECT_NE(problem.find("no pixels"), std::string::npos);
    host->runLine(":gworld 4 3", "", 0);
    EXPECT_FALSE(writePng(host->canvas(), "/nonexistent-folder/x.png", problem));
}

}  // namespace
}  // namespace zentrel
