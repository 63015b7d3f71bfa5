#include "app/main/new_function_dialog.h"

#include <gtest/gtest.h>

#include "tests/app/fake_function_editor.h"

namespace zentrel {
namespace {

using P = NewFunctionProblem;
using test::RecordingNewFunctionView;

struct NameCase {
    const char* name;
    P problem;
};

class NameProblemTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(NameProblemTest, OnlyCallableNamesThatStayInTheirFolderPass) {
    EXPECT_EQ(nameProblem(GetParam().name, 16), GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameProblemTest,
    ::testing::Values(NameCase{"gamma", P::None}, NameCase{"a.b", P::None},
                      NameCase{"関数", P::None}, NameCase{"abcdefghijklmnop", P::None},
                      NameCase{"", P::NoName}, NameCase{"abcdefghijklmnopq", P::TooLong},
                      // Six characters of three bytes each: the limit counts bytes.
                      NameCase{"関数関数関数", P::TooLong}, NameCase{"../up", P::BadCharacter},
                      NameCase{"a\\b", P::BadCharacter}, NameCase{"two words", P::BadCharacter},
                      NameCase{"sq()", P::BadCharacter}, NameCase{"a;b", P::BadCharacter},
                      NameCase{"a\nb", P::BadCharacter}));

class NewFunctionDialogTest : public ::testing::Test {
  protected:
    NewFunctionDialog& open(std::string lastFolder, std::vector<std::string> folders = {
                                                        "/home/u/fn", "/opt/lib fn", "/srv/fn"}) {
        NewFunctionSetup setup;
        setup.name = "sq";
        setup.folders = std::move(folders);
        setup.lastFolder = std::move(lastFolder);
        setup.nameLength = 14;
        setup.exists = [this](std::string_view name) {
            asked.emplace_back(name);
            return name == "twice";
        };
        dialog = std::make_unique<NewFunctionDialog>(view, setup);
        dialog->open();
        return *dialog;
    }

    std::optional<NewFunction> pressOk(std::string typed) {
        view.texts[NewFunctionId::NameEdit] = std::move(typed);
        return dialog->accept();
    }

    RecordingNewFunctionView view;
    std::unique_ptr<NewFunctionDialog> dialog;
    std::vector<std::string> asked;
};

TEST_F(NewFunctionDialogTest, OpensWithTheNameAndTheLastFolderChosen) {
    const std::pair<const char*, std::optional<std::size_t>> cases[] = {
        {"/opt/lib fn", 1},
        {"/srv/fn/", 2},  // however its trailing separator was written
        {"/elsewhere", 0},
        {"", 0},
    };
    for (const auto& [last, selected] : cases) {
        SCOPED_TRACE(last);
        open(last);
        EXPECT_EQ(view.texts[NewFunctionId::NameEdit], "sq");
        EXPECT_EQ(view.lines, (std::vector<std::string>{"/home/u/fn", "/opt/lib fn", "/srv/fn"}));
        EXPECT_EQ(view.selected, selected);
    }
}

TEST_F(NewFunctionDialogTest, OkGivesTheTrimmedNameAndTheChosenFolder) {
    open("/srv/fn");
    view.selected = 1;
    const std::optional<NewFunction> created = pressOk("  cube\t");
    ASSERT_TRUE(created);
    EXPECT_EQ(created->name, "cube");
    EXPECT_EQ(created->folder, "/opt/lib fn");
    EXPECT_EQ(asked, std::vector<std::string>{"cube"});
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(NewFunctionDialogTest, RefusalsExplainThemselvesAndKeepTheDialogOpen) {
    open("/srv/fn");
    const std::pair<const char*, P> refused[] = {
        {"twice", P::Exists},
        {"  ", P::NoName},
        {"a/b", P::BadCharacter},
        {"abcdefghijklmno", P::TooLong},  // 15 bytes: the slot keeps "()" too
    };
    for (const auto& [typed, problem] : refused) {
        SCOPED_TRACE(typed);
        view.messages.clear();
        EXPECT_FALSE(pressOk(typed));
        EXPECT_EQ(view.messages,
                  std::vector<std::string>{std::string(newFunctionMessage(problem))});
    }
    // A name that cannot be made is not looked for.
    EXPECT_EQ(asked, std::vector<std::string>{"twice"});
    EXPECT_TRUE(pressOk("abcdefghijklmn"));
}

TEST_F(NewFunctionDialogTest, WithoutFoldersOkIsRefused) {
    open("/srv/fn", {});
    EXPECT_TRUE(view.lines.empty());
    EXPECT_FALSE(view.selected);
    EXPECT_FALSE(pressOk("cube"));
    EXPECT_EQ(view.messages,
              std::vector<std::string>{std::string(newFunctionMessage(P::NoFolder))});
}

}  // namespace
}  // namespace zentrel
