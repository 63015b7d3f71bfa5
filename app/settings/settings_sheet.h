#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings/settings.h"
#include "app/settings/settings_pages.h"
#include "app/settings/settings_sheet_controls.h"

namespace zentrel {

// What the sheet's logic needs from the sheet on the screen: its controls and
// the two choosers. Every call comes from the window's thread.
class SettingsSheetView {
  public:
    virtual ~SettingsSheetView() = default;

    // An edit's text; setting it leaves the caret at its end.
    virtual std::string text(SheetControl edit) const = 0;
    virtual void setText(SheetControl edit, std::string_view text) = 0;
    virtual bool checked(SheetControl box) const = 0;
    virtual void setChecked(SheetControl box, bool checked) = 0;
    // The chosen entry of a list, -1 for none; setting it tells the logic nothing.
    virtual std::int32_t selection(SheetControl list) const = 0;
    virtual void setSelection(SheetControl list, std::int32_t index) = 0;
    virtual void setLines(SheetControl list, const std::vector<std::string>& lines) = 0;
    virtual void setEnabled(SheetControl control, bool enabled) = 0;
    // A message box over the sheet.
    virtual void showMessage(std::string_view text) = 0;

    // A folder the user chose, browsing from `start`; nothing when cancelled.
    virtual std::optional<std::string> chooseFolder(std::string_view title,
                                                    std::string_view start) = 0;
    // A program file the user chose (any executable), browsing in `start`.
    virtual std::optional<std::string> chooseProgram(std::string_view title,
                                                     std::string_view start) = 0;
};

// What the sheet needs from the window that opened it: the settings file for
// the settings written at once, and the interpreter's cache of external
// functions.
class SettingsSheetHost {
  public:
    virtual ~SettingsSheetHost() = default;

    // Writes one setting into the settings file now rather than at shut-down.
    virtual void writeAtOnce(const Settings& settings, ImmediateSetting which) = 0;
    // False while the cache may hold a compiled function.
    virtual bool functionCacheEmpty() const = 0;
    virtual void clearFunctionCache() = 0;
    // How many functions the cache keeps: negative no limit, 0 none.
    virtual void setFunctionCacheSize(std::int32_t size) = 0;
};

// What OK changed that the window must follow.
struct SheetChanges {
    bool screen = false;   // a colour or grid setting: the grid and graph are drawn again
    bool folders = false;  // the function folders: searched, watched and listed anew
};

// The settings sheet "関数グラフの設定": six pages over the window's settings.
// The pages show the settings when it opens and store them on OK; Cancel
// stores nothing. The folders chosen on the way (the last function folder,
// the history file's folder) are kept and written at once either way, as is
// the folder list on OK.
class SettingsSheet {
  public:
    SettingsSheet(SettingsSheetView& view, SettingsSheetHost& host, Settings& settings);

    // Fills the pages.
    void open();

    // 外部関数パス: the list's selection and its four buttons.
    void selectFolder(std::int32_t index);
    void addFolder();
    void removeFolder();
    void moveFolderUp();
    void moveFolderDown();
    // 外部関数エディタ "選択".
    void chooseEditor();
    // 履歴ファイル "選択".
    void chooseHistoryFolder();
    // オプション "クリアする".
    void clearCache();

    // OK: stores every page into the settings, writes the folder list when it
    // changed and applies the cache size.
    SheetChanges accept();

  private:
    void showFolders();
    void showScreenPage();
    void showOptionsPage();
    bool acceptFolders();
    bool acceptScreenPage();
    void acceptOptionsPage();
    double typedReal(SheetControl edit, double kept) const;
    std::int32_t typedInt(SheetControl edit, std::int32_t kept) const;
    void showValue(SheetControl edit, std::string text);

    SettingsSheetView& view_;
    SettingsSheetHost& host_;
    Settings& settings_;
    FolderList folders_;
    // The texts the number edits were given, so that an edit left as it was
    // keeps its setting exactly rather than the setting's rounded text.
    std::map<SheetControl, std::string> shown_;
};

}  // namespace zentrel
