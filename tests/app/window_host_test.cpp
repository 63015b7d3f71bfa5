#include "app/main/window_host.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/temp_folder.h"

namespace zentrel {
namespace {

// The answer of the external function f, as the window would show it.
std::string callF(WindowHost& host) {
    Value value;
    EXPECT_EQ(host.interpreter().evaluate("!f", value), 0u);
    return host.interpreter().formatValue(value);
}

TEST(WindowHost, MessagesAndWarningsGoToTheMessageLine) {
    WindowHost host;
    host.interpreter().run("1 / 0");
    EXPECT_EQ(host.takeReports().message, "警告:ゼロで除算しました");
    EXPECT_FALSE(host.takeReports().message) << "taken once";
    host.interpreter().run("2 +");
    StatusReports reports = host.takeReports();
    EXPECT_EQ(reports.message, "+の右辺がありません");
    EXPECT_FALSE(reports.functionChain) << "no function was active";
    host.interpreter().run(":warn [\"careful]");
    EXPECT_EQ(host.takeReports().message, "警告:careful");
    host.interpreter().run("3");
    EXPECT_FALSE(host.takeReports().message) << "an answer shows nothing";
}

TEST(WindowHost, FunctionsComeFromThePathWithTheirExtensionAndSeeTheHostSymbol) {
    test::TempFolder first;
    test::TempFolder second;
    test::writeFile(second.file("host.vdl"), "_WINDOWS + 1\n");
    test::writeFile(second.file("host.txt"), "5\n");
    WindowHost host;
    host.setFunctionPath(first.path() + "/;" + second.path());
    std::string folder;
    ASSERT_TRUE(host.functionFolder(0, folder));
    EXPECT_EQ(folder, first.path()) << "a trailing '/' is removed";
    ASSERT_TRUE(host.functionFolder(1, folder));
    EXPECT_EQ(folder, second.path());
    EXPECT_FALSE(host.functionFolder(2, folder));
    EXPECT_EQ(host.functionExtension(), ".vdl");
    Value value;
    ASSERT_EQ(host.interpreter().evaluate("!host", value), 0u);
    EXPECT_EQ(host.interpreter().formatValue(value), "2");
}

TEST(WindowHost, TheFunctionsActiveAtAnErrorFormAChain) {
    test::TempFolder folder;
    test::writeFile(folder.file("inner.vdl"), "1 +\n");
    test::writeFile(folder.file("middle.vdl"), "!inner\n");
    test::writeFile(folder.file("outer.vdl"), "!middle\n");
    WindowHost host;
    host.setFunctionPath(folder.path());
    host.interpreter().run("!outer");
    StatusReports reports = host.takeReports();
    EXPECT_EQ(reports.message, "外部関数outerの実行が中断されました");
    EXPECT_EQ(reports.functionChain, "inner\nmiddle\nouter");
    // The next error starts a chain of its own.
    host.interpreter().run("!inner");
    EXPECT_EQ(host.takeReports().functionChain, "inner");
}

TEST(WindowHost, TheChainIsCutToTheHelpLine) {
    const std::string longName(60, 'f');
    EXPECT_EQ(functionChainText({longName}), std::string(48, 'f'));
    const std::vector<std::string> many(10, std::string(20, 'g'));
    const std::string text = functionChainText(many);
    EXPECT_EQ(text.size(), 128u);
    EXPECT_EQ(text.substr(0, 21), std::string(20, 'g') + "\n");
}

TEST(WindowHost, RefreshesGoToTheHandler) {
    WindowHost host;
    int refreshes = 0;
    host.setRefreshHandler([&] { ++refreshes; });
    host.interpreter().run(":gupdate");
    EXPECT_EQ(refreshes, 1);
    host.interpreter().run(":gupdate 0; :gupdate 0");
    EXPECT_EQ(refreshes, 1);
}

TEST(WindowHost, AForgottenFunctionIsReadFromItsFileAgain) {
    test::TempFolder folder;
    test::writeFile(folder.file("f.vdl"), "1\n");
    WindowHost host;
    host.setFunctionPath(folder.path());
    EXPECT_EQ(callF(host), "1");
    test::writeFile(folder.file("f.vdl"), "2\n");
    EXPECT_EQ(callF(host), "1") << "kept compiled";
    host.interpreter().forgetFunction("f");
    EXPECT_EQ(callF(host), "2");
    host.interpreter().forgetFunction("never-called");
}

// Whether the cache may hold a function decides if the settings' clear
// button is enabled: listing and describing cache nothing, a call does.
TEST(WindowHost, TheCacheHoldsFunctionsFromACallUntilItIsCleared) {
    test::TempFolder folder;
    test::writeFile(folder.file("f.vdl"), "# one\n1\n");
    WindowHost host;
    host.setFunctionPath(folder.path());
    EXPECT_TRUE(host.functionCacheEmpty());
    EXPECT_EQ(host.listFunctions().size(), 1u);
    EXPECT_EQ(host.describeFunction("f"), std::vector<std::string>{"one"});
    EXPECT_TRUE(host.functionCacheEmpty());
    EXPECT_EQ(callF(host), "1");
    EXPECT_FALSE(host.functionCacheEmpty());
    test::writeFile(folder.file("f.vdl"), "2\n");
    host.clearFunctionCache();
    EXPECT_TRUE(host.functionCacheEmpty());
    EXPECT_EQ(callF(host), "2") << "read anew";
    test::writeFile(folder.file("f.vdl"), "3\n");
    EXPECT_EQ(callF(host), "2") << "the cache keeps its size after a clear";

    host.setFunctionCacheSize(0);
    EXPECT_TRUE(host.functionCacheEmpty());
    EXPECT_EQ(callF(host), "3");
    EXPECT_TRUE(host.functionCacheEmpty()) << "a cache of no size keeps nothing";
    host.setFunctionCacheSize(1);
    EXPECT_EQ(callF(host), "3");
    test::writeFile(folder.file("f.vdl"), "4\n");
    EXPECT_EQ(callF(host), "3");
    EXPECT_FALSE(host.functionCacheEmpty());
}

}  // namespace
}  // namespace zentrel
