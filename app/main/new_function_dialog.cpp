#include "app/main/new_function_dialog.h"

#include <algorithm>
#include <array>
#include <utility>

#include "app/settings/settings_paths.h"
#include "app/strings/string_table.h"

namespace zentrel {
namespace {

constexpr std::string_view kBlanks = " \t";

// Characters that end a word of the language or start a comment, a string or
// another statement, so that `!name` could not call the function, and the
// folder separators, so that the file stays in the folder chosen.
constexpr std::string_view kBadCharacters = " \t\\/(){}[],=?+-*%&^|:;#\"<>!@";

// The strings of the problems, in the order of NewFunctionProblem.
constexpr std::array<int, 6> kProblemStrings{0, 12001, 12002, 12003, 12004, 12005};
static_assert(kProblemStrings.size() == static_cast<std::size_t>(NewFunctionProblem::Exists) + 1);

std::string_view trimmed(std::string_view text) {
    const std::size_t start = text.find_first_not_of(kBlanks);
    if (start == std::string_view::npos) return {};
    return text.substr(start, text.find_last_not_of(kBlanks) - start + 1);
}

bool isControlCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

}  // namespace

NewFunctionProblem nameProblem(std::string_view name, std::size_t maxLength) {
    if (name.empty()) return NewFunctionProblem::NoName;
    const bool bad = std::any_of(name.begin(), name.end(), [](char c) {
        return isControlCharacter(c) || kBadCharacters.find(c) != std::string_view::npos;
    });
    if (bad) return NewFunctionProblem::BadCharacter;
    if (name.size() > maxLength) return NewFunctionProblem::TooLong;
    return NewFunctionProblem::None;
}

std::string_view newFunctionMessage(NewFunctionProblem problem) {
    return lookupString(kProblemStrings[static_cast<std::size_t>(problem)]);
}

NewFunctionDialog::NewFunctionDialog(NewFunctionDialogView& view, NewFunctionSetup setup)
    : view_(view), setup_(std::move(setup)) {}

// The last folder is found however its trailing '/' was written; when it is
// not among the folders the first one is chosen, so that OK always has one.
void NewFunctionDialog::open() {
    view_.setText(NewFunctionId::NameEdit, setup_.name);
    view_.setLines(NewFunctionId::FolderList, setup_.folders);
    if (setup_.folders.empty()) return;
    const std::vector<std::string> last = functionFolders(setup_.lastFolder);
    const auto found = last.empty()
                           ? setup_.folders.end()
                           : std::find(setup_.folders.begin(), setup_.folders.end(), last.front());
    const auto index = found == setup_.folders.end() ? 0 : found - setup_.folders.begin();
    view_.setSelection(NewFunctionId::FolderList, static_cast<std::size_t>(index));
}

std::optional<NewFunction> NewFunctionDialog::accept() {
    const std::string typed = view_.text(NewFunctionId::NameEdit);
    const std::string_view name = trimmed(typed);
    const std::optional<std::size_t> folder = view_.selection(NewFunctionId::FolderList);
    NewFunctionProblem problem = nameProblem(name, setup_.nameLength);
    if (problem == NewFunctionProblem::None && (!folder || *folder >= setup_.folders.size()))
        problem = NewFunctionProblem::NoFolder;
    if (problem == NewFunctionProblem::None && setup_.exists && setup_.exists(name))
        problem = NewFunctionProblem::Exists;
    if (problem != NewFunctionProblem::None) {
        view_.showMessage(newFunctionMessage(problem));
        return std::nullopt;
    }
    return NewFunction{std::string(name), setup_.folders[*folder]};
}

}  // namespace zentrel
