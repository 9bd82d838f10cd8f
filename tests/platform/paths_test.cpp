#include "platform/paths.h"

#include "platform/messages.h"

#include "model/demo_game.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace mf7;
using namespace mf7::test;

// Game text and paths meet only where a function says so.
static_assert(!std::is_convertible_v<std::string, NativePath> &&
              !std::is_convertible_v<NativePath, std::string> &&
              !std::is_convertible_v<const char*, NativePath>);
static_assert(!std::is_invocable_v<decltype(&path_as_text), const std::string&> &&
              !std::is_invocable_v<decltype(&path_in_message), const std::string&>);

// Game files are found, and file lists matched, ignoring letter case.
TEST(Paths, FilesAndFileListsIgnoreLetterCase) {
    TempDir dir;
    for (const char* f :
         {"map/MAP0700.SHP", "Exact.txt", "exact.TXT", "Old.CAM", "new.cam", "cam", "x.cam.bak"})
        ASSERT_TRUE(demo::write_bytes(dir.file(f), "x"));
    EXPECT_TRUE(file_exists(dir.file("MAP/map0700.shp")));
    EXPECT_FALSE(file_exists(dir.file("MAP")));                             // a folder is no file
    EXPECT_EQ(find_existing(dir.file("exact.TXT")), dir.file("exact.TXT")); // exact name first
    EXPECT_EQ(list_files(dir.path(), "*.cam"), paths({"new.cam", "Old.CAM"}));
    EXPECT_EQ(list_files(dir.path(), "GUI97.txt"), paths({}));
#ifdef _WIN32
    EXPECT_EQ(list_files(dir.path(), "*.*").size(), 5u); // Exact.txt and exact.TXT are one file
#else
    EXPECT_EQ(list_files(dir.path(), "*.*").size(), 6u);
#endif
    EXPECT_EQ(list_folders(dir.path()), paths({"map"}));
}

// Names match ignoring letter case in the scripts folder names are written in; letters with no
// simple pair (ß, ĸ, ŉ) and signs (×) stay as they are.
TEST(Paths, FoldsLatinGreekAndCyrillicCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"ABC.TXT", "abc.txt"}, {"ÀÉÞ×ß", "àéþ×ß"}, {"Ÿÿ", "ÿÿ"},     {"ĀĲĹŁŊŽĸŉ", "āĳĺłŋžĸŉ"},
        {"ΑΣΩ", "ασω"},         {"АЖЯ", "ажя"},     {"ЀЁЂЏ", "ѐёђџ"}, {"абвёђ", "абвёђ"}};
    for (const auto& [name, folded] : cases)
        EXPECT_EQ(fold_case(name), folded) << name;
}

TEST(Paths, GameNamesFoundInFoldersOfAnyName) {
    // The file's name as the file system holds it, and as a game file names it (Windows-1252).
    const std::pair<std::string, std::string> cases[] = {
        {"Zürich.scn", "Z\xFCrich.scn"},
        {"ZÜRICH.SCN", "z\xFCrich.scn"},
        {"ЛЕС.txt", "\xC6.txt"}, // the name is not there: its UTF-8 form comes back
#ifndef _WIN32
        {"Z\xFCrich.scn", "Z\xFCrich.scn"}, // a tree unpacked byte for byte
#endif
    };
    for (const auto& [on_disk, game_name] : cases) {
        SCOPED_TRACE(on_disk);
        TempDir dir;
        NativePath folder = dir.file("Łódź 東京 Игры");
        ASSERT_TRUE(demo::write_bytes(join_path(folder, NativePath(on_disk)), "x"));
        // Windows finds a name as spelled; elsewhere it comes back as the folder holds it.
        auto found = [](const NativePath& path) { return fold_path(resolve_path(path)); };
        EXPECT_EQ(found(dir.file("łÓdŹ 東京 иГРЫ")), fold_path(folder));
        bool there = game_name != "\xC6.txt";
        EXPECT_EQ(found(join_game_name(folder, game_name)),
                  fold_path(join_path(folder, NativePath(there ? on_disk : "Æ.txt"))));
    }
    // Reports hold game text: what Windows-1252 cannot hold becomes '?'.
    EXPECT_EQ(path_as_text("Łódź Æ"_path), "?\xF3"
                                           "d? \xC6");
}

// Messages are game text too, but the screen shows every path in them whole: a path Windows-1252
// holds stays game text, any other is carried as it is.
TEST(Paths, MessagesShowPathsWhole) {
    const std::pair<std::string, std::string> cases[] = {
        {"/home/Zoë/Æ.cam", "/home/Zo\xEB/\xC6.cam"},
        {"/t/Łódź Игры/saved.cam", std::string(1, '\0') + "/t/Łódź Игры/saved.cam" + '\0'},
    };
    for (const auto& [path, in_message] : cases) {
        std::string message = "Save \xE9 " + path_in_message(NativePath(path)) + " \x80\x9F";
        EXPECT_EQ(message, "Save \xE9 " + in_message + " \x80\x9F");
        EXPECT_EQ(message_to_utf8(message), "Save é " + path + " €Ÿ");
    }
}
