#include "app/main/main_controls.h"

#include <array>
#include <utility>

#include "app/strings/string_table.h"

namespace zentrel {
namespace {

using C = ControlId;
using K = ControlKind;

// Keypad keys: five columns of 19 units, six rows of 13.
constexpr DialogRect key(int column, int row, int columns = 1) {
    constexpr std::array<std::int16_t, 6> kRows{187, 202, 216, 231, 245, 260};
    return {static_cast<std::int16_t>(1 + 20 * column), kRows[static_cast<std::size_t>(row)],
            static_cast<std::int16_t>(20 * columns - 1), 13};
}

// Function buttons: three columns, five rows; the last slot is SHIFT.
constexpr DialogRect functionSlot(int slot) {
    return {static_cast<std::int16_t>(101 + 32 * (slot % 3)),
            static_cast<std::int16_t>(201 + 12 * (slot / 3)), 30, 12};
}

constexpr ControlRow keyRow(ControlId id, DialogRect rect, std::string_view text,
                            std::string_view name) {
    return {id, K::Button, rect, text, name, 0};
}

constexpr ControlRow functionRow(int slot, std::string_view name) {
    const auto id = static_cast<ControlId>(slot == 0 ? 1094 : 1095 + slot);
    return {id, K::Button, functionSlot(slot), "---", name, 0};
}

constexpr auto kControls = std::to_array<ControlRow>({
    {C::GraphArea, K::GraphArea, {0, 0, 180, 121}, "グラフ画面", "graphArea", 0},
    {C::TraceTool, K::ToolButton, {182, 1, 14, 14}, "", "traceTool", 9004},
    {C::HandTool, K::ToolButton, {182, 15, 14, 14}, "", "handTool", 9005},
    {C::BoxZoomTool, K::ToolButton, {182, 29, 14, 14}, "", "boxZoomTool", 9006},
    {C::ZoomIn, K::Button, {182, 47, 14, 14}, "＋", "zoomIn", 9007},
    {C::ZoomOut, K::Button, {182, 61, 14, 14}, "－", "zoomOut", 9008},
    {C::WindowButton, K::ImageButton, {182, 75, 14, 14}, "", "windowButton", 9009},
    {C::DrawButton, K::ImageButton, {182, 93, 14, 14}, "", "drawButton", 9010},
    {C::ClearButton, K::ImageButton, {182, 107, 14, 14}, "", "clearButton", 9011},
    {C::ColourList, K::ColourList, {1, 123, 31, 16}, "", "colourList", 7002},
    {C::CoordinateList, K::CoordinateList, {1, 142, 31, 16}, "", "coordinateList", 7001},
    {C::MinLabel, K::Label, {33, 125, 15, 8}, "min", "minLabel", 0},
    {C::MinEdit, K::Edit, {49, 123, 27, 12}, "", "minEdit", 0},
    {C::MaxLabel, K::Label, {33, 137, 15, 8}, "max", "maxLabel", 0},
    {C::MaxEdit, K::Edit, {49, 135, 27, 12}, "", "maxEdit", 0},
    {C::PitchLabel, K::Label, {33, 149, 15, 8}, "ptch", "pitchLabel", 0},
    {C::PitchEdit, K::Edit, {49, 147, 27, 12}, "", "pitchEdit", 0},
    {C::ArgumentLabel, K::Label, {78, 125, 8, 8}, "x=", "argumentLabel", 0},
    {C::ArgumentEdit, K::Edit, {86, 123, 76, 12}, "", "argumentEdit", 0},
    {C::FirstValueLabel, K::Label, {78, 137, 8, 8}, "y=", "firstValueLabel", 0},
    {C::FirstValueEdit, K::ReadOnlyEdit, {86, 135, 76, 12}, "", "firstValueEdit", 0},
    {C::SecondValueLabel, K::Label, {78, 149, 8, 8}, "y=", "secondValueLabel", 0},
    {C::SecondValueEdit, K::ReadOnlyEdit, {86, 147, 76, 12}, "", "secondValueEdit", 0},
    {C::ShowTableButton, K::ImageButton, {182, 127, 14, 14}, "", "showTableButton", 9002},
    {C::RegisterButton, K::ImageButton, {164, 137, 14, 14}, "", "registerButton", 9003},
    {C::SettingsButton, K::ImageButton, {182, 145, 14, 14}, "", "settingsButton", 9001},
    {C::HistoryList, K::HiddenList, {172, 149, 8, 8}, "", "historyList", 0},
    {C::UpperSeparator, K::Separator, {0, 160, 196, 1}, "", "upperSeparator", 0},
    {C::FirstExpressionLabel, K::Label, {1, 164, 8, 8}, "y=", "firstExpressionLabel", 0},
    {C::FirstExpression, K::Edit, {9, 162, 186, 12}, "", "firstExpression", 0},
    {C::SecondExpressionLabel, K::Label, {1, 176, 8, 8}, "y=", "secondExpressionLabel", 0},
    {C::SecondExpression, K::Edit, {9, 174, 186, 12}, "", "secondExpression", 0},
    {C::KeypadSeparator, K::Separator, {0, 186, 196, 1}, "", "keypadSeparator", 0},
    keyRow(C::KeyClearField, key(0, 0), "AC", "keyClearField"),
    keyRow(C::KeyDelete, key(1, 0), "DEL", "keyDelete"),
    keyRow(C::KeyOpen, key(2, 0), "(", "keyOpen"),
    keyRow(C::KeyClose, key(3, 0), ")", "keyClose"),
    keyRow(C::KeyWrap, key(4, 0), "( )", "keyWrap"),
    keyRow(C::Key7, key(0, 1), "7", "key7"),
    keyRow(C::Key8, key(1, 1), "8", "key8"),
    keyRow(C::Key9, key(2, 1), "9", "key9"),
    keyRow(C::KeyDivide, key(3, 1), "/", "keyDivide"),
    keyRow(C::KeyArgument, key(4, 1), "x,t", "keyArgument"),
    keyRow(C::Key4, key(0, 2), "4", "key4"),
    keyRow(C::Key5, key(1, 2), "5", "key5"),
    keyRow(C::Key6, key(2, 2), "6", "key6"),
    keyRow(C::KeyTimes, key(3, 2), "*", "keyTimes"),
    keyRow(C::KeyUnaryMinus, key(4, 2), "[-]", "keyUnaryMinus"),
    keyRow(C::Key1, key(0, 3), "1", "key1"),
    keyRow(C::Key2, key(1, 3), "2", "key2"),
    keyRow(C::Key3, key(2, 3), "3", "key3"),
    keyRow(C::KeyMinus, key(3, 3), "-", "keyMinus"),
    keyRow(C::KeyExponentPlus, key(4, 3), "e\\+", "keyExponentPlus"),
    keyRow(C::Key0, key(0, 4), "0", "key0"),
    keyRow(C::KeyPoint, key(1, 4), "．", "keyPoint"),
    keyRow(C::KeyNegative, key(2, 4), "\\-", "keyNegative"),
    keyRow(C::KeyPlus, key(3, 4), "+", "keyPlus"),
    {C::EqualsKey, K::ImageButton, {81, 245, 19, 14}, "=", "equalsKey", 0},
    keyRow(C::KeySpace, key(0, 5, 3), "SP", "keySpace"),
    keyRow(C::KeyExponentMinus, key(3, 5), "e\\-", "keyExponentMinus"),
    {C::ClearKey, K::ImageButton, {81, 260, 19, 13}, "", "clearKey", 9011},
    {C::KeyCall, K::Button, {101, 187, 15, 13}, "!", "keyCall", 0},
    {C::KeyCallWrap, K::Button, {117, 187, 17, 13}, "!()", "keyCallWrap", 0},
    {C::FunctionList, K::FunctionList, {135, 187, 60, 13}, "外部関数", "functionList", 0},
    functionRow(0, "functionButton1"),
    functionRow(1, "functionButton2"),
    functionRow(2, "functionButton3"),
    functionRow(3, "functionButton4"),
    functionRow(4, "functionButton5"),
    functionRow(5, "functionButton6"),
    functionRow(6, "functionButton7"),
    functionRow(7, "functionButton8"),
    functionRow(8, "functionButton9"),
    functionRow(9, "functionButton10"),
    functionRow(10, "functionButton11"),
    functionRow(11, "functionButton12"),
    functionRow(12, "functionButton13"),
    functionRow(13, "functionButton14"),
    {C::ShiftButton, K::Button, functionSlot(14), "SHIFT", "shiftButton", 0},
    {C::DegRadio, K::RadioButton, {104, 262, 29, 10}, "Deg", "degRadio", 0},
    {C::RadRadio, K::RadioButton, {133, 262, 29, 10}, "Rad", "radRadio", 0},
    {C::GradRadio, K::RadioButton, {162, 262, 29, 10}, "Grad", "gradRadio", 0},
    {C::MessageLine, K::StatusText, {1, 276, 194, 8}, "", "messageLine", 0},
    {C::HelpSeparator, K::Separator, {0, 286, 196, 1}, "", "helpSeparator", 0},
    {C::HelpLine, K::StatusText, {1, 288, 194, 16}, "", "helpLine", 0},
});

// Each edit and the label beside it.
constexpr std::array<std::pair<ControlId, ControlId>, 8> kEditLabels{{
    {C::MinEdit, C::MinLabel},
    {C::MaxEdit, C::MaxLabel},
    {C::PitchEdit, C::PitchLabel},
    {C::ArgumentEdit, C::ArgumentLabel},
    {C::FirstValueEdit, C::FirstValueLabel},
    {C::SecondValueEdit, C::SecondValueLabel},
    {C::FirstExpression, C::FirstExpressionLabel},
    {C::SecondExpression, C::SecondExpressionLabel},
}};

constexpr std::array<std::string_view, 6> kCoordinateSystemNames{
    "直交座標", "片対数 (x)", "片対数 (y)", "両対数", "媒介変数", "極座標"};
constexpr std::array<std::string_view, 16> kColourNames{
    "黒", "暗い赤", "赤",       "緑",   "ライム", "オリーブ", "黄",   "紺",
    "青", "紫",     "マゼンタ", "青緑", "水色",   "灰色",     "銀色", "白"};

std::string_view nameAt(std::span<const std::string_view> names, std::int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < names.size()
               ? names[static_cast<std::size_t>(index)]
               : std::string_view{};
}

}  // namespace

std::string_view coordinateSystemName(std::int32_t index) {
    return nameAt(kCoordinateSystemNames, index);
}

std::string_view colourName(std::int32_t choice) {
    return nameAt(kColourNames, choice);
}

std::span<const ControlRow> mainWindowControls() {
    return kControls;
}

const ControlRow* findControl(ControlId id) {
    for (const ControlRow& row : kControls) {
        if (row.id == id) return &row;
    }
    return nullptr;
}

std::string_view controlTip(const ControlRow& row) {
    return row.tipString != 0 ? lookupString(row.tipString) : std::string_view{};
}

std::string_view accessibleName(const ControlRow& row) {
    if (!row.text.empty()) return row.text;
    std::string_view tip = controlTip(row);
    if (tip.starts_with('#')) tip.remove_prefix(1);
    return tip;
}

ControlId labelOf(ControlId edit) {
    for (const auto& [field, label] : kEditLabels) {
        if (field == edit) return label;
    }
    return C::None;
}

}  // namespace zentrel
