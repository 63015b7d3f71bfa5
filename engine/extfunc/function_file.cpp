#include "engine/extfunc/function_file.h"

#include <array>
#include <filesystem>
#include <new>
#include <system_error>

#include "engine/interp/engine.h"

namespace zentrel {

bool FunctionFileReader::open(const std::string& path) {
    std::error_code error;
    // A folder of the function's name opens but reads nothing: not the file.
    if (!std::filesystem::is_regular_file(path, error)) return false;
    in_.open(path);
    return in_.is_open();
}

bool FunctionFileReader::nextLine(std::string& line) {
    line.clear();
    std::array<char, kFileReadPiece + 1> piece;
    bool readAny = false;
    for (;;) {
        in_.getline(piece.data(), static_cast<std::streamsize>(piece.size()));
        const auto count = static_cast<std::size_t>(in_.gcount());
        if (count > 0) readAny = true;
        const bool pieceFull = in_.fail() && !in_.eof() && count == kFileReadPiece;
        // gcount counts the line end getline took but did not store.
        const bool lineEnded = !in_.fail() && !in_.eof();
        line.append(piece.data(), lineEnded ? count - 1 : count);
        if (!pieceFull) break;
        in_.clear();
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return readAny;
}

std::string functionPath(std::string_view folder, std::string_view name,
                         std::string_view extension) {
    constexpr char kSeparator = static_cast<char>(std::filesystem::path::preferred_separator);
    const auto isSeparator = [](char c) { return c == kSeparator || c == '/'; };
    // The root folder is its separator alone.
    while (folder.size() > 1 && isSeparator(folder.back()))
        folder.remove_suffix(1);
    std::string path(folder);
    if (!path.empty() && !isSeparator(path.back())) path += kSeparator;
    path += name;
    path += extension;
    return path;
}

bool openFunctionFile(const Engine& engine, std::string_view name, FunctionFileReader& reader,
                      std::string& path) {
    const std::string extension = engine.host().functionExtension();
    std::string folder;
    for (std::size_t i = 0; engine.host().functionFolder(i, folder); ++i) {
        path = functionPath(folder, name, extension);
        if (reader.open(path)) return true;
    }
    return false;
}

bool DescriptionCollector::take(std::string_view line) {
    if (ended_) return false;
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos || line[start] != '#') {
        ended_ = true;
        return false;
    }
    line.remove_prefix(start + 1);
    if (!line.empty() && line.front() == '!') return true;
    const std::size_t textStart = line.find_first_not_of(" \t");
    line.remove_prefix(textStart == std::string_view::npos ? line.size() : textStart);
    std::string text;
    for (char c : line) {
        if (c == '-') {
            text += name_;
        } else {
            text += c;
        }
    }
    lines_.push_back(std::move(text));
    return true;
}

ErrorCode compileFunctionFile(const ModeView& modes, LineSource& lines, Program& program,
                              DescriptionCollector& description) {
    std::string line;
    try {
        while (lines.nextLine(line)) {
            description.take(line);
            if (ErrorCode e = program.addSource(modes, line, false)) return e;
        }
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    return kSuccess;
}

}  // namespace zentrel
