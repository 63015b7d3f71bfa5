#pragma once

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/frontend/program.h"
#include "engine/interp/line_source.h"
#include "engine/values/error_code.h"
#include "engine/values/modes.h"

namespace zentrel {

class Host;

// Characters taken from the file per read; a longer line arrives in pieces.
inline constexpr std::size_t kFileReadPiece = 254;

// The lines of an external function file. Reads take at most kFileReadPiece
// characters; the pieces of a longer line are joined again, so that no token,
// string or comment is cut where a read happened to end.
class FunctionFileReader final : public LineSource {
  public:
    bool open(const std::string& path);
    bool nextLine(std::string& line) override;

  private:
    std::ifstream in_;
};

// The file name of a function in a folder: a trailing separator of the folder
// is dropped; an empty folder is the working folder.
std::string functionPath(std::string_view folder, std::string_view name,
                         std::string_view extension);

// The text with the letters A to Z made lower-case and every other byte kept.
std::string asciiLowerCase(std::string_view text);

// The names of the regular files in a folder (the working folder when it is
// empty), in the order the folder gives them; none when it cannot be read.
std::vector<std::string> regularFileNames(const std::string& folder);

// Opens the function's file in the first folder of the host's search path
// that has it; `path` receives its full name. In each folder the exact file
// name comes first, then the entries that differ from it only in the ASCII case
// of name or extension, in ascending byte order.
bool openFunctionFile(const Host& host, std::string_view name, FunctionFileReader& reader,
                      std::string& path);

// Collects a function's description while its lines are read in order: the
// leading comment lines (blanks and tabs before the `#` skipped), without
// those that begin `#!`; each `-` in them stands for the function's name.
class DescriptionCollector {
  public:
    explicit DescriptionCollector(std::string_view name) : name_(name) {}
    // False once the block has ended: later lines are no part of it.
    bool take(std::string_view line);
    std::vector<std::string>& lines() { return lines_; }

  private:
    std::string_view name_;
    std::vector<std::string> lines_;
    bool ended_ = false;
};

// Reads the rest of the file into `program`, one line of the file per line
// number, number words kept as words, and collects the description.
[[nodiscard]] ErrorCode compileFunctionFile(const ModeView& modes, LineSource& lines,
                                            Program& program, DescriptionCollector& description);

}  // namespace zentrel
