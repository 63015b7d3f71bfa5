#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/main/main_window_view.h"

namespace zentrel::test {

// A main window view that keeps what the logic shows, as a window would.
class RecordingView : public MainWindowView {
  public:
    std::string text(ControlId id) const override {
        const auto found = texts.find(id);
        return found == texts.end() ? std::string() : found->second;
    }
    void setText(ControlId id, std::string_view value) override { texts[id] = value; }
    void setEnabled(ControlId id, bool on) override { enabled[id] = on; }
    void setVisible(ControlId id, bool on) override { visible[id] = on; }
    void setChecked(ControlId id) override {
        const bool radio =
            id == ControlId::DegRadio || id == ControlId::RadRadio || id == ControlId::GradRadio;
        (radio ? checkedRadio : checkedTool) = id;
    }
    void setSelection(ControlId list, std::int32_t index) override { selections[list] = index; }
    void appendLine(ControlId list, std::string_view line) override {
        lists[list].emplace_back(line);
    }
    void focus(ControlId id) override { focused = id; }
    EditSelection editSelection(ControlId id) const override {
        const auto found = editSelections.find(id);
        return found == editSelections.end() ? EditSelection{} : found->second;
    }
    void setEditSelection(ControlId id, EditSelection selection) override {
        editSelections[id] = selection;
    }
    void setLines(ControlId list, const std::vector<std::string>& lines) override {
        lists[list] = lines;
    }
    ScreenSize graphAreaSize() const override { return area; }
    void showBitmap() override { ++frames; }
    ScreenPoint windowPosition() const override { return position; }
    void moveWindow(ScreenPoint to) override {
        position = to;
        moves.push_back(to);
    }
    bool askYesNo(std::string_view question) override {
        questions.emplace_back(question);
        return false;
    }
    void setBusy(bool on) override {
        busy = on;
        ++busyChanges;
    }

    bool isEnabled(ControlId id) const {
        const auto found = enabled.find(id);
        return found == enabled.end() || found->second;
    }

    std::map<ControlId, std::string> texts;
    std::map<ControlId, bool> enabled;
    std::map<ControlId, bool> visible;
    std::map<ControlId, std::int32_t> selections;
    std::map<ControlId, std::vector<std::string>> lists;
    std::map<ControlId, EditSelection> editSelections;
    std::vector<std::string> questions;
    std::vector<ScreenPoint> moves;
    ControlId checkedRadio = ControlId::None;
    ControlId checkedTool = ControlId::None;
    ControlId focused = ControlId::None;
    ScreenSize area{361, 241};
    ScreenPoint position{300, 200};
    int frames = 0;
    bool busy = false;
    int busyChanges = 0;
};

}  // namespace zentrel::test
