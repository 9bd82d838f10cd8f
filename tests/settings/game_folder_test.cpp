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

#ifndef _WIN32
namespace {

// Sets (or, given nothing, removes) an environment variable for the test's run.
class EnvVar {
  public:
    EnvVar(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        value ? setenv(name, value->c_str(), 1) : unsetenv(name);
    }
    ~EnvVar() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace

TEST(UserDataFolder, FollowsXdgDataHomeElseHome) {
    struct Case {
        std::optional<std::string> xdg, home;
        std::string expected;
    } cases[] = {
        {"/x/data", "/home/u", "/x/data/mf7edit"},
        {"", "/home/u", "/home/u/.local/share/mf7edit"},
        {std::nullopt, "/home/u", "/home/u/.local/share/mf7edit"},
        {std::nullopt, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        EnvVar xdg("XDG_DATA_HOME", c.xdg), home("HOME", c.home);
        EXPECT_EQ(default_user_data_folder().str(), c.expected) << c.expected;
    }
}
#endif

TEST(GameFolders, FindsTheGameFoldersIgnoringCase) {
    struct Case {
        const char* what;
        std::vector<std::string> folders, files;
        // The folders expected for cam, scn, mus, smk, txt, rep ("" for missing, "spare").
        std::vector<std::string> found;
        std::string pattern;
        std::vector<std::string> missing;
    } cases[] = {
        {"exact case",
         {"CAMPAIGN", "SCENARIO", "SOUND", "SMACK", "TEXT", "REPORTS"},
         {"GUI97.TXT"},
         {"CAMPAIGN", "SCENARIO", "SOUND", "SMACK", "TEXT", "REPORTS"},
         "*.txt",
         {}},
        {"other case, German edition, no report folder",
         {"campaign", "Scenario", "sound", "Smack", "text"},
         {"gui97.DEU"},
         {"campaign", "Scenario", "sound", "Smack", "text", "spare"},
         "*.deu",
         {}},
        {"folders missing, a file in place of one",
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
