#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace zentrel {

// The controls of the settings sheet "関数グラフの設定", page by page in tab
// order. The pages number their controls each on its own (1020 is a button
// on one page and a list on another), so the sheet names them instead.
enum class SheetControl : std::uint8_t {
    // 外部関数パス
    FolderList,
    AddFolder,
    RemoveFolder,
    FolderUp,
    FolderDown,
    // 外部関数登録: one edit a function button, in the buttons' order
    FunctionName1,
    FunctionName14 = FunctionName1 + 13,
    ExtensionNote,
    SelectionNote,
    // 外部関数エディタ
    Editor,
    ChooseEditor,
    // 履歴ファイル
    HistoryFile,
    ChooseHistoryFolder,
    HistoryNote,
    // グラフ画面
    BackColour,
    ScaleColour,
    UnitColour,
    TextColour,
    GridGroup,
    UnitX,
    UnitY,
    NumberGroup,
    TextX,
    TextXSuffix,
    TextY,
    TextYSuffix,
    // オプション
    Help,
    RePlotGroup,
    RePlotMode,
    RePlotAngle,
    RePlotWindow,
    CacheGroup,
    CacheSize,
    CacheSizeNote,
    ClearCache,
    ClearOnDeactivate,
    ClearOnDeactivateNote,
};

enum class SheetControlKind : std::uint8_t {
    FolderList,
    Button,
    Edit,  // its text is the label before it
    ColourList,
    CheckBox,
    Group,  // a frame with a title around the controls after it
    Note,   // a static text
};

// One page: the name its class bears, its dialog number and its tab's title.
struct SheetPage {
    std::string_view className;
    std::uint16_t number;
    std::string_view title;
};

inline constexpr std::size_t kSheetPageCount = 6;
inline constexpr std::array<SheetPage, kSheetPageCount> kSheetPages{{
    {"CDlgEnvExtFuncPath", 111, "外部関数パス"},
    {"CDlgEnvExtFunc", 115, "外部関数登録"},
    {"CDlgEnvExtFuncEditor", 118, "外部関数エディタ"},
    {"CDlgEnvLogFile", 113, "履歴ファイル"},
    {"CDlgEnvScreen", 112, "グラフ画面"},
    {"CDlgEnvOption", 114, "オプション"},
}};

// One control: its page (an index into kSheetPages), its number on that
// page (0 for a text without one), what it shows, the name tools and tests
// find it by, and the name screen readers read when its text does not say it.
struct SheetControlRow {
    SheetControl id;
    std::uint8_t page;
    std::uint16_t number;
    SheetControlKind kind;
    std::string_view text;
    std::string_view objectName;
    std::string_view spokenName;  // empty: the text
};

// Every control of the sheet, in tab order.
std::span<const SheetControlRow> sheetControls();
const SheetControlRow& sheetControl(SheetControl id);

// The name a screen reader knows the control by.
std::string_view spokenName(const SheetControlRow& row);

// The registration page's edit of a function button (0-13).
constexpr SheetControl functionNameEdit(std::size_t slot) {
    return static_cast<SheetControl>(static_cast<std::size_t>(SheetControl::FunctionName1) + slot);
}

}  // namespace zentrel
