#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/main/view_transform.h"
#include "graphics/canvas.h"

namespace zentrel {

// The controls of the window settings dialog "ウィンドウの設定".
enum class WindowDialogId : std::uint16_t {
    Left = 1008,
    Bottom = 1009,
    Right = 1010,
    Top = 1011,
    OffsetX = 1012,
    OffsetY = 1013,
    UnitX = 1014,
    UnitY = 1015,
    WindowRadio = 1016,
    OffsetRadio = 1017,
    UnitXLabel = 1035,
    UnitYLabel = 1036,
    UnitYSuffix = 1038,
    ResetButton = 1087,
};

// What the dialog's logic needs from the dialog on the screen.
class WindowDialogView {
  public:
    virtual ~WindowDialogView() = default;
    virtual std::string text(WindowDialogId id) const = 0;
    virtual void setText(WindowDialogId id, std::string_view text) = 0;
    virtual void setEnabled(WindowDialogId id, bool enabled) = 0;
    virtual void setVisible(WindowDialogId id, bool visible) = 0;
    virtual void setChecked(WindowDialogId id) = 0;
};

// What OK gives the main window: the mode's new transform and, in
// rectangular mode, the entry style to keep.
struct WindowDialogResult {
    WorldTransform transform;
    std::int32_t entryStyle = 0;  // 0 offsets, 1 window
};

// The window settings dialog: the view given either as offsets and units in
// pixels or as the window's edges, each recomputed from the other as the user
// types. Parametric and polar views keep equal scales, so they take offsets
// and one unit only.
class WindowDialog {
  public:
    static constexpr std::int32_t kOffsetEntry = 0;
    static constexpr std::int32_t kWindowEntry = 1;

    WindowDialog(WindowDialogView& view, const WorldTransform& transform, std::int32_t width,
                 std::int32_t height, bool equalScales, std::int32_t entryStyle);

    void open();
    void chooseEntryStyle(std::int32_t style);
    // The user changed the text of an edit.
    void edited(WindowDialogId id);
    // "初期化する": the origin in the middle, 10 pixels a unit.
    void reset();
    WindowDialogResult accept() const;

  private:
    WorldTransform typedTransform() const;
    void showTransform(const WorldTransform& transform);
    void showWindow(const WorldTransform& transform);
    void enableEntries();

    WindowDialogView& view_;
    WorldTransform transform_;
    Canvas scratch_;  // computes the transform of a typed window
    std::int32_t width_;
    std::int32_t height_;
    bool equalScales_;
    std::int32_t entryStyle_;
};

}  // namespace zentrel
