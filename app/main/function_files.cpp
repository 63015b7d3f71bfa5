#include "app/main/function_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "app/settings/atomic_file.h"
#include "engine/extfunc/function_file.h"

namespace zentrel {

std::optional<std::string> findFunctionFile(const Host& host, std::string_view name) {
    FunctionFileReader reader;
    std::string path;
    if (openFunctionFile(host, name, reader, path)) return path;
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
