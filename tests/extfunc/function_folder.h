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
#include "tests/common/temp_folder.h"
#include "tests/interp/recording_host.h"

namespace zentrel {

// A folder of function files made for one test and removed after it.
class FunctionFolder : public test::TempFolder {
  public:
    void write(std::string_view name, std::string_view text) const {
        test::writeFile(file(name), text);
    }
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
