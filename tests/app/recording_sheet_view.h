#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/settings/settings_sheet.h"

namespace zentrel::test {

// A sheet view that keeps what the logic shows, as the pages would, and
// answers the choosers from a queue (an empty one cancels).
class RecordingSheetView : public SettingsSheetView {
  public:
    std::string text(SheetControl edit) const override {
        const auto found = texts.find(edit);
        return found == texts.end() ? std::string() : found->second;
    }
    void setText(SheetControl edit, std::string_view value) override { texts[edit] = value; }
    bool checked(SheetControl box) const override { return checks.at(box); }
    void setChecked(SheetControl box, bool on) override { checks[box] = on; }
    std::int32_t selection(SheetControl list) const override { return selections.at(list); }
    void setSelection(SheetControl list, std::int32_t index) override { selections[list] = index; }
    void setLines(SheetControl list, const std::vector<std::string>& value) override {
        lines[list] = value;
    }
    void setEnabled(SheetControl control, bool on) override { enabled[control] = on; }
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    std::optional<std::string> chooseFolder(std::string_view title,
                                            std::string_view start) override {
        return choose(title, start);
    }
    std::optional<std::string> chooseProgram(std::string_view title,
                                             std::string_view start) override {
        return choose(title, start);
    }

    std::map<SheetControl, std::string> texts;
    std::map<SheetControl, bool> checks;
    std::map<SheetControl, std::int32_t> selections;
    std::map<SheetControl, std::vector<std::string>> lines;
    std::map<SheetControl, bool> enabled;
    std::vector<std::string> messages;
    std::deque<std::optional<std::string>> answers;
    std::vector<std::pair<std::string, std::string>> chooserCalls;  // title, start

  private:
    std::optional<std::string> choose(std::string_view title, std::string_view start) {
        chooserCalls.emplace_back(title, start);
        if (answers.empty()) return std::nullopt;
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace zentrel::test
