// zentrel-update-reference FILE: rewrites the generated tables of the language
// reference (docs/reference.md) from the engine's name tables and the
// descriptions beside them.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "app/reference/reference_document.h"

namespace {

bool readFile(const std::filesystem::path& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    return true;
}

// Through a temporary file in the same folder, so that a failed write leaves the
// old file as it was.
bool replaceFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) std::filesystem::remove(temporary, error);
    return !error;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("Usage: zentrel-update-reference FILE\n", stderr);
        return 2;
    }
    const std::filesystem::path path = argv[1];
    std::string text;
    if (!readFile(path, text)) {
        std::fprintf(stderr, "zentrel-update-reference: cannot read %s\n", argv[1]);
        return 1;
    }
    std::vector<std::string> problems;
    const bool complete = zentrel::updateReferenceDocument(text, problems);
    for (const std::string& problem : problems)
        std::fprintf(stderr, "%s: %s\n", argv[1], problem.c_str());
    if (!complete) return 1;
    if (!replaceFile(path, text)) {
        std::fprintf(stderr, "zentrel-update-reference: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
