#include "app/main/program_folders.h"

#include <gtest/gtest.h>

#include "tests/common/temp_folder.h"

namespace zentrel {
namespace {

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
