// Where the editor keeps its own data, and the folder settings found from the game's folder.
#include "settings/game_folders.h"

#include "platform/paths.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

using namespace mf7;
using namespace mf7::test;

TEST(GameFolders, FindsTheGameFoldersIgnoringCase) {
    struct Case {
        const char* what;
        std::vector<std::string> folders, files;
        // The folders expected for cam, scn, mus, smk, txt, rep ("" for missing, "spare").
        std::vector<std::string> found;
        std::string pattern;
        std::vector<std::string> missing;
    } cases[] = {
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
    for (const Case& c : cases) {
        TempDir game;
        for (const auto& f : c.folders)
            std::filesystem::create_directories(to_native(game.file(f)));
        for (const auto& f : c.files)
            std::ofstream(to_native(game.file(f))) << "x";
        NativePath spare("/spare/reports");
        GameFolders g = game_folders(game.path(), spare);
        const Settings& s = g.settings;
        const NativePath* got[] = {&s.mf7_cam, &s.mf7_scn, &s.mf7_mus,
                                   &s.mf7_smk, &s.mf7_txt, &s.mf7_rep};
        for (std::size_t i = 0; i < c.found.size(); ++i) {
            NativePath want = c.found[i].empty()      ? NativePath()
                              : c.found[i] == "spare" ? spare
                                                      : game.file(c.found[i]);
#ifdef _WIN32
            // Windows finds a folder in any letter case and keeps the name as it was asked for.
            EXPECT_EQ(fold_case(got[i]->str()), fold_case(want.str()))
                << c.what << ", folder " << i;
#else
            EXPECT_EQ(*got[i], want) << c.what << ", folder " << i;
#endif
        }
        EXPECT_EQ(s.mf7main, game.path()) << c.what;
        EXPECT_EQ(s.mf7text, c.pattern) << c.what;
        EXPECT_EQ(s.text_ext, c.pattern.substr(1)) << c.what;
        EXPECT_EQ(g.missing, c.missing) << c.what;
    }
}
