#include "app/main/function_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <vector>

#include "app/settings/atomic_file.h"
#include "engine/extfunc/function_file.h"

namespace zentrel {
namespace {

// A folder's file of the name, tried as the interpreter tries it when it
// opens the function, so that the editor gets the file that calls will read.
std::optional<std::string> fileInFolder(const std::string& folder, std::string_view fileName) {
    FunctionFileReader reader;
    std::string path = functionPath(folder, fileName, {});
    if (reader.open(path)) return path;
    const std::string wanted = asciiLowerCase(fileName);
    std::vector<std::string> variants = regularFileNames(folder);
    std::erase_if(variants,
                  [&](const std::string& file) { return asciiLowerCase(file) != wanted; });
    std::sort(variants.begin(), variants.end());
    for (const std::string& file : variants) {
        path = functionPath(folder, file, {});
        if (FunctionFileReader variant; variant.open(path)) return path;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> findFunctionFile(const Host& host, std::string_view name) {
    const std::string fileName = std::string(name) + host.functionExtension();
    std::string folder;
    for (std::size_t i = 0; host.functionFolder(i, folder); ++i) {
        if (auto path = fileInFolder(folder, fileName)) return path;
    }
    return std::nullopt;
}

std::string newFunctionFile(std::string_view folder, std::string_view name,
                            std::string_view extension) {
    return functionPath(folder, name, extension);
}

std::error_code createFunctionFile(const std::string& path) {
    // O_EXCL: a file that appeared since the name was checked keeps its text.
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        const std::error_code error(errno, std::generic_category());
        std::error_code ignored;
        if (error == std::errc::file_exists && std::filesystem::is_regular_file(path, ignored))
            return {};
        return error;
    }
    const bool closed = ::close(descriptor) == 0;
    if (!closed) return {errno, std::generic_category()};
    syncFolderOf(path);
    return {};
}

}  // namespace zentrel
