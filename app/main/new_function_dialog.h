#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentrel {

// The controls of the new-function dialog "新規作成".
enum class NewFunctionId : std::uint16_t {
    NameEdit = 1196,
    FolderList = 1198,
};

// What the dialog's logic needs from the dialog on the screen.
class NewFunctionDialogView {
  public:
    virtual ~NewFunctionDialogView() = default;
    virtual std::string text(NewFunctionId id) const = 0;
    virtual void setText(NewFunctionId id, std::string_view text) = 0;
    virtual void setLines(NewFunctionId list, const std::vector<std::string>& lines) = 0;
    // The chosen entry of a list; nothing when none is chosen.
    virtual std::optional<std::size_t> selection(NewFunctionId list) const = 0;
    virtual void setSelection(NewFunctionId list, std::size_t index) = 0;
    // A message box over the dialog, which stays open.
    virtual void showMessage(std::string_view text) = 0;
};

// What the dialog starts from.
struct NewFunctionSetup {
    std::string name;                  // the name the edit is filled with
    std::vector<std::string> folders;  // the function folders, in search order
    std::string lastFolder;            // the folder chosen last time
    std::size_t nameLength = 0;        // the longest name, in bytes
    // True when a function of the name is on the search path already.
    std::function<bool(std::string_view name)> exists;
};

// What OK gives: the function to create and the folder it goes into.
struct NewFunction {
    std::string name;
    std::string folder;
};

// Why a new function cannot be made; each has its message.
enum class NewFunctionProblem : std::uint8_t {
    None,
    NoName,
    BadCharacter,
    TooLong,
    NoFolder,
    Exists,
};

// What stands in the way of a typed name (blanks around it already removed):
// it must be a word a call can name and a file name in one folder.
NewFunctionProblem nameProblem(std::string_view name, std::size_t maxLength);

// The message a problem shows; empty for None.
std::string_view newFunctionMessage(NewFunctionProblem problem);

// The dialog "新規作成": the name of the function to create, prefilled, and
// the folder to keep it in, the last one chosen preselected.
class NewFunctionDialog {
  public:
    NewFunctionDialog(NewFunctionDialogView& view, NewFunctionSetup setup);

    void open();
    // OK: the new function, or nothing when a message told the user what to
    // change and the dialog stays open.
    std::optional<NewFunction> accept();

  private:
    NewFunctionDialogView& view_;
    NewFunctionSetup setup_;
};

// Builds the dialog's logic on the dialog the platform shows.
using NewFunctionLogic = std::function<std::unique_ptr<NewFunctionDialog>(NewFunctionDialogView&)>;

}  // namespace zentrel
