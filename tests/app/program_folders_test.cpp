#include "app/main/program_folders.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/app/temp_folder.h"

namespace zentrel {
namespace {

TEST(ProgramFolders, TheInstalledLibraryComesBeforeTheSourceTree) {
    std::set<std::string> folders{"/opt/z/share/zentrel/extfunc", "/src/share/extfunc"};
    const auto isFolder = [&](const std::string& path) { return folders.contains(path); };
    EXPECT_EQ(libraryFunctionFolder("/opt/z/bin", "/src/share/extfunc", isFolder),
              "/opt/z/share/zentrel/extfunc");
    EXPECT_EQ(libraryFunctionFolder("/build/app/qt", "/src/share/extfunc", isFolder),
              "/src/share/extfunc");
    folders.clear();
    EXPECT_EQ(libraryFunctionFolder("/build/app/qt", "/src/share/extfunc", isFolder), "");
}

TEST(ProgramFolders, TheUserFolderIsTheFirstOfTheDefaultPathAndIsMade) {
    EnvironmentPaths environment;
    environment.home = "/home/u";
    EXPECT_EQ(userFunctionFolder(environment), "/home/u/.local/share/zentrel/extfunc");
    environment.xdgDataHome = "/data";
    EXPECT_EQ(userFunctionFolder(environment), "/data/zentrel/extfunc");
    EXPECT_EQ(userFunctionFolder(EnvironmentPaths{}), "");

    test::TempFolder folder;
    EXPECT_TRUE(makeFolder(folder.file("a/b/c")));
    EXPECT_TRUE(makeFolder(folder.file("a/b/c")));
    test::writeFile(folder.file("file"), "x");
    EXPECT_FALSE(makeFolder(folder.file("file/d")));
}

}  // namespace
}  // namespace zentrel
