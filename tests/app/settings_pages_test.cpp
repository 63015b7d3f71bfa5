#include "app/settings/settings_pages.h"

#include <gtest/gtest.h>

namespace zentrel {
namespace {

using Folders = std::vector<std::string>;

TEST(FolderList, AddDeleteAndMoveKeepASensibleSelection) {
    FolderList list("/a;/b/;;/c");
    EXPECT_EQ(list.folders(), (Folders{"/a", "/b", "/c"}));
    EXPECT_FALSE(list.selected());
    list.removeSelected();
    list.moveUp();
    EXPECT_EQ(list.path(), "/a;/b;/c");

    list.add("/d");
    EXPECT_EQ(list.selected(), 3u);
    list.moveDown();  // already last
    list.moveUp();
    EXPECT_EQ(list.folders(), (Folders{"/a", "/b", "/d", "/c"}));
    EXPECT_EQ(list.selected(), 2u);

    list.select(0);
    list.moveUp();  // already first
    list.removeSelected();
    EXPECT_EQ(list.folders(), (Folders{"/b", "/d", "/c"}));
    EXPECT_EQ(list.selected(), 0u);  // the entry now at its place

    list.select(2);
    list.removeSelected();
    EXPECT_EQ(list.selected(), 1u);  // the last one
    list.removeSelected();
    list.removeSelected();
    EXPECT_FALSE(list.selected());
    EXPECT_EQ(list.path(), "");
}

TEST(SettingsPages, ValuesAsThePagesStoreAndShowThem) {
    std::array<std::string, kFunctionButtonCount> typed;
    typed[4] = "  sq rt";
    typed[5] = "abcdefghijklmnopqrst()";
    Settings settings;
    storeFunctionNames(typed, settings);
    EXPECT_EQ(settings.extFunc[4], "sq");
    EXPECT_EQ(settings.extFunc[5], "abcdefghijklmnop");
    EXPECT_EQ(settings.extFunc[0], "");

    EXPECT_EQ(editorOrDefault(""), "xdg-open");
    EXPECT_EQ(editorOrDefault("/usr/bin/my editor"), "/usr/bin/my editor");
}

}  // namespace
}  // namespace zentrel
