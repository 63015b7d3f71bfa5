#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings/settings.h"

namespace zentrel {

// The folder list of the settings' first page: the function folders in
// search order, one of them selected.
class FolderList {
  public:
    explicit FolderList(std::string_view path);

    const std::vector<std::string>& folders() const { return folders_; }
    std::optional<std::size_t> selected() const { return selected_; }
    void select(std::size_t index);

    // Appends a folder and selects it.
    void add(std::string folder);
    // Removes the selected folder; the one now at its place is selected, or
    // the last when it was the last.
    void removeSelected();
    // Moves the selected folder one place, keeping it selected.
    void moveUp();
    void moveDown();

    // The folders as the `Path` setting holds them.
    std::string path() const;

  private:
    std::vector<std::string> folders_;
    std::optional<std::size_t> selected_;
};

// The editor to start: the typed program, or the desktop's editor for an
// empty edit.
std::string editorOrDefault(std::string_view typed);

// A real as the dialogs show it: "%.16g", with ".0" when the text has no ".".
std::string formatPageReal(double value);

// The names typed on the registration page, as the settings keep them.
void storeFunctionNames(const std::array<std::string, kFunctionButtonCount>& typed,
                        Settings& settings);

}  // namespace zentrel
