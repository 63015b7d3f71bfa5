#include "app/settings/settings_sheet_controls.h"

#include <algorithm>

namespace zentrel {
namespace {

using S = SheetControl;
using K = SheetControlKind;

constexpr SheetControlRow functionRow(std::uint8_t slot, std::string_view label,
                                      std::string_view objectName, std::string_view spoken) {
    return {functionNameEdit(slot),
            1,
            static_cast<std::uint16_t>(1117 + slot),
            K::Edit,
            label,
            objectName,
            spoken};
}

constexpr auto kControls = std::to_array<SheetControlRow>({
    {S::FolderList, 0, 1170, K::FolderList, "", "folderList", "外部関数パス"},
    {S::AddFolder, 0, 1020, K::Button, "追加", "addFolderButton", ""},
    {S::RemoveFolder, 0, 1027, K::Button, "削除", "removeFolderButton", ""},
    {S::FolderUp, 0, 1175, K::Button, "↑", "folderUpButton", "上へ"},
    {S::FolderDown, 0, 1176, K::Button, "↓", "folderDownButton", "下へ"},
    functionRow(0, "1", "extFunc01Edit", "外部関数1"),
    functionRow(1, "2", "extFunc02Edit", "外部関数2"),
    functionRow(2, "3", "extFunc03Edit", "外部関数3"),
    functionRow(3, "4", "extFunc04Edit", "外部関数4"),
    functionRow(4, "5", "extFunc05Edit", "外部関数5"),
    functionRow(5, "6", "extFunc06Edit", "外部関数6"),
    functionRow(6, "7", "extFunc07Edit", "外部関数7"),
    functionRow(7, "8", "extFunc08Edit", "外部関数8"),
    functionRow(8, "9", "extFunc09Edit", "外部関数9"),
    functionRow(9, "10", "extFunc10Edit", "外部関数10"),
    functionRow(10, "11", "extFunc11Edit", "外部関数11"),
    functionRow(11, "12", "extFunc12Edit", "外部関数12"),
    functionRow(12, "13", "extFunc13Edit", "外部関数13"),
    functionRow(13, "14", "extFunc14Edit", "外部関数14"),
    {S::ExtensionNote, 1, 0, K::Note, "拡張子(.VDL)は省略してください。", "extensionNote", ""},
    {S::SelectionNote, 1, 0, K::Note,
     "関数名の後ろに\"()\"を付けると、計算式の選択部分を加工する機能になります。", "selectionNote",
     ""},
    {S::Editor, 2, 1199, K::Edit, "", "editorEdit", "外部関数エディタ"},
    {S::ChooseEditor, 2, 1200, K::Button, "選択", "chooseEditorButton", "エディタの選択"},
    {S::HistoryFile, 3, 1132, K::Edit, "", "historyFileEdit", "履歴ファイル"},
    {S::ChooseHistoryFolder, 3, 1162, K::Button, "選択", "chooseHistoryFolderButton",
     "履歴ファイルのフォルダの選択"},
    {S::HistoryNote, 3, 0, K::Note, "空欄にすることで、履歴ファイルの生成を抑制できます。",
     "historyNote", ""},
    {S::BackColour, 4, 1020, K::ColourList, "背景：", "backColourList", ""},
    {S::ScaleColour, 4, 1012, K::ColourList, "Ｘ/Ｙ軸：", "scaleColourList", ""},
    {S::UnitColour, 4, 1013, K::ColourList, "目盛り線：", "unitColourList", ""},
    {S::TextColour, 4, 1014, K::ColourList, "文字：", "textColourList", ""},
    {S::GridGroup, 4, 0, K::Group, "目盛り線", "gridGroup", ""},
    {S::UnitX, 4, 1003, K::Edit, "Ｘ方向：", "unitXEdit", "目盛り線 Ｘ方向"},
    {S::UnitY, 4, 1004, K::Edit, "Ｙ方向：", "unitYEdit", "目盛り線 Ｙ方向"},
    {S::NumberGroup, 4, 0, K::Group, "目盛り文字", "numberGroup", ""},
    {S::TextX, 4, 1005, K::Edit, "Ｘ方向：", "textXEdit", "目盛り文字 Ｘ方向"},
    {S::TextXSuffix, 4, 0, K::Note, "毎", "textXSuffix", ""},
    {S::TextY, 4, 1006, K::Edit, "Ｙ方向：", "textYEdit", "目盛り文字 Ｙ方向"},
    {S::TextYSuffix, 4, 0, K::Note, "毎", "textYSuffix", ""},
    {S::Help, 5, 1156, K::CheckBox, "ヘルプ表示", "helpCheck", ""},
    {S::RePlotGroup, 5, 0, K::Group, "グラフ再生成", "rePlotGroup", ""},
    {S::RePlotMode, 5, 1018, K::CheckBox, "座標系の変更時", "rePlotModeCheck", ""},
    {S::RePlotAngle, 5, 1188, K::CheckBox, "角度の単位変更時", "rePlotAngleCheck", ""},
    {S::RePlotWindow, 5, 1019, K::CheckBox, "ウィンドウ座標の変更時(手のひらツール含む)",
     "rePlotWindowCheck", ""},
    {S::CacheGroup, 5, 0, K::Group, "外部関数キャッシュ", "cacheGroup", ""},
    {S::CacheSize, 5, 1182, K::Edit, "サイズ：", "cacheSizeEdit", "キャッシュのサイズ"},
    {S::CacheSizeNote, 5, 0, K::Note, "関数(-1で無制限)", "cacheSizeNote", ""},
    {S::ClearCache, 5, 1183, K::Button, "クリアする", "clearCacheButton", "キャッシュをクリアする"},
    {S::ClearOnDeactivate, 5, 1180, K::CheckBox, "Zentrel非アクティブ時にクリアする",
     "clearOnDeactivateCheck", ""},
    {S::ClearOnDeactivateNote, 5, 0, K::Note,
     "(Zentrel実行中に外部エディタで外部関数ファイルを編集する可能性がある場合、チェックしておく"
     "と安全です。)",
     "clearOnDeactivateNote", ""},
});

// The table is indexed by the enum: a row out of place is a build error.
constexpr bool rowsInEnumOrder() {
    for (std::size_t i = 0; i < kControls.size(); ++i)
        if (static_cast<std::size_t>(kControls[i].id) != i) return false;
    return true;
}
static_assert(rowsInEnumOrder());
static_assert(kControls.size() == static_cast<std::size_t>(S::ClearOnDeactivateNote) + 1);
static_assert(std::is_sorted(kControls.begin(), kControls.end(),
                             [](const SheetControlRow& a, const SheetControlRow& b) {
                                 return a.page < b.page;
                             }));

}  // namespace

std::span<const SheetControlRow> sheetControls() {
    return kControls;
}

const SheetControlRow& sheetControl(SheetControl id) {
    return kControls[static_cast<std::size_t>(id)];
}

std::string_view spokenName(const SheetControlRow& row) {
    return row.spokenName.empty() ? row.text : row.spokenName;
}

}  // namespace zentrel
