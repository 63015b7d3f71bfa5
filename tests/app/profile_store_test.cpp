#include "app/settings/profile_store.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/common/temp_folder.h"

namespace zentrel {
namespace {

using test::readFile;
using test::TempFolder;
using test::writeFile;

// A file another program also keeps notes in: comments, blank lines, a foreign
// section and key, odd spacing and a last line without its line end.
constexpr std::string_view kForeignFile =
    "; written by hand\n"
    "[Other Program]\n"
    "Colour = red ; not ours\n"
    "\n"
    "[GRAPH WINDOW]\n"
    "  PosX =  12  \n"
    "Unknown=keep me\n"
    "\n"
    "; the environment follows\n"
    "[ENVIRONMENT]\n"
    "Angle=1";

TEST(ProfileStore, ForeignLinesSurviveEveryKindOfWrite) {
    ProfileStore store(kForeignFile);
    EXPECT_EQ(store.text(), kForeignFile);
    store.write("graph window", "posx", "40");      // replaced in place
    store.write("GRAPH WINDOW", "PosY", "50");      // added after the section's last entry
    store.write("ENVIRONMENT", "CacheSize", "-1");  // added after a last line without line end
    store.write("TABLE WINDOW", "PosX", "7");       // a new section at the end
    EXPECT_EQ(store.text(),
              "; written by hand\n"
              "[Other Program]\n"
              "Colour = red ; not ours\n"
              "\n"
              "[GRAPH WINDOW]\n"
              "posx=40\n"
              "Unknown=keep me\n"
              "PosY=50\n"
              "\n"
              "; the environment follows\n"
              "[ENVIRONMENT]\n"
              "Angle=1\n"
              "CacheSize=-1\n"
              "[TABLE WINDOW]\n"
              "PosX=7\n");
}

TEST(ProfileStore, NewLinesTakeTheFilesLineEnds) {
    ProfileStore store("[A]\r\nx=1\r\n\r\n[B]\r\n");
    store.write("A", "y", "2");
    store.write("B", "z", "3");
    store.write("C", "w", "4");
    EXPECT_EQ(store.text(), "[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\nz=3\r\n[C]\r\nw=4\r\n");

    ProfileStore empty;
    empty.write("S", "k", "v");
    empty.write("S", "k", "w");
    EXPECT_EQ(empty.text(), "[S]\nk=w\n");
}

TEST(ProfileStore, NamesMatchWithoutCaseAndValuesLoseTheirBlanks) {
    const ProfileStore store(
        "\xEF\xBB\xBF[Graph Window]\n"
        "editor = \t my editor --flag=1 \t\n"
        "PosX=1\n"
        "posx=2\n"
        "Empty=\n"
        "[GRAPH WINDOW]\n"
        "Late=3\n");
    EXPECT_EQ(store.readString("GRAPH WINDOW", "EDITOR", "x"), "my editor --flag=1");
    EXPECT_EQ(store.readInt("graph window", "PosX", 0), 1);  // the first entry wins
    EXPECT_EQ(store.readString("GRAPH WINDOW", "Empty", "fallback"), "");
    EXPECT_EQ(store.readString("GRAPH WINDOW", "Missing", "fallback"), "fallback");
    EXPECT_EQ(store.readString("GRAPH WINDOW", "Late", "only the first section counts"),
              "only the first section counts");
    EXPECT_EQ(store.readString("NO SECTION", "PosX", "none"), "none");
    EXPECT_EQ(store.readString("GRAPH WINDO", "PosX", "none"), "none");
}

TEST(ProfileStore, IntegerReadsTakeTheLeadingDecimalNumber) {
    struct Case {
        const char* value;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"12", 12},
        {"-3x", -3},
        {"+7", 7},
        {"0012", 12},
        {"42 apples", 42},
        {"abc", -99},
        {"", -99},
        {"- 5", -99},
        {"0x10", 0},
        {"2147483647", 2147483647},
        {"99999999999", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"-99999999999", -2147483647 - 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        ProfileStore store;
        store.write("S", "k", c.value);
        EXPECT_EQ(store.readInt("S", "k", -99), c.expected);
    }
    EXPECT_EQ(ProfileStore().readInt("S", "k", -99), -99);
}

TEST(ProfileStore, ALineBreakInAValueCannotStartANewLine) {
    ProfileStore store("[S]\nk=1\nnext=2\n");
    store.write("S", "k", "a\nb\r\nc");
    EXPECT_EQ(store.text(), "[S]\nk=a b  c\nnext=2\n");
}

TEST(ProfileStore, LoadsAndSavesFilesCreatingTheFolder) {
    TempFolder folder;
    ProfileStore store("stale=1\n");
    ASSERT_FALSE(ProfileStore::load(folder.file("missing.ini"), store));
    EXPECT_EQ(store.text(), "");

    const std::string path = folder.file("zentrel/sub/MORVIK.INI");
    store.write("S", "k", "v");
    ASSERT_FALSE(store.save(path));
    EXPECT_EQ(readFile(path), "[S]\nk=v\n");

    ProfileStore loaded;
    ASSERT_FALSE(ProfileStore::load(path, loaded));
    EXPECT_EQ(loaded.readString("S", "K", ""), "v");
    EXPECT_TRUE(ProfileStore::load(folder.path(), loaded));  // a folder is no settings file
    EXPECT_EQ(loaded.text(), "");
}

TEST(ProfileStore, SaveKeepsTheFilesPermissionsAndFollowsALink) {
    TempFolder folder;
    const std::string real = folder.file("real.ini");
    const std::string link = folder.file("link.ini");
    writeFile(real, "[S]\nk=old\n");
    ::chmod(real.c_str(), 0640);
    std::filesystem::create_symlink(real, link);

    ProfileStore store(readFile(link));
    store.write("S", "k", "new");
    ASSERT_FALSE(store.save(link));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readFile(real), "[S]\nk=new\n");
    struct stat info {};
    ASSERT_EQ(::stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"link.ini", "real.ini"}));
}

// Every failure is reported and leaves what was there as it was, without a
// temporary beside it.
TEST(ProfileStore, AFailedSaveLeavesTheOldFileAndNoTemporary) {
    TempFolder folder;
    const std::string blocker = folder.file("not-a-folder");
    writeFile(blocker, "plain file");
    ProfileStore store("[S]\nk=new\n");
    EXPECT_TRUE(store.save(blocker + "/MORVIK.INI"));
    EXPECT_EQ(readFile(blocker), "plain file");

    std::filesystem::create_directory(folder.file("target-is-a-folder"));
    EXPECT_TRUE(store.save(folder.file("target-is-a-folder")));
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("target-is-a-folder")));

    const std::string old = folder.file("MORVIK.INI");
    writeFile(old, "[S]\nk=old\n");
    {
        // The new text cannot be written whole: the write of the temporary fails.
        const test::FileSizeLimit limit(16);
        ProfileStore longer("[S]\nk=" + std::string(100, 'x') + "\n");
        EXPECT_EQ(longer.save(old), std::errc::file_too_large);
    }
    EXPECT_EQ(readFile(old), "[S]\nk=old\n");
    EXPECT_EQ(folder.entries(),
              (std::vector<std::string>{"MORVIK.INI", "not-a-folder", "target-is-a-folder"}));
}

TEST(ProfileStore, UpdateKeepsWhatOthersWroteSinceTheFileWasRead) {
    TempFolder folder;
    const std::string path = folder.file("MORVIK.INI");
    writeFile(path, "[EXTFUNC]\nPath=a\n");
    ProfileStore ours;
    ASSERT_FALSE(ProfileStore::load(path, ours));
    writeFile(path, "[EXTFUNC]\nPath=a\n[OTHER]\nnote=from another run\n");
    ASSERT_FALSE(
        updateProfile(path, [](ProfileStore& store) { store.write("EXTFUNC", "Folder", "b"); }));
    EXPECT_EQ(readFile(path), "[EXTFUNC]\nPath=a\nFolder=b\n[OTHER]\nnote=from another run\n");

    // A settings path that cannot be read is not replaced.
    std::filesystem::create_directory(folder.file("folder.ini"));
    bool changed = false;
    EXPECT_TRUE(updateProfile(folder.file("folder.ini"), [&](ProfileStore&) { changed = true; }));
    EXPECT_FALSE(changed);
}

}  // namespace
}  // namespace zentrel
