#include "platform/paths.h"

#include "demo/demo_game.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace mf7;
using namespace mf7::test;

TEST(Paths, GameFilesAreFoundIgnoringLetterCase) {
    TempDir dir;
    for (const char* f : {"scn01.scn", "map/MAP0700.SHP", "Exact.txt", "exact.TXT"})
        ASSERT_TRUE(demo::write_bytes(dir.file(f), "x"));
    EXPECT_EQ(find_existing(dir.file("SCN01.SCN")), dir.file("scn01.scn"));
    EXPECT_TRUE(file_exists(dir.file("MAP/map0700.shp")));
    EXPECT_TRUE(folder_exists(dir.file("MAP")));
    EXPECT_FALSE(file_exists(dir.file("MAP"))); // a folder is no file
    EXPECT_FALSE(folder_exists(dir.file("scn01.scn")));
    EXPECT_EQ(find_existing(dir.file("exact.TXT")), dir.file("exact.TXT")); // exact name first
    EXPECT_FALSE(file_exists(dir.file("scn02.scn")));
    EXPECT_FALSE(file_exists(""));
    EXPECT_EQ(join_path("/", "a.cam"), "//a.cam");
}

TEST(Paths, FileListsMatchPatternsIgnoringCase) {
    TempDir dir;
    for (const char* f : {"Old.CAM", "new.cam", "notes.txt", "cam", "x.cam.bak", "sub/inner.cam"})
        ASSERT_TRUE(demo::write_bytes(dir.file(f), ""));
    EXPECT_EQ(list_files(dir.str(), "*.cam"), (std::vector<std::string>{"new.cam", "Old.CAM"}));
    EXPECT_EQ(list_files(dir.str(), "GUI97.txt"), std::vector<std::string>{});
    EXPECT_EQ(list_files(dir.str(), "*.*").size(), 5u);
    EXPECT_EQ(list_folders(dir.str()), std::vector<std::string>{"sub"});
}
