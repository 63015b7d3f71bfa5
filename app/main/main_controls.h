#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace zentrel {

// The controls of the main window, numbered as the window's logic and its
// settings refer to them.
enum class ControlId : std::uint16_t {
    None = 0,
    FirstExpression = 1000,
    TraceTool = 1001,
    HandTool = 1002,
    BoxZoomTool = 1003,
    SecondExpression = 1004,
    Key0 = 1007,
    Key1 = 1008,
    Key2 = 1009,
    Key3 = 1010,
    Key4 = 1011,
    GraphArea = 1012,
    Key5 = 1013,
    Key6 = 1014,
    Key7 = 1015,
    Key8 = 1016,
    Key9 = 1017,
    KeyPoint = 1018,
    KeySpace = 1019,
    KeyPlus = 1020,
    KeyTimes = 1021,
    KeyDivide = 1022,
    KeyMinus = 1023,
    KeyClearField = 1024,
    KeyDelete = 1025,
    ColourList = 1026,
    CoordinateList = 1027,
    ArgumentLabel = 1028,
    ArgumentEdit = 1029,
    FirstValueEdit = 1030,
    RegisterButton = 1031,
    SecondValueEdit = 1032,
    FirstValueLabel = 1033,
    SecondValueLabel = 1034,
    KeyOpen = 1035,
    KeyClose = 1036,
    KeyArgument = 1037,
    FirstExpressionLabel = 1038,
    SecondExpressionLabel = 1039,
    MinLabel = 1040,
    MaxLabel = 1041,
    PitchLabel = 1042,
    MinEdit = 1043,
    MaxEdit = 1044,
    PitchEdit = 1045,
    KeyWrap = 1050,
    KeyUnaryMinus = 1075,
    KeyNegative = 1078,
    SettingsButton = 1084,
    ShowTableButton = 1085,
    ClearButton = 1086,
    WindowButton = 1087,
    EqualsKey = 1088,
    MessageLine = 1089,
    HelpLine = 1090,
    ZoomIn = 1091,
    ZoomOut = 1092,
    DrawButton = 1093,
    FunctionButton1 = 1094,
    ClearKey = 1095,
    FunctionButton2 = 1096,
    FunctionButton14 = 1108,
    ShiftButton = 1109,
    KeyCall = 1118,
    FunctionList = 1119,
    KeyCallWrap = 1120,
    HistoryList = 1121,
    KeyExponentPlus = 1134,
    KeyExponentMinus = 1135,
    UpperSeparator = 1154,
    HelpSeparator = 1155,
    KeypadSeparator = 1156,
    DegRadio = 1162,
    RadRadio = 1163,
    GradRadio = 1164,
};

enum class ControlKind : std::uint8_t {
    GraphArea,
    ToolButton,   // an image button that stays checked, one of a group
    Button,       // a push button with a text
    ImageButton,  // a push button with a picture; its tip names it
    ColourList,
    CoordinateList,
    FunctionList,
    Edit,
    ReadOnlyEdit,
    Label,
    RadioButton,
    StatusText,  // the message and help lines
    HiddenList,
    Separator,
};

// A rectangle in dialog units.
struct DialogRect {
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;
};

// One control of the main window: where it sits, what it shows, the name tools
// and tests find it by, and the string of its tip.
struct ControlRow {
    ControlId id;
    ControlKind kind;
    DialogRect rect;
    std::string_view text;
    std::string_view objectName;
    int tipString;  // 0: none
};

// The window's client area in dialog units, and how much shorter it is
// without the help line (the distance between the bottoms of the message
// line and the help line).
inline constexpr DialogRect kMainWindowRect{0, 0, 196, 305};
inline constexpr std::int16_t kHelpLineDrop = 20;

// Every control, in tab order.
std::span<const ControlRow> mainWindowControls();

// The row of a control; null for an id without one.
const ControlRow* findControl(ControlId id);

// The tip of a control (image buttons, the two lists); empty for none.
std::string_view controlTip(const ControlRow& row);

// The name screen readers and automation tools know a control by: its text,
// else its tip (without the help line's '#' mark); an edit takes the text of
// its label, which `labelOf` names (None for an edit without one). A label's
// text in the table is its name for the edit; the window sets what it shows.
// The graph area and the function list show no text: theirs is only a name.
std::string_view accessibleName(const ControlRow& row);
ControlId labelOf(ControlId edit);

// The names the two picture lists give their entries (for reading aloud and
// in the opened list): the coordinate systems and the colour choices.
std::string_view coordinateSystemName(std::int32_t index);
std::string_view colourName(std::int32_t choice);

}  // namespace zentrel
