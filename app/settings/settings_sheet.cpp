#include "app/settings/settings_sheet.h"

#include <charconv>
#include <cmath>
#include <type_traits>

#include "app/settings/settings_paths.h"
#include "app/strings/string_table.h"

namespace zentrel {
namespace {

using S = SheetControl;

// The message for a chosen folder that the folder list cannot hold.
constexpr int kFolderWithSeparatorString = 11003;

constexpr std::size_t kFolderPage = 0;
constexpr std::size_t kEditorPage = 2;
constexpr std::size_t kHistoryPage = 3;

template <typename Field>
struct PageField {
    SheetControl control;
    Field Settings::*field;
};

constexpr std::array<PageField<std::int32_t>, 4> kColourLists{{
    {S::BackColour, &Settings::backColor},
    {S::ScaleColour, &Settings::scaleColor},
    {S::UnitColour, &Settings::unitColor},
    {S::TextColour, &Settings::textColor},
}};
constexpr std::array<PageField<double>, 2> kUnitEdits{{
    {S::UnitX, &Settings::unitX},
    {S::UnitY, &Settings::unitY},
}};
constexpr std::array<PageField<std::int32_t>, 2> kNumberEdits{{
    {S::TextX, &Settings::textX},
    {S::TextY, &Settings::textY},
}};
constexpr std::array<PageField<bool>, 5> kOptionBoxes{{
    {S::Help, &Settings::help},
    {S::RePlotMode, &Settings::rePlotMode},
    {S::RePlotAngle, &Settings::rePlotAngle},
    {S::RePlotWindow, &Settings::rePlotWindow},
    {S::ClearOnDeactivate, &Settings::clearCache},
}};

// The number a typed text starts with (after blanks and tabs, with an
// optional sign); nothing when it starts with none or the number is out of
// range, so that a slip of the keyboard keeps the setting as it was.
template <typename Number>
std::optional<Number> leadingNumber(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) return std::nullopt;
    text.remove_prefix(start);
    if (text.starts_with('+') && !text.substr(1).starts_with('-')) text.remove_prefix(1);
    Number value{};
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc()) return std::nullopt;
    if constexpr (std::is_floating_point_v<Number>) {
        if (!std::isfinite(value)) return std::nullopt;
    }
    return value;
}

template <typename T>
bool storeChanged(T& field, T value) {
    if (field == value) return false;
    field = value;
    return true;
}

}  // namespace

SettingsSheet::SettingsSheet(SettingsSheetView& view, SettingsSheetHost& host, Settings& settings)
    : view_(view), host_(host), settings_(settings), folders_(settings.path) {}

void SettingsSheet::open() {
    folders_ = FolderList(settings_.path);
    showFolders();
    for (std::size_t slot = 0; slot < kFunctionButtonCount; ++slot)
        view_.setText(functionNameEdit(slot), settings_.extFunc[slot]);
    view_.setText(S::Editor, settings_.editor);
    view_.setText(S::HistoryFile, settings_.logFileName);
    showScreenPage();
    showOptionsPage();
}

void SettingsSheet::showFolders() {
    view_.setLines(S::FolderList, folders_.folders());
    const std::optional<std::size_t> selected = folders_.selected();
    view_.setSelection(S::FolderList, selected ? static_cast<std::int32_t>(*selected) : -1);
}

void SettingsSheet::selectFolder(std::int32_t index) {
    if (index >= 0) folders_.select(static_cast<std::size_t>(index));
}

// A ';' in a folder's name would cut it in two in the `Path` setting, so
// such a folder is refused rather than stored as two wrong ones.
void SettingsSheet::addFolder() {
    const std::optional<std::string> chosen =
        view_.chooseFolder(kSheetPages[kFolderPage].title, settings_.folder);
    if (!chosen || chosen->empty()) return;
    if (chosen->find(';') != std::string::npos) {
        return view_.showMessage(lookupString(kFolderWithSeparatorString));
    }
    folders_.add(*chosen);
    showFolders();
    settings_.folder = *chosen;
    host_.writeAtOnce(settings_, ImmediateSetting::Folder);
}

void SettingsSheet::removeFolder() {
    folders_.removeSelected();
    showFolders();
}

void SettingsSheet::moveFolderUp() {
    folders_.moveUp();
    showFolders();
}

void SettingsSheet::moveFolderDown() {
    folders_.moveDown();
    showFolders();
}

void SettingsSheet::chooseEditor() {
    const std::optional<std::string> chosen =
        view_.chooseProgram(kSheetPages[kEditorPage].title, folderOf(view_.text(S::Editor)));
    if (chosen && !chosen->empty()) view_.setText(S::Editor, *chosen);
}

void SettingsSheet::chooseHistoryFolder() {
    const std::optional<std::string> chosen =
        view_.chooseFolder(kSheetPages[kHistoryPage].title, settings_.logFileFolder);
    if (!chosen || chosen->empty()) return;
    view_.setText(S::HistoryFile, joinPath(*chosen, kHistoryFileName));
    settings_.logFileFolder = *chosen;
    host_.writeAtOnce(settings_, ImmediateSetting::LogFileFolder);
}

void SettingsSheet::clearCache() {
    host_.clearFunctionCache();
    view_.setEnabled(S::ClearCache, !host_.functionCacheEmpty());
}

SheetChanges SettingsSheet::accept() {
    SheetChanges changes;
    changes.folders = acceptFolders();
    std::array<std::string, kFunctionButtonCount> typed;
    for (std::size_t slot = 0; slot < kFunctionButtonCount; ++slot)
        typed[slot] = view_.text(functionNameEdit(slot));
    storeFunctionNames(typed, settings_);
    settings_.editor = editorOrDefault(view_.text(S::Editor));
    settings_.logFileName = view_.text(S::HistoryFile);
    changes.screen = acceptScreenPage();
    acceptOptionsPage();
    return changes;
}

// The folders are compared one by one: the same folders written otherwise
// (a trailing '/', a doubled ';') are no change and are not rewritten.
bool SettingsSheet::acceptFolders() {
    if (folders_.folders() == functionFolders(settings_.path)) return false;
    settings_.path = folders_.path();
    host_.writeAtOnce(settings_, ImmediateSetting::Path);
    return true;
}

void SettingsSheet::showScreenPage() {
    for (const auto& [list, field] : kColourLists)
        view_.setSelection(list, settings_.*field);
    for (const auto& [edit, field] : kUnitEdits)
        showValue(edit, formatPageReal(settings_.*field));
    for (const auto& [edit, field] : kNumberEdits)
        showValue(edit, std::to_string(settings_.*field));
}

bool SettingsSheet::acceptScreenPage() {
    bool changed = false;
    for (const auto& [list, field] : kColourLists) {
        const std::int32_t choice = view_.selection(list);
        if (choice >= 0 && choice < kColourChoices)
            changed |= storeChanged(settings_.*field, choice);
    }
    for (const auto& [edit, field] : kUnitEdits)
        changed |= storeChanged(settings_.*field, typedReal(edit, settings_.*field));
    for (const auto& [edit, field] : kNumberEdits)
        changed |= storeChanged(settings_.*field, typedInt(edit, settings_.*field));
    return changed;
}

void SettingsSheet::showOptionsPage() {
    for (const auto& [box, field] : kOptionBoxes)
        view_.setChecked(box, settings_.*field);
    showValue(S::CacheSize, std::to_string(settings_.cacheSize));
    view_.setEnabled(S::ClearCache, !host_.functionCacheEmpty());
}

void SettingsSheet::acceptOptionsPage() {
    for (const auto& [box, field] : kOptionBoxes)
        settings_.*field = view_.checked(box);
    settings_.cacheSize = typedInt(S::CacheSize, settings_.cacheSize);
    host_.setFunctionCacheSize(settings_.cacheSize);
}

void SettingsSheet::showValue(SheetControl edit, std::string text) {
    view_.setText(edit, text);
    shown_[edit] = std::move(text);
}

double SettingsSheet::typedReal(SheetControl edit, double kept) const {
    const std::string text = view_.text(edit);
    const auto shown = shown_.find(edit);
    if (shown != shown_.end() && shown->second == text) return kept;
    return leadingNumber<double>(text).value_or(kept);
}

std::int32_t SettingsSheet::typedInt(SheetControl edit, std::int32_t kept) const {
    return leadingNumber<std::int32_t>(view_.text(edit)).value_or(kept);
}

}  // namespace zentrel
