#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/table/table_file.h"
#include "app/table/table_model.h"
#include "tests/common/temp_folder.h"

namespace zentrel {
namespace {

std::optional<double> readCell(std::string_view text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string writeNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

std::vector<std::string> firstCells(const TableModel& table) {
    std::vector<std::string> cells;
    for (const TableRow& row : table.rows())
        cells.push_back(row[0]);
    return cells;
}

TEST(TableModelTest, RowsStaySortedAndARepeatedArgumentSelectsItsRow) {
    TableModel table(readCell);
    EXPECT_EQ(table.addPoint({"2", "4", ""}), 0u);
    EXPECT_EQ(table.addPoint({"1", "1", ""}), 0u);
    EXPECT_EQ(table.addPoint({"3", "9", ""}), 2u);
    EXPECT_EQ(firstCells(table), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(table.addPoint({"2.0", "4", ""}), 1u);  // equal value, other text
    EXPECT_EQ(table.rows().size(), 3u);
    EXPECT_EQ(table.selected(), 1u);
    EXPECT_EQ(table.addPoint({"-10", "", ""}), 0u);
    EXPECT_EQ(table.selected(), 0u);
}

TEST(TableModelTest, CellsAreCutTo24Characters) {
    TableModel table(readCell);
    table.addPoint({"1", std::string(30, '7'), "abc"});
    EXPECT_EQ(table.rows()[0][1], std::string(24, '7'));
    EXPECT_EQ(table.rows()[0][2], "abc");
}

TEST(TableModelTest, DeletingSelectsTheRowAtThePlaceOrTheNewLast) {
    TableModel table(readCell);
    for (const char* x : {"1", "2", "3"})
        table.addPoint({x, "", ""});
    table.select(1);
    table.deleteSelected();
    EXPECT_EQ(firstCells(table), (std::vector<std::string>{"1", "3"}));
    EXPECT_EQ(table.selected(), 1u);
    table.deleteSelected();  // the last row: the new last one is selected
    EXPECT_EQ(firstCells(table), (std::vector<std::string>{"1"}));
    EXPECT_EQ(table.selected(), 0u);
    table.deleteSelected();
    EXPECT_TRUE(table.empty());
    EXPECT_FALSE(table.selected());
    table.deleteSelected();  // nothing left: nothing happens
}

TEST(TableModelTest, ColumnsFollowTheCoordinateMode) {
    EXPECT_EQ(TableModel::columns(CoordinateMode::Rectangular),
              (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(TableModel::columns(CoordinateMode::Parametric),
              (std::vector<std::string>{"t", "x", "y"}));
    EXPECT_EQ(TableModel::columns(CoordinateMode::Polar), (std::vector<std::string>{"t", "r"}));
}

TEST(TableFileTest, TextHasTheHeaderOfEachModeAndCrLfLines) {
    TableModel table(readCell);
    table.addPoint({"2", "4", "8"});
    table.addPoint({"1", "1", "1"});
    EXPECT_EQ(
        tableFileText({CoordinateMode::Rectangular, "sqr x", ""}, table, readCell, writeNumber),
        "y=sqr x\r\nx\ty\r\n1\t1\r\n2\t4\r\n");
    EXPECT_EQ(
        tableFileText({CoordinateMode::Parametric, "cos t", "sin t"}, table, readCell, writeNumber),
        "x=cos t\r\ny=sin t\r\nt\tx\ty\r\n1\t1\t1\r\n2\t4\t8\r\n");
    EXPECT_EQ(tableFileText({CoordinateMode::Polar, "t", ""}, table, readCell, writeNumber),
              "r=t\r\nt\tr\r\n1\t1\r\n2\t4\r\n");
}

TEST(TableFileTest, NumbersAreWrittenAgainInTheCurrentForm) {
    TableModel table(readCell);
    table.addPoint({"0.50", "1e3", ""});
    table.addPoint({"7", "oops", ""});
    EXPECT_EQ(tableFileText({CoordinateMode::Rectangular, "f", ""}, table, readCell, writeNumber),
              "y=f\r\nx\ty\r\n0.5\t1000\r\n7\toops\r\n");
}

TEST(TableFileTest, SavingReplacesTheFileAndAFailureKeepsTheOldOne) {
    test::TempFolder folder;
    const std::string path = folder.file("Untitled.txt");
    ASSERT_FALSE(saveTableFile(path, "old\r\n"));
    ASSERT_FALSE(saveTableFile(path, "y=x\r\nx\ty\r\n"));
    EXPECT_EQ(test::readFile(path), "y=x\r\nx\ty\r\n");
    // A folder in the way of the target: the save fails and says so.
    const std::string blocked = folder.file("blocked.txt");
    std::filesystem::create_directories(blocked + "/inside");
    EXPECT_TRUE(saveTableFile(blocked, "new"));
    EXPECT_EQ(folder.entries(),
              (std::vector<std::string>{"Untitled.txt", "blocked.txt", "blocked.txt/inside"}));
}

}  // namespace
}  // namespace zentrel
