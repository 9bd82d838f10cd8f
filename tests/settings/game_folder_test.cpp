// Where the editor keeps its own data, and the folder settings found from the game's folder.
#include "settings/game_folders.h"

#include "platform/paths.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

using namespace mf7;
using namespace mf7::test;

TEST(GameFolders, FindsTheGameFoldersIgnoringCase) {
    using Names = std::vector<std::string>;
    // What the case shows, the folders and files in the game's folder, the folders expected for
    // cam, scn, mus, smk, txt, rep ("" for missing, "spare"), the text pattern, the folders
    // missing.
    const std::tuple<const char*, Names, Names, Names, std::string, Names> cases[] = {
        {"other case, German edition",
         {"campaign", "Scenario", "sound", "Smack", "text", "reports"},
         {"gui97.DEU"},
         {"campaign", "Scenario", "sound", "Smack", "text", "reports"},
         "*.deu",
         {}},
        {"folders missing, a file in place of one, no report folder",
         {"Campaign", "TEXT"},
         {"SOUND"},
         {"Campaign", "", "", "", "TEXT", "spare"},
         "*.txt",
         {"SCENARIO", "SOUND", "SMACK"}},
    };
    for (const auto& [what, folders, files, found, pattern, missing] : cases) {
        SCOPED_TRACE(what);
        TempDir game;
        for (const auto& f : folders)
            std::filesystem::create_directories(to_native(game.file(f)));
        for (const auto& f : files)
            std::ofstream(to_native(game.file(f))) << "x";
        NativePath spare("/spare/reports");
        GameFolders g = game_folders(game.path(), spare);
        const Settings& s = g.settings;
        const NativePath* got[] = {&s.mf7_cam, &s.mf7_scn, &s.mf7_mus,
                                   &s.mf7_smk, &s.mf7_txt, &s.mf7_rep};
        for (std::size_t i = 0; i < found.size(); ++i) {
            NativePath want = found[i].empty()      ? NativePath()
                              : found[i] == "spare" ? spare
                                                    : game.file(found[i]);
#ifdef _WIN32
            // Windows finds a folder in any letter case and keeps the name as it was asked for.
            EXPECT_EQ(fold_case(got[i]->str()), fold_case(want.str())) << "folder " << i;
#else
            EXPECT_EQ(*got[i], want) << "folder " << i;
#endif
        }
        EXPECT_EQ(s.mf7main, game.path());
        EXPECT_EQ(s.mf7text, pattern);
        EXPECT_EQ(s.text_ext, pattern.substr(1));
        EXPECT_EQ(g.missing, missing);
    }
}
