#include "app/settings/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>

#include "app/settings/file_descriptor.h"

namespace zentrel {
namespace {

// Writing through a link to the file it names keeps the link; renaming over the
// link itself would cut it.
std::filesystem::path followLink(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) return path;
    std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
    return error ? std::filesystem::path(path) : target;
}

// Only a regular file is ever replaced: renaming over a device or a folder
// would destroy something that is not a settings file.
std::error_code checkTarget(const std::filesystem::path& target, struct stat& info, bool& exists) {
    exists = ::stat(target.c_str(), &info) == 0;
    if (!exists) return errno == ENOENT ? std::error_code() : lastSystemError();
    if (S_ISDIR(info.st_mode)) return std::make_error_code(std::errc::is_a_directory);
    if (!S_ISREG(info.st_mode)) return std::make_error_code(std::errc::invalid_argument);
    return {};
}

// A new file beside the target, opened exclusively so that no other writer
// shares it; the umask applies to its permissions as to any new file.
std::error_code createTemporary(const std::filesystem::path& target, std::string& name,
                                FileDescriptor& file) {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string unique(1, '.');
        unique += target.filename().string();
        unique += '.';
        unique += std::to_string(::getpid());
        unique += '.';
        unique += std::to_string(stamp + attempt);
        unique += ".tmp";
        name = (target.parent_path() / unique).string();
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            file = FileDescriptor(fd);
            return {};
        }
        if (errno != EEXIST) return lastSystemError();
    }
    return std::make_error_code(std::errc::file_exists);
}

std::error_code fillTemporary(FileDescriptor& file, std::string_view bytes,
                              const struct stat* old) {
    if (old && ::fchmod(file.get(), old->st_mode & 07777) != 0) return lastSystemError();
    if (std::error_code error = writeAll(file, bytes)) return error;
    if (::fsync(file.get()) != 0) return lastSystemError();
    return file.close();
}

}  // namespace

std::error_code writeFileAtomically(const std::string& path, std::string_view bytes) {
    const std::filesystem::path target = followLink(path);
    struct stat old {};
    bool exists = false;
    if (std::error_code error = checkTarget(target, old, exists)) return error;
    std::error_code error;
    if (!target.parent_path().empty())
        std::filesystem::create_directories(target.parent_path(), error);
    if (error) return error;

    std::string temporary;
    FileDescriptor file;
    if ((error = createTemporary(target, temporary, file))) return error;
    error = fillTemporary(file, bytes, exists ? &old : nullptr);
    if (!error && ::rename(temporary.c_str(), target.c_str()) != 0) error = lastSystemError();
    if (error) {
        ::unlink(temporary.c_str());
        return error;
    }
    syncFolderOf(target.string());
    return {};
}

std::error_code readWholeFile(const std::string& path, std::string& bytes) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) return lastSystemError();
    bytes.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got == 0) return {};
        if (got < 0) {
            if (errno == EINTR) continue;
            return lastSystemError();
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

void syncFolderOf(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    FileDescriptor handle(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.get() >= 0) ::fsync(handle.get());
}

}  // namespace zentrel
