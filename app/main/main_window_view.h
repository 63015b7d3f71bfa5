#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/main/main_controls.h"
#include "app/settings/settings.h"

namespace zentrel {

struct EditSelection {
    std::size_t start = 0;
    std::size_t end = 0;
};

// What the main window's logic needs from the window on the screen. Every
// call comes from the window's thread.
class MainWindowView {
  public:
    virtual ~MainWindowView() = default;

    // Texts of edits, labels, the message line and the help line.
    virtual std::string text(ControlId id) const = 0;
    virtual void setText(ControlId id, std::string_view text) = 0;
    virtual void setEnabled(ControlId id, bool enabled) = 0;
    // Hiding the help line (with its separator) makes the window shorter.
    virtual void setVisible(ControlId id, bool visible) = 0;
    // The checked one of a group (a radio button, a tool button).
    virtual void setChecked(ControlId id) = 0;
    // The chosen entry of the coordinate and colour lists.
    virtual void setSelection(ControlId list, std::int32_t index) = 0;
    // Adds a line to a list (the hidden history list).
    virtual void appendLine(ControlId list, std::string_view line) = 0;
    virtual void focus(ControlId id) = 0;
    // An edit's selection as byte offsets into its UTF-8 text (both the caret
    // with nothing selected), and setting it with the caret at `end`.
    virtual EditSelection editSelection(ControlId edit) const = 0;
    virtual void setEditSelection(ControlId edit, EditSelection selection) = 0;
    // Fills a drop-down list, keeping the chosen entry when it is still there.
    virtual void setLines(ControlId list, const std::vector<std::string>& lines) = 0;

    // The graph area's size in pixels, which the graph bitmap takes.
    virtual ScreenSize graphAreaSize() const = 0;
    // Copies the graph bitmap (the canvas's pixels) to the graph area.
    virtual void showBitmap() = 0;

    // The window's top-left corner on the desktop, and moving it there.
    virtual ScreenPoint windowPosition() const = 0;
    virtual void moveWindow(ScreenPoint position) = 0;

    // A question answered with yes (true) or no.
    virtual bool askYesNo(std::string_view question) = 0;
    // The wait state while a draw runs (the wait cursor).
    virtual void setBusy(bool busy) = 0;
};

}  // namespace zentrel
