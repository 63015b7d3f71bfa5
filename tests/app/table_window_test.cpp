#include "app/table/table_window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/main/main_window.h"
#include "tests/app/recording_view.h"
#include "tests/common/temp_folder.h"

namespace zentrel {
namespace {

using C = ControlId;
using test::readFile;
using test::RecordingView;
using test::TempFolder;

class RecordingTableView : public TableWindowView {
  public:
    void setColumns(const std::vector<std::string>& titles) override { columns = titles; }
    void showRows(const std::vector<TableRow>& shown, std::optional<std::size_t> mark) override {
        rows = shown;
        selected = mark;
    }
    std::optional<std::string> chooseSaveFile(std::string_view name,
                                              std::string_view filter) override {
        chooserNames.push_back(std::string(name) + " " + std::string(filter));
        return savePath;
    }
    bool askYesNo(std::string_view question) override {
        questions.emplace_back(question);
        return answer;
    }
    void showError(std::string_view text) override { errors.emplace_back(text); }

    std::vector<std::string> columns;
    std::vector<TableRow> rows;
    std::optional<std::size_t> selected;
    std::vector<std::string> chooserNames;
    std::optional<std::string> savePath;
    std::vector<std::string> questions;
    std::vector<std::string> errors;
    bool answer = false;
};

// The main window with its table window, as the program puts them together.
class TableWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        MainWindowSetup setup;
        setup.settingsFile = folder.file("MORVIK.INI");
        setup.desktop = {1920, 1080};
        setup.historyFile = folder.file("Zentrel.log");
        setup.functionPath = folder.path();
        window = std::make_unique<MainWindow>(view, runner, setup);
        table = std::make_unique<TableWindow>(tableView, *window);
        window->start();
        window->attachTable(table.get());
    }
    void TearDown() override { window->attachTable(nullptr); }

    void drawExpression(std::string_view text) {
        view.texts[C::FirstExpression] = text;
        window->draw();
    }
    void registerText(std::string_view text) {
        view.texts[C::ArgumentEdit] = text;
        window->fieldFocused(C::ArgumentEdit);
        window->pressEquals();
    }
    std::vector<std::string> firstCells() const {
        std::vector<std::string> cells;
        for (const TableRow& row : tableView.rows)
            cells.push_back(row[0]);
        return cells;
    }

    TempFolder folder;
    RecordingView view;
    ImmediateDrawRunner runner;
    RecordingTableView tableView;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TableWindow> table;
};

TEST_F(TableWindowTest, RegisteringFillsTheReadoutsAndKeepsRowsInOrder) {
    drawExpression("sqr x");
    EXPECT_EQ(tableView.columns, (std::vector<std::string>{"x", "y"}));
    for (const char* x : {"2", "1", "3"})
        registerText(x);
    EXPECT_EQ(view.texts[C::FirstValueEdit], "9");
    EXPECT_EQ(firstCells(), (std::vector<std::string>{"1", "2", "3"}));
    registerText("1+1");
    EXPECT_EQ(view.texts[C::ArgumentEdit], "2");
    EXPECT_EQ(tableView.rows.size(), 3u);
    EXPECT_EQ(tableView.selected, 1u);
    EXPECT_EQ(view.focused, C::ArgumentEdit);
}

// The keypad writes a negative number as "\-2", which the language reads as
// one number; a blank in place of the "\" would subtract 2 from the last answer.
TEST_F(TableWindowTest, TheKeypadsNegativeNumberIsRegisteredAsTyped) {
    drawExpression("x*x*x");
    registerText("\\-2");
    EXPECT_EQ(view.texts[C::ArgumentEdit], "-2");
    EXPECT_EQ(view.texts[C::FirstValueEdit], "-8");
    ASSERT_EQ(tableView.rows.size(), 1u);
    EXPECT_EQ(tableView.rows[0][1], "-8");
}

// The readouts and cells hold numbers as the engine writes them ("-0.05",
// "1e-05"); read back they are those numbers, whatever the last answer was.
TEST_F(TableWindowTest, WrittenNumbersReadBackAsThemselves) {
    drawExpression("sin x");  // the last answer is now a sample's value
    for (double value : {-0.05, -2.0, 1e-05, -1.5e+20, 0.0, 123.456}) {
        const std::string text = window->writeNumber(value);
        SCOPED_TRACE(text);
        const std::optional<double> read = window->readNumber(text);
        ASSERT_TRUE(read.has_value());
        EXPECT_NEAR(*read, value, 1e-5 * std::fabs(value));
    }
    EXPECT_FALSE(window->readNumber(" ").has_value());
}

// A point traced left of the axis is registered at the argument it shows,
// and saved with its sign.
TEST_F(TableWindowTest, ANegativeTracedPointIsRegisteredAndSavedAsShown) {
    drawExpression("x*x*x");
    registerText("2");
    const std::int32_t column = window->canvas().pixelX(-1.0).value();
    window->graphPressed({column, 0});
    window->graphReleased();
    EXPECT_EQ(view.texts[C::ArgumentEdit], "-1.05");
    window->registerPoint();
    EXPECT_EQ(view.texts[C::ArgumentEdit], "-1.05");
    EXPECT_EQ(firstCells(), (std::vector<std::string>{"-1.05", "2"}));
    registerText("\\-2");
    EXPECT_EQ(firstCells(), (std::vector<std::string>{"-2", "-1.05", "2"}));
    tableView.savePath = folder.file("signs.txt");
    table->save();
    EXPECT_EQ(readFile(folder.file("signs.txt")),
              "y=x*x*x\r\nx\ty\r\n-2\t-8\r\n-1.05\t-1.15763\r\n2\t8\r\n");
}

// A traced or registered argument is selected, so that the number typed next
// replaces it instead of joining it.
TEST_F(TableWindowTest, TheShownArgumentIsSelectedForTheNextNumber) {
    drawExpression("x");
    window->fieldFocused(C::ArgumentEdit);
    const std::pair<const char*, std::function<void()>> shows[] = {
        {"mouse",
         [this] {
             window->graphPressed({100, 50});
             window->graphReleased();
         }},
        {"keys", [this] { window->graphKeyStep(1); }},
        {"register", [this] { registerText("\\-2"); }},
    };
    for (const auto& [how, show] : shows) {
        SCOPED_TRACE(how);
        view.editSelections.clear();
        show();
        const std::string shown = view.text(C::ArgumentEdit);
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(view.editSelection(C::ArgumentEdit).start, 0u);
        EXPECT_EQ(view.editSelection(C::ArgumentEdit).end, shown.size());
        window->pressKey(C::Key7);
        EXPECT_EQ(view.text(C::ArgumentEdit), "7");
    }
}

// Enter on the graph area registers the point the keys traced, and nothing
// when no such point is shown: before any key, after a mouse trace (whose
// crosshair went with the button) and after the point was registered.
TEST_F(TableWindowTest, EnterRegistersThePointTheKeysTraced) {
    drawExpression("x*2");
    window->graphEnter();
    EXPECT_TRUE(tableView.rows.empty());
    window->graphKeyStep(1);
    window->graphKeyStep(1);
    const std::string argument = view.text(C::ArgumentEdit);
    const std::string value = view.text(C::FirstValueEdit);
    window->graphEnter();
    ASSERT_EQ(tableView.rows.size(), 1u);
    EXPECT_EQ(tableView.rows[0][0], argument);
    EXPECT_EQ(tableView.rows[0][1], value);
    EXPECT_EQ(view.focused, C::ArgumentEdit) << "as the register button leaves it";

    view.texts[C::ArgumentEdit] = "3";
    window->graphEnter();
    window->graphPressed({10, 10});
    window->graphReleased();
    window->graphEnter();
    EXPECT_EQ(tableView.rows.size(), 1u);

    window->graphKeyStep(-1);  // on from the column the mouse traced
    window->graphEnter();
    EXPECT_EQ(firstCells(), (std::vector<std::string>{"-17.15", "0.05"}));
}

TEST_F(TableWindowTest, AFailedEvaluationRegistersNothingAndShowsTheMessage) {
    drawExpression("x");
    registerText("1+");
    EXPECT_TRUE(tableView.rows.empty());
    EXPECT_FALSE(view.texts[C::MessageLine].empty());
    EXPECT_EQ(view.texts[C::FirstValueEdit], "");
}

TEST_F(TableWindowTest, SavingWritesTheTableByteForByte) {
    drawExpression("sqr x");
    registerText("2");
    registerText("1");
    tableView.savePath = folder.file("Untitled.txt");
    table->save();
    EXPECT_EQ(tableView.chooserNames,
              (std::vector<std::string>{"Untitled.txt テキスト (*.txt)|*.txt||"}));
    EXPECT_EQ(readFile(folder.file("Untitled.txt")), "y=sqr x\r\nx\ty\r\n1\t1\r\n2\t4\r\n");
    tableView.savePath = folder.path();  // a folder: the save fails and says so
    table->save();
    EXPECT_EQ(tableView.errors.size(), 1u);
}

TEST_F(TableWindowTest, AnExpressionChangeAsksOnlyWithRowsAndThenClears) {
    drawExpression("x");
    drawExpression("x+1");
    EXPECT_TRUE(tableView.questions.empty());
    registerText("1");
    view.texts[C::FirstValueEdit] = "2";
    drawExpression("x+1");  // unchanged: the table stays
    EXPECT_EQ(tableView.rows.size(), 1u);
    drawExpression("x+2");
    EXPECT_EQ(tableView.questions,
              (std::vector<std::string>{
                  "計算式が変更されたため、数表はクリアされます。ファイル保存しますか?"}));
    EXPECT_TRUE(tableView.rows.empty());
    EXPECT_EQ(view.texts[C::ArgumentEdit], "");
    EXPECT_EQ(view.texts[C::FirstValueEdit], "");
}

TEST_F(TableWindowTest, AModeChangeAsksAndSetsTheColumns) {
    drawExpression("x");
    registerText("1");
    tableView.answer = true;
    tableView.savePath = folder.file("kept.txt");
    window->selectCoordinateSystem(4);  // parametric
    EXPECT_EQ(tableView.questions.size(), 1u);
    EXPECT_EQ(readFile(folder.file("kept.txt")), "y=x\r\nx\ty\r\n1\t1\r\n");
    EXPECT_EQ(tableView.columns, (std::vector<std::string>{"t", "x", "y"}));
    EXPECT_TRUE(tableView.rows.empty());
}

TEST_F(TableWindowTest, ShowingARowPutsItsPointBackAndDeletingMovesTheMark) {
    drawExpression("x*2");
    for (const char* x : {"1", "2", "3"})
        registerText(x);
    table->select(0);
    table->showSelected();
    EXPECT_EQ(view.texts[C::ArgumentEdit], "1");
    EXPECT_EQ(view.texts[C::FirstValueEdit], "2");
    table->select(2);
    table->deleteSelected();
    EXPECT_EQ(tableView.selected, 1u);
    window->askSaveTableBeforeClosing();
    EXPECT_EQ(tableView.questions, (std::vector<std::string>{"数表をファイル保存しますか?"}));
}

TEST_F(TableWindowTest, TracingShowsTheReadoutsWhileHeld) {
    drawExpression("x");
    const std::int32_t cx = window->canvas().pixelX(2.0).value();
    const std::int32_t cy = window->canvas().height() / 2;
    const double offsetX = window->settings().rectOffsetX;
    window->graphPressed({cx, cy});
    EXPECT_EQ(view.texts[C::ArgumentEdit], "1.95");  // the column's own x
    EXPECT_EQ(view.texts[C::FirstValueEdit], "1.95");
    window->graphPressed({-1, cy});  // outside: the drag goes on
    window->graphMoved({0, cy});
    EXPECT_EQ(view.texts[C::ArgumentEdit], "-18.05");
    window->graphReleased();
    window->selectTool(GraphTool::Hand);
    window->graphPressed({cx, cy});
    window->graphMoved({cx + 10, cy});
    window->graphReleased();
    EXPECT_EQ(window->settings().rectOffsetX, offsetX + 10);
    window->zoom(true);
    EXPECT_EQ(window->settings().rectRatioX, 20);
}

}  // namespace
}  // namespace zentrel
