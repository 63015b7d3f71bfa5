#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/extfunc/external_functions.h"
#include "engine/interp/context.h"
#include "engine/interp/engine.h"
#include "engine/interp/error_codes.h"
#include "tests/interp/recording_host.h"

namespace zentrel {

// A folder of function files made for one test and removed after it.
class FunctionFolder {
  public:
    FunctionFolder() {
        std::string name = (std::filesystem::temp_directory_path() / "zentrel-extfunc-XXXXXX");
        if (::mkdtemp(name.data())) path_ = name;
    }
    FunctionFolder(const FunctionFolder&) = delete;
    FunctionFolder& operator=(const FunctionFolder&) = delete;
    ~FunctionFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    void write(std::string_view file, std::string_view text) const {
        std::ofstream out(path_ / file, std::ios::binary | std::ios::trunc);
        out << text;
    }
    std::string path() const { return path_.string(); }

  private:
    std::filesystem::path path_;
};

// A recording host that searches the given folders for ".vdl" files and keeps
// the function lists it is asked to show.
class FunctionHost : public RecordingHost {
  public:
    explicit FunctionHost(std::vector<std::string> folders, std::int32_t cacheSize = -1)
        : folders_(std::move(folders)) {
        externalFunctionCache(engine).setCapacity(cacheSize);
    }

    std::vector<FunctionListing> listed;

  protected:
    bool functionFolder(std::size_t index, std::string& folder) const override {
        if (index >= folders_.size()) return false;
        folder = folders_[index];
        return true;
    }
    std::string functionExtension() const override { return ".vdl"; }
    void showFunctionList(const std::vector<FunctionListing>& list) override { listed = list; }

  private:
    std::vector<std::string> folders_;
};

}  // namespace zentrel
