#include "engine/extfunc/function_file.h"

#include <algorithm>
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

std::string asciiLowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

std::vector<std::string> regularFileNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error), end;
         !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError)) names.push_back(it->path().filename().string());
    }
    return names;
}

namespace {

// The folder's files named `fileName` but for ASCII case, in ascending byte
// order, so that the choice among several does not depend on the order the
// folder happens to list them in.
std::vector<std::string> filesIgnoringCase(const std::string& folder, std::string_view fileName) {
    const std::string wanted = asciiLowerCase(fileName);
    std::vector<std::string> found = regularFileNames(folder);
    std::erase_if(found, [&](const std::string& file) {
        return file.size() != wanted.size() || asciiLowerCase(file) != wanted;
    });
    std::sort(found.begin(), found.end());
    return found;
}

}  // namespace

bool openFunctionFile(const Host& host, std::string_view name, FunctionFileReader& reader,
                      std::string& path) {
    const std::string fileName = std::string(name) + host.functionExtension();
    std::string folder;
    for (std::size_t i = 0; host.functionFolder(i, folder); ++i) {
        path = functionPath(folder, fileName, {});
        if (reader.open(path)) return true;
        // The function list lower-cases file names, and Abc.VDL must answer to
        // the abc it lists where the file system tells cases apart.
        for (const std::string& file : filesIgnoringCase(folder, fileName)) {
            path = functionPath(folder, file, {});
            if (reader.open(path)) return true;
        }
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
