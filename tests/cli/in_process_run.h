#pragma once

#include <stdio.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>

#include "cli/cli_host.h"
#include "tests/common/temp_folder.h"

namespace zentrel::test {

// A FILE whose bytes are kept in memory, for a host's standard streams.
class CapturedStream {
  public:
    CapturedStream() : file_(::open_memstream(&buffer_, &size_)) {}
    CapturedStream(const CapturedStream&) = delete;
    CapturedStream& operator=(const CapturedStream&) = delete;
    ~CapturedStream() {
        std::fclose(file_);
        std::free(buffer_);
    }

    std::FILE* file() const { return file_; }
    std::string text() {
        std::fflush(file_);
        return std::string(buffer_, size_);
    }

  private:
    char* buffer_ = nullptr;
    std::size_t size_ = 0;
    std::FILE* file_;
};

// What a run of the command-line host shows: its two streams, its exit status
// and its picture (the size and every pixel of the canvas).
struct CliOutcome {
    std::string out;
    std::string err;
    int status = 0;
    std::string picture;

    bool operator==(const CliOutcome&) const = default;
};

inline void PrintTo(const CliOutcome& o, std::ostream* os) {
    *os << "status " << o.status << ", picture of " << o.picture.size() << " bytes\n--- out\n"
        << o.out << "--- err\n"
        << o.err;
}

inline std::string pictureOf(const GraphCanvas& canvas) {
    std::string picture = std::to_string(canvas.width()) + "x" + std::to_string(canvas.height());
    for (std::int32_t y = 0; y < canvas.height(); ++y) {
        for (std::int32_t x = 0; x < canvas.width(); ++x)
            picture += static_cast<char>(canvas.getPixel(x, y));
    }
    return picture;
}

// A fresh temporary folder as the working folder while it lives, so that the
// files a run writes land apart from every other run's.
class WorkInTempFolder {
  public:
    WorkInTempFolder() : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder_.path());
    }
    WorkInTempFolder(const WorkInTempFolder&) = delete;
    WorkInTempFolder& operator=(const WorkInTempFolder&) = delete;
    ~WorkInTempFolder() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
    }

  private:
    TempFolder folder_;
    std::filesystem::path previous_;
};

}  // namespace zentrel::test
