#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "app/settings/file_descriptor.h"
#include "app/settings/settings.h"

namespace zentrel {

// The local date and time that stamps a run's block of the history file.
using LocalClock = std::function<std::tm()>;
std::tm currentLocalTime();

// The date as the C library's ctime writes it: "Thu Jan  5 09:03:07 2006\n".
std::string ctimeText(const std::tm& time);

// What an empty history file starts with: the function `window` that sets up a
// screen frame, then the graph world of the bitmap's size.
std::string historyHeader(ScreenSize bitmap);

// The history list of one run and its history file, a script of the language
// that replays the run's draws. Each line is written through to the file as it
// is made, so a crash, a kill or a power cut loses no draw; after a normal run
// the file holds what writing the whole list at shut-down would have given: a
// file that is missing, empty or whose first line starts with "#" becomes the
// header and the run's block, any other file gets the block appended. The block
// is a blank line, "# " with the date of the run's first line, then the lines.
class HistoryFile {
  public:
    // An empty path keeps the history in the list only.
    HistoryFile(std::string path, ScreenSize bitmap, LocalClock clock);

    // Adds a line (without its line end) to the list and to the file; the first
    // line of the run decides how the file is opened. A failure is returned
    // once: the file is then left as it was before the failed write, and the
    // rest of the run is kept in the list only.
    std::error_code append(std::string_view line);

    // The file name changed in the settings: the old file keeps what it has,
    // and the run's lines so far go to the new file at once, so that it ends
    // up with the whole run. An empty path turns the file off.
    std::error_code setPath(std::string path);

    // Shut-down: every line is on disk already, so the file is only closed;
    // later lines are kept in the list only.
    void finish();

    const std::string& path() const { return path_; }
    const std::vector<std::string>& lines() const { return lines_; }

  private:
    std::error_code start();
    std::error_code openForAppend(bool& replace);
    std::error_code replaceFile();
    std::error_code writeThrough(std::string_view bytes);
    std::string runBlock() const;

    std::string path_;
    ScreenSize bitmap_;
    LocalClock clock_;
    std::vector<std::string> lines_;
    FileDescriptor file_;
    bool stopped_ = false;  // failed or finished: nothing more is written
};

}  // namespace zentrel
