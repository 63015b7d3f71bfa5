#include "app/settings/settings_pages.h"

#include <cstdio>
#include <utility>

#include "app/settings/settings_paths.h"

namespace zentrel {

FolderList::FolderList(std::string_view path) : folders_(functionFolders(path)) {}

void FolderList::select(std::size_t index) {
    if (index < folders_.size()) selected_ = index;
}

void FolderList::add(std::string folder) {
    if (folder.empty()) return;
    folders_.push_back(std::move(folder));
    selected_ = folders_.size() - 1;
}

void FolderList::removeSelected() {
    if (!selected_) return;
    folders_.erase(folders_.begin() + static_cast<std::ptrdiff_t>(*selected_));
    if (folders_.empty()) {
        selected_.reset();
    } else if (*selected_ >= folders_.size()) {
        selected_ = folders_.size() - 1;
    }
}

void FolderList::moveUp() {
    if (!selected_ || *selected_ == 0) return;
    std::swap(folders_[*selected_], folders_[*selected_ - 1]);
    --*selected_;
}

void FolderList::moveDown() {
    if (!selected_ || *selected_ + 1 >= folders_.size()) return;
    std::swap(folders_[*selected_], folders_[*selected_ + 1]);
    ++*selected_;
}

std::string FolderList::path() const {
    std::string joined;
    for (const std::string& folder : folders_) {
        if (!joined.empty()) joined += ';';
        joined += folder;
    }
    return joined;
}

std::string editorOrDefault(std::string_view typed) {
    return typed.empty() ? std::string(kDefaultEditor) : std::string(typed);
}

std::string formatPageReal(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.16g", value);
    std::string shown(text);
    // Only the text is looked at: "1e+20" becomes "1e+20.0", which still reads
    // back as 1e20 because reading stops at the second ".".
    if (shown.find('.') == std::string::npos) shown += ".0";
    return shown;
}

void storeFunctionNames(const std::array<std::string, kFunctionButtonCount>& typed,
                        Settings& settings) {
    for (std::size_t i = 0; i < kFunctionButtonCount; ++i)
        settings.extFunc[i] = trimFunctionName(typed[i]);
}

}  // namespace zentrel
