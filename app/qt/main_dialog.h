#pragma once

#include <QButtonGroup>
#include <QFileSystemWatcher>
#include <QWidget>
#include <map>
#include <memory>

#include "app/main/dialog_units.h"
#include "app/main/main_window.h"
#include "app/main/main_window_view.h"
#include "app/qt/function_editor.h"
#include "app/qt/graph_area.h"
#include "app/qt/table_window.h"

namespace zentrel {

// The calculator window "関数グラフ": the controls laid out in dialog units
// from the window's control table, each forwarding what the user does to
// the window's logic, which shows its state through this view.
class MainDialog final : public QWidget, public MainWindowView {
  public:
    explicit MainDialog(MainWindowSetup setup, QWidget* parent = nullptr);
    ~MainDialog() override;

    // Writes the settings and the history, then ends the program's event
    // loop: the end of a run by a signal, with no questions asked.
    void shutDownAndQuit();
    void showAbout();

    const MainWindow& logic() const { return *window_; }
    TableWindowDialog& tableWindow() const { return *tableWindow_; }
    const DialogUnits& units() const { return units_; }

    // MainWindowView
    std::string text(ControlId id) const override;
    void setText(ControlId id, std::string_view text) override;
    void setEnabled(ControlId id, bool enabled) override;
    void setVisible(ControlId id, bool visible) override;
    void setChecked(ControlId id) override;
    void setSelection(ControlId list, std::int32_t index) override;
    void appendLine(ControlId list, std::string_view line) override;
    void focus(ControlId id) override;
    EditSelection editSelection(ControlId id) const override;
    void setEditSelection(ControlId id, EditSelection selection) override;
    void setLines(ControlId id, const std::vector<std::string>& lines) override;
    ScreenSize graphAreaSize() const override;
    void showBitmap() override;
    ScreenPoint windowPosition() const override;
    void moveWindow(ScreenPoint position) override;
    bool askYesNo(std::string_view question) override;
    void setBusy(bool busy) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* createControl(const ControlRow& row);
    void connectControl(const ControlRow& row, QWidget* widget);
    void connectButton(ControlId id, QWidget* widget);
    void addShortcuts();
    QWidget* widget(ControlId id) const;
    ControlId idOf(const QObject* control) const;
    void setWindowHeight(bool withHelpLine);
    void watchFunctionFolders();
    bool backspaceAsDelete(QObject* watched, QEvent* event);
    bool rightButtonEdits(QObject* watched, QEvent* event);
    void connectGraphTools();
    void placeTableWindow();
    void openWindowDialog();
    void openSettingsSheet();
    void shutDownWindow();

    DialogUnits units_;
    std::map<ControlId, QWidget*> widgets_;
    GraphArea* graphArea_ = nullptr;
    QButtonGroup tools_;
    QButtonGroup angles_;
    QFileSystemWatcher functionFolders_;
    ThreadedDrawRunner runner_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<TableWindowDialog> tableWindow_;
    QtFunctionEditor functionEditor_{this};
    bool tableShownBeforeMinimise_ = false;
};

}  // namespace zentrel
