#include "app/main/function_editing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/main/function_files.h"
#include "app/main/main_window.h"
#include "app/main/window_host.h"
#include "tests/app/fake_function_editor.h"
#include "tests/app/recording_view.h"
#include "tests/common/temp_folder.h"

namespace zentrel {
namespace {

using C = ControlId;
using test::FakeFunctionEditor;
using test::readFile;
using test::RecordingView;
using test::TempFolder;
using test::writeFile;

constexpr C kButton1 = C::FunctionButton1;
constexpr C kButton2 = C::FunctionButton2;

ExternalNames names(std::initializer_list<std::string> first) {
    ExternalNames all;
    std::copy(first.begin(), first.end(), all.begin());
    return all;
}

TEST(EditRequest, ExternalButtonsEditTheirFunctionAndTheCallKeysTheChosenOne) {
    const ExternalNames slots = names({"twice", "sq()", "", "()"});
    const auto request = [&](C control, std::int32_t page, std::string_view chosen = "") {
        return editRequest(control, page, slots, chosen);
    };
    const auto twice = request(kButton1, kExternalPage);
    ASSERT_TRUE(twice);
    EXPECT_EQ(twice->name, "twice");
    EXPECT_EQ(twice->slot, 0u);
    EXPECT_FALSE(twice->wrapsSelection);
    const auto sq = request(kButton2, kExternalPage);
    ASSERT_TRUE(sq);
    EXPECT_EQ(sq->name, "sq");
    EXPECT_EQ(sq->slot, 1u);
    EXPECT_TRUE(sq->wrapsSelection);
    for (C control : {C::KeyCall, C::KeyCallWrap, C::FunctionList}) {
        SCOPED_TRACE(static_cast<int>(control));
        const auto chosen = request(control, 0, "gamma");
        ASSERT_TRUE(chosen);
        EXPECT_EQ(chosen->name, "gamma");
        EXPECT_FALSE(chosen->slot);
        EXPECT_FALSE(chosen->wrapsSelection);
        EXPECT_FALSE(request(control, kExternalPage, ""));
    }
    // Built-in pages, empty slots, a lone "()" and other controls edit nothing.
    EXPECT_FALSE(request(kButton1, 0, "gamma"));
    EXPECT_FALSE(request(static_cast<C>(1097), kExternalPage));
    EXPECT_FALSE(request(static_cast<C>(1098), kExternalPage));
    EXPECT_FALSE(request(C::DrawButton, kExternalPage, "gamma"));
    EXPECT_FALSE(editsFunctions(C::DrawButton));
    EXPECT_TRUE(editsFunctions(C::FunctionButton14));
}

TEST(EditorCommand, TheFileIsTheOneArgumentWhateverItsName) {
    const TempFolder folder;
    const std::string odd = folder.file("my \"fn\" 'x' $(rm).vdl");
    EXPECT_EQ(editorCommand("/opt/my editor/ed", odd).program, "/opt/my editor/ed");
    EXPECT_EQ(editorCommand("/opt/my editor/ed", odd).arguments, std::vector<std::string>{odd});
    // No editor named: the desktop's.
    EXPECT_EQ(editorCommand("", odd).program, "xdg-open");
    // A relative name would be read as an option when it starts with '-'.
    const std::vector<std::string> relative = editorCommand("ed", "-f.vdl").arguments;
    ASSERT_EQ(relative.size(), 1u);
    EXPECT_EQ(relative[0], (std::filesystem::current_path() / "-f.vdl").string());
}

class FunctionFilesTest : public ::testing::Test {
  protected:
    FunctionFilesTest() {
        for (const char* sub : {"first", "second"})
            std::filesystem::create_directory(folder.file(sub));
        host.setFunctionPath(first() + ";" + second());
    }
    std::string first() const { return folder.file("first"); }
    std::string second() const { return folder.file("second"); }

    TempFolder folder;
    WindowHost host;
};

TEST_F(FunctionFilesTest, TheSearchFindsTheFileTheInterpreterReads) {
    writeFile(second() + "/both.vdl", "2\n");
    writeFile(first() + "/BOTH.VDL", "1\n");
    writeFile(first() + "/Mixed.Vdl", "3\n");
    writeFile(first() + "/mixed.vdl", "4\n");
    writeFile(first() + "/mixed.VDL", "5\n");
    std::filesystem::create_directory(first() + "/folder.vdl");
    writeFile(second() + "/folder.vdl", "6\n");
    const std::pair<const char*, std::string> cases[] = {
        {"both", first() + "/BOTH.VDL"},    // the first folder wins over the exact name
        {"mixed", first() + "/mixed.vdl"},  // the exact name first...
        {"MIXED", first() + "/Mixed.Vdl"},  // ...then the variants in byte order
        {"folder", second() + "/folder.vdl"},
    };
    for (const auto& [name, path] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(findFunctionFile(host, name), path);
        // The interpreter agrees: it runs the file named.
        Value value;
        ASSERT_EQ(host.interpreter().evaluate("!" + std::string(name), value), kSuccess);
        EXPECT_EQ(readFile(path), host.interpreter().formatValue(value) + "\n");
    }
    EXPECT_FALSE(findFunctionFile(host, "none"));
}

TEST_F(FunctionFilesTest, CreatingMakesAnEmptyFileAndNeverTruncates) {
    const std::string fresh = newFunctionFile(first() + "/", "cube", ".vdl");
    EXPECT_EQ(fresh, first() + "/cube.vdl");
    EXPECT_FALSE(createFunctionFile(fresh));
    EXPECT_TRUE(std::filesystem::is_regular_file(fresh));
    EXPECT_EQ(readFile(fresh), "");
    writeFile(fresh, "@0*@0*@0\n");
    EXPECT_FALSE(createFunctionFile(fresh));
    EXPECT_EQ(readFile(fresh), "@0*@0*@0\n");

    std::filesystem::create_directory(first() + "/dir.vdl");
    EXPECT_TRUE(createFunctionFile(first() + "/dir.vdl"));
    EXPECT_TRUE(createFunctionFile(folder.file("missing/cube.vdl")));
    EXPECT_FALSE(std::filesystem::exists(folder.file("missing")));
}

// A draw that never ends, so that the test can act while it runs.
class EndlessDrawRunner final : public DrawRunner {
  public:
    bool start(Task, Task) override { return running_ = true; }
    bool running() const override { return running_; }
    void present(const Task& show) override { show(); }
    void finishNow() override { running_ = false; }

  private:
    bool running_ = false;
};

class MainWindowEditingTest : public ::testing::Test {
  protected:
    MainWindowEditingTest() {
        for (const char* sub : {"mine", "lib fn"})
            std::filesystem::create_directory(folder.file(sub));
    }
    std::string mine() const { return folder.file("mine"); }
    std::string library() const { return folder.file("lib fn"); }
    std::string settingsFile() const { return folder.file("MORVIK.INI"); }

    void start(std::string_view settings, DrawRunner& drawRunner) {
        writeFile(settingsFile(),
                  "[EXTFUNC]\nPath=" + mine() + ";" + library() + "\n" + std::string(settings));
        MainWindowSetup setup;
        setup.settingsFile = settingsFile();
        setup.historyFile = folder.file("Zentrel.log");
        window = std::make_unique<MainWindow>(view, drawRunner, setup);
        window->start();
    }
    void start(std::string_view settings) { start(settings, runner); }

    // Evaluates as the table window does; nothing when the evaluation fails.
    std::optional<double> value(std::string_view text) { return window->readNumber(text); }

    // The editor adds a line to the file it gets.
    void editorAppends(std::string line) {
        editor.edit = [line](const std::string& file) {
            std::ofstream(file, std::ios::app) << line;
        };
    }

    TempFolder folder;
    RecordingView view;
    ImmediateDrawRunner runner;
    std::unique_ptr<MainWindow> window;
    FakeFunctionEditor editor;
};

TEST_F(MainWindowEditingTest, AnExternalButtonOpensItsFileAndTheNextCallReadsTheEdit) {
    writeFile(library() + "/twice.vdl", "@0*2\n");
    start("Editor=/opt/my editor/ed\n[GRAPH WINDOW]\nFuncMode=3\nExtFunc01=twice\n");
    EXPECT_EQ(value("!twice 4"), 8.0);
    editorAppends("@0*3\n");
    const int busyBefore = view.busyChanges;
    window->editFunction(kButton1, editor);
    EXPECT_EQ(editor.dialogs, 0);
    ASSERT_EQ(editor.commands.size(), 1u);
    EXPECT_EQ(editor.commands[0].program, "/opt/my editor/ed");
    EXPECT_EQ(editor.commands[0].arguments, std::vector<std::string>{library() + "/twice.vdl"});
    EXPECT_EQ(view.busyChanges, busyBefore + 2);
    EXPECT_FALSE(view.busy);
    EXPECT_EQ(value("!twice 4"), 12.0);
    EXPECT_TRUE(editor.messages.empty());
}

// The list names functions in lower case; a call by the file's own spelling
// is kept apart in the cache and must read the edit too.
TEST_F(MainWindowEditingTest, TheChosenFunctionOfTheListIsEditedHoweverItWasCalled) {
    writeFile(mine() + "/Gamma.vdl", "# gamma\n1\n");
    start("");
    ASSERT_EQ(view.lists[C::FunctionList], std::vector<std::string>{"gamma - gamma"});
    view.texts[C::FunctionList] = "gamma - gamma";
    EXPECT_EQ(value("!Gamma"), 1.0);
    EXPECT_EQ(value("!gamma"), 1.0);
    editorAppends("2\n");
    window->editFunction(C::KeyCall, editor);
    ASSERT_EQ(editor.commands.size(), 1u);
    EXPECT_EQ(editor.commands[0].arguments, std::vector<std::string>{mine() + "/Gamma.vdl"});
    EXPECT_EQ(value("!Gamma"), 2.0);
    EXPECT_EQ(value("!gamma"), 2.0);
}

TEST_F(MainWindowEditingTest, AMissingFunctionIsMadeInTheChosenFolderAndBoundToItsButton) {
    writeFile(mine() + "/twice.vdl", "@0*2\n");
    start("Folder=" + library() + "/\n[GRAPH WINDOW]\nFuncMode=3\nExtFunc02=sq()\n");
    editor.typedNames = {"twice", "square"};
    editorAppends("@0*@0\n");
    window->editFunction(kButton2, editor);
    EXPECT_EQ(editor.shownName, "sq");
    EXPECT_EQ(editor.dialog.lines, (std::vector<std::string>{mine(), library()}));
    EXPECT_EQ(editor.shownFolder, 1u);
    EXPECT_EQ(editor.dialog.messages,
              std::vector<std::string>{"同名の外部関数が既に存在します！！"});

    const std::string file = library() + "/square.vdl";
    EXPECT_EQ(readFile(file), "@0*@0\n");
    ASSERT_EQ(editor.commands.size(), 1u);
    EXPECT_EQ(editor.commands[0].program, "xdg-open");
    EXPECT_EQ(editor.commands[0].arguments, std::vector<std::string>{file});
    EXPECT_EQ(window->settings().extFunc[1], "square()");
    EXPECT_EQ(view.texts[kButton2], "squa()");
    EXPECT_EQ(window->settings().folder, library());
    EXPECT_NE(readFile(settingsFile()).find("Folder=" + library() + "\n"), std::string::npos);
    EXPECT_EQ(view.lists[C::FunctionList], (std::vector<std::string>{"square", "twice"}));
    EXPECT_EQ(value("!square 5"), 25.0);
}

TEST_F(MainWindowEditingTest, CancelOrAFailedCreationLeavesEverythingAsItWas) {
    start("Folder=" + mine() + "\n[GRAPH WINDOW]\nFuncMode=3\nExtFunc01=cube\n");
    window->editFunction(kButton1, editor);  // no names typed: Cancel
    EXPECT_EQ(editor.dialogs, 1);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"MORVIK.INI", "lib fn", "mine"}));

    std::filesystem::remove_all(library());
    editor.typedNames = {"cube"};
    editor.chosenFolder = 1;
    window->editFunction(kButton1, editor);
    EXPECT_EQ(editor.messages, std::vector<std::string>{"外部関数ファイル" + library() +
                                                        "/cube.vdlを作成できません"});
    EXPECT_TRUE(editor.commands.empty());
    EXPECT_EQ(window->settings().extFunc[0], "cube");
}

TEST_F(MainWindowEditingTest, NothingIsEditedWithoutAFunctionOrWhileADrawRuns) {
    writeFile(mine() + "/one.vdl", "1\n");
    EndlessDrawRunner endless;
    start("[GRAPH WINDOW]\nFuncMode=3\nExtFunc01=one\n", endless);
    window->editFunction(kButton2, editor);    // an empty slot
    window->editFunction(C::KeyCall, editor);  // nothing chosen in the list
    view.texts[C::FirstExpression] = "x";
    window->draw();
    ASSERT_TRUE(window->drawing());
    window->editFunction(kButton1, editor);
    EXPECT_EQ(editor.dialogs, 0);
    EXPECT_TRUE(editor.commands.empty());
}

}  // namespace
}  // namespace zentrel
