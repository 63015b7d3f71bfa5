// The settings sheet's side of the main window.
#include "app/main/main_window.h"
#include "app/strings/string_table.h"

namespace zentrel {
namespace {

// The message a setting that could not be written at once shows.
constexpr int kUnwrittenSettingString = 11002;

}  // namespace

std::unique_ptr<SettingsSheet> MainWindow::settingsSheet(SettingsSheetView& view) {
    SettingsSheetHost& host = *this;
    return std::make_unique<SettingsSheet>(view, host, settings_);
}

void MainWindow::acceptSettingsSheet(SettingsSheet& sheet) {
    if (!toolsIdle()) return;
    const SheetChanges changes = sheet.accept();
    relabelFunctionButtons();
    // A hidden help line shows nothing old when it comes back.
    if (!settings_.help) view_.setText(ControlId::HelpLine, "");
    view_.setVisible(ControlId::HelpSeparator, settings_.help);
    view_.setVisible(ControlId::HelpLine, settings_.help);
    if (changes.screen) redrawGrid();
    if (changes.folders) {
        host_.setFunctionPath(settings_.path);
        fillFunctionList();
    }
    // A history file that cannot be opened is skipped, as at start.
    if (history_.path() != settings_.logFileName) {
        static_cast<void>(history_.setPath(settings_.logFileName));
    }
}

void MainWindow::writeAtOnce(const Settings& settings, ImmediateSetting which) {
    const std::error_code failed = updateProfile(setup_.settingsFile, [&](ProfileStore& store) {
        writeImmediateSetting(store, settings, which);
    });
    if (failed) view_.setText(ControlId::MessageLine, lookupString(kUnwrittenSettingString));
}

bool MainWindow::functionCacheEmpty() const {
    return host_.functionCacheEmpty();
}

// The sheet is opened only while no draw runs; the checks keep a late call
// off the interpreter all the same.
void MainWindow::clearFunctionCache() {
    if (toolsIdle()) host_.clearFunctionCache();
}

void MainWindow::setFunctionCacheSize(std::int32_t size) {
    if (toolsIdle()) host_.setFunctionCacheSize(size);
}

}  // namespace zentrel
