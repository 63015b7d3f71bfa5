#include "app/install/program_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/common/temp_folder.h"

namespace zentrel {
namespace {

TEST(ProgramPaths, AnInstalledProgramFindsItsDataRelativeToItsOwnFolder) {
    test::TempFolder tree;  // no marker anywhere in it
    struct Case {
        std::string bin, relative, data;
    };
    const Case cases[] = {
        {"/usr/bin", "../share/zentrel", "/usr/share/zentrel"},
        {"/usr/local/bin", "../share/zentrel", "/usr/local/share/zentrel"},
        {tree.file("moved/bin"), "../share/zentrel", tree.file("moved/share/zentrel")},
        {"/opt/z/libexec/bin", "../../share/zentrel/", "/opt/z/share/zentrel"},
        {"/", "../share/zentrel", "/share/zentrel"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bin + " + " + c.relative);
        EXPECT_EQ(programDataFolder(c.bin, c.relative), c.data);
    }
}

TEST(ProgramPaths, AProgramInTheBuildTreeReadsTheSourcesItsMarkerNames) {
    test::TempFolder build;
    test::writeFile(build.file(std::string(kBuildTreeMarker)), "/src/zentrel/share\n");
    EXPECT_EQ(programDataFolder(build.path(), "../share/zentrel"), "/src/zentrel/share");

    // An empty marker names nothing: the installed layout holds.
    test::writeFile(build.file(std::string(kBuildTreeMarker)), "\n");
    const std::string installed =
        (std::filesystem::path(build.path()).parent_path() / "share/zentrel").string();
    EXPECT_EQ(programDataFolder(build.path(), "../share/zentrel"), installed);
}

TEST(ProgramPaths, AnUnknownExecutableFolderGivesNoDataFolder) {
    EXPECT_EQ(programDataFolder("", "../share/zentrel"), "");
}

TEST(ProgramPaths, TheExecutableFolderHoldsTheRunningProgram) {
    const std::string folder = executableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(folder) / "app_tests"));
}

}  // namespace
}  // namespace zentrel
