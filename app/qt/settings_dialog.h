#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "app/qt/settings_dialog_pages.h"
#include "app/settings/settings_sheet.h"

namespace zentrel {

// The settings sheet "関数グラフの設定": six pages on tabs, OK and Cancel.
// What the controls show and store is the logic's; this maps widgets to it.
class SettingsSheetDialog final : public QDialog, public SettingsSheetView {
  public:
    // `makeLogic` builds the sheet's logic on this view; it is opened at once.
    SettingsSheetDialog(
        const std::function<std::unique_ptr<SettingsSheet>(SettingsSheetView&)>& makeLogic,
        QWidget* parent);

    SettingsSheet& logic() { return *logic_; }

    // SettingsSheetView
    std::string text(SheetControl edit) const override;
    void setText(SheetControl edit, std::string_view text) override;
    bool checked(SheetControl box) const override;
    void setChecked(SheetControl box, bool checked) override;
    std::int32_t selection(SheetControl list) const override;
    void setSelection(SheetControl list, std::int32_t index) override;
    void setLines(SheetControl list, const std::vector<std::string>& lines) override;
    void setEnabled(SheetControl control, bool enabled) override;
    void showMessage(std::string_view text) override;
    std::optional<std::string> chooseFolder(std::string_view title,
                                            std::string_view start) override;
    std::optional<std::string> chooseProgram(std::string_view title,
                                             std::string_view start) override;

  private:
    void connectControls();

    SheetWidgets widgets_;
    std::unique_ptr<SettingsSheet> logic_;
};

}  // namespace zentrel
