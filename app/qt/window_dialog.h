#pragma once

#include <QDialog>
#include <functional>
#include <map>
#include <memory>

#include "app/main/window_dialog.h"

namespace zentrel {

// The window settings dialog "ウィンドウの設定": offsets and units, or the
// window's edges, with the note on rounding.
class WindowSettingsDialog final : public QDialog, public WindowDialogView {
  public:
    // `makeLogic` builds the dialog's logic on this view.
    WindowSettingsDialog(
        const std::function<std::unique_ptr<WindowDialog>(WindowDialogView&)>& makeLogic,
        QWidget* parent);

    WindowDialog& logic() { return *logic_; }

    // WindowDialogView
    std::string text(WindowDialogId id) const override;
    void setText(WindowDialogId id, std::string_view text) override;
    void setEnabled(WindowDialogId id, bool enabled) override;
    void setVisible(WindowDialogId id, bool visible) override;
    void setChecked(WindowDialogId id) override;

  private:
    QWidget* control(WindowDialogId id) const;

    std::map<WindowDialogId, QWidget*> controls_;
    std::unique_ptr<WindowDialog> logic_;
};

}  // namespace zentrel
