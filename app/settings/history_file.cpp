#include "app/settings/history_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>

#include "app/settings/atomic_file.h"

namespace zentrel {
namespace {

constexpr std::array<std::string_view, 7> kDays{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<std::string_view, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string_view nameAt(const auto& names, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < names.size()
               ? names[static_cast<std::size_t>(index)]
               : "???";
}

// The function `window` that each run's "window" lines call, and the
// world line. The backslash of ":gupdate \-1" keeps the sign on the number.
constexpr std::string_view kWindowFunction =
    "func window left bottom right top backcolor scalecolor\n"
    "\t:ans 0\n"
    "\t:window left bottom right top\n"
    "\t:gupdate 0\n"
    "\t@C=gcolor\n"
    "\t:gclear backcolor\n"
    "\t:wline left 0 right 0 scalecolor\n"
    "\t:wline 0 bottom 0 top scalecolor\n"
    "\t:gcolor @C\n"
    "\t:gupdate \\-1\n"
    "endfunc\n"
    "\n"
    ":ans 0\n";

}  // namespace

std::tm currentLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return local;
}

std::string ctimeText(const std::tm& time) {
    char text[64];
    const std::string_view day = nameAt(kDays, time.tm_wday);
    const std::string_view month = nameAt(kMonths, time.tm_mon);
    std::snprintf(text, sizeof text, "%.3s %.3s%3d %.2d:%.2d:%.2d %d\n", day.data(), month.data(),
                  time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec, 1900 + time.tm_year);
    return text;
}

std::string historyHeader(ScreenSize bitmap) {
    char world[64];
    std::snprintf(world, sizeof world, ":gworld %d %d\n", bitmap.width, bitmap.height);
    return std::string(kWindowFunction) + world;
}

HistoryFile::HistoryFile(std::string path, ScreenSize bitmap, LocalClock clock)
    : path_(std::move(path)), bitmap_(bitmap), clock_(std::move(clock)) {}

std::error_code HistoryFile::append(std::string_view line) {
    lines_.emplace_back(line);
    if (path_.empty() || stopped_) return {};
    if (!file_.isOpen()) return start();
    return writeThrough(lines_.back() + "\n");
}

std::error_code HistoryFile::setPath(std::string path) {
    if (path == path_) return {};
    path_ = std::move(path);
    file_ = FileDescriptor();
    stopped_ = false;
    if (path_.empty() || lines_.empty()) return {};
    return start();
}

void HistoryFile::finish() {
    file_ = FileDescriptor();
    stopped_ = true;
}

std::string HistoryFile::runBlock() const {
    std::string block = "\n# " + ctimeText(clock_());
    for (const std::string& line : lines_)
        block += line + "\n";
    return block;
}

// The run's first write: the whole block so far, to the end of the file or as
// a new file.
std::error_code HistoryFile::start() {
    bool replace = false;
    std::error_code error = openForAppend(replace);
    if (!error) error = replace ? replaceFile() : writeThrough(runBlock());
    if (error) {
        file_ = FileDescriptor();
        stopped_ = true;
    }
    return error;
}

std::error_code HistoryFile::openForAppend(bool& replace) {
    file_ = FileDescriptor(::open(path_.c_str(), O_RDWR | O_APPEND | O_CLOEXEC));
    if (!file_.isOpen()) {
        replace = errno == ENOENT;
        return replace ? std::error_code() : lastSystemError();
    }
    struct stat info {};
    if (::fstat(file_.get(), &info) != 0) return lastSystemError();
    // A device or a pipe is no history file, and replacing it would destroy it.
    if (!S_ISREG(info.st_mode)) return std::make_error_code(std::errc::invalid_argument);
    char first = 0;
    const ssize_t got = info.st_size > 0 ? ::pread(file_.get(), &first, 1, 0) : 0;
    if (got < 0) return lastSystemError();
    replace = info.st_size == 0 || first == '#';
    return {};
}

// The header and the block go in as one new file, so that a file is never
// seen with half a header.
std::error_code HistoryFile::replaceFile() {
    file_ = FileDescriptor();
    if (std::error_code error = writeFileAtomically(path_, historyHeader(bitmap_) + runBlock())) {
        return error;
    }
    file_ = FileDescriptor(::open(path_.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC));
    return file_.isOpen() ? std::error_code() : lastSystemError();
}

// Each write reaches the disk before the next draw. A failed write is cut off
// again, so that the script does not end in a broken statement.
std::error_code HistoryFile::writeThrough(std::string_view bytes) {
    struct stat before {};
    if (::fstat(file_.get(), &before) != 0) return lastSystemError();
    std::error_code error = writeAll(file_, bytes);
    if (!error && ::fdatasync(file_.get()) != 0) error = lastSystemError();
    if (!error) return {};
    [[maybe_unused]] const int ignored = ::ftruncate(file_.get(), before.st_size);
    file_ = FileDescriptor();
    stopped_ = true;
    return error;
}

}  // namespace zentrel
